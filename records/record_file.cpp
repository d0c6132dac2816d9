// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/record_file.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <sys/stat.h>

namespace gp {

RecordFileBytes readRecordFile(const QString& path)
{
    // stat() rather than QFileInfo: only "no such file" may count as missing, a folder that
    // cannot be searched must not.
    struct stat info
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {errno == ENOENT || errno == ENOTDIR ? RecordFileState::Missing
                                                    : RecordFileState::Unreadable,
                {}};
    if (!S_ISREG(info.st_mode) || info.st_size > kMaxRecordFileSize)
        return {RecordFileState::Unreadable, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {RecordFileState::Unreadable, {}};
    // In pieces, so that a file that grew since the look at its size is still read no further.
    QByteArray bytes;
    while (bytes.size() <= kMaxRecordFileSize) {
        const QByteArray piece = file.read(64 * 1024);
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxRecordFileSize)
        return {RecordFileState::Unreadable, {}};
    return {RecordFileState::Read, bytes};
}

bool replaceRecordFile(const QString& path, const QByteArray& bytes)
{
    // QSaveFile writes beside the symlink's target and takes over the old file's permissions;
    // a failed write (a full disk, a size limit) leaves the old file in place.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString recordLockPath(const QString& path)
{
    return path + QStringLiteral(".lock");
}

} // namespace gp

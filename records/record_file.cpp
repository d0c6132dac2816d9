// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/record_file.h"

#include <QFileInfo>
#include <QSaveFile>

namespace gp {

RecordFileBytes readRecordFile(const QString& path)
{
    return readPlainFile(path, kMaxRecordFileSize);
}

bool replaceRecordFile(const QString& path, const QByteArray& bytes, QString* error)
{
    // QSaveFile takes over the old file's permissions; a failed write (a full disk, a size limit)
    // or rename leaves the old file in place.
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    if (written && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    file.cancelWriting();
    return false;
}

QString recordTargetPath(const QString& path)
{
    // As QSaveFile resolves it, so that the lock lies beside the file that is written.
    QFileInfo info(path);
    for (int depth = 0; depth < 64 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

QString recordLockPath(const QString& path)
{
    return path + QStringLiteral(".lock");
}

} // namespace gp

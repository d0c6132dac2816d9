// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/record_file.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace gp {

namespace {

struct RecordMessages
{
    Q_DECLARE_TR_FUNCTIONS(RecordMessages)
};

QString cannotWriteWhole(int error)
{
    return RecordMessages::tr("記録のファイルを最後まで書き込めません (%1)。")
        .arg(QString::fromLocal8Bit(std::strerror(error)));
}

} // namespace

RecordFileBytes readRecordFile(const QString& path)
{
    return readPlainFile(path, kMaxRecordFileSize);
}

bool replaceRecordFile(const QString& path, const QByteArray& bytes, QString* error)
{
    // QSaveFile takes over the old file's permissions and leaves the old file in place when it
    // is told of a failure. It is not told of every one: a buffered write fails only at the flush
    // inside commit(), which renames the cut file over the old one all the same, and a short write
    // (a size limit, a full disk) sets no error. So the bytes go straight to its descriptor here,
    // each write checked, and the file's size too before it may take the old one's place.
    QSaveFile file(path);
    const auto fail = [&file, error](const QString& why) {
        file.cancelWriting();
        if (error)
            *error = why;
        return false;
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    const int fd = file.handle();
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t count =
            ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return fail(cannotWriteWhole(count < 0 ? errno : ENOSPC));
        written += count;
    }
    // Some file systems (network, quota) report a lost write only here; a file system that
    // cannot sync at all has written nothing wrong.
    if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS)
        return fail(cannotWriteWhole(errno));
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0 || info.st_size != bytes.size())
        return fail(cannotWriteWhole(EIO));
    if (!file.commit())
        return fail(file.errorString());
    return true;
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

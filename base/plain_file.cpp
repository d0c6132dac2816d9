// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/plain_file.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gp {

namespace {

class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

PlainFileBytes readPlainFile(const QString& path, qint64 maxSize)
{
    // O_NONBLOCK: a FIFO opens at once instead of waiting for a writer; O_NOCTTY: a terminal
    // device does not become the program's.
    const Descriptor file(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0)
        // Only "no such file" counts as missing; a folder that cannot be searched does not.
        return {errno == ENOENT || errno == ENOTDIR ? PlainFileState::Missing
                                                    : PlainFileState::Unreadable,
                {}};
    struct stat info
    {
    };
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > maxSize)
        return {PlainFileState::Unreadable, {}};
    // Room for one byte more than it had: a file that grew since the look at its size is read
    // on, but never past the limit.
    QByteArray bytes(qsizetype(info.st_size) + 1, Qt::Uninitialized);
    qsizetype total = 0;
    for (;;) {
        if (total == bytes.size()) {
            if (total > maxSize)
                return {PlainFileState::Unreadable, {}};
            bytes.resize(qsizetype(std::min<qint64>(maxSize + 1, 2 * qint64(total))));
        }
        const ssize_t count =
            ::read(file.get(), bytes.data() + total, size_t(bytes.size() - total));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return {PlainFileState::Unreadable, {}};
        if (count == 0)
            break;
        total += count;
    }
    bytes.truncate(total);
    return {PlainFileState::Read, bytes};
}

PathKind pathKind(const QString& path)
{
    struct stat info
    {
    };
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return errno == ENOENT ? PathKind::Missing : PathKind::Other;
    if (S_ISREG(info.st_mode))
        return PathKind::PlainFile;
    return S_ISDIR(info.st_mode) ? PathKind::Folder : PathKind::Other;
}

} // namespace gp

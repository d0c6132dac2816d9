// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/user_folder.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>

namespace gp {

namespace {

bool spellable(const QByteArray& name)
{
    return QFile::encodeName(QFile::decodeName(name)) == name;
}

// The nearest folder that exists as a descriptor, and the spellable rest.
QString spellableFolder(QByteArray raw)
{
    while (raw.size() > 1 && raw.endsWith('/'))
        raw.chop(1);
    QByteArray head = raw;
    QString tail;
    while (!head.isEmpty()) {
        const int fd = ::open(head.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (fd >= 0)
            return QStringLiteral("/proc/self/fd/%1").arg(fd) + tail;
        const qsizetype slash = head.lastIndexOf('/');
        if (slash < 0 || !spellable(head.sliced(slash + 1)))
            break;
        tail.prepend(QLatin1Char('/') + QFile::decodeName(head.sliced(slash + 1)));
        head.truncate(slash);
    }
    return QFile::decodeName(raw);
}

} // namespace

QString userFolder(const char* variable, const char* underHome)
{
    QByteArray raw = qgetenv(variable);
    if (!raw.startsWith('/')) {
        QByteArray home = qgetenv("HOME");
        if (!home.startsWith('/'))
            home = QFile::encodeName(QDir::homePath());
        raw = home + '/' + underHome;
    }
    return spellable(raw) ? QDir::cleanPath(QFile::decodeName(raw)) : spellableFolder(raw);
}

} // namespace gp

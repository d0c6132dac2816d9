// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Reading a file whose place anyone may have filled with something else: a FIFO, a device, a
// folder, a link to nowhere. Opening never waits and only a plain file is read.

#include <QByteArray>
#include <QString>

namespace gp {

enum class PlainFileState {
    Missing,
    Read,
    // It is there but could not be read: no permission, not a plain file, too large, a read error.
    Unreadable,
};

struct PlainFileBytes
{
    PlainFileState state = PlainFileState::Missing;
    QByteArray bytes;
};

// Opens without blocking and looks at what it opened, not at what the path named a moment
// before: a FIFO swapped in between cannot hold the caller up. A file larger than maxSize, also
// one that grows while it is read, is unreadable.
PlainFileBytes readPlainFile(const QString& path, qint64 maxSize);

// What lies at the path itself, a symlink not followed.
enum class PathKind { Missing, PlainFile, Folder, Other };
PathKind pathKind(const QString& path);

} // namespace gp

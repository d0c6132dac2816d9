// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// YRM.ini on disk: read only when it is a plain file of a sane size, replaced only as a whole.

#include <QByteArray>
#include <QString>

namespace gp {

// Larger files are not read (and so never replaced): a record is a few dozen bytes, and other
// programs' sections in the same file rarely reach kilobytes.
constexpr qint64 kMaxRecordFileSize = 4 * 1024 * 1024;

enum class RecordFileState {
    Missing,
    Read,
    // It is there but could not be read: no permission, not a plain file, too large, a read error.
    Unreadable,
};

struct RecordFileBytes
{
    RecordFileState state = RecordFileState::Missing;
    QByteArray bytes;
};

// Looks at the file's type before opening it, so a FIFO or a device at the path cannot block.
RecordFileBytes readRecordFile(const QString& path);

// Replaces the file with the bytes atomically: through a symlink at its target, keeping the
// target's mode. The old file stays unless the new one was written completely.
bool replaceRecordFile(const QString& path, const QByteArray& bytes);

// The lock two instances of the program take around a save, beside the file (where QSettings
// takes its own).
QString recordLockPath(const QString& path);

} // namespace gp

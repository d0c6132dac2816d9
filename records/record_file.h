// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// YRM.ini on disk: read only when it is a plain file of a sane size, replaced only as a whole.

#include "base/plain_file.h"

#include <QByteArray>
#include <QString>

namespace gp {

// Larger files are not read (and so never replaced): a record is a few dozen bytes, and other
// programs' sections in the same file rarely reach kilobytes.
constexpr qint64 kMaxRecordFileSize = 4 * 1024 * 1024;

using RecordFileState = PlainFileState;
using RecordFileBytes = PlainFileBytes;

// The file's bytes; a FIFO or a device at the path cannot block.
RecordFileBytes readRecordFile(const QString& path);

// Replaces the file with the bytes atomically, keeping its mode. The old file stays unless the
// new one was written completely; on failure, error says why.
bool replaceRecordFile(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Where a write to the path lands: its symlinks followed to the end, also to a target that does
// not exist yet. Two links to one file lead to one place, and so to one lock.
QString recordTargetPath(const QString& path);

// The lock two instances of the program take around a save, beside the file (where QSettings
// takes its own).
QString recordLockPath(const QString& path);

} // namespace gp

// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Keys and values in the INI dialect QSettings writes, escaped and unescaped as QSettings does.
// Kept apart from the record file's line scanning and editing, which only locates the bytes these
// functions turn into text and back.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace gp {

// A key or section name as QSettings reads it: "%XX" and "%UXXXX" decoded, '\' read as '/'.
QString iniUnescapedKey(QByteArrayView key);

// One value as QSettings writes a plain string, and back.
QByteArray iniEscapedText(const QString& text);
QString iniUnescapedText(QByteArrayView value);

} // namespace gp

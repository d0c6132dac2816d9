// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace gp {

// At most this many characters in a record holder's name; a double-byte character and a
// character beyond the BMP each count as one.
constexpr qsizetype kMaxNameLength = 6;

// A blank around a name is the ASCII space or the ideographic space U+3000: Japanese input
// methods type the latter for the space bar, and it looks no different to the player.
bool isNameBlank(QChar c);
QString removeLeadingBlanks(const QString& name);
// Blanks off the end, then off the start.
QString trimName(const QString& name);
// The name's characters as the player sees them, in order: a surrogate pair is one, and so is a
// stray surrogate. Every walk over a name goes through here.
QList<QStringView> nameCharacters(QStringView name);
qsizetype nameLength(QStringView name);

} // namespace gp

// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/record_name.h"

namespace gp {

bool isNameBlank(QChar c)
{
    return c == u' ' || c == QChar(0x3000);
}

QString removeLeadingBlanks(const QString& name)
{
    qsizetype start = 0;
    while (start < name.size() && isNameBlank(name[start]))
        ++start;
    return name.mid(start);
}

QString trimName(const QString& name)
{
    qsizetype end = name.size();
    while (end > 0 && isNameBlank(name[end - 1]))
        --end;
    return removeLeadingBlanks(name.left(end));
}

QList<QStringView> nameCharacters(QStringView name)
{
    QList<QStringView> characters;
    for (qsizetype i = 0; i < name.size();) {
        const bool pair =
            name[i].isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate();
        const qsizetype width = pair ? 2 : 1;
        characters.append(name.sliced(i, width));
        i += width;
    }
    return characters;
}

qsizetype nameLength(QStringView name)
{
    return nameCharacters(name).size();
}

} // namespace gp

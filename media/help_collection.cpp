// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/help_collection.h"

#include <QCryptographicHash>

namespace gp {

QString helpCollectionFile(const QString& helpFile, const QString& dir)
{
    const QByteArray key =
        QCryptographicHash::hash(helpFile.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return dir + QStringLiteral("/help-") + QString::fromLatin1(key) + QStringLiteral(".qhc");
}

} // namespace gp

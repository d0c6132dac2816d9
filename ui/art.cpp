// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/art.h"

#include <QGuiApplication>

namespace gp {

QPixmap artPixmap(const QString& name)
{
    const QString base = QStringLiteral(":/art/") + name;
    if (qApp && qApp->devicePixelRatio() > 1.0) {
        QPixmap hires(base + QStringLiteral("@2x.png"));
        if (!hires.isNull()) {
            hires.setDevicePixelRatio(2.0);
            return hires;
        }
    }
    return QPixmap(base + QStringLiteral(".png"));
}

QIcon programIcon()
{
    // With their sizes given the files are read only when a size is first drawn.
    QIcon icon;
    for (int size : {16, 24, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/art/icon_%1.png").arg(size), QSize(size, size));
    icon.addFile(QStringLiteral(":/art/icon.png"), QSize(32, 32));
    return icon;
}

} // namespace gp

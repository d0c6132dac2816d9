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
    QIcon icon;
    for (const char* size : {"16", "24", "48", "64", "128", "256"})
        icon.addFile(QStringLiteral(":/art/icon_%1.png").arg(QLatin1String(size)));
    icon.addFile(QStringLiteral(":/art/icon.png"));
    return icon;
}

} // namespace gp

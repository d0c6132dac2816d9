// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace gp {

namespace {

class AnnouncerAccessible : public QAccessibleWidget
{
public:
    explicit AnnouncerAccessible(Announcer* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const Announcer*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* announcerAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(Announcer::staticMetaObject.className()))
        return new AnnouncerAccessible(static_cast<Announcer*>(object));
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(announcerAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
}

void Announcer::announce(const QString& text)
{
    m_text = text;
    emit announced(text);
    if (!QAccessible::isActive())
        return;
    // The name first, so that a reader that keeps names learns the new one before it speaks.
    QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace gp

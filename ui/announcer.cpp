// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace gp {

namespace {

// One announced text, as its accessible name.
class Notice : public QWidget
{
    Q_OBJECT

public:
    explicit Notice(QWidget* parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 0, 0);
    }
};

QAccessibleInterface* noticeAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(Notice::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<Notice*>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(noticeAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    for (QWidget*& notice : m_notices)
        notice = new Notice(this);
}

void Announcer::announce(const QString& text)
{
    emit announced(text);
    QWidget* notice = m_notices[m_next];
    m_next = (m_next + 1) % m_notices.size();
    notice->setAccessibleName(text);
    if (QAccessible::isActive()) {
        QAccessibleEvent shown(notice, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
}

} // namespace gp

#include "announcer.moc"

// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>

#include <utility>

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

// How long the kept texts wait after a screen reader has connected.
constexpr int kSettleMs = 500;

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
    QAccessible::installActivationObserver(this);
}

Announcer::~Announcer()
{
    QAccessible::removeActivationObserver(this);
}

void Announcer::announce(const QString& text)
{
    emit announced(text);
    QWidget* notice = m_notices[m_next];
    m_next = (m_next + 1) % m_notices.size();
    notice->setAccessibleName(text);
    if (!QAccessible::isActive()) {
        m_kept.removeOne(notice);
        m_kept.append(notice);
        return;
    }
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void Announcer::accessibilityActiveChanged(bool active)
{
    // The bridge turns active before the screen reader has taken the program in; told at once,
    // the kept texts would go unheard.
    if (active && !m_kept.isEmpty())
        QTimer::singleShot(kSettleMs, this, &Announcer::tellKept);
}

void Announcer::tellKept()
{
    if (!QAccessible::isActive())
        return;
    for (QWidget* notice : std::exchange(m_kept, {})) {
        QAccessibleEvent shown(notice, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
}

} // namespace gp

#include "announcer.moc"

// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/part_dragger.h"

#include "game/drag_rules.h"
#include "game/face_geometry.h"
#include "ui/backdrop.h"
#include "ui/main_window.h"
#include "ui/sprite.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

namespace gp {

namespace {

// The frame of the carried part, drawn above the cover; it takes no input, so the pointer finds
// what lies beneath it.
class DragOutline : public QWidget
{
public:
    explicit DragOutline(QWidget* parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setPen(QPen(Qt::black, 1, Qt::DashLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        p.setPen(QPen(Qt::white, 1, Qt::DotLine));
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
};

} // namespace

PartDragger::PartDragger(MainWindow& window, DragRules& rules, QObject* parent)
    : QObject(parent), m_window(window), m_rules(rules)
{
    for (int part = 0; part < kPartCount; ++part) {
        m_window.part(GirlA, part)->installEventFilter(this);
        m_window.part(GirlB, part)->installEventFilter(this);
    }
    m_window.installEventFilter(this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state != Qt::ApplicationActive)
                    cancel();
            });
    m_window.setPartDragger(this);
}

PartDragger::~PartDragger()
{
    cancel();
    m_window.setPartDragger(nullptr);
}

void PartDragger::cancel()
{
    if (m_cursorHidden) {
        QApplication::restoreOverrideCursor();
        m_cursorHidden = false;
    }
    if (m_outline)
        m_outline->hide();
    m_carrying = false;
}

bool PartDragger::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (watched != &m_window)
            return press(static_cast<QWidget*>(watched), static_cast<QMouseEvent*>(event));
        break;
    case QEvent::MouseMove:
        if (m_carrying) {
            moveTo(static_cast<QMouseEvent*>(event));
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (m_carrying) {
            release(static_cast<QMouseEvent*>(event));
            return true;
        }
        break;
    case QEvent::WindowDeactivate:
    case QEvent::Hide:
        if (watched == &m_window)
            cancel();
        break;
    default:
        break;
    }
    return false;
}

bool PartDragger::press(QWidget* pressed, QMouseEvent* event)
{
    int girl = -1;
    int part = -1;
    for (int i = 0; i < kPartCount; ++i) {
        for (int g : {GirlA, GirlB}) {
            if (m_window.part(g, i) == pressed) {
                girl = g;
                part = i;
            }
        }
    }
    if (girl < 0 || m_carrying)
        return m_carrying;
    const QPointF at = event->position();
    if (!m_rules.pressPart(girl, part, float(at.x() * kGrabUnitsPerPixel),
                           float(at.y() * kGrabUnitsPerPixel)))
        return false;

    m_carrying = true;
    m_girl = girl;
    m_part = part;
    m_grab = at;
    const auto* sprite = static_cast<Sprite*>(pressed);
    if (!sprite->dragIcon().isNull()) {
        QApplication::setOverrideCursor(QCursor(sprite->dragIcon(), 0, 0));
        m_cursorHidden = true;
    } else {
        if (!m_outline)
            m_outline = new DragOutline(m_window.playArea(girl));
        m_outline->setParent(m_window.playArea(girl));
        m_outline->setGeometry(pressed->geometry());
        m_outline->show();
        m_outline->raise();
    }
    return true;
}

PartDragger::Target PartDragger::targetAt(const QPointF& globalPos) const
{
    QWidget* area = m_window.playArea(m_girl);
    const QPointF local = area->mapFromGlobal(globalPos);
    if (!area->isVisible() || !area->rect().contains(local.toPoint()))
        return {};
    QWidget* hit = area->childAt(local.toPoint());
    if (!hit)
        return {PointerZone::PlayArea, -1, local};
    if (hit == m_window.cover(m_girl))
        return {PointerZone::Cover, -1, local - QPointF(hit->pos())};
    for (int i = 0; i < kPartCount; ++i) {
        if (hit == m_window.part(m_girl, i))
            return {PointerZone::Part, i, local - QPointF(hit->pos())};
    }
    return {}; // the complete face takes no drops
}

void PartDragger::moveTo(QMouseEvent* event)
{
    const QPointF global = event->globalPosition();
    if (m_outline && m_outline->isVisible()) {
        const QPointF local = m_window.playArea(m_girl)->mapFromGlobal(global);
        m_outline->move((local - m_grab).toPoint());
    }
    const Target t = targetAt(global);
    switch (t.zone) {
    case PointerZone::Part:
        m_rules.pointerOverPart(t.part);
        break;
    case PointerZone::Cover:
        m_rules.pointerOverCover(float(t.pos.x()), float(t.pos.y()));
        break;
    case PointerZone::PlayArea:
        m_rules.pointerOverPlayArea(float(t.pos.x()), float(t.pos.y()));
        break;
    case PointerZone::None:
        break;
    }
}

void PartDragger::release(QMouseEvent* event)
{
    const Target t = targetAt(event->globalPosition());
    const int girl = m_girl;
    const int part = m_part;
    cancel();
    switch (t.zone) {
    case PointerZone::Part:
        m_rules.dropOnPart(girl, t.part, float(t.pos.x() * kGrabUnitsPerPixel),
                           float(t.pos.y() * kGrabUnitsPerPixel));
        break;
    case PointerZone::Cover:
    case PointerZone::PlayArea:
        m_rules.dropOnPlayArea(girl, part, float(t.pos.x()), float(t.pos.y()));
        break;
    case PointerZone::None:
        break; // nothing there takes the drop: the part stays and is still being dragged
    }
}

} // namespace gp

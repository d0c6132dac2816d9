// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/part_dragger.h"

#include "game/drag_rules.h"
#include "game/game_model.h"
#include "ui/announcer.h"
#include "ui/backdrop.h"
#include "ui/device_pixels.h"
#include "ui/main_window.h"
#include "ui/sprite.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <functional>

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
        DevicePixels device(p);
        const QRect r = device.map(rect());
        const int line = device.lineWidth();
        device.drawPatternFrame(r, line, Qt::black, Qt::DashLine);
        device.drawPatternFrame(r.adjusted(line, line, -line, -line), line, Qt::white, Qt::DotLine);
    }
};

// Sees the application's events before any widget does: keys reach whichever widget of the
// window has the focus, the done button included, and while the keyboard carries a part no mouse
// press may reach the window.
class WindowInputFilter : public QObject
{
public:
    WindowInputFilter(QWidget& window, std::function<bool(QKeyEvent*)> keyPressed,
                      std::function<bool()> mouseBlocked, QObject* parent)
        : QObject(parent), m_window(window), m_keyPressed(std::move(keyPressed)),
          m_mouseBlocked(std::move(mouseBlocked))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
            // The menu bar's keys stay its own: with Alt it has taken the focus to be steered.
            return inWindow(watched) && !qobject_cast<QMenuBar*>(watched) &&
                   m_keyPressed(static_cast<QKeyEvent*>(event));
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
        case QEvent::Wheel:
            return m_mouseBlocked() && inWindow(watched);
        default:
            return false;
        }
    }

private:
    bool inWindow(QObject* watched) const
    {
        return watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == &m_window;
    }

    QWidget& m_window;
    std::function<bool(QKeyEvent*)> m_keyPressed;
    std::function<bool()> m_mouseBlocked;
};

// The rules count in whole logical pixels, as the pointer reports them at a device pixel ratio of
// one. At another ratio a platform may report fractions too; the point is taken as the pixel it
// lies in, so that the same place scores the same and gives the same hint at every ratio.
QPointF wholePixel(const QPointF& point)
{
    return {std::floor(point.x()), std::floor(point.y())};
}

// How far an arrow key moves the carried part's grab point, in pixels: with Shift, and without.
constexpr double kFineStep = 1;
constexpr double kStep = 5;

} // namespace

PartDragger::PartDragger(MainWindow& window, GameModel& model, QObject* parent)
    : QObject(parent), m_window(window), m_model(model)
{
    for (int part = 0; part < kPartCount; ++part) {
        m_window.part(GirlA, part)->installEventFilter(this);
        m_window.part(GirlB, part)->installEventFilter(this);
    }
    m_window.installEventFilter(this);
    new WindowInputFilter(
        m_window, [this](QKeyEvent* event) { return keyPressed(event); },
        [this] { return isCarryingByKeyboard(); }, this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state != Qt::ApplicationActive)
                    focusLost();
            });
}

PartDragger::~PartDragger()
{
    cancel();
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
    m_byKeyboard = false;
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
            reportAt(areaPos(watched, static_cast<QMouseEvent*>(event)));
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (m_carrying) {
            dropAt(areaPos(watched, static_cast<QMouseEvent*>(event)));
            return true;
        }
        break;
    case QEvent::WindowDeactivate:
        if (watched == &m_window)
            focusLost();
        break;
    case QEvent::Hide:
        if (watched == &m_window)
            cancel();
        break;
    default:
        break;
    }
    return false;
}

void PartDragger::focusLost()
{
    // The mouse's carry ends with the button that another window may now take; the keys' carry
    // goes on when the focus comes back.
    if (m_carrying && !m_byKeyboard)
        putBack();
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
    return begin(girl, part, wholePixel(event->position()), false);
}

bool PartDragger::begin(int girl, int part, const QPointF& grab, bool byKeyboard)
{
    if (!m_model.pressPart(girl, part, float(grab.x() * kGrabUnitsPerPixel),
                           float(grab.y() * kGrabUnitsPerPixel)))
        return false;

    m_carrying = true;
    m_byKeyboard = byKeyboard;
    m_girl = girl;
    m_part = part;
    m_grab = grab;
    const Sprite* sprite = m_window.part(girl, part);
    const PartRect& place = m_model.partRect(girl, part);
    m_keyPoint = QPointF(place.left, place.top) + grab;
    if (!sprite->dragIcon().isNull()) {
        QApplication::setOverrideCursor(QCursor(sprite->dragIcon(), 0, 0));
        m_cursorHidden = true;
    } else {
        if (!m_outline)
            m_outline = new DragOutline(m_window.playArea(girl));
        m_outline->setParent(m_window.playArea(girl));
        m_outline->setGeometry(sprite->geometry());
        m_outline->show();
        m_outline->raise();
    }
    announce(tr("%1を持ちました").arg(sprite->accessibleName()));
    return true;
}

QPointF PartDragger::areaPos(QObject* receiver, const QMouseEvent* event) const
{
    // From the receiver's own point: the global one passes through the window's place on the
    // screen, which a fractional ratio rounds to whole logical pixels.
    const QPointF inWindow = static_cast<QWidget*>(receiver)->mapTo(&m_window, event->position());
    return wholePixel(m_window.playArea(m_girl)->mapFrom(&m_window, inWindow));
}

PartDragger::Target PartDragger::targetAt(const QPointF& local) const
{
    QWidget* area = m_window.playArea(m_girl);
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

void PartDragger::reportAt(const QPointF& local)
{
    if (m_outline && m_outline->isVisible())
        m_outline->move((local - m_grab).toPoint());
    const Target t = targetAt(local);
    switch (t.zone) {
    case PointerZone::Part:
        m_model.pointerOverPart(t.part);
        break;
    case PointerZone::Cover:
        m_model.pointerOverCover(float(t.pos.x()), float(t.pos.y()));
        break;
    case PointerZone::PlayArea:
        m_model.pointerOverPlayArea(float(t.pos.x()), float(t.pos.y()));
        break;
    case PointerZone::None:
        break;
    }
}

void PartDragger::dropAt(const QPointF& local)
{
    const Target t = targetAt(local);
    const int girl = m_girl;
    const int part = m_part;
    cancel();
    switch (t.zone) {
    case PointerZone::Part:
        m_model.dropOnPart(girl, t.part, float(t.pos.x() * kGrabUnitsPerPixel),
                           float(t.pos.y() * kGrabUnitsPerPixel));
        break;
    case PointerZone::Cover:
    case PointerZone::PlayArea:
        m_model.dropOnPlayArea(girl, part, float(t.pos.x()), float(t.pos.y()));
        break;
    case PointerZone::None:
        // Nothing there takes the drop: the part stays and is still being dragged.
        announce(tr("ここには置けません"));
        return;
    }
    announce(tr("%1を置きました").arg(m_window.part(girl, part)->accessibleName()));
}

// Dropped onto itself at the point it was taken by, the part lands where it was.
void PartDragger::putBack()
{
    const int girl = m_girl;
    const int part = m_part;
    const QPointF grab = m_grab;
    cancel();
    m_model.dropOnPart(girl, part, float(grab.x() * kGrabUnitsPerPixel),
                       float(grab.y() * kGrabUnitsPerPixel));
    announce(tr("%1を置きました").arg(m_window.part(girl, part)->accessibleName()));
}

bool PartDragger::keyPressed(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods =
        event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (mods != Qt::NoModifier)
        return false;
    const int key = event->key();
    if (!m_carrying) {
        if (key < Qt::Key_1 || key > Qt::Key_6)
            return false;
        m_girl = m_model.chosenGirl();
        const Sprite* sprite = m_window.part(m_girl, key - Qt::Key_1);
        // A press in the middle of the image, in whole pixels as a pointer would press it: a part
        // under the cover is out of reach, and a part lying over it is taken instead.
        const Target t =
            targetAt(QPointF(sprite->pos()) + QPointF(sprite->width() / 2, sprite->height() / 2));
        return t.zone != PointerZone::Part || begin(m_girl, t.part, t.pos, true);
    }
    if (!m_byKeyboard)
        return false;
    const double step = event->modifiers() & Qt::ShiftModifier ? kFineStep : kStep;
    QPointF move;
    switch (key) {
    case Qt::Key_Left:
        move = {-step, 0};
        break;
    case Qt::Key_Right:
        move = {step, 0};
        break;
    case Qt::Key_Up:
        move = {0, -step};
        break;
    case Qt::Key_Down:
        move = {0, step};
        break;
    case Qt::Key_H:
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        dropAt(m_keyPoint);
        return true;
    case Qt::Key_Escape:
        putBack();
        return true;
    default:
        // Digits and the like wait for the carry to end, as a mouse press does.
        return key >= Qt::Key_0 && key <= Qt::Key_9;
    }
    // The point stays on the play area, where every move is reported.
    const QRect area = m_window.playArea(m_girl)->rect();
    m_keyPoint = {std::clamp(m_keyPoint.x() + move.x(), double(area.left()), double(area.right())),
                  std::clamp(m_keyPoint.y() + move.y(), double(area.top()), double(area.bottom()))};
    reportAt(m_keyPoint);
    return true;
}

void PartDragger::announce(const QString& text)
{
    m_window.announcer()->announce(text);
}

} // namespace gp

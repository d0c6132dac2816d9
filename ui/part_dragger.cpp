#include "ui/part_dragger.h"

#include "game/drag_handlers.h"
#include "game/face_geometry.h"
#include "ui/backdrop.h"
#include "ui/form1.h"
#include "ui/sprite.h"
#include "ui/twips.h"

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

PartDragger::PartDragger(Form1& form, DragHandlers& handlers, QObject* parent)
    : QObject(parent), m_form(form), m_handlers(handlers)
{
    for (int part = 0; part < kPartCount; ++part) {
        m_form.Image1[part]->installEventFilter(this);
        m_form.Image3[part]->installEventFilter(this);
    }
    m_form.installEventFilter(this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state != Qt::ApplicationActive)
                    cancel();
            });
    m_form.setPartDragger(this);
}

PartDragger::~PartDragger()
{
    cancel();
    m_form.setPartDragger(nullptr);
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
        if (watched != &m_form)
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
        if (watched == &m_form)
            cancel();
        break;
    default:
        break;
    }
    return false;
}

bool PartDragger::press(QWidget* part, QMouseEvent* event)
{
    int girl = -1;
    int index = -1;
    for (int i = 0; i < kPartCount; ++i) {
        if (m_form.Image1[i] == part) {
            girl = GirlA;
            index = i;
        } else if (m_form.Image3[i] == part) {
            girl = GirlB;
            index = i;
        }
    }
    if (girl < 0 || m_carrying)
        return m_carrying;
    const QPointF at = event->position();
    if (!m_handlers.Image_MouseDown(girl, index, float(at.x() * kTwipsPerPixel),
                                    float(at.y() * kTwipsPerPixel)))
        return false;

    m_carrying = true;
    m_girl = girl;
    m_index = index;
    m_grab = at;
    const auto* image = static_cast<Sprite*>(part);
    if (!image->dragIcon().isNull()) {
        QApplication::setOverrideCursor(QCursor(image->dragIcon(), 0, 0));
        m_cursorHidden = true;
    } else {
        if (!m_outline)
            m_outline = new DragOutline(m_form.Picture1[girl]);
        m_outline->setParent(m_form.Picture1[girl]);
        m_outline->setGeometry(part->geometry());
        m_outline->show();
        m_outline->raise();
    }
    return true;
}

PartDragger::Target PartDragger::targetAt(const QPointF& globalPos) const
{
    QWidget* area = m_form.Picture1[m_girl];
    const QPointF local = area->mapFromGlobal(globalPos);
    if (!area->isVisible() || !area->rect().contains(local.toPoint()))
        return {};
    QWidget* hit = area->childAt(local.toPoint());
    if (!hit)
        return {Zone::Area, -1, local};
    if (hit == m_form.Picture2[m_girl])
        return {Zone::Cover, -1, local - QPointF(hit->pos())};
    for (int i = 0; i < kPartCount; ++i) {
        if (hit == m_form.partImage(m_girl, i))
            return {Zone::Part, i, local - QPointF(hit->pos())};
    }
    return {}; // the complete face takes no drops
}

void PartDragger::moveTo(QMouseEvent* event)
{
    const QPointF global = event->globalPosition();
    if (m_outline && m_outline->isVisible()) {
        const QPointF local = m_form.Picture1[m_girl]->mapFromGlobal(global);
        m_outline->move((local - m_grab).toPoint());
    }
    const Target t = targetAt(global);
    switch (t.zone) {
    case Zone::Part:
        m_handlers.Image_DragOver(m_girl, t.index);
        break;
    case Zone::Cover:
        m_handlers.Picture2_DragOver(m_girl, float(t.pos.x()), float(t.pos.y()));
        break;
    case Zone::Area:
        m_handlers.Picture1_DragOver(m_girl, float(t.pos.x()), float(t.pos.y()));
        break;
    case Zone::None:
        break;
    }
}

void PartDragger::release(QMouseEvent* event)
{
    const Target t = targetAt(event->globalPosition());
    const int girl = m_girl;
    const int index = m_index;
    cancel();
    switch (t.zone) {
    case Zone::Part:
        m_handlers.Image_DragDrop(girl, t.index, float(t.pos.x() * kTwipsPerPixel),
                                  float(t.pos.y() * kTwipsPerPixel));
        break;
    case Zone::Cover:
    case Zone::Area:
        m_handlers.Picture_DragDrop(girl, index, float(t.pos.x()), float(t.pos.y()));
        break;
    case Zone::None:
        break; // nothing there takes the drop: the part stays and is still being dragged
    }
}

} // namespace gp

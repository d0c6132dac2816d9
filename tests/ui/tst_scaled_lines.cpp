// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The lines of the main window at the device pixel ratios desktops use: the window drawn into an
// image of each ratio as its screen would draw it, and every outline, bevel, the gauge, the
// status frame's edge and the drag outline looked for in the pixels, side by side.

#include "tests/app/game_fixture.h"
#include "tests/support/gui_test_main.h"
#include "ui/backdrop.h"
#include "ui/colors.h"
#include "ui/main_window.h"
#include "ui/outline_box.h"
#include "ui/sprite.h"
#include "ui/status_frame.h"
#include "ui/status_panel.h"

#include <QBackingStore>
#include <QtTest>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <memory>

using namespace gp;

namespace {

enum Side { Top, Left, Bottom, Right };
const char* const kSideNames[] = {"top", "left", "bottom", "right"};

// A line's colour on each side: top, left, bottom, right.
using Ring = std::array<QColor, 4>;

QImage render(QWidget& window, double ratio)
{
    QImage image(QSize(qRound(window.width() * ratio), qRound(window.height() * ratio)),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta);
    window.render(&image);
    image.setDevicePixelRatio(1);
    return image;
}

// Where one side of a logical rectangle lands on the device: the first pixel inside its edge,
// the step inwards, and the span of device pixels along it that the rectangle covers whole.
struct Edge
{
    int first, inward, from, to;
};
Edge edgeOf(const QRect& r, Side side, double ratio)
{
    const bool vertical = side == Left || side == Right;
    const int inward = side == Top || side == Left ? 1 : -1;
    const double edge = vertical ? (side == Left ? r.left() : r.right() + 1)
                                 : (side == Top ? r.top() : r.bottom() + 1);
    return {int(std::lround(edge * ratio)) - (inward < 0 ? 1 : 0), inward,
            int(std::ceil((vertical ? r.top() : r.left()) * ratio)),
            int(std::floor(((vertical ? r.bottom() : r.right()) + 1) * ratio)) - 1};
}

// The widgets lying in front of `w` among its siblings: they may hide parts of its lines.
QList<QRect> inFront(const QWidget* w)
{
    QList<QRect> hiding;
    const QObjectList siblings = w->parentWidget()->children();
    for (qsizetype i = siblings.indexOf(w) + 1; i < siblings.size(); ++i) {
        const auto* other = qobject_cast<const QWidget*>(siblings[i]);
        if (other && other->isVisible() && other->geometry().intersects(w->geometry()))
            hiding << QRect(other->mapTo(w->window(), QPoint()), other->size());
    }
    return hiding;
}

// Along each side of a widget, but its corners and what lies in front, every ring inside its edge
// (outermost first) must lie `thickness` pixels wide in its colour, on the same pixels the whole
// way, within a pixel of where the edge lands. measure() tells what it found wrong.
struct LineMeter
{
    const QImage& image;
    double ratio;

    int thickness() const { return std::max(1, int(std::lround(ratio))); }

    // `outside`, when valid, is the colour the pixel just outside the widget must have.
    QStringList measure(const QWidget* w, const QList<Ring>& rings, const QList<QRect>& hidden,
                        const QColor& outside = {}) const
    {
        const QRect logical(w->mapTo(w->window(), QPoint()), w->size());
        QList<QRect> hiddenPixels;
        for (const QRect& r : hidden)
            hiddenPixels << QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio)
                                .toAlignedRect()
                                .adjusted(-1, -1, 1, 1);
        const QString name = w->objectName().isEmpty() ? w->accessibleName() : w->objectName();
        QStringList faults;
        for (int side : {Top, Left, Bottom, Right})
            if (const QString f = measureSide(logical, Side(side), rings, hiddenPixels, outside);
                !f.isEmpty())
                faults << QStringLiteral("%1 %2: %3").arg(name, QLatin1String(kSideNames[side]), f);
        return faults;
    }

    QRgb at(int along, int across, Side side) const
    {
        const bool acrossX = side == Left || side == Right;
        const QPoint p = acrossX ? QPoint(across, along) : QPoint(along, across);
        return image.rect().contains(p) ? image.pixel(p) : 0;
    }

    QString measureSide(const QRect& logical, Side side, const QList<Ring>& rings,
                        const QList<QRect>& hidden, const QColor& outside) const
    {
        const int t = thickness();
        const auto [expected, inward, from, to] = edgeOf(logical, side, ratio);
        const bool vertical = side == Left || side == Right;
        const int margin = int(rings.size()) * t;
        int linePosition = INT_MIN, measured = 0;
        for (int along = from + margin + 1; along < to - margin; ++along) {
            const QRect scan =
                vertical ? QRect(QPoint(expected - 3, along), QPoint(expected + 3, along))
                         : QRect(QPoint(along, expected - 3), QPoint(along, expected + 3));
            if (std::any_of(hidden.begin(), hidden.end(),
                            [&](const QRect& r) { return r.intersects(scan); }))
                continue;
            // The outer ring's first pixel, from a pixel outside the edge inwards.
            const QRgb outer = rings[0][side].rgb();
            int start = expected - inward;
            while (at(along, start, side) != outer && (start - expected) * inward < 2)
                start += inward;
            if (at(along, start, side) != outer)
                return QString::asprintf("missing at %d", along);
            if (at(along, start - inward, side) == outer)
                return QString::asprintf("thicker than %d at %d", t, along);
            if (outside.isValid() && at(along, start - inward, side) != outside.rgb())
                return QString::asprintf("a stripe of another colour outside at %d", along);
            if (linePosition == INT_MIN)
                linePosition = start;
            if (start != linePosition)
                return QString::asprintf("moves from %d to %d at %d", linePosition, start, along);
            int p = start;
            for (qsizetype ring = 0; ring < rings.size(); ++ring)
                for (int i = 0; i < t; ++i, p += inward)
                    if (at(along, p, side) != rings[ring][side].rgb())
                        return QString::asprintf("ring %d is %d pixels wide at %d, not %d",
                                                 int(ring), i, along, t);
            ++measured;
        }
        return measured == 0 ? QStringLiteral("nothing to measure") : QString();
    }
};

} // namespace

class TestScaledLines : public QObject
{
    Q_OBJECT

    std::unique_ptr<GameFixture> m_game;
    MainWindow* m_window = nullptr;

private slots:
    void initTestCase()
    {
        m_game = std::make_unique<GameFixture>();
        QVERIFY(m_game->loaded);
        m_window = m_game->window.get();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        // A game in debug mode: the gauge full, and a carried part followed by its outline.
        m_game->model.requestDebugGame();
        m_game->model.startGame();
        QCOMPARE(m_game->model.remainingPercent(), 100.0);
    }

    void cleanupTestCase() { m_game.reset(); }

    void everyLineIsWhole_data()
    {
        QTest::addColumn<double>("ratio");
        for (double ratio : {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0})
            QTest::addRow("%g", ratio) << ratio;
    }
    void everyLineIsWhole()
    {
        QFETCH(double, ratio);
        const QImage image = render(*m_window, ratio);
        const LineMeter meter{image, ratio};
        QStringList faults;

        StatusFrame* frame = m_window->statusFrame();
        const QColor ink = frame->palette().color(QPalette::WindowText);
        const QList<OutlineBox*> outlines = frame->findChildren<OutlineBox*>();
        QCOMPARE(outlines.size(), 4);
        for (OutlineBox* box : outlines)
            faults << meter.measure(box, {Ring{ink, ink, ink, ink}}, inFront(box));

        const QColor light(255, 255, 255), shadow(128, 128, 128);
        const Ring raised{light, light, shadow, shadow}, sunk{shadow, shadow, light, light};
        const QList<StatusPanel*> panels = frame->findChildren<StatusPanel*>();
        QCOMPARE(panels.size(), 5);
        // Nothing of a panel's own background shows outside its bevels.
        const QColor outside = frame->palette().color(QPalette::Window);
        for (StatusPanel* panel : panels)
            faults << meter.measure(panel, {raised, sunk}, {}, outside);

        const QColor dark = frame->palette().color(QPalette::Dark);
        const QColor lit = frame->palette().color(QPalette::Light);
        faults << meter.measure(frame, {Ring{dark, dark, lit, lit}, Ring{lit, lit, dark, dark}},
                                {});

        // The full gauge meets its inner bevel on every side, with no stripe of the background.
        StatusPanel* gauge = frame->timeGauge();
        const Ring fill{kGaugeAmple, kGaugeAmple, kGaugeAmple, kGaugeAmple};
        faults << meter.measure(gauge, {raised, sunk, fill}, {});

        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // A part carried with no drag icon has a dashed outline that follows the pointer: whole on
    // every side, one logical pixel thick, over the cover.
    void dragOutlineIsWhole_data() { everyLineIsWhole_data(); }
    void dragOutlineIsWhole()
    {
        QFETCH(double, ratio);
        Sprite* nose = m_window->part(GirlA, 4);
        QTest::mousePress(nose, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseMove(m_window->playArea(GirlA), QPoint(103, 103));
        QWidget* outline = nullptr;
        for (QWidget* w : m_window->playArea(GirlA)->findChildren<QWidget*>(
                 QString(), Qt::FindDirectChildrenOnly))
            if (!qobject_cast<Sprite*>(w) && !qobject_cast<Backdrop*>(w))
                outline = w;
        QVERIFY(outline && outline->isVisible());
        QCOMPARE(outline->geometry(), QRect(QPoint(100, 100), nose->size()));
        const QImage image = render(*m_window, ratio);
        QTest::mouseRelease(m_window->playArea(GirlA), Qt::LeftButton, {}, QPoint(103, 103));

        // The dashes: each side has its black, exactly one line wide, from the outline's edge,
        // never more than a short gap apart, and the white dots just inside them.
        const LineMeter meter{image, ratio};
        const int t = meter.thickness();
        const QRect logical(outline->mapTo(m_window, QPoint()), outline->size());
        const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
        for (int i = Top; i <= Right; ++i) {
            const Side side = Side(i);
            const auto [first, inward, from, to] = edgeOf(logical, side, ratio);
            int inked = 0, gap = 0, longestGap = 0, whites = 0;
            for (int along = from + 2 * t; along <= to - 2 * t; ++along) {
                const QRgb outer = meter.at(along, first, side);
                bool whole = meter.at(along, first - inward, side) != black;
                for (int j = 0; j < t; ++j)
                    whole = whole && meter.at(along, first + j * inward, side) == outer;
                QVERIFY2(whole,
                         qPrintable(QString::asprintf("%s: ink outside, or not %d wide, at %d",
                                                      kSideNames[i], t, along)));
                whites += meter.at(along, first + t * inward, side) == white;
                inked += outer == black;
                longestGap = std::max(longestGap, gap = outer == black ? 0 : gap + 1);
            }
            const int length = to - from - 4 * t + 1;
            QVERIFY2(
                inked > length / 2 && longestGap <= 3 * t && whites > length / 4,
                qPrintable(QString::asprintf("%s: %d of %d inked, a gap of %d, %d white",
                                             kSideNames[i], inked, length, longestGap, whites)));
        }
    }

    // Drawn into an image of the screen's own ratio, the window is what the screen shows, so the
    // measurements above hold for the screen; the test runs on a screen at 1.5 too. What the
    // screen shows is read from the window's backing store, an image on this platform.
    void renderingIsWhatTheScreenShows()
    {
        m_window->repaint();
        const auto* stored = dynamic_cast<const QImage*>(m_window->backingStore()->paintDevice());
        QVERIFY(stored);
        const double ratio = m_window->devicePixelRatio();
        QCOMPARE(stored->devicePixelRatio(), ratio);
        QImage shown = stored->convertToFormat(QImage::Format_RGB32);
        shown.setDevicePixelRatio(1);
        const QImage drawn = render(*m_window, ratio);
        QCOMPARE(shown, drawn);
    }
};

GP_GUI_TEST_MAIN(TestScaledLines)
#include "tst_scaled_lines.moc"

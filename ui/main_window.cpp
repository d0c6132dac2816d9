// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window.h"

#include "game/face_geometry.h"
#include "game/scoring.h"
#include "ui/announcer.h"
#include "ui/backdrop.h"
#include "ui/caption_label.h"
#include "ui/colors.h"
#include "ui/part_dragger.h"
#include "ui/sprite.h"
#include "ui/status_frame.h"
#include "ui/status_panel.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <algorithm>

namespace gp {

namespace {

// The status frame keeps this gap to the play area and to the window's right edge.
constexpr int kGapToStatusFrame = 10;
// Below the status frame the outer height leaves room for the title and menu bars above it.
constexpr int kRoomBelowStatusFrame = 65;

QString partName(int part)
{
    static const char* const names[kPartCount] = {
        QT_TRANSLATE_NOOP("gp::MainWindow", "右眉"), QT_TRANSLATE_NOOP("gp::MainWindow", "左眉"),
        QT_TRANSLATE_NOOP("gp::MainWindow", "右目"), QT_TRANSLATE_NOOP("gp::MainWindow", "左目"),
        QT_TRANSLATE_NOOP("gp::MainWindow", "鼻"),   QT_TRANSLATE_NOOP("gp::MainWindow", "口")};
    return MainWindow::tr(names[part]);
}

QString partObjectName(int girl, int part)
{
    static const char* const roles[kPartCount] = {"rightEyebrow", "leftEyebrow", "rightEye",
                                                  "leftEye",      "nose",        "mouth"};
    return QLatin1String(roles[part]) + QLatin1Char(girl == GirlA ? 'A' : 'B');
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("GAL PORTRAIT"));

    auto* central = new QWidget(this);
    fillBackground(central, kWindowBackground);
    setCentralWidget(central);
    resize(812, 466);

    // Widgets created later lie in front, so each container is filled from the back.
    m_pointerLabels[0] =
        makeCaptionLabel(central, {}, {749, -40, 50, 23}, font(), systemColor(QPalette::Base));
    m_pointerLabels[1] =
        makeCaptionLabel(central, {}, {750, -40, 50, 23}, font(), systemColor(QPalette::Base));
    m_pointerLabels[0]->setAccessibleName(QStringLiteral("X"));
    m_pointerLabels[1]->setAccessibleName(QStringLiteral("Y"));
    // Fully transparent: shown in place of the pointer, it hides it while a part is carried.
    m_transparentDragIcon = new Sprite(central);
    m_transparentDragIcon->setPicture(QStringLiteral("invisible_cursor"), {32, 32}, false);
    m_transparentDragIcon->moveTo(610, 259);
    m_transparentDragIcon->setAccessibleName(tr("透明なドラッグアイコン"));
    buildPlayAreas(central);
    m_statusFrame = new StatusFrame(central);

    m_hintTimer = new QTimer(this);
    m_hintTimer->setInterval(1000);
    m_hintTimer->setTimerType(Qt::PreciseTimer); // a steady one-second beat for the hints

    m_actions = addMenus(menuBar());
    m_announcer = new Announcer(this);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildPlayAreas(QWidget* central)
{
    const std::array<QColor, 2> background{kPlayAreaBackgroundA, kPlayAreaBackgroundB};
    const std::array<const char*, 2> prefix{"a_", "b_"};
    // Part images from the back: girl A's 0..5; girl B's 5, 4, 3, 2, 0, 1.
    const std::array<std::array<int, kPartCount>, 2> backToFront{
        {{0, 1, 2, 3, 4, 5}, {5, 4, 3, 2, 0, 1}}};

    for (int girl : {GirlB, GirlA}) {
        const QString pre = QLatin1String(prefix[girl]);
        const QChar letter = QLatin1Char(girl == GirlA ? 'A' : 'B');
        auto* area = new Backdrop(background[girl], central);
        area->setObjectName(QStringLiteral("playArea") + letter);
        area->setGeometry(8, 8, 554, 403);
        area->setAccessibleName(girl == GirlA ? tr("少女 A") : tr("少女 B"));
        area->setPicture(pre + QStringLiteral("blank"), {kFaceWidth, kFaceHeight});
        m_playAreas[girl] = area;

        for (int part : backToFront[girl]) {
            auto* sprite = new Sprite(area);
            sprite->setObjectName(partObjectName(girl, part));
            sprite->setAccessibleName(partName(part));
            const QSize size = kPartSizes[girl][part];
            sprite->setPicture(pre + QStringLiteral("part%1").arg(part), size);
            m_parts[girl][part] = sprite;
        }

        auto* face = new Sprite(area);
        face->setObjectName(QStringLiteral("completeFace") + letter);
        face->setAccessibleName(tr("完成した顔"));
        face->setPicture(pre + QStringLiteral("complete"), {kFaceWidth, kFaceHeight});
        m_completeFaces[girl] = face;

        auto* cover = new Backdrop(kCoverColor, area);
        cover->setObjectName(QStringLiteral("cover") + letter);
        cover->setAccessibleName(tr("カバー"));
        cover->setGeometry(girl == GirlA ? 0 : -88, 0, 440, 402);
        m_covers[girl] = cover;
    }
}

void MainWindow::fitToPlayArea()
{
    for (int girl = 0; girl < kGirlCount; ++girl) {
        m_playAreas[girl]->resize(kPlayAreaWidth, kPlayAreaHeight);
        m_covers[girl]->resize(kFaceWidth, kFaceHeight);
        m_completeFaces[girl]->resize(kFaceWidth, kFaceHeight);
    }
    const QRect area = m_playAreas[GirlA]->geometry();
    m_statusFrame->move(area.x() + area.width() + kGapToStatusFrame, m_statusFrame->y());
    const QRect frame = m_statusFrame->geometry();
    setOuterSize({frame.x() + frame.width() + kGapToStatusFrame,
                  frame.y() + frame.height() + kRoomBelowStatusFrame});
}

// The frame the window manager adds is known only once the window is shown, so the size is
// applied again when it becomes known.
void MainWindow::setOuterSize(QSize size)
{
    m_outerSize = size;
    m_appliedDecoration = {-1, -1};
    applyOuterSize();
}

void MainWindow::applyOuterSize()
{
    if (m_outerSize.isEmpty())
        return;
    const QSize decoration = isVisible() ? frameGeometry().size() - geometry().size() : QSize(0, 0);
    if (decoration == m_appliedDecoration)
        return;
    m_appliedDecoration = decoration;
    // The frame keeps the same margin to its right as its gap from the play area, and nothing of
    // it is cut off at the bottom, whatever the window manager takes for its own frame.
    const QRect frame = m_statusFrame->geometry();
    const int minWidth = frame.right() + 1 + kGapToStatusFrame;
    const int minHeight = menuBar()->sizeHint().height() + frame.bottom() + 1 + frame.top();
    resize(std::max(m_outerSize.width() - decoration.width(), minWidth),
           std::max(m_outerSize.height() - decoration.height(), minHeight));
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    applyOuterSize();
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    applyOuterSize();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (onCloseRequest && !onCloseRequest())
        event->ignore();
    else
        event->accept();
}

bool MainWindow::isGirlChosen(int girl) const
{
    return m_actions.girls[girl]->isChecked();
}

PartRect MainWindow::partRect(int girl, int part) const
{
    const Sprite* sprite = m_parts[girl][part];
    return {sprite->left(), sprite->top(), float(sprite->width()), float(sprite->height())};
}

void MainWindow::setPartLeft(int girl, int part, float left)
{
    m_parts[girl][part]->setLeft(left);
}

void MainWindow::setPartTop(int girl, int part, float top)
{
    m_parts[girl][part]->setTop(top);
}

void MainWindow::setPartDragIconTransparent(int girl, int part, bool transparent)
{
    Sprite* sprite = m_parts[girl][part];
    if (transparent)
        sprite->setDragIcon(QStringLiteral("invisible_cursor"), m_transparentDragIcon->size());
    else
        sprite->clearDragIcon();
}

void MainWindow::setCoverLeft(int girl, int left)
{
    m_covers[girl]->move(left, m_covers[girl]->y());
}

void MainWindow::setCoverTop(int girl, int top)
{
    m_covers[girl]->move(m_covers[girl]->x(), top);
}

void MainWindow::setGaugeColor(const QColor& color)
{
    m_statusFrame->timeGauge()->setGaugeColor(color);
}

void MainWindow::setCompleteFaceVisible(int girl, bool visible)
{
    m_completeFaces[girl]->setVisible(visible);
}

void MainWindow::setCoverVisible(int girl, bool visible)
{
    m_covers[girl]->setVisible(visible);
}

void MainWindow::setCommandEnabled(Command command, bool enabled)
{
    switch (command) {
    case Command::Start:
        m_actions.start->setEnabled(enabled);
        break;
    case Command::Stop:
        m_actions.stop->setEnabled(enabled);
        break;
    case Command::ChooseGirl:
        m_actions.girlMenu->menuAction()->setEnabled(enabled);
        break;
    }
}

void MainWindow::setHintTimerRunning(bool running)
{
    if (running)
        m_hintTimer->start();
    else
        m_hintTimer->stop();
}

void MainWindow::setGaugePercent(double percent)
{
    m_statusFrame->timeGauge()->setGaugePercent(percent);
}

QColor MainWindow::gaugeColor() const
{
    return m_statusFrame->timeGauge()->gaugeColor();
}

void MainWindow::setScoreCaption(int score)
{
    m_statusFrame->scorePanel()->setCaption(score);
    m_announcer->announce(tr("得点 %1 点、%2").arg(score).arg(ratingCue(std::int16_t(score))));
}

void MainWindow::setHintCaption(const QString& text)
{
    // Every hint is spoken, the same one again too: it answers the player's latest move.
    m_announcer->announce(text);
    StatusPanel* hint = m_statusFrame->hintPanel();
    if (text == hint->caption())
        return;
    hint->setCaption(text);
    // A direction cue may hold up the interface right after this; show the text first.
    hint->repaint();
}

void MainWindow::setPointerCaptions(const QString& x, const QString& y)
{
    m_pointerLabels[0]->setText(x);
    m_pointerLabels[1]->setText(y);
}

void MainWindow::endVisualDrag()
{
    if (m_dragger)
        m_dragger->cancel();
}

} // namespace gp

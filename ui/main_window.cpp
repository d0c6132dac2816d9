// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window.h"

#include "game/face_parts.h"
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
#include <algorithm>

namespace gp {

namespace {

// The status frame keeps this gap to the play area and to the window's right edge.
constexpr int kGapToStatusFrame = 10;
// Below the status frame the outer height leaves room for the title and menu bars above it.
constexpr int kRoomBelowStatusFrame = 65;

QString partObjectName(int girl, int part)
{
    return QString(partRole(part)) + QLatin1Char(girl == GirlA ? 'A' : 'B');
}

QColor gaugeColor(GaugeStep step)
{
    switch (step) {
    case GaugeStep::Ample:
        break;
    case GaugeStep::Low:
        return kGaugeLow;
    case GaugeStep::Critical:
        return kGaugeCritical;
    }
    return kGaugeAmple;
}

QString coordinateText(float value)
{
    return QString::number(double(value), 'g', 7);
}

// The record score after a new record, as the new-record dialog always showed it: a blank before
// a score of 0 or more.
QString newRecordScoreCaption(std::int16_t score)
{
    return (score >= 0 ? QStringLiteral(" ") : QString()) + QString::number(score);
}

} // namespace

MainWindow::MainWindow(GameModel& model, QWidget* parent) : QMainWindow(parent), m_model(model)
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

    m_actions = addMenus(menuBar());
    m_announcer = new Announcer(this);
    m_dragger = std::make_unique<PartDragger>(*this, m_model);

    // A checkable action flips its own check before it reports the click; the checks show the
    // model's girl, who stays while a game runs.
    for (QAction* girl : m_actions.girls)
        connect(girl, &QAction::triggered, this, [this] { showGirl(m_model.chosenGirl()); });
    connect(&m_model, &GameModel::phaseChanged, this, &MainWindow::showPhase);
    connect(&m_model, &GameModel::girlChosen, this, &MainWindow::showGirl);
    connect(&m_model, &GameModel::partMoved, this, &MainWindow::showPart);
    connect(&m_model, &GameModel::gaugeChanged, this, &MainWindow::showGauge);
    connect(&m_model, &GameModel::soundSwitched, this, &MainWindow::showSoundSwitch);
    connect(&m_model, &GameModel::recordLoaded, this, [this] { showRecord(false); });
    connect(&m_model, &GameModel::recordBeaten, this, [this] { showRecord(true); });
    connect(&m_model, &GameModel::scored, this, &MainWindow::showScore);
    connect(&m_model, &GameModel::hintGiven, this, &MainWindow::showHint);
    connect(&m_model, &GameModel::pointerReported, this, &MainWindow::showPointer);
    // The record is shown once it is loaded; the rest as it stands.
    showPhase(m_model.phase());
    showGirl(m_model.chosenGirl());
    for (int girl = 0; girl < kGirlCount; ++girl)
        for (int part = 0; part < kPartCount; ++part)
            showPart(girl, part);
    showGauge();
    showSoundSwitch(m_model.isSoundOn());
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
        m_covers[girl]->setGeometry(0, 0, kFaceWidth, kFaceHeight);
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

void MainWindow::showPhase(Phase phase)
{
    const bool running = phase == Phase::Running;
    const bool covered = running && !m_model.isDebugGame();
    for (int girl = 0; girl < kGirlCount; ++girl) {
        m_completeFaces[girl]->setVisible(phase == Phase::Idle);
        m_covers[girl]->setVisible(covered);
    }
    m_actions.stop->setEnabled(running);
    m_actions.start->setEnabled(!running);
    m_actions.girlMenu->menuAction()->setEnabled(!running);
    if (!running) {
        m_dragger->cancel();
        return;
    }
    // Blind play hides the pointer behind a transparent drag icon; in debug mode the outline of
    // the carried part follows it.
    for (const auto& parts : m_parts) {
        for (Sprite* sprite : parts) {
            if (covered)
                sprite->setDragIcon(QStringLiteral("invisible_cursor"),
                                    m_transparentDragIcon->size());
            else
                sprite->clearDragIcon();
        }
    }
    m_announcer->announce(tr("ゲーム開始 ！"));
}

void MainWindow::showGirl(int girl)
{
    m_actions.girls[GirlA]->setChecked(girl == GirlA);
    m_actions.girls[GirlB]->setChecked(girl == GirlB);
    m_playAreas[GirlA]->setVisible(girl == GirlA);
}

void MainWindow::showPart(int girl, int part)
{
    const PartRect& rect = m_model.partRect(girl, part);
    m_parts[girl][part]->moveTo(rect.left, rect.top);
}

void MainWindow::showGauge()
{
    StatusPanel* gauge = m_statusFrame->timeGauge();
    gauge->setGaugePercent(m_model.remainingPercent());
    gauge->setGaugeColor(gaugeColor(m_model.gaugeStep()));
}

void MainWindow::showSoundSwitch(bool on)
{
    m_actions.soundSwitch->setText(soundSwitchCaption(on));
}

void MainWindow::showRecord(bool beatenNow)
{
    const Record& record = m_model.record();
    m_statusFrame->recordHolderPanel()->setCaption(record.holder);
    if (beatenNow)
        m_statusFrame->recordScorePanel()->setCaption(newRecordScoreCaption(record.score));
    else
        m_statusFrame->recordScorePanel()->setCaption(record.score);
}

void MainWindow::showScore(int score)
{
    m_statusFrame->scorePanel()->setCaption(score);
    m_announcer->announce(tr("得点 %1 点、%2").arg(score).arg(ratingCue(std::int16_t(score))));
}

void MainWindow::showHint(const QString& caption)
{
    // Every hint is spoken, the same one again too: it answers the player's latest move.
    m_announcer->announce(caption);
    StatusPanel* hint = m_statusFrame->hintPanel();
    if (caption == hint->caption())
        return;
    hint->setCaption(caption);
    // A direction cue may hold up the interface right after this; show the text first.
    hint->repaint();
}

void MainWindow::showPointer(float x, float y)
{
    m_pointerLabels[0]->setText(coordinateText(x));
    m_pointerLabels[1]->setText(coordinateText(y));
}

} // namespace gp

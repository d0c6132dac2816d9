// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/main_controller.h"

#include "app/spoken_services.h"
#include "app/window_services.h"
#include "game/drag_rules.h"
#include "game/face_geometry.h"
#include "game/face_setup.h"
#include "game/game_loop.h"
#include "game/hint_tick.h"
#include "ui/about_dialog.h"
#include "ui/help_menu.h"
#include "records/check_value.h"
#include "ui/new_record_dialog.h"
#include "records/record_store.h"
#include "ui/announcer.h"
#include "ui/backdrop.h"
#include "ui/main_window.h"
#include "ui/part_dragger.h"
#include "ui/sprite.h"
#include "ui/status_frame.h"
#include "ui/status_panel.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

namespace gp {

MainController::MainController(GameState& state, MainWindow& window, GameServices* services,
                               const QString& recordFile, QObject* parent)
    : QObject(parent), m_state(state), m_window(window),
      m_ownServices(services
                        ? nullptr
                        : std::make_unique<WindowServices>(window, [this] { return m_soundOn; })),
      m_spokenServices(std::make_unique<SpokenServices>(services ? *services : *m_ownServices,
                                                        *window.announcer())),
      m_services(*m_spokenServices)
{
    m_loop = std::make_unique<GameLoop>(m_state, m_record, m_window, m_services);
    m_dragRules = std::make_unique<DragRules>(m_state, m_window);
    m_dragger = std::make_unique<PartDragger>(m_window, *m_dragRules);
    m_store = recordFile.isEmpty() ? std::make_unique<RecordStore>()
                                   : std::make_unique<RecordStore>(recordFile);
    m_window.onCloseRequest = [this] { return confirmClose(); };
    connectCommands();
}

MainController::~MainController() = default;

void MainController::connectCommands()
{
    const MenuActions& menu = m_window.actions();
    // A checkable action flips its own check before it reports the click; choosing a girl sets
    // the checks itself (and is refused during a game), so the flip is undone first.
    for (int girl : {GirlA, GirlB}) {
        QAction* action = menu.girls[girl];
        connect(action, &QAction::triggered, this, [this, action, girl](bool checked) {
            action->setChecked(!checked);
            chooseGirl(girl);
        });
    }
    connect(menu.start, &QAction::triggered, this, &MainController::startGame);
    connect(menu.stop, &QAction::triggered, this, &MainController::stopGame);
    connect(menu.soundSwitch, &QAction::triggered, this, &MainController::toggleSound);
    connect(m_window.statusFrame()->doneButton(), &QPushButton::clicked, this,
            &MainController::declareDone);
    connect(m_window.hintTimer(), &QTimer::timeout, this, &MainController::hintTick);
    connect(menu.quit, &QAction::triggered, this, &MainController::quit);

    connect(menu.helpContents, &QAction::triggered, this,
            [this] { showHelpContents(&m_window, m_helpFile); });
    connect(menu.helpSearch, &QAction::triggered, this,
            [this] { showHelpSearch(&m_window, m_helpFile); });
    connect(menu.helpOnHelp, &QAction::triggered, this,
            [this] { showHelpOnHelp(&m_window, m_helpFile); });
    connect(menu.about, &QAction::triggered, this, &MainController::showAbout);
}

void MainController::showAbout()
{
    AboutDialog dialog(&m_window);
    connect(&dialog, &AboutDialog::debugModeRequested, this,
            [this] { m_state.debugNextGame = true; });
    dialog.exec();
}

void MainController::endProgram()
{
    m_ending = true;
    emit programEnding();
}

bool MainController::saveRecord(QString& failure)
{
    m_record.checkValue = checkValue(m_record);
    return m_store->save(m_record, &failure);
}

void MainController::saveUnasked(bool screenAlive)
{
    // A name typed into the new-record dialog counts as confirmed.
    if (auto* dialog = m_window.findChild<NewRecordDialog*>()) {
        if (screenAlive)
            dialog->confirmName();
        else
            dialog->keepTypedName();
    }
    // No message box: nobody is there to close it.
    QString failure;
    if (!saveRecord(failure))
        qWarning("%s", qPrintable(saveFailedMessage(m_store->filePath(), failure)));
}

void MainController::endSession()
{
    if (m_ending)
        return;
    saveUnasked(true);
    endProgram();
}

void MainController::saveOnExit()
{
    if (m_ending)
        return;
    m_ending = true;
    saveUnasked(false);
}

bool MainController::quit()
{
    if (!m_services.showMessage(MessageKind::Confirmation, tr("GAL PORTRAITを終了します。")))
        return false;
    QString failure;
    if (!saveRecord(failure))
        m_services.showMessage(MessageKind::Warning,
                               saveFailedMessage(m_store->filePath(), failure));
    endProgram();
    return true;
}

bool MainController::confirmClose()
{
    // Ending at once: no further questions.
    return m_ending || quit();
}

bool MainController::startUp()
{
    m_helpFile = QCoreApplication::applicationDirPath() + QLatin1Char('/') + kHelpFileName;
    m_window.show();
    m_window.fitToPlayArea();
    stopGame();
    setUpFace(m_state, m_window);
    return loadRecordAtStartUp();
}

bool MainController::loadRecordAtStartUp()
{
    const LoadedRecord loaded = m_store->load(m_record);
    m_window.statusFrame()->recordHolderPanel()->setCaption(m_record.holder);
    m_window.statusFrame()->recordScorePanel()->setCaption(m_record.score);
    if (!loaded.fileReadable)
        m_services.showMessage(MessageKind::Warning, unreadableRecordMessage(m_store->filePath()));
    if (!recordAccepted(m_record, loaded)) {
        m_services.showMessage(MessageKind::Critical, tr("YRM.INIファイルが不正です。"));
        m_ending = true;
        return false;
    }
    return true;
}

void MainController::startGame()
{
    m_loop->start();
    if (m_state.gameRunning)
        m_window.announcer()->announce(tr("ゲーム開始 ！"));
}

void MainController::chooseGirl(int girl)
{
    if (m_state.gameRunning)
        return;
    m_window.actions().girls[GirlA]->setChecked(girl == GirlA);
    m_window.actions().girls[GirlB]->setChecked(girl == GirlB);
    m_window.playArea(GirlA)->setVisible(girl == GirlA);
    setUpFace(m_state, m_window);
    m_window.completeFace(girl)->setVisible(true);
}

void MainController::stopGame()
{
    m_state.gameRunning = false;
    m_window.completeFace(GirlA)->setVisible(true);
    m_window.completeFace(GirlB)->setVisible(true);
    m_window.actions().stop->setEnabled(false);
    m_window.actions().start->setEnabled(true);
    m_window.cover(GirlA)->setVisible(false);
    m_window.cover(GirlB)->setVisible(false);
    m_loop->pass(); // a waiting game ends now, not at its next wake-up
}

void MainController::toggleSound()
{
    m_soundOn = !m_soundOn;
    m_window.actions().soundSwitch->setText(soundSwitchCaption(m_soundOn));
}

void MainController::declareDone()
{
    m_state.doneDeclared = true;
    m_state.gameRunning = false;
    m_loop->pass();
}

void MainController::hintTick()
{
    const std::optional<Hint> hint = gp::hintTick(m_state, m_window);
    if (!hint)
        return;
    m_window.setHintCaption(hint->caption);
    if (!hint->cue.isEmpty())
        m_services.playCue(hint->cue);
}

} // namespace gp

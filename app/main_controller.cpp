// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/main_controller.h"

#include "game/drag_rules.h"
#include "game/face_geometry.h"
#include "game/face_setup.h"
#include "game/game_loop.h"
#include "game/hint_tick.h"
#include "media/about_dialog.h"
#include "media/cue_player.h"
#include "media/help_menu.h"
#include "media/sdl_audio_output.h"
#include "records/check_value.h"
#include "records/new_record_dialog.h"
#include "records/record_store.h"
#include "ui/announcer.h"
#include "ui/backdrop.h"
#include "ui/main_window.h"
#include "ui/part_dragger.h"
#include "ui/sprite.h"
#include "ui/status_frame.h"
#include "ui/status_panel.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

namespace gp {

MainController::MainController(GameState& state, MainWindow& window, ControllerServices services,
                               QObject* parent)
    : QObject(parent), m_state(state), m_window(window), m_services(std::move(services))
{
    GameServices game;
    game.clock = m_services.clock ? m_services.clock : &m_steadyClock;
    game.playCue = [this](const QString& cue) { playCue(cue); };
    game.showTimeOut = [this] { showMessage(MessageKind::Warning, QStringLiteral("時間切れ ！")); };
    game.openNewRecordDialog = [this] { openNewRecordDialog(); };
    game.modalWindowOpen = [] { return QApplication::activeModalWidget() != nullptr; };
    m_loop = std::make_unique<GameLoop>(m_state, m_window, std::move(game));
    m_dragRules = std::make_unique<DragRules>(m_state, m_window);
    m_dragger = std::make_unique<PartDragger>(m_window, *m_dragRules);
    m_store = m_services.recordFile.isEmpty()
                  ? std::make_unique<RecordStore>()
                  : std::make_unique<RecordStore>(m_services.recordFile);
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
    connect(menu.about, &QAction::triggered, this,
            [this] { AboutDialog::showModal(&m_window, m_state); });
}

void MainController::openNewRecordDialog()
{
    const QString prompt =
        tr("記録更新です。%1 点。名前を入力して Enter を押してください").arg(m_state.recordScore);
    if (m_services.openNewRecordDialog) {
        m_window.announcer()->announce(prompt);
        m_services.openNewRecordDialog();
        return;
    }
    NewRecordDialog dialog(m_state, &m_window);
    StatusFrame* status = m_window.statusFrame();
    connect(&dialog, &NewRecordDialog::recordNamed, this,
            [status](const QString& holderCaption, const QString& scoreCaption) {
                status->recordHolderPanel()->setCaption(holderCaption);
                status->recordScorePanel()->setCaption(scoreCaption);
            });
    // Once the dialog is up, so that what a screen reader says of it comes first.
    QTimer::singleShot(0, &dialog, [this, prompt] { m_window.announcer()->announce(prompt); });
    dialog.exec();
}

void MainController::endProgram()
{
    m_ending = true;
    if (m_services.endProgram)
        m_services.endProgram();
    else
        QCoreApplication::exit(0);
}

void MainController::saveRecord()
{
    m_state.recordCheckValue = checkValue(m_state);
    if (!m_store->save(m_state))
        showMessage(MessageKind::Warning, saveFailedMessage(m_store->filePath()));
}

void MainController::endSession()
{
    if (m_ending)
        return;
    // A name typed into the new-record dialog counts as confirmed.
    if (auto* dialog = m_window.findChild<NewRecordDialog*>()) {
        if (auto* ok = dialog->findChild<QPushButton*>())
            ok->click();
    }
    m_state.recordCheckValue = checkValue(m_state);
    // No message box: nobody is there to close it.
    if (!m_store->save(m_state))
        qWarning("%s", qPrintable(saveFailedMessage(m_store->filePath())));
    endProgram();
}

bool MainController::quit()
{
    if (!showMessage(MessageKind::Confirmation, QStringLiteral("GAL PORTRAITを終了します。")))
        return false;
    saveRecord();
    endProgram();
    return true;
}

bool MainController::confirmClose()
{
    // Ending at once: no further questions.
    return m_ending || quit();
}

bool MainController::showMessage(MessageKind kind, const QString& text)
{
    m_window.announcer()->announce(text);
    if (m_services.showMessage)
        return m_services.showMessage(kind, text);
    return gp::showMessage(&m_window, kind, text);
}

void MainController::playCue(const QString& cue)
{
    if (m_services.playCue) {
        m_services.playCue(cue);
        return;
    }
    if (!m_cues) {
        // The audio device is opened only when the first cue sounds.
        m_audio = std::make_unique<SdlAudioOutput>();
        m_cues = std::make_unique<CuePlayer>(
            QCoreApplication::applicationDirPath(),
            [this] { return m_window.actions().soundSwitch->text(); }, *m_audio);
    }
    m_cues->play(cue);
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
    const LoadedRecord loaded = m_store->load(m_state);
    m_window.statusFrame()->recordHolderPanel()->setCaption(m_state.recordHolder);
    m_window.statusFrame()->recordScorePanel()->setCaption(m_state.recordScore);
    if (!loaded.fileReadable)
        showMessage(MessageKind::Warning, unreadableRecordMessage(m_store->filePath()));
    if (!recordAccepted(m_state, loaded)) {
        showMessage(MessageKind::Critical, QStringLiteral("YRM.INIファイルが不正です。"));
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
    QAction* sw = m_window.actions().soundSwitch;
    if (sw->text() == QLatin1String("OFF"))
        sw->setText(QStringLiteral("ON"));
    else if (sw->text() == QLatin1String("ON"))
        sw->setText(QStringLiteral("OFF"));
}

void MainController::declareDone()
{
    m_state.doneDeclared = true;
    m_state.gameRunning = false;
    m_loop->pass();
}

void MainController::hintTick()
{
    gp::hintTick(m_state, m_window, [this](const QString& cue) { playCue(cue); });
}

} // namespace gp

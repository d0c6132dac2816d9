// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/main_controller.h"

#include "app/spoken_services.h"
#include "app/window_services.h"
#include "game/game_model.h"
#include "records/check_value.h"
#include "records/record_store.h"
#include "ui/about_dialog.h"
#include "ui/help_menu.h"
#include "ui/main_window.h"
#include "ui/new_record_dialog.h"
#include "ui/status_frame.h"

#include <QAction>
#include <QCoreApplication>
#include <QPushButton>
#include <QThread>

namespace gp {

MainController::MainController(GameModel& model, MainWindow& window, GameServices* services,
                               const QString& recordFile, QObject* parent)
    : QObject(parent), m_model(model), m_window(window),
      m_ownServices(services ? nullptr
                             : std::make_unique<WindowServices>(
                                   window, [&model] { return model.isSoundOn(); })),
      m_spokenServices(std::make_unique<SpokenServices>(services ? *services : *m_ownServices,
                                                        *window.announcer())),
      m_services(*m_spokenServices)
{
    m_model.useServices(m_services);
    m_store = recordFile.isEmpty() ? std::make_unique<RecordStore>()
                                   : std::make_unique<RecordStore>(recordFile);
    m_window.onCloseRequest = [this] { return confirmClose(); };
    connectCommands();
}

MainController::~MainController() = default;

void MainController::connectCommands()
{
    const MenuActions& menu = m_window.actions();
    for (int girl : {GirlA, GirlB})
        connect(menu.girls[girl], &QAction::triggered, &m_model,
                [this, girl] { m_model.chooseGirl(girl); });
    connect(menu.start, &QAction::triggered, &m_model, &GameModel::startGame);
    connect(menu.stop, &QAction::triggered, &m_model, &GameModel::stopGame);
    connect(menu.soundSwitch, &QAction::triggered, &m_model, &GameModel::toggleSound);
    connect(m_window.statusFrame()->doneButton(), &QPushButton::clicked, &m_model,
            &GameModel::declareDone);
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
    connect(&dialog, &AboutDialog::debugModeRequested, &m_model, &GameModel::requestDebugGame);
    dialog.exec();
}

void MainController::endProgram()
{
    m_ending = true;
    emit programEnding();
}

bool MainController::saveRecord(QString& failure)
{
    // Once: the program ends after it, and another thread may be saving for an event loop that
    // was held up.
    if (m_saveTaken.exchange(true))
        return true;
    Record record = m_model.record();
    record.checkValue = checkValue(record);
    const bool saved = m_store->save(record, &failure);
    m_saveDone = true;
    return saved;
}

void MainController::saveUnasked()
{
    // A name typed into the new-record dialog counts as confirmed.
    if (auto* dialog = m_window.findChild<NewRecordDialog*>())
        dialog->keepTypedName();
    // No message box: nobody is there to close it.
    QString failure;
    if (!saveRecord(failure))
        qWarning("%s", qPrintable(saveFailedMessage(m_store->filePath(), failure)));
}

void MainController::endSession()
{
    if (m_ending)
        return;
    // During start-up nothing was played yet, and the record may be one that is being refused.
    if (m_started) {
        // The name is taken before any window is touched: with the display frozen, closing the
        // dialog would wait for it.
        saveUnasked();
        if (auto* dialog = m_window.findChild<NewRecordDialog*>())
            dialog->confirmName();
    }
    endProgram();
}

void MainController::saveOnExit()
{
    if (m_ending)
        return;
    m_ending = true;
    if (m_started)
        saveUnasked();
}

void MainController::saveFromAnotherThread()
{
    if (!m_started)
        return;
    if (!m_saveTaken.exchange(true)) {
        // The dialog keeps the record's holder up to date as the name is typed.
        Record record = m_model.record();
        record.checkValue = checkValue(record);
        QString failure;
        if (!m_store->save(record, &failure))
            qWarning("%s", qPrintable(saveFailedMessage(m_store->filePath(), failure)));
        return;
    }
    for (int wait = 0; wait < 30 && !m_saveDone; ++wait)
        QThread::msleep(100);
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
    // A signal while a message is up ends the program at once.
    if (!loadRecordAtStartUp() || m_ending)
        return false;
    m_started = true;
    return true;
}

bool MainController::loadRecordAtStartUp()
{
    Record record;
    const LoadedRecord loaded = m_store->load(record);
    m_model.setRecord(record);
    if (!loaded.fileReadable)
        m_services.showMessage(MessageKind::Warning, unreadableRecordMessage(m_store->filePath()));
    if (!recordAccepted(record, loaded)) {
        m_services.showMessage(MessageKind::Critical, tr("YRM.INIファイルが不正です。"));
        m_ending = true;
        return false;
    }
    return true;
}

} // namespace gp

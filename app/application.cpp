// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/application.h"

#include "app/main_controller.h"
#include "app/qt_translations.h"
#include "app/session_end.h"
#include "app/termination_signals.h"
#include "game/game_model.h"
#include "ui/art.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QScopeGuard>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <unistd.h>

namespace gp {

namespace {

// How long the process may take to end after a termination signal before it is ended from
// another thread; a second signal ends it at once.
constexpr std::chrono::seconds kEndGrace{3};

} // namespace

int runApplication(int argc, char** argv)
{
    ignoreFileSizeSignal();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("GAL PORTRAIT"));
    QApplication::setApplicationDisplayName(QStringLiteral("GAL PORTRAIT"));
    QApplication::setOrganizationName(QStringLiteral("YRM"));
    QApplication::setDesktopFileName(QStringLiteral("org.galportrait.galportrait"));
    installTranslations(app, chooseGameLanguage());

    // Until the event loop is left, the record may still have to be saved; after, taking the
    // windows down may still wait on a frozen display. The deadline covers both, so it goes last.
    std::atomic<MainController*> unsaved = nullptr;
    const TerminationDeadline deadline(kEndGrace, [&unsaved] {
        if (MainController* controller = unsaved.load())
            controller->saveFromAnotherThread();
        ::_exit(0);
    });

    GameModel model;
    MainWindow window(model);
    MainController controller(model, window);
    unsaved = &controller;
    const auto saved = qScopeGuard([&unsaved] { unsaved = nullptr; });
    QObject::connect(&controller, &MainController::programEnding, &app,
                     [] { QCoreApplication::exit(0); });
    // Before start-up: a signal while a start-up message is up ends the program as at any time.
    endProgramWithSession(controller);
    if (!controller.startUp())
        return 0; // a refused record, or a signal: the store stays as it is
    // Seven icon sizes are read for the window manager; that can wait for the first frame.
    QTimer::singleShot(0, &app, [] { QApplication::setWindowIcon(programIcon()); });
    return app.exec();
}

} // namespace gp

// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/application.h"

#include "app/main_controller.h"
#include "app/qt_translations.h"
#include "app/session_end.h"
#include "app/termination_signals.h"
#include "game/game_state.h"
#include "ui/art.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QTimer>

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

    GameState state;
    MainWindow window;
    MainController controller(state, window);
    QObject::connect(&controller, &MainController::programEnding, &app,
                     [] { QCoreApplication::exit(0); });
    // Before start-up: a signal while a start-up message is up ends the program as at any time.
    endProgramWithSession(controller);
    const TerminationDeadline deadline(kEndGrace, [&controller] {
        controller.saveFromAnotherThread();
        ::_exit(0);
    });
    if (!controller.startUp())
        return 0; // a refused record, or a signal: the store stays as it is
    // Seven icon sizes are read for the window manager; that can wait for the first frame.
    QTimer::singleShot(0, &app, [] { QApplication::setWindowIcon(programIcon()); });
    const int status = app.exec();
    // The record is saved; taking the windows down would wait for a display that may be frozen.
    if (controller.endedUnasked())
        ::_exit(status);
    return status;
}

} // namespace gp

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
#include <QTimer>

namespace gp {

int runApplication(int argc, char** argv)
{
    ignoreFileSizeSignal();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("GAL PORTRAIT"));
    QApplication::setApplicationDisplayName(QStringLiteral("GAL PORTRAIT"));
    QApplication::setOrganizationName(QStringLiteral("YRM"));
    QApplication::setDesktopFileName(QStringLiteral("org.galportrait.galportrait"));
    installTranslations(app, chooseGameLanguage());

    GameModel model;
    MainWindow window(model);
    MainController controller(model, window);
    QObject::connect(&controller, &MainController::programEnding, &app,
                     [] { QCoreApplication::exit(0); });
    if (!controller.startUp())
        return 0; // a refused record: the store stays as it is
    endProgramWithSession(controller);
    // Seven icon sizes are read for the window manager; that can wait for the first frame.
    QTimer::singleShot(0, &app, [] { QApplication::setWindowIcon(programIcon()); });
    return app.exec();
}

} // namespace gp

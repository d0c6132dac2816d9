// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/session_end.h"

#include "app/main_controller.h"
#include "app/termination_signals.h"

#include <QGuiApplication>
#include <QPointer>
#include <QSessionManager>
#include <QThread>

#include <cstdlib>

namespace gp {

namespace {

// Cleared when the controller goes, so an exit after a normal end finds nothing to do.
QPointer<MainController> g_savedOnExit;

void saveOnExit()
{
    // exit() does not unwind the stack: the controller, its window and the name dialog are still
    // there. Another thread calling exit() would race the user-interface thread; it is left be.
    MainController* controller = g_savedOnExit.data();
    if (controller && QThread::currentThread() == controller->thread())
        controller->saveOnExit();
}

} // namespace

void endProgramWithSession(MainController& controller)
{
    auto* termination = new TerminationSignals(&controller);
    QObject::connect(termination, &TerminationSignals::received, &controller,
                     [&controller] { controller.endSession(); });
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QObject::connect(app, &QGuiApplication::commitDataRequest, &controller,
                         [&controller](QSessionManager&) { controller.endSession(); });
    static const bool registered = std::atexit(saveOnExit) == 0;
    if (!registered)
        qWarning("the record cannot be saved when the display is lost");
    g_savedOnExit = &controller;
}

} // namespace gp

// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/session_end.h"

#include "app/main_controller.h"
#include "app/termination_signals.h"

#include <QGuiApplication>
#include <QSessionManager>

namespace gp {

void endProgramWithSession(MainController& controller)
{
    auto* termination = new TerminationSignals(&controller);
    QObject::connect(termination, &TerminationSignals::received, &controller,
                     [&controller] { controller.endSession(); });
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QObject::connect(app, &QGuiApplication::commitDataRequest, &controller,
                         [&controller](QSessionManager&) { controller.endSession(); });
}

} // namespace gp

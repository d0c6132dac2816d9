// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace gp {

class MainController;

// From now on the end of the desktop session (the session manager's request to save) and the
// signals SIGTERM, SIGHUP and SIGINT end the program as a confirmed exit does: the record is
// saved and nothing is asked. So does exit() called from anywhere while the controller lives:
// Qt's X11 connection calls exit(1) when the display goes away. Before this is called, nothing
// the player did can be lost.
void endProgramWithSession(MainController& controller);

} // namespace gp

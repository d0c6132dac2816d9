// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace gp {

// Runs the whole program: the main window's start-up, then the event loop until it ends.
int runApplication(int argc, char** argv);

} // namespace gp

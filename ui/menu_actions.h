// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The main window's menus: the game, the girl, the sound switch and the help.

#include <array>

class QAction;
class QMenu;
class QMenuBar;

namespace gp {

// The menu commands, and the girl menu that a game disables as a whole.
struct MenuActions
{
    QAction* start = nullptr;
    QAction* stop = nullptr;
    QAction* quit = nullptr;
    QMenu* girlMenu = nullptr;
    std::array<QAction*, 2> girls{}; // checkable; exactly one is checked, girl A at first
    QAction* soundSwitch = nullptr;  // its caption, "ON" or "OFF", shows the switch
    QAction* helpContents = nullptr;
    QAction* helpSearch = nullptr;
    QAction* helpOnHelp = nullptr;
    QAction* about = nullptr;
};

// Fills the menu bar with the game's menus.
MenuActions addMenus(QMenuBar* bar);

} // namespace gp

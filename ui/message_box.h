// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The game's modal message boxes, all titled "GAL PORTRAIT", each kind with its icon and buttons.

#include "game/game_services.h"

#include <QString>

#include <memory>

class QMessageBox;
class QWidget;

namespace gp {

// Shows the box until it is answered; true when the player chose OK.
bool showMessage(QWidget* parent, MessageKind kind, const QString& text);

// The box showMessage() runs, not yet shown.
std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, MessageKind kind, const QString& text);

// Narrowest box whose title bar still shows the whole title: the title in the title-bar font
// plus room for the window icon and three title-bar buttons.
int messageBoxMinimumWidth(const QString& title);

} // namespace gp

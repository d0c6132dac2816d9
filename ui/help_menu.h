// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The help menu's ways into the help viewer. There is one viewer for the whole program, beside
// owner, which outlives it; asking again for the same help file brings it to the front at the
// asked place. Each returns the viewer.

#include "media/help_collection.h"

#include <QString>

class QWidget;

namespace gp {

class HelpViewer;

// "目次": the contents topic.
HelpViewer* showHelpContents(QWidget* owner, const QString& helpFile);
// "キーワードで検索": the keyword search, with nothing filled in.
HelpViewer* showHelpSearch(QWidget* owner, const QString& helpFile);
// "ヘルプについて": the viewer's page on its own use.
HelpViewer* showHelpOnHelp(QWidget* owner, const QString& helpFile);

} // namespace gp

#pragma once

// Handlers of the main window's help menu. owner is the main window: the help viewer lives
// beside it, the About window is modal over it.

class QWidget;

namespace gp {

struct GameState;

// "目次", "キーワードで検索", "ヘルプについて": the help file at HelpFilePath.
void index_Click(QWidget* owner, const GameState& state);
void Key_Search_Click(QWidget* owner, const GameState& state);
void About_Help_Click(QWidget* owner, const GameState& state);

// "バージョン情報": the About window; returns when it is closed.
void Info_Click(QWidget* owner, GameState& state);

} // namespace gp

#include "media/help_menu.h"

#include "game/game_state.h"
#include "media/form2.h"
#include "media/win_help.h"

namespace gp {

void index_Click(QWidget* owner, const GameState& state)
{
    WinHelp(owner, state.HelpFilePath, HELP_CONTENTS, QString());
}

void Key_Search_Click(QWidget* owner, const GameState& state)
{
    // An empty key, not a missing one: the search opens with nothing filled in.
    WinHelp(owner, state.HelpFilePath, HELP_PARTIALKEY, QStringLiteral(""));
}

void About_Help_Click(QWidget* owner, const GameState& state)
{
    WinHelp(owner, state.HelpFilePath, HELP_HELPONHELP, QString());
}

void Info_Click(QWidget* owner, GameState& state)
{
    Form2::showModal(owner, state);
}

} // namespace gp

#pragma once

// The one way into the help viewer: a help file and a command, as the game's help menu gives
// them. There is one viewer for the whole program; asking again brings it to the front.

#include <QLatin1String>
#include <QString>

class QWidget;

namespace gp {

class HelpViewer;

// The help file's name in the program's folder.
inline constexpr QLatin1String kHelpFileName("portrait.hlp");

enum WinHelpCommand : int {
    HELP_CONTENTS = 0x0003,   // the contents topic; data unused
    HELP_HELPONHELP = 0x0004, // the viewer's page on its own use; data unused
    HELP_PARTIALKEY = 0x0105, // the keyword search, filled in with data (empty: nothing)
};

// Shows the viewer for helpFile at the place the command names, beside owner, which outlives
// it. Returns the viewer, or null for a command it does not know.
HelpViewer* WinHelp(QWidget* owner, const QString& helpFile, int command, const QString& data);

} // namespace gp

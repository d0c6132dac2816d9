#pragma once

// The game's modal message boxes, all titled "GAL PORTRAIT", each kind with its icon and buttons.

#include <QString>

class QWidget;

namespace gp {

enum class MessageKind {
    // OK and Cancel under the information icon: quitting is announced rather than questioned.
    Confirmation,
    Information,
    Warning,
    Critical,
};

// Shows the box until it is answered; true when the player chose OK.
bool showMessage(QWidget* parent, MessageKind kind, const QString& text);

} // namespace gp

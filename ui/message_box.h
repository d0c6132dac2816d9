#pragma once

// Modal message boxes in the classic style codes: buttons 0 = OK, 1 = OK and Cancel; icons
// 16 = critical, 48 = exclamation, 64 = information. The answer is 1 for OK, 2 for Cancel.

#include <QString>

class QWidget;

namespace gp {

constexpr int kMsgOk = 1;
constexpr int kMsgCancel = 2;

int MsgBox(QWidget* parent, const QString& prompt, int style, const QString& title);

} // namespace gp

#include "ui/message_box.h"

#include <QMessageBox>

namespace gp {

int MsgBox(QWidget* parent, const QString& prompt, int style, const QString& title)
{
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(prompt);
    switch (style & 0x70) {
    case 16:
        box.setIcon(QMessageBox::Critical);
        break;
    case 48:
        box.setIcon(QMessageBox::Warning);
        break;
    case 64:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    if ((style & 0x7) == 1) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    return box.exec() == QMessageBox::Ok ? kMsgOk : kMsgCancel;
}

} // namespace gp

#include "ui/message_box.h"

#include <QMessageBox>

namespace gp {

bool showMessage(QWidget* parent, MessageKind kind, const QString& text)
{
    QMessageBox box(parent);
    box.setWindowTitle(QStringLiteral("GAL PORTRAIT"));
    box.setText(text);
    switch (kind) {
    case MessageKind::Confirmation:
    case MessageKind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageKind::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageKind::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    if (kind == MessageKind::Confirmation) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    return box.exec() == QMessageBox::Ok;
}

} // namespace gp

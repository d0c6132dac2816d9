// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/message_box.h"

#include <QApplication>
#include <QEventLoop>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <QTimer>
#include <QWindow>

namespace gp {

namespace {

const QString kTitle = QStringLiteral("GAL PORTRAIT");

QMessageBox::Icon iconOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Confirmation:
    case MessageKind::Information:
        return QMessageBox::Information;
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Critical:
        return QMessageBox::Critical;
    case MessageKind::Plain:
        break;
    }
    return QMessageBox::NoIcon;
}

// Quits a local loop once the watched window is exposed.
class ExposeWatcher : public QObject
{
public:
    ExposeWatcher(QWindow* window, QEventLoop& loop) : m_window(window), m_loop(loop)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && m_window->isExposed())
            m_loop.quit();
        return false;
    }

private:
    QWindow* m_window;
    QEventLoop& m_loop;
};

// A window manager places a new window only once it is mapped; until then the window reads
// (0, 0), and a box centred over it right after show() would land near the screen's corner.
void waitUntilPlaced(QWidget* parent)
{
    QWidget* window = parent ? parent->window() : nullptr;
    QWindow* handle = window ? window->windowHandle() : nullptr;
    if (!window || !window->isVisible() || !handle || handle->isExposed())
        return;
    QEventLoop loop;
    ExposeWatcher watcher(handle, loop);
    QTimer::singleShot(1000, &loop, &QEventLoop::quit); // a window manager that never maps it
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

int messageBoxMinimumWidth(const QString& title)
{
    // The platform's title-bar font where it names one; window managers draw titles bold.
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int button = metrics.height() + 8;
    return metrics.horizontalAdvance(title) + 4 * button + 2 * metrics.averageCharWidth();
}

std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, MessageKind kind, const QString& text)
{
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(kTitle);
    box->setText(text);
    box->setIcon(iconOf(kind));
    if (kind == MessageKind::Confirmation) {
        box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box->setDefaultButton(QMessageBox::Ok);
        box->setEscapeButton(QMessageBox::Cancel);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
    }
    // QMessageBox sizes itself to its text and ignores a minimum width; a spacer row across its
    // grid is the width it cannot shrink below. A short text would otherwise cut the title.
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
        grid->addItem(new QSpacerItem(messageBoxMinimumWidth(kTitle), 0, QSizePolicy::Fixed,
                                      QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    return box;
}

bool showMessage(QWidget* parent, MessageKind kind, const QString& text)
{
    waitUntilPlaced(parent);
    return makeMessageBox(parent, kind, text)->exec() == QMessageBox::Ok;
}

} // namespace gp

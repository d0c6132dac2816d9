// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/about_dialog.h"

#include "ui/colors.h"
#include "ui/fonts.h"
#include "ui/message_box.h"
#include "ui/outline_box.h"
#include "ui/sprite.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <algorithm>

namespace gp {

namespace {

void showPrompt(QWidget* parent, const QString& text)
{
    // A box that names no caption gets the application's name, which is the game's title.
    showMessage(parent, MessageKind::Plain, text);
}

QLabel* makeLabel(QWidget* parent, const QString& text, QRect place, const QFont& font,
                  Qt::Alignment alignment)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setFont(font);
    label->setAlignment(alignment);
    return label;
}

} // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_messageBox(showPrompt)
{
    setWindowTitle(QStringLiteral("GAL PORTRAIT"));
    // No icon in the title bar: a null icon would fall back to the application's.
    QPixmap noIcon(16, 16);
    noIcon.fill(Qt::transparent);
    setWindowIcon(QIcon(noIcon));
    setFixedSize(263, 149);

    fillBackground(this, palette().color(QPalette::Base));
    setPaletteColor(this, QPalette::WindowText, palette().color(QPalette::Text));

    m_outline = new OutlineBox(this);
    m_outline->setGeometry(4, 11, 254, 71);

    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    m_titleLabels[0] = makeLabel(this, QStringLiteral("GAL PORTRAIT"), QRect(11, 15, 179, 24),
                                 gameFont(FontFace::TimesNewRoman, 13.8, true), centred);
    m_titleLabels[1] = makeLabel(this, QStringLiteral("(Ver2.00)"), QRect(176, 45, 77, 24),
                                 gameFont(FontFace::TimesNewRoman, 12, true), centred);
    // Times New Roman has no Japanese: the line's glyphs come from the system's fallback face.
    m_titleLabels[2] = makeLabel(this, tr("目かくし福笑いゲーム"), QRect(9, 121, 234, 19),
                                 gameFont(FontFace::TimesNewRoman, 10.8, true), centred);
    m_edition = makeLabel(this, tr("32Bit Version"), QRect(66, 48, 94, 17),
                          gameFont(FontFace::TimesNewRoman, 12), Qt::AlignLeft | Qt::AlignTop);

    // Drawn from the icon's SVG at its own size, for the screen the dialog is on.
    m_icon = new Sprite(this);
    m_icon->setPicture(QStringLiteral("icon"), {26, 26}, false);
    m_icon->moveTo(12, 45);

    m_okButton = new QPushButton(tr("OK"), this);
    m_okButton->setGeometry(205, 90, 53, 20);
    m_okButton->setFont(gameFont(FontFace::TimesNewRoman, 10.8));
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);

    for (QLabel* label : m_titleLabels)
        label->installEventFilter(this);
}

void AboutDialog::titlePressed(const QMouseEvent& event)
{
    // The right button with Shift and Ctrl held, and not Alt; other keys do not count.
    const Qt::KeyboardModifiers held =
        event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (event.button() == Qt::RightButton && held == (Qt::ShiftModifier | Qt::ControlModifier)) {
        emit debugModeRequested();
        m_messageBox(this, tr("Debug Mode!!"));
    }
}

bool AboutDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress &&
        std::find(m_titleLabels.begin(), m_titleLabels.end(), watched) != m_titleLabels.end())
        titlePressed(*static_cast<QMouseEvent*>(event));
    return QDialog::eventFilter(watched, event);
}

} // namespace gp

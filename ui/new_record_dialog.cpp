// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/new_record_dialog.h"

#include "records/name_validator.h"
#include "records/record_name.h"
#include "ui/colors.h"
#include "ui/fonts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace gp {

NewRecordDialog::NewRecordDialog(Record& record, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_record(record)
{
    setWindowTitle(QStringLiteral("GAL PORTRAIT"));
    setFixedSize(226, 110);
    // The system's window background, the one text boxes use, not the button face.
    fillBackground(this, palette().color(QPalette::Base));

    // Created back to front, so the later ones lie on top and the tab order runs from the name
    // box to OK.
    m_congratulation = new QLabel(tr(" おめでとう!  記録更新です"), this);
    m_congratulation->setObjectName(QStringLiteral("congratulation"));
    m_congratulation->setGeometry(18, 12, 149, 49);
    m_congratulation->setFont(gameFont(FontFace::MsMincho, 15, true));
    m_congratulation->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_congratulation->setWordWrap(true);
    fillBackground(m_congratulation, kCongratulationBackground);
    setPaletteColor(m_congratulation, QPalette::WindowText, kCongratulationText);

    m_namePrompt = new QLabel(tr("Name : "), this);
    m_namePrompt->setObjectName(QStringLiteral("namePrompt"));
    m_namePrompt->setGeometry(18, 72, 67, 21);
    m_namePrompt->setFont(gameFont(FontFace::TimesNewRoman, 12, true));
    m_namePrompt->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    fillBackground(m_namePrompt, kNamePromptBackground);

    m_nameBox = new QLineEdit(this);
    m_nameBox->setObjectName(QStringLiteral("nameBox"));
    m_nameBox->setGeometry(90, 68, 97, 28);
    m_nameBox->setFont(gameFont(FontFace::MsMincho, 12));
    m_nameBox->setValidator(new NameValidator(m_nameBox));
    // The record holds the name as it is typed: a program that must end while the display is
    // frozen saves it without asking the dialog.
    connect(m_nameBox, &QLineEdit::textChanged, this, &NewRecordDialog::keepTypedName);
    setPaletteColor(m_nameBox, QPalette::Base, kNameBoxBackground);

    m_okButton = new QPushButton(tr("OK"), this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setGeometry(178, 16, 41, 21);
    m_okButton->setFont(gameFont(FontFace::TimesNewRoman, 12));
    // Enter after typing the name confirms it, as a player expects.
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &NewRecordDialog::confirmName);

    m_nameBox->setFocus();
}

void NewRecordDialog::keepTypedName()
{
    m_record.holder = trimName(m_nameBox->text());
}

void NewRecordDialog::confirmName()
{
    keepTypedName();
    accept();
}

void NewRecordDialog::reject()
{
    confirmName();
}

} // namespace gp

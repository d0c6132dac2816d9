#include "records/form3.h"

#include "records/name_validator.h"
#include "records/record_name.h"
#include "records/record_panels.h"
#include "ui/fonts.h"
#include "ui/twips.h"
#include "ui/bgr_color.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace gp {

namespace {

void paint(QWidget* widget, QColor background, QPalette::ColorRole role)
{
    QPalette palette = widget->palette();
    palette.setColor(role, background);
    widget->setPalette(palette);
}

} // namespace

Form3::Form3(GameState& state, RecordPanels& panels, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_state(state), m_panels(panels)
{
    setWindowTitle(QStringLiteral("GAL PORTRAIT"));
    setFixedSize(twipsToPixels(3384), twipsToPixels(1656));
    // The system's window background, the one text boxes use, not the button face.
    setAutoFillBackground(true);
    paint(this, palette().color(QPalette::Base), QPalette::Window);

    // Created back to front, so the later ones lie on top and the tab order runs Text1, Command1.
    Label1 = new QLabel(QStringLiteral(" おめでとう!  記録更新です"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipsRect(270, 180, 2235, 735));
    Label1->setFont(gameFont(FontFace::MsMincho, 15, true));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setWordWrap(true);
    Label1->setAutoFillBackground(true);
    paint(Label1, colorFromBgr(0x404000), QPalette::Window);
    paint(Label1, Qt::white, QPalette::WindowText);

    Label2 = new QLabel(QStringLiteral("Name : "), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(twipsRect(270, 1080, 1005, 315));
    Label2->setFont(gameFont(FontFace::TimesNewRoman, 12, true));
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2->setAutoFillBackground(true);
    paint(Label2, colorFromBgr(0x80FF80), QPalette::Window);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twipsRect(1350, 1020, 1455, 420));
    Text1->setFont(gameFont(FontFace::MsMincho, 12));
    Text1->setValidator(new NameValidator(Text1));
    paint(Text1, colorFromBgr(0xFFFF00), QPalette::Base);

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(2670, 240, 615, 315));
    Command1->setFont(gameFont(FontFace::TimesNewRoman, 12));
    // Enter after typing the name confirms it, as a player expects.
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);

    Text1->setFocus();
}

QString Form3::scoreCaption(std::int16_t score)
{
    return (score >= 0 ? QStringLiteral(" ") : QString()) + QString::number(score);
}

void Form3::Command1_Click()
{
    m_state.HighName = trimName(Text1->text());
    m_panels.setRecordName(m_state.HighName);
    m_panels.setRecordScore(scoreCaption(m_state.HighScore));
    accept();
}

} // namespace gp

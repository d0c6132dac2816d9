#include "media/form2.h"

#include "game/game_state.h"
#include "ui/art.h"
#include "ui/fonts.h"
#include "ui/outline_box.h"
#include "ui/twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>

namespace gp {

namespace {

void showPrompt(QWidget* parent, const QString& text)
{
    // The toolkit's own caption for a box that names none: the application's name.
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, parent);
    box.exec();
}

int vbButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int vbShift(Qt::KeyboardModifiers modifiers)
{
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) |
           (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) |
           (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
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

Form2::Form2(GameState& state, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_state(state), m_messageBox(showPrompt)
{
    setWindowTitle(QStringLiteral("GAL PORTRAIT"));
    // A null icon would fall back to the application's; the design has none at all.
    QPixmap noIcon(16, 16);
    noIcon.fill(Qt::transparent);
    setWindowIcon(QIcon(noIcon));
    setFixedSize(twipsToPixels(3948), twipsToPixels(2232));

    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Base));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::Text));
    setPalette(colours);
    setAutoFillBackground(true);

    m_shape1 = new OutlineBox(this);
    m_shape1->setGeometry(twipsRect(60, 168, 3804, 1068));

    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    m_label1[0] = makeLabel(this, QStringLiteral("GAL PORTRAIT"), twipsRect(165, 225, 2685, 360),
                            gameFont(FontFace::TimesNewRoman, 13.8, true), centred);
    m_label1[1] = makeLabel(this, QStringLiteral("(Ver2.00)"), twipsRect(2640, 672, 1152, 360),
                            gameFont(FontFace::TimesNewRoman, 12, true), centred);
    // Times New Roman has no Japanese: the line's glyphs come from the system's fallback face.
    m_label1[2] =
        makeLabel(this, QStringLiteral("目かくし福笑いゲーム"), twipsRect(132, 1812, 3516, 288),
                  gameFont(FontFace::TimesNewRoman, 10.8, true), centred);
    m_label2 = makeLabel(this, QStringLiteral("32Bit Version"), twipsRect(984, 720, 1404, 252),
                         gameFont(FontFace::TimesNewRoman, 12), Qt::AlignLeft | Qt::AlignTop);

    // The icon is generated with the other art; without it the place stays empty.
    m_image1 = new QLabel(this);
    m_image1->setGeometry(twipsRect(180, 672, 384, 384));
    const QPixmap icon = artPixmap(QStringLiteral("icon"));
    if (!icon.isNull())
        m_image1->setPixmap(icon.scaled(m_image1->size() * icon.devicePixelRatio(),
                                        Qt::KeepAspectRatio, Qt::SmoothTransformation));

    m_command1 = new QPushButton(QStringLiteral("OK"), this);
    m_command1->setGeometry(twipsRect(3072, 1350, 795, 300));
    m_command1->setFont(gameFont(FontFace::TimesNewRoman, 10.8));
    m_command1->setDefault(true);
    connect(m_command1, &QPushButton::clicked, this, &Form2::Command1_Click);

    for (QLabel* label : m_label1)
        label->installEventFilter(this);
}

void Form2::showModal(QWidget* parent, GameState& state)
{
    Form2 form(state, parent);
    form.exec();
}

void Form2::Command1_Click()
{
    accept();
}

void Form2::Label1_MouseDown(int index, int button, int shift, int x, int y)
{
    Q_UNUSED(index);
    Q_UNUSED(x);
    Q_UNUSED(y);
    // Right button with Shift and Ctrl, and nothing else held.
    if (button == 2 && shift == 3) {
        m_state.DebugMode = 1;
        m_messageBox(this, QStringLiteral("Debug Mode!!"));
    }
}

bool Form2::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        for (int index = 0; index < int(m_label1.size()); ++index) {
            if (watched != m_label1[index])
                continue;
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint at = mouse->position().toPoint() * kTwipsPerPixel;
            Label1_MouseDown(index, vbButton(mouse->button()), vbShift(mouse->modifiers()), at.x(),
                             at.y());
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace gp

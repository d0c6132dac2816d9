#include "ui/form1.h"

#include "game/face_geometry.h"
#include "ui/art.h"
#include "ui/backdrop.h"
#include "ui/bgr_color.h"
#include "ui/fonts.h"
#include "ui/outline_box.h"
#include "ui/part_dragger.h"
#include "ui/sprite.h"
#include "ui/status_panel.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

namespace gp {

namespace {

constexpr std::uint32_t kTeal = 0x00808000;
constexpr std::uint32_t kPaleCyan = 0x00FFFF80;
constexpr std::uint32_t kCyan = 0x00FFFF00;
constexpr std::uint32_t kLightGreen = 0x0080FF80;
constexpr std::uint32_t kLightYellow = 0x0080FFFF;
constexpr std::uint32_t kTimeLabelBackground = 0x00C0C000;
constexpr std::uint32_t kRed = 0x000000FF;
constexpr std::uint32_t kYellow = 0x0000FFFF;
constexpr std::uint32_t kBlue = 0x00FF0000;
constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr std::uint32_t kBlack = 0x00000000;

void fillWith(QWidget* widget, std::uint32_t bgr)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colorFromBgr(bgr));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel* makeLabel(QWidget* parent, const QString& text, QRect place, const QFont& font,
                  std::uint32_t background, std::uint32_t textColor = kSystemWindowText)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    fillWith(label, background);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colorFromBgr(textColor));
    label->setPalette(palette);
    return label;
}

StatusPanel* makePanel(QWidget* parent, QRect place, const QFont& font, std::uint32_t textColor,
                       std::uint32_t background)
{
    auto* panel = new StatusPanel(parent);
    panel->setGeometry(place);
    panel->setFont(font);
    panel->setTextColor(colorFromBgr(textColor));
    panel->setBackgroundColor(colorFromBgr(background));
    return panel;
}

OutlineBox* makeShape(QWidget* parent, QRect place)
{
    auto* shape = new OutlineBox(parent);
    shape->setGeometry(place);
    shape->setAccessibleName(QStringLiteral("枠"));
    return shape;
}

QString partName(int part)
{
    static const char* const names[kPartCount] = {"右眉", "左眉", "右目", "左目", "鼻", "口"};
    return QString::fromUtf8(names[part]);
}

} // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("GAL PORTRAIT"));

    auto* central = new QWidget(this);
    fillWith(central, kTeal);
    setCentralWidget(central);
    resize(twipsToPixels(12180), twipsToPixels(6984));

    // Widgets created later lie in front, so each container is filled from the back.
    Label1[0] = makeLabel(central, {}, {749, -40, 50, 23}, font(), kSystemWindowBackground);
    Label1[1] = makeLabel(central, {}, {750, -40, 50, 23}, font(), kSystemWindowBackground);
    Label1[0]->setAccessibleName(QStringLiteral("X"));
    Label1[1]->setAccessibleName(QStringLiteral("Y"));
    DragA = new Sprite(central);
    DragA->setPicture(QStringLiteral("drag_a"), {32, 32}, false);
    DragA->moveTo(610, 259);
    DragA->setAccessibleName(QStringLiteral("DragA"));
    buildPlayAreas(central);
    buildFrame(central);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    Timer1->setTimerType(Qt::PreciseTimer); // a steady one-second beat for the hints

    buildMenus();
}

Form1::~Form1() = default;

void Form1::buildPlayAreas(QWidget* central)
{
    const std::array<std::uint32_t, 2> background{kCyan, kLightGreen};
    const std::array<const char*, 2> prefix{"a_", "b_"};
    // Part images from the back: girl A's 0..5; girl B's 5, 4, 3, 2, 0, 1.
    const std::array<std::array<int, kPartCount>, 2> backToFront{
        {{0, 1, 2, 3, 4, 5}, {5, 4, 3, 2, 0, 1}}};

    for (int k : {1, 0}) {
        const QString pre = QLatin1String(prefix[k]);
        auto* area = new Backdrop(colorFromBgr(background[k]), central);
        area->setObjectName(QStringLiteral("Picture1_%1").arg(k));
        area->setGeometry(8, 8, 554, 403);
        area->setAccessibleName(k == 0 ? QStringLiteral("少女 A") : QStringLiteral("少女 B"));
        area->setPicture(pre + QStringLiteral("blank"), {kFaceWidth, kFaceHeight});
        Picture1[k] = area;

        auto& parts = k == 0 ? Image1 : Image3;
        for (int part : backToFront[k]) {
            auto* image = new Sprite(area);
            image->setObjectName(
                QStringLiteral("%1_%2").arg(k == 0 ? "Image1" : "Image3").arg(part));
            image->setAccessibleName(partName(part));
            const SizeI size = kPartSizes[k][part];
            image->setPicture(pre + QStringLiteral("part%1").arg(part), {size.width, size.height});
            parts[part] = image;
        }

        Image2[k] = new Sprite(area);
        Image2[k]->setObjectName(QStringLiteral("Image2_%1").arg(k));
        Image2[k]->setAccessibleName(QStringLiteral("完成した顔"));
        Image2[k]->setPicture(pre + QStringLiteral("complete"), {kFaceWidth, kFaceHeight});

        Picture2[k] = new Backdrop(colorFromBgr(kLightYellow), area);
        Picture2[k]->setObjectName(QStringLiteral("Picture2_%1").arg(k));
        Picture2[k]->setAccessibleName(QStringLiteral("カバー"));
        Picture2[k]->setGeometry(k == 0 ? 0 : -88, 0, 440, 402);
    }
}

void Form1::buildFrame(QWidget* central)
{
    Frame1 = new QFrame(central);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Frame1->setGeometry(twipsRect(8490, 135, 2310, 5985));
    fillWith(Frame1, kPaleCyan);
    QWidget* f = Frame1;

    const QFont mincho9 = gameFont(FontFace::MsMincho, 9);
    const QFont mincho12 = gameFont(FontFace::MsMincho, 12);
    const QFont times12 = gameFont(FontFace::TimesNewRoman, 12);
    const QFont pgothic9 = gameFont(FontFace::MsPGothic, 9);

    Shape4 = makeShape(f, twipsRect(195, 1845, 2025, 780));
    Shape3 = makeShape(f, twipsRect(255, 420, 1890, 1155));
    Shape1 = makeShape(f, twipsRect(60, 4815, 2205, 1050));
    Label2[0] = makeLabel(f, QStringLiteral("メッセージ"), twipsRect(315, 4875, 1530, 345),
                          mincho12, kSystemWindowBackground);
    Label3[0] =
        makeLabel(f, QStringLiteral("2分"), twipsRect(792, 3216, 312, 240), mincho9, kPaleCyan);
    Label3[1] =
        makeLabel(f, QStringLiteral("1分"), twipsRect(1332, 3216, 312, 192), mincho9, kPaleCyan);
    Label3[2] = makeLabel(f, QStringLiteral("0分"), twipsRect(1872, 3216, 288, 180), mincho9,
                          kPaleCyan, kBlack);
    Shape2 = makeShape(f, twipsRect(165, 2880, 2055, 1140));
    Label2[1] = makeLabel(f, QStringLiteral("残り時間"), twipsRect(408, 2736, 1536, 300), mincho12,
                          kTimeLabelBackground);
    Label2[2] = makeLabel(f, QStringLiteral("Heigh Score"), twipsRect(375, 285, 1530, 345), times12,
                          kPaleCyan);
    Label2[3] =
        makeLabel(f, QStringLiteral("Score"), twipsRect(420, 1695, 1065, 345), times12, kPaleCyan);
    Label3[3] =
        makeLabel(f, QStringLiteral("3分"), twipsRect(300, 3216, 312, 192), mincho9, kPaleCyan);

    Panel3D4 = makePanel(f, twipsRect(360, 2088, 1704, 408), pgothic9, kBlack, kWhite);
    Panel3D2 = makePanel(f, twipsRect(288, 3504, 1812, 336), pgothic9, kBlack, kLightGreen);
    Panel3D1 = makePanel(f, twipsRect(216, 5256, 1920, 516), pgothic9, kWhite, kBlue);
    Panel3D3[1] = makePanel(f, twipsRect(396, 1080, 1488, 372),
                            gameFont(FontFace::MsGothic, 12, true), kBlack, kYellow);
    Panel3D3[0] = makePanel(f, twipsRect(396, 576, 1488, 372),
                            gameFont(FontFace::TimesNewRoman, 12, true), kWhite, kRed);
    // The panels' captions are their accessible descriptions; the names say what they show.
    Panel3D1->setAccessibleName(QStringLiteral("メッセージ"));
    Panel3D2->setAccessibleName(QStringLiteral("残り時間"));
    Panel3D3[0]->setAccessibleName(QStringLiteral("Heigh Score"));
    Panel3D3[1]->setAccessibleName(QStringLiteral("記録保持者"));
    Panel3D4->setAccessibleName(QStringLiteral("Score"));
    Frame1->setAccessibleName(QStringLiteral("状況"));

    Command1 = new QPushButton(QStringLiteral("完了"), f);
    Command1->setGeometry(twipsRect(360, 4200, 1605, 555));
    Command1->setFont(mincho12);
    Command1->setFocusPolicy(Qt::TabFocus);
}

void Form1::buildMenus()
{
    QMenuBar* bar = menuBar();
    auto addMenu = [bar](const char* name, const QString& caption) {
        QMenu* menu = bar->addMenu(caption);
        menu->setObjectName(QLatin1String(name));
        return menu;
    };
    auto addAction = [](QMenu* menu, const char* name, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        return action;
    };

    game = addMenu("game", QStringLiteral("ゲーム"));
    start = addAction(game, "start", QStringLiteral("ゲーム開始"));
    Pause = addAction(game, "Pause", QStringLiteral("ゲーム中止"));
    game->addSeparator()->setObjectName(QStringLiteral("dummy"));
    FIN = addAction(game, "FIN", QStringLiteral("終了"));

    SelGAL = addMenu("SelGAL", QStringLiteral("少女の選択"));
    GAL_A = addAction(SelGAL, "GAL_A", QStringLiteral("少女 A"));
    GAL_B = addAction(SelGAL, "GAL_B", QStringLiteral("少女 B"));
    GAL_A->setCheckable(true);
    GAL_B->setCheckable(true);
    GAL_A->setChecked(true);

    Silent_Mode = addMenu("Silent_Mode", QStringLiteral("サイレントモード"));
    SilentMode_OnOFF = addAction(Silent_Mode, "SilentMode_OnOFF", QStringLiteral("ON"));

    HELP = addMenu("HELP", QStringLiteral("ヘルプ"));
    index = addAction(HELP, "index", QStringLiteral("目次"));
    Key_Search = addAction(HELP, "Key_Search", QStringLiteral("キーワードで検索"));
    HELP->addSeparator()->setObjectName(QStringLiteral("dummy2"));
    About_Help = addAction(HELP, "About_Help", QStringLiteral("ヘルプについて"));
    HELP->addSeparator()->setObjectName(QStringLiteral("dummy3"));
    info = addAction(HELP, "info", QStringLiteral("バージョン情報"));
}

Sprite* Form1::partImage(int girl, int part) const
{
    return girl == GirlA ? Image1[part] : Image3[part];
}

void Form1::setOuterSizeTwips(int widthTwips, int heightTwips)
{
    m_outerSize = {twipsToPixels(widthTwips), twipsToPixels(heightTwips)};
    m_appliedDecoration = {-1, -1};
    applyOuterSize();
}

void Form1::applyOuterSize()
{
    if (m_outerSize.isEmpty())
        return;
    const QSize decoration = isVisible() ? frameGeometry().size() - geometry().size() : QSize(0, 0);
    if (decoration == m_appliedDecoration)
        return;
    m_appliedDecoration = decoration;
    // The frame keeps the same margin to its right as its gap from the play area, and nothing of
    // it is cut off at the bottom, whatever the window manager takes for its own frame.
    const QRect frame = Frame1->geometry();
    const int minWidth = frame.right() + 1 + 10;
    const int minHeight = menuBar()->sizeHint().height() + frame.bottom() + 1 + frame.top();
    resize(std::max(m_outerSize.width() - decoration.width(), minWidth),
           std::max(m_outerSize.height() - decoration.height(), minHeight));
}

void Form1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    applyOuterSize();
}

void Form1::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    applyOuterSize();
}

void Form1::closeEvent(QCloseEvent* event)
{
    bool cancel = false;
    if (onQueryUnload)
        onQueryUnload(cancel);
    if (cancel)
        event->ignore();
    else
        event->accept();
}

bool Form1::isGirlChecked(int girl) const
{
    return (girl == GirlA ? GAL_A : GAL_B)->isChecked();
}

PartRect Form1::partRect(int girl, int part) const
{
    const Sprite* image = partImage(girl, part);
    return {image->left(), image->top(), float(image->width()), float(image->height())};
}

void Form1::setPartLeft(int girl, int part, float left)
{
    partImage(girl, part)->setLeft(left);
}

void Form1::setPartTop(int girl, int part, float top)
{
    partImage(girl, part)->setTop(top);
}

void Form1::setPartDragIconTransparent(int girl, int part, bool transparent)
{
    partImage(girl, part)->setDragIcon(transparent ? DragA->picture() : QPixmap());
}

void Form1::setCoverLeft(int girl, int left)
{
    Picture2[girl]->move(left, Picture2[girl]->y());
}

void Form1::setCoverTop(int girl, int top)
{
    Picture2[girl]->move(Picture2[girl]->x(), top);
}

void Form1::setGaugeColor(std::uint32_t bgr)
{
    Panel3D2->setGaugeColor(bgr);
}

void Form1::setCompleteFaceVisible(int girl, bool visible)
{
    Image2[girl]->setVisible(visible);
}

void Form1::setCoverVisible(int girl, bool visible)
{
    Picture2[girl]->setVisible(visible);
}

void Form1::setCommandEnabled(Command command, bool enabled)
{
    switch (command) {
    case Command::Start:
        start->setEnabled(enabled);
        break;
    case Command::Pause:
        Pause->setEnabled(enabled);
        break;
    case Command::SelectGirl:
        SelGAL->menuAction()->setEnabled(enabled);
        break;
    }
}

void Form1::setTimerEnabled(bool enabled)
{
    if (enabled)
        Timer1->start();
    else
        Timer1->stop();
}

void Form1::setGaugePercent(double percent)
{
    Panel3D2->setGaugePercent(percent);
}

std::uint32_t Form1::gaugeColor() const
{
    return Panel3D2->gaugeColor();
}

void Form1::setScoreCaption(int score)
{
    Panel3D4->setCaption(score);
}

void Form1::setHintCaption(const QString& text)
{
    if (text == Panel3D1->caption())
        return;
    Panel3D1->setCaption(text);
    // A direction cue may hold up the interface right after this; show the text first.
    Panel3D1->repaint();
}

void Form1::setPointerCaptions(const QString& x, const QString& y)
{
    Label1[0]->setText(x);
    Label1[1]->setText(y);
}

void Form1::endVisualDrag()
{
    if (m_dragger)
        m_dragger->cancel();
}

void Form1::setRecordName(const QString& caption)
{
    Panel3D3[1]->setCaption(caption);
}

void Form1::setRecordScore(const QString& caption)
{
    Panel3D3[0]->setCaption(caption);
}

} // namespace gp

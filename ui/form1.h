#pragma once

// The main window: the play areas of both girls, the status frame and the menus. Its controls are
// reached by their design names, like a generated form; the handlers that drive it live in app/.

#include "game/game_board.h"
#include "records/record_panels.h"

#include <QMainWindow>
#include <array>
#include <functional>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;

namespace gp {

class Sprite;
class PartDragger;
class StatusPanel;
class Backdrop;
class OutlineBox;

class Form1 : public QMainWindow, public GameBoard, public RecordPanels
{
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // Controls, front of the z-order first within each container.
    QFrame* Frame1 = nullptr;
    QTimer* Timer1 = nullptr;
    std::array<Backdrop*, 2> Picture1{};
    Sprite* DragA = nullptr;
    std::array<QLabel*, 2> Label1{};

    std::array<Backdrop*, 2> Picture2{};
    std::array<Sprite*, 2> Image2{};
    std::array<Sprite*, 6> Image1{};
    std::array<Sprite*, 6> Image3{};

    QPushButton* Command1 = nullptr;
    std::array<StatusPanel*, 2> Panel3D3{};
    StatusPanel* Panel3D1 = nullptr;
    StatusPanel* Panel3D2 = nullptr;
    StatusPanel* Panel3D4 = nullptr;
    std::array<QLabel*, 4> Label3{};
    std::array<QLabel*, 4> Label2{};
    OutlineBox* Shape1 = nullptr;
    OutlineBox* Shape2 = nullptr;
    OutlineBox* Shape3 = nullptr;
    OutlineBox* Shape4 = nullptr;

    QMenu* game = nullptr;
    QAction* start = nullptr;
    QAction* Pause = nullptr;
    QAction* FIN = nullptr;
    QMenu* SelGAL = nullptr;
    QAction* GAL_A = nullptr;
    QAction* GAL_B = nullptr;
    QMenu* Silent_Mode = nullptr;
    QAction* SilentMode_OnOFF = nullptr;
    QMenu* HELP = nullptr;
    QAction* index = nullptr;
    QAction* Key_Search = nullptr;
    QAction* About_Help = nullptr;
    QAction* info = nullptr;

    // Part images of a girl: Image1 for girl A, Image3 for girl B.
    Sprite* partImage(int girl, int part) const;

    // Sets the window's outer size in twips. The frame the window manager adds is known only once
    // the window is shown, so the size is applied again when it becomes known.
    void setOuterSizeTwips(int widthTwips, int heightTwips);

    // Asked before the window closes; set cancel to keep it open. Unset, the window just closes.
    std::function<void(bool& cancel)> onQueryUnload;

    // FaceBoard
    bool isGirlChecked(int girl) const override;
    PartRect partRect(int girl, int part) const override;
    void setPartLeft(int girl, int part, float left) override;
    void setPartTop(int girl, int part, float top) override;
    void setPartDragIconTransparent(int girl, int part, bool transparent) override;
    void setCoverLeft(int girl, int left) override;
    void setCoverTop(int girl, int top) override;
    void setGaugeColor(std::uint32_t bgr) override;

    // GameBoard
    void setCompleteFaceVisible(int girl, bool visible) override;
    void setCoverVisible(int girl, bool visible) override;
    void setCommandEnabled(Command command, bool enabled) override;
    void setTimerEnabled(bool enabled) override;
    void setGaugePercent(double percent) override;
    std::uint32_t gaugeColor() const override;
    void setScoreCaption(int score) override;
    void setHintCaption(const QString& text) override;
    void setPointerCaptions(const QString& x, const QString& y) override;
    void endVisualDrag() override;

    // RecordPanels
    void setRecordName(const QString& caption) override;
    void setRecordScore(const QString& caption) override;

    // The carrying of parts with the mouse; the window gives the pointer back through it.
    void setPartDragger(PartDragger* dragger) { m_dragger = dragger; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void buildPlayAreas(QWidget* central);
    void buildFrame(QWidget* central);
    void buildMenus();
    void applyOuterSize();

    PartDragger* m_dragger = nullptr;
    QSize m_outerSize;
    QSize m_appliedDecoration{-1, -1};
};

} // namespace gp

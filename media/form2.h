#pragma once

// The About window. Its title labels also hide the gesture that turns debug mode on for the
// next game.

#include <QDialog>

#include <array>
#include <functional>

class QLabel;
class QPushButton;

namespace gp {

struct GameState;
class OutlineBox;

class Form2 : public QDialog
{
    Q_OBJECT

public:
    // Shows a prompt with an OK button only; replaceable so that nothing blocks under test.
    using MessageBox = std::function<void(QWidget* parent, const QString& text)>;

    explicit Form2(GameState& state, QWidget* parent = nullptr);

    // "バージョン情報": the window, modal over parent until OK.
    static void showModal(QWidget* parent, GameState& state);

    void setMessageBox(MessageBox box) { m_messageBox = std::move(box); }
    QLabel* Label1(int index) const { return m_label1.at(index); }

    void Command1_Click();
    // button: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt; x, y in twips.
    void Label1_MouseDown(int index, int button, int shift, int x, int y);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    GameState& m_state;
    MessageBox m_messageBox;
    OutlineBox* m_shape1 = nullptr;
    std::array<QLabel*, 3> m_label1{};
    QLabel* m_image1 = nullptr;
    QLabel* m_label2 = nullptr;
    QPushButton* m_command1 = nullptr;
};

} // namespace gp

#pragma once

#include "game/game_state.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace gp {

class RecordPanels;

// The new-record dialog: congratulates the player and takes the record holder's name. Build a
// fresh one for each new record (the name box starts empty) and run it with exec().
//
// Only OK takes the name. The close box and Escape close it without the handler, so HighName and
// both panels keep the old holder while HighScore already has the new score; the next exit saves
// that pair with a check value over it, so nothing breaks, the player has only declined a name.
class Form3 : public QDialog
{
    Q_OBJECT
public:
    Form3(GameState& state, RecordPanels& panels, QWidget* parent = nullptr);

    // The score panel's caption after a new record: a blank before a score of 0 or more.
    static QString scoreCaption(std::int16_t score);

private:
    void Command1_Click();

    GameState& m_state;
    RecordPanels& m_panels;
    QLabel* Label1;
    QLabel* Label2;
    QLineEdit* Text1;
    QPushButton* Command1;
};

} // namespace gp

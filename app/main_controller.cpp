#include "app/main_controller.h"

#include "game/drag_handlers.h"
#include "game/face_geometry.h"
#include "game/face_setup.h"
#include "game/game_loop.h"
#include "game/hint_tick.h"
#include "media/cue_player.h"
#include "media/help_menu.h"
#include "media/sdl_audio_output.h"
#include "media/win_help.h"
#include "records/check_value.h"
#include "records/form3.h"
#include "records/record_store.h"
#include "ui/form1.h"
#include "ui/image_control.h"
#include "ui/msg_box.h"
#include "ui/panel3d.h"
#include "ui/part_dragger.h"
#include "ui/picture_box.h"
#include "ui/twips.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

namespace gp {

namespace {

const QString kTitle = QStringLiteral("GAL PORTRAIT");

} // namespace

MainController::MainController(GameState& state, Form1& form, ControllerServices services,
                               QObject* parent)
    : QObject(parent), m_state(state), m_form(form), m_services(std::move(services))
{
    GameServices game;
    game.clock = m_services.clock ? m_services.clock : &m_steadyClock;
    game.playCue = [this](const QString& cue) { playCue(cue); };
    game.showTimeOut = [this] { msgBox(QStringLiteral("時間切れ ！"), 48); };
    game.openNewRecordDialog = [this] { openNewRecordDialog(); };
    game.modalWindowOpen = [] { return QApplication::activeModalWidget() != nullptr; };
    m_loop = std::make_unique<GameLoop>(m_state, m_form, std::move(game));
    m_drag = std::make_unique<DragHandlers>(m_state, m_form);
    m_dragger = std::make_unique<PartDragger>(m_form, *m_drag);
    m_store = m_services.recordFile.isEmpty()
                  ? std::make_unique<RecordStore>()
                  : std::make_unique<RecordStore>(m_services.recordFile);
    m_form.onQueryUnload = [this](bool& cancel) { Form_QueryUnload(cancel); };
    connectCommands();
}

MainController::~MainController() = default;

void MainController::connectCommands()
{
    // A checkable action flips its own check before it reports the click; the girl commands set
    // the checks themselves (and refuse during a game), so the flip is undone first.
    auto girlCommand = [this](QAction* action, void (MainController::*handler)()) {
        connect(action, &QAction::triggered, this, [this, action, handler](bool checked) {
            action->setChecked(!checked);
            (this->*handler)();
        });
    };
    girlCommand(m_form.GAL_A, &MainController::GAL_A_Click);
    girlCommand(m_form.GAL_B, &MainController::GAL_B_Click);
    connect(m_form.start, &QAction::triggered, this, &MainController::start_Click);
    connect(m_form.Pause, &QAction::triggered, this, &MainController::Pause_Click);
    connect(m_form.SilentMode_OnOFF, &QAction::triggered, this,
            &MainController::SilentMode_OnOFF_Click);
    connect(m_form.Command1, &QPushButton::clicked, this, &MainController::Command1_Click);
    connect(m_form.Timer1, &QTimer::timeout, this, &MainController::Timer1_Timer);
    connect(m_form.FIN, &QAction::triggered, this, &MainController::FIN_Click);

    connect(m_form.index, &QAction::triggered, this, [this] { index_Click(&m_form, m_state); });
    connect(m_form.Key_Search, &QAction::triggered, this,
            [this] { Key_Search_Click(&m_form, m_state); });
    connect(m_form.About_Help, &QAction::triggered, this,
            [this] { About_Help_Click(&m_form, m_state); });
    connect(m_form.info, &QAction::triggered, this, [this] { Info_Click(&m_form, m_state); });
}

void MainController::openNewRecordDialog()
{
    if (m_services.openNewRecordDialog) {
        m_services.openNewRecordDialog();
        return;
    }
    Form3 dialog(m_state, m_form, &m_form);
    dialog.exec();
}

void MainController::endProgram()
{
    m_ending = true;
    if (m_services.endProgram)
        m_services.endProgram();
    else
        QCoreApplication::exit(0);
}

void MainController::saveRecord()
{
    m_state.CheckFlag = ComputeCheckValue(m_state);
    if (!m_store->SaveRecord(m_state))
        msgBox(saveFailedMessage(m_store->filePath()), 48);
}

void MainController::endSession()
{
    if (m_ending)
        return;
    // A name typed into the new-record dialog counts as confirmed.
    if (auto* dialog = m_form.findChild<Form3*>()) {
        if (auto* ok = dialog->findChild<QPushButton*>())
            ok->click();
    }
    m_state.CheckFlag = ComputeCheckValue(m_state);
    // No message box: nobody is there to close it.
    if (!m_store->SaveRecord(m_state))
        qWarning("%s", qPrintable(saveFailedMessage(m_store->filePath())));
    endProgram();
}

void MainController::FIN_Click()
{
    if (msgBox(QStringLiteral("GAL PORTRAITを終了します。"), 65) != kMsgOk)
        return;
    saveRecord();
    endProgram();
}

void MainController::Form_QueryUnload(bool& cancel)
{
    if (m_ending)
        return; // ending at once: no further questions
    if (msgBox(QStringLiteral("GAL PORTRAITを終了します。"), 65) != kMsgOk) {
        cancel = true;
        return;
    }
    saveRecord();
    endProgram();
}

int MainController::msgBox(const QString& prompt, int style)
{
    if (m_services.msgBox)
        return m_services.msgBox(prompt, style);
    return MsgBox(&m_form, prompt, style, kTitle);
}

void MainController::playCue(const QString& cue)
{
    if (m_services.playCue) {
        m_services.playCue(cue);
        return;
    }
    if (!m_cues) {
        // The audio device is opened only when the first cue sounds.
        m_audio = std::make_unique<SdlAudioOutput>();
        m_cues = std::make_unique<CuePlayer>(
            QCoreApplication::applicationDirPath(),
            [this] { return m_form.SilentMode_OnOFF->text(); }, *m_audio);
    }
    m_cues->PlayCue(cue);
}

bool MainController::Form_Load()
{
    m_state.HelpFilePath =
        QCoreApplication::applicationDirPath() + QLatin1Char('/') + kHelpFileName;
    m_form.show();

    for (int k = 0; k < kGirlCount; ++k) {
        m_form.Picture1[k]->resize(kPlayAreaWidth, kPlayAreaHeight);
        m_form.Picture2[k]->resize(kFaceWidth, kFaceHeight);
        m_form.Image2[k]->resize(kFaceWidth, kFaceHeight);
    }
    const QRect area = m_form.Picture1[0]->geometry();
    m_form.Frame1->move(area.x() + area.width() + 10, m_form.Frame1->y());
    const QRect frame = m_form.Frame1->geometry();
    m_form.setOuterSizeTwips((frame.x() + frame.width() + 10) * kTwipsPerPixel,
                             (frame.y() + frame.height() + 65) * kTwipsPerPixel);

    Pause_Click();
    SetUpFace(m_state, m_form);

    const LoadedRecord loaded = m_store->LoadRecord(m_state);
    m_form.Panel3D3[1]->setCaption(m_state.HighName);
    m_form.Panel3D3[0]->setCaption(m_state.HighScore);
    if (!loaded.fileReadable)
        msgBox(unreadableRecordMessage(m_store->filePath()), 48);
    if (!recordAccepted(m_state, loaded)) {
        msgBox(QStringLiteral("YRM.INIファイルが不正です。"), 16);
        m_ending = true;
        return false;
    }
    return true;
}

void MainController::start_Click()
{
    m_loop->start_Click();
}

void MainController::selectGirl(int girl)
{
    if (m_state.GameRunning == 1)
        return;
    m_form.GAL_A->setChecked(girl == GirlA);
    m_form.GAL_B->setChecked(girl == GirlB);
    m_form.Picture1[0]->setVisible(girl == GirlA);
    SetUpFace(m_state, m_form);
    m_form.Image2[girl]->setVisible(true);
}

void MainController::GAL_A_Click()
{
    selectGirl(GirlA);
}

void MainController::GAL_B_Click()
{
    selectGirl(GirlB);
}

void MainController::Pause_Click()
{
    m_state.GameRunning = 0;
    m_form.Image2[0]->setVisible(true);
    m_form.Image2[1]->setVisible(true);
    m_form.Pause->setEnabled(false);
    m_form.start->setEnabled(true);
    m_form.Picture2[0]->setVisible(false);
    m_form.Picture2[1]->setVisible(false);
    m_loop->pass(); // a waiting game ends now, not at its next wake-up
}

void MainController::SilentMode_OnOFF_Click()
{
    QAction* sw = m_form.SilentMode_OnOFF;
    if (sw->text() == QLatin1String("OFF"))
        sw->setText(QStringLiteral("ON"));
    else if (sw->text() == QLatin1String("ON"))
        sw->setText(QStringLiteral("OFF"));
}

void MainController::Command1_Click()
{
    m_state.DoneFlag = 1;
    m_state.GameRunning = 0;
    m_loop->pass();
}

void MainController::Timer1_Timer()
{
    gp::Timer1_Timer(m_state, m_form, [this](const QString& cue) { playCue(cue); });
}

} // namespace gp

// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/window_services.h"

#include "media/cue_player.h"
#include "media/sdl_audio_output.h"
#include "ui/main_window.h"
#include "ui/message_box.h"
#include "ui/new_record_dialog.h"

#include <QApplication>

#include <chrono>

namespace gp {

WindowServices::WindowServices(MainWindow& window, std::function<bool()> soundOn)
    : m_window(window), m_soundOn(std::move(soundOn))
{
}

WindowServices::~WindowServices() = default;

double WindowServices::seconds() const
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void WindowServices::playCue(const QString& cue)
{
    if (!m_cues) {
        // The audio device is opened only when the first cue sounds.
        m_audio = std::make_unique<SdlAudioOutput>([] { QApplication::beep(); });
        m_cues = std::make_unique<CuePlayer>(QCoreApplication::applicationDirPath(), m_soundOn,
                                             *m_audio);
    }
    m_cues->play(cue);
}

bool WindowServices::showMessage(MessageKind kind, const QString& text)
{
    return gp::showMessage(&m_window, kind, text);
}

void WindowServices::askRecordHolder(Record& record)
{
    NewRecordDialog dialog(record, &m_window);
    dialog.exec();
}

bool WindowServices::modalWindowOpen() const
{
    return QApplication::activeModalWidget() != nullptr;
}

} // namespace gp

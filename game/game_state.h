#pragma once

// The module-level game state shared by the handlers. Zero (or empty) at program start except the
// record, which takes its defaults until it is loaded.

#include <QString>
#include <cstdint>

namespace gp {

struct GameState
{
    std::int16_t GameRunning = 0;
    std::int16_t DoneFlag = 0;
    std::int16_t DebugMode = 0;
    std::int16_t Dragging = 0;
    std::int16_t DragPart = 0;
    std::int16_t OverPart = 0;
    std::int16_t GrabX = 0;
    std::int16_t GrabY = 0;
    std::int16_t DragStartLeft = 0;
    std::int16_t DragStartTop = 0;
    std::int16_t DragZone = 0;
    std::int16_t DragX = 0;
    std::int16_t DragY = 0;
    std::int16_t HintAxis = 0;
    std::int32_t TotalDistance = 0;
    std::int32_t StartDistance = 0;
    std::int16_t Score = 0;
    std::int16_t HighScore = 600;
    QString HighName = QStringLiteral("Todo");
    std::int16_t CheckFlag = 0;
    QString HelpFilePath;
};

} // namespace gp

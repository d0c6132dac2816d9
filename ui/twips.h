#pragma once

// The window design is given in twips; the screen is laid out at 15 twips per logical pixel.

#include "game/rounding.h"

#include <QRect>

namespace gp {

constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(int twips)
{
    return roundHalfEven(double(twips) / kTwipsPerPixel);
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

} // namespace gp

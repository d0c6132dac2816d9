#pragma once

// The drawing of one girl in the 440 x 400 face picture's own pixels; the caller scales the
// painter for the 2x rendering. The blank face is everything but the six features, which are
// drawn separately so each can be kept inside its own cut rectangle.

#include <QtGlobal>

#include <memory>

class QPainter;

namespace art {

class GirlArt
{
public:
    virtual ~GirlArt() = default;

    // Background, hair, ears, neck, shoulders and the bare face.
    virtual void paintBlank(QPainter& p) const = 0;
    // One feature by part index (0 right eyebrow ... 5 mouth), on a transparent layer.
    virtual void paintFeature(QPainter& p, int part) const = 0;

    static std::unique_ptr<GirlArt> create(int girl);
};

} // namespace art

#pragma once

// Girl B: golden blonde twin-tails tied with pink ribbons, green almond eyes with a cat-like
// flick, a pink dress with a white collar; drawn on warm cream that suits her green play area.

#include "assets/art/girl_art.h"

namespace art {

class GirlBArt : public GirlArt
{
public:
    void paintBlank(QPainter& p) const override;
    void paintFeature(QPainter& p, int part) const override;

private:
    void paintBackground(QPainter& p) const;
    void paintBackHair(QPainter& p) const;
    void paintBody(QPainter& p) const;
    void paintFace(QPainter& p) const;
    void paintFrontHair(QPainter& p) const;
    void paintTies(QPainter& p) const;
    void paintEyebrow(QPainter& p) const;
    void paintEye(QPainter& p, qreal light) const;
    void paintNose(QPainter& p) const;
    void paintMouth(QPainter& p) const;
};

} // namespace art

#pragma once

// Girl A: long dark brown hair with a full fringe and a red bow, large round blue eyes, a navy
// sailor collar; drawn on a pale sky that sits well beside her cyan play area.

#include "assets/art/girl_art.h"

namespace art {

class GirlAArt : public GirlArt
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
    void paintBow(QPainter& p) const;
    void paintEyebrow(QPainter& p) const;
    void paintEye(QPainter& p, qreal light) const;
    void paintNose(QPainter& p) const;
    void paintMouth(QPainter& p) const;
};

} // namespace art

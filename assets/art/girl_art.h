// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The drawing of one girl in the 440 x 400 face picture's own pixels; the caller scales the
// painter for the 2x rendering. The blank face is everything but the six features, which are
// drawn separately so each can be kept inside its own cut rectangle.
//
// Both girls are put together the same way. What they share (ears, skin, fringe shadow, blush,
// fringe, eyebrows, eyes, nose, lips) is drawn here from each girl's GirlStyle; her own outlines,
// background, back hair, clothes, hair ornament and mouth she draws herself.

#include "assets/art/anime_eye.h"
#include "assets/art/paint_kit.h"

#include <QColor>
#include <QPainterPath>
#include <QPointF>

#include <array>
#include <memory>
#include <vector>

class QPainter;

namespace art {

// Skin and hair: the fill, its lit and shaded tones and the line around it.
struct Palette
{
    QColor skin, skinEdge, skinShade, skinLine;
    QColor hairLight, hair, hairDark, hairLine;
};

// The ear on the viewer's left, mirrored for the other one: its outline and the fold inside.
struct Ear
{
    QPointF start;
    Cubic upper, lower;
    QPointF foldStart;
    Cubic fold;
    qreal foldWidth;
};

// The bare face: its radial gradient, and the alpha of the two layers of the fringe's shadow on
// the forehead (the far, soft one and the near one).
struct Skin
{
    QPointF centre;
    qreal radius;
    int farShadow, nearShadow;
};

// A glow on each cheek, crossed by short slanting strokes at hatchX between hatchTop and
// hatchBottom.
struct Blush
{
    QPointF left, right;
    qreal rx, ry;
    QColor glow, hatch;
    std::array<qreal, 6> hatchX;
    qreal hatchTop, hatchBottom, hatchWidth;
};

// The fringe: a fall from light through mid at midStop to dark between top and bottom, a shine,
// dark strands between the locks and light ones along them.
struct Fringe
{
    qreal top, bottom, midStop;
    QColor shineColour;
    Shine shine;
    int lineAlpha;
    std::vector<Strand> lines;
    int glossAlpha;
    std::vector<Strand> glosses;
};

struct Eyebrow
{
    QPointF start;
    Cubic curve;
    QColor colour;
};

// Lit from the viewer's left: a soft shade down the right side of the bridge, a small line under
// the tip and a highlight.
struct Nose
{
    QPointF bridgeStart;
    Cubic bridge;
    qreal bridgeWidth;
    QPointF tipStart, tipControl, tipEnd;
    QPointF highlight;
};

// The open mouth, the tongue showing in it and the line of the upper lip.
struct Lips
{
    QColor mouth, tongue, line;
    QPointF tongueCentre;
    qreal tongueRx, tongueRy;
};

struct GirlStyle
{
    int girl; // where her features sit: gp::kTargets[girl]
    Palette colours;
    Ear ear;
    Skin skin;
    Blush blush;
    Fringe fringe;
    Eyebrow eyebrow;
    EyeShape eye;
    EyeColours eyeColours;
    Nose nose;
    Lips lips;
};

class GirlArt
{
public:
    virtual ~GirlArt() = default;

    // Background, hair, ears, neck, shoulders and the bare face.
    void paintBlank(QPainter& p) const;
    // One feature by part index (0 right eyebrow ... 5 mouth), on a transparent layer.
    void paintFeature(QPainter& p, int part) const;

    static std::unique_ptr<GirlArt> create(int girl);

protected:
    explicit GirlArt(const GirlStyle& style) : style_(style) {}

    // Her outlines; the fringe's also gives its shadow on the forehead.
    virtual QPainterPath facePath() const = 0;
    virtual QPainterPath frontHairPath() const = 0;

    // Her own layers, bottom to top; the face and fringe go between body and ornament.
    virtual void paintBackground(QPainter& p) const = 0;
    virtual void paintBackHair(QPainter& p) const = 0;
    virtual void paintBody(QPainter& p) const = 0;
    virtual void paintOrnament(QPainter& p) const = 0;
    // Around the mouth's target; paintLips draws the part both mouths have.
    virtual void paintMouth(QPainter& p) const = 0;

    void paintNeck(QPainter& p, const QPainterPath& neck, qreal top, qreal bottom) const;
    void paintLips(QPainter& p, const QPainterPath& mouth, const QPainterPath& upper) const;

private:
    void paintFace(QPainter& p) const;
    void paintFrontHair(QPainter& p) const;
    void paintEyebrow(QPainter& p) const;
    void paintNose(QPainter& p) const;

    const GirlStyle& style_;
};

} // namespace art

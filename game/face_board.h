// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The narrow view of the main window's controls that the face rules need. The window implements
// it; tests implement it with plain data.

#include <QColor>

namespace gp {

struct PartRect
{
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

class FaceBoard
{
public:
    virtual ~FaceBoard() = default;

    // Whether the girl (0 or 1) is the one chosen in the girl menu.
    virtual bool isGirlChosen(int girl) const = 0;

    virtual PartRect partRect(int girl, int part) const = 0;
    virtual void setPartLeft(int girl, int part, float left) = 0;
    virtual void setPartTop(int girl, int part, float top) = 0;
    // Transparent drag icon for blind play; otherwise the outline of the part is shown.
    virtual void setPartDragIconTransparent(int girl, int part, bool transparent) = 0;

    virtual void setCoverLeft(int girl, int left) = 0;
    virtual void setCoverTop(int girl, int top) = 0;

    // Fill colour of the time gauge.
    virtual void setGaugeColor(const QColor& color) = 0;
};

} // namespace gp

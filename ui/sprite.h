// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A picture shown at its own size: a face part, a complete face, the drag icon, drawn for the
// device pixel ratio of the screen it is on when it is painted. Its place is kept in single
// precision as the game computes it; the screen shows the nearest whole pixel.

#include "ui/art.h"

#include <QPixmap>
#include <QWidget>

namespace gp {

class Sprite : public QWidget
{
    Q_OBJECT

public:
    explicit Sprite(QWidget* parent = nullptr);

    // A generated picture of the given size, decoded when it is first drawn or asked for. An
    // opaque picture hides what lies beneath it, which then need not be drawn.
    void setPicture(const QString& name, QSize size, bool opaque = true);
    const QPixmap& picture() const { return m_picture.get(devicePixelRatioF()); }

    void moveTo(float left, float top);

    // The picture shown in place of the pointer while this control is dragged, by name and logical
    // size as setPicture takes them; none means the outline of the control follows the pointer.
    void setDragIcon(const QString& name, QSize size) { m_dragIcon = LazyPicture(name, size); }
    void clearDragIcon() { m_dragIcon = LazyPicture(); }
    // Drawn for the ratio of the screen the control is on now; null without a drag icon.
    QPixmap dragIcon() const { return m_dragIcon.get(devicePixelRatioF()); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    LazyPicture m_picture;
    LazyPicture m_dragIcon;
};

} // namespace gp

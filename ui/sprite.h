// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A picture shown at its own size: a face part, a complete face, the drag icon. The game places it
// in single precision; it is shown at the nearest whole pixel.

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
    const QPixmap& picture() const { return m_picture.get(); }

    void moveTo(float left, float top);

    // The picture shown in place of the pointer while this control is dragged; empty means the
    // outline of the control follows the pointer.
    void setDragIcon(const QPixmap& icon) { m_dragIcon = icon; }
    const QPixmap& dragIcon() const { return m_dragIcon; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    LazyPicture m_picture;
    QPixmap m_dragIcon;
};

} // namespace gp

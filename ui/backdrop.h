// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A plain background with an optional picture at its top left corner: a play area with the
// girl's blank face, or the cover laid over it.

#include "ui/art.h"

#include <QPixmap>
#include <QWidget>

namespace gp {

class Backdrop : public QWidget
{
    Q_OBJECT

public:
    explicit Backdrop(const QColor& background, QWidget* parent = nullptr);

    // A generated picture, drawn for the screen's ratio when it is first painted there.
    void setPicture(const QString& name, QSize size);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_background;
    LazyPicture m_picture;
    QRect m_pictureRect;
};

} // namespace gp

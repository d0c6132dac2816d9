// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The game's pictures, drawn for the device pixel ratio of the screen they are shown on: at ratio
// 1 as packed by the build, at any other ratio drawn from the SVG files once and kept, never
// scaled from another density.

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace gp {

// name is the picture's base name ("a_blank", "b_part4", "a_complete", "icon",
// "invisible_cursor"); size its size in logical pixels, which the faces and parts have fixed and
// the icon and the fully transparent cursor take from the caller.
QPixmap artPixmap(const QString& name, QSize size, qreal ratio);

// The program icon, drawn from its SVG file at each size and ratio asked for.
QIcon programIcon();

// A picture drawn only when first needed, and again when asked for at another ratio: most
// pictures of the hidden girl, and the blank face under the complete one, are never drawn before
// the first game.
class LazyPicture
{
public:
    LazyPicture() = default;
    LazyPicture(QString name, QSize size) : m_name(std::move(name)), m_size(size) {}

    const QPixmap& get(qreal ratio) const
    {
        if (!m_name.isEmpty() && (m_pixmap.isNull() || m_ratio != ratio)) {
            m_pixmap = artPixmap(m_name, m_size, ratio);
            m_ratio = ratio;
        }
        return m_pixmap;
    }
    bool isSet() const { return !m_name.isEmpty(); }
    const QString& name() const { return m_name; }

private:
    QString m_name;
    QSize m_size;
    mutable QPixmap m_pixmap;
    mutable qreal m_ratio = 0;
};

} // namespace gp

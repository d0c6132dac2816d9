// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The generated pictures, chosen for the screen's pixel density: a 2x rendering where the screen
// has more than one device pixel per logical pixel, so nothing is blurred.

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace gp {

// name is the picture's base name, e.g. "a_blank" or "b_part4".
QPixmap artPixmap(const QString& name);

// The program icon in every size that was generated.
QIcon programIcon();

// A picture decoded only when first needed: most pictures of the hidden girl, and the blank face
// under the complete one, are never drawn before the first game.
class LazyPicture
{
public:
    LazyPicture() = default;
    explicit LazyPicture(QString name) : m_name(std::move(name)) {}

    const QPixmap& get() const
    {
        if (!m_loaded && !m_name.isEmpty()) {
            m_pixmap = artPixmap(m_name);
            m_loaded = true;
        }
        return m_pixmap;
    }
    bool isSet() const { return !m_name.isEmpty(); }

private:
    QString m_name;
    mutable QPixmap m_pixmap;
    mutable bool m_loaded = false;
};

} // namespace gp

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

} // namespace gp

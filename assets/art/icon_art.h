#pragma once

// The program icon: girl A's head, simplified so that it still reads at 16 pixels.

#include <QImage>

namespace art {

QImage paintIcon(int size);

} // namespace art

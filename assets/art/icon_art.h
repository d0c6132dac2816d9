// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program icon: girl A's head, simplified so that it still reads at 16 pixels.

#include <QImage>

namespace art {

QImage paintIcon(int size);

} // namespace art

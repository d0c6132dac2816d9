// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The six face parts by index (see face_geometry.h): what each is called, shown and spoken as.

#include <QString>

namespace gp {

// "右眉" and so on, translated.
QString partName(int part);
// The hint while the pointer is over the part: "右眉の上" and so on, translated.
QString partHintText(int part);
// The part's role in lower camel case, "rightEyebrow" and so on: it names the part's control.
QLatin1String partRole(int part);

} // namespace gp

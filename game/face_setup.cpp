// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/face_setup.h"

namespace gp {

void setUpFace(FaceLayout& face)
{
    for (int girl = 0; girl < kGirlCount; ++girl) {
        for (int part = 0; part < kPartCount; ++part) {
            face.parts[girl][part].left = float(kStartColumnLeft[girl]);
            face.parts[girl][part].top = float(kStartColumnTop[part]);
        }
    }
}

} // namespace gp

// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Girl A: long dark brown hair with a full fringe and a red bow, large round blue eyes, a navy
// sailor collar; drawn on a pale sky that sits well beside her cyan play area.

#include "assets/art/girl_art.h"

namespace art {

std::unique_ptr<GirlArt> makeGirlAArt();

} // namespace art

// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Girl B: golden blonde twin-tails tied with pink ribbons, green almond eyes with a cat-like
// flick, a pink dress with a white collar; drawn on warm cream that suits her green play area.

#include "assets/art/girl_art.h"

namespace art {

std::unique_ptr<GirlArt> makeGirlBArt();

} // namespace art

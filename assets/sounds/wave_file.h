// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "synth.h"

#include <string>

// Writes a 16-bit stereo PCM wave file with the canonical 44-byte header. The channels must be
// of equal length. Returns false when the file cannot be written.
bool writeWaveFile(const std::string& path, const Track& left, const Track& right);

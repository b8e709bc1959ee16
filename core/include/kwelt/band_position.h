// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace kwelt {

// Zero-based position of the selected entry of a band list, as the list itself counts it.
using BandPosition = std::int16_t;

// A list with no selected entry, as every list is before it is first set.
inline constexpr BandPosition NoSelection = -1;

inline constexpr int BandCount = 4;

} // namespace kwelt

// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "twips.h"

// The About window's layout, in twips, as it was designed.
namespace kwelt::about_window_layout {

inline constexpr int ClientWidth = 5685;
inline constexpr int ClientHeight = 3195;

// Controls, in tab order.
inline constexpr TwipsRect Label1{1200, 120, 3135, 975};
inline constexpr TwipsRect Text1{240, 1320, 5295, 1695};
inline constexpr TwipsRect Command1{4440, 360, 1095, 495};
inline constexpr TwipsRect Image1{240, 240, 480, 480};

} // namespace kwelt::about_window_layout

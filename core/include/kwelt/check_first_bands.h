// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <kwelt/band_position.h>

#include <string>
#include <string_view>

namespace kwelt {

enum class CheckFinding { None, BlackFirstBand, NonStandardPair };

struct CheckResult
{
    CheckFinding finding = CheckFinding::None;
    std::u16string message; // empty for CheckFinding::None
};

// "On a resistor, colour 1 is never black."
inline constexpr std::u16string_view BlackFirstBandMessage = u"บน Resistor ไม่มีสีที่ 1 เป็นสีดำ ครับ";

// Tells whether bands 1 and 2 can be the significant digits of a resistor value: band 1 must
// not be black, and the two digits must form a value of the E24 series. Positions no list can
// hold, such as "no selection", match nothing and pass.
CheckResult checkFirstBands(BandPosition p1, BandPosition p2);

} // namespace kwelt

// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

namespace kwelt::detail {

// A number as whole units of 10 to the power -decimals: {1, 1} is 0.1, {1000, 0} is 1000.
// The multiplier band's fractions are exact this way, with no floating point to round.
struct DecimalNumber
{
    std::int32_t units;
    int decimals;
};

// Numbers in the read-out are shown by one rule: a blank in front of a number of zero or more,
// a minus sign in front of a negative one, no digit grouping, no zero before the decimal point
// and always "." as the decimal point, whatever the locale. The text is appended to `out`.
void appendSignedNumberText(std::u16string& out, DecimalNumber value);

} // namespace kwelt::detail

// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "number_text.h"

#include <array>
#include <charconv>
#include <cstdlib>

namespace kwelt::detail {

void appendSignedNumberText(std::u16string& out, DecimalNumber value)
{
    out.push_back(value.units < 0 ? u'-' : u' ');

    // The digits of the magnitude, widened so that the lowest 32-bit value has one too.
    std::array<char, 16> digits{};
    const std::int64_t magnitude = std::llabs(std::int64_t{value.units});
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), magnitude);
    const int count = static_cast<int>(result.ptr - digits.data()); // 16 characters hold every 32-bit value

    if (value.decimals <= 0) {
        out.append(digits.data(), result.ptr);
        return;
    }
    // Below one there is no zero before the point: 0.1 is ".1".
    const int whole = count - value.decimals;
    out.append(digits.data(), digits.data() + (whole > 0 ? whole : 0));
    out.push_back(u'.');
    out.append(static_cast<std::size_t>(whole < 0 ? -whole : 0), u'0');
    out.append(digits.data() + (whole > 0 ? whole : 0), result.ptr);
}

} // namespace kwelt::detail

// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <kwelt/band_lists.h>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace kwelt {

// A pair of first bands whose two-digit value is not in the E24 series, with the colour names
// its message uses.
struct NonStandardPair
{
    BandPosition band1;
    BandPosition band2;
    std::u16string_view band1Name;
    std::u16string_view band2Name;

    constexpr int value() const { return band1 * 10 + band2; }
};

namespace detail {
// The brown rows name their first colour with the word for colour in front.
inline constexpr std::u16string_view ColourBrown = u"สีน้ำตาล";
} // namespace detail

// Every non-standard pair, in ascending order of value. Black first bands have no row: that
// case has a message of its own.
inline constexpr std::array<NonStandardPair, 66> NonStandardPairs{{
    // clang-format off
    {1, 4, detail::ColourBrown, colour::Yellow}, // 14
    {1, 7, detail::ColourBrown, colour::Violet}, // 17
    {1, 9, detail::ColourBrown, colour::White},  // 19

    {2, 1, colour::Red, colour::Brown},  // 21
    {2, 3, colour::Red, colour::Orange}, // 23
    {2, 5, colour::Red, colour::Green},  // 25
    {2, 6, colour::Red, colour::Blue},   // 26
    {2, 8, colour::Red, colour::Grey},   // 28
    {2, 9, colour::Red, colour::White},  // 29

    {3, 1, colour::Orange, colour::Brown},  // 31
    {3, 2, colour::Orange, colour::Red},    // 32
    {3, 4, colour::Orange, colour::Yellow}, // 34
    {3, 5, colour::Orange, colour::Green},  // 35
    {3, 7, colour::Orange, colour::Violet}, // 37
    {3, 8, colour::Orange, colour::Grey},   // 38

    {4, 0, colour::Yellow, colour::Black},  // 40
    {4, 1, colour::Yellow, colour::Brown},  // 41
    {4, 2, colour::Yellow, colour::Red},    // 42
    {4, 4, colour::Yellow, colour::Yellow}, // 44
    {4, 5, colour::Yellow, colour::Green},  // 45
    {4, 6, colour::Yellow, colour::Blue},   // 46
    {4, 8, colour::Yellow, colour::Grey},   // 48
    {4, 9, colour::Yellow, colour::White},  // 49

    {5, 0, colour::Green, colour::Black},  // 50
    {5, 2, colour::Green, colour::Red},    // 52
    {5, 3, colour::Green, colour::Orange}, // 53
    {5, 4, colour::Green, colour::Yellow}, // 54
    {5, 5, colour::Green, colour::Green},  // 55
    {5, 7, colour::Green, colour::Violet}, // 57
    {5, 8, colour::Green, colour::Grey},   // 58
    {5, 9, colour::Green, colour::White},  // 59

    {6, 0, colour::Blue, colour::Black},  // 60
    {6, 1, colour::Blue, colour::Brown},  // 61
    {6, 3, colour::Blue, colour::Orange}, // 63
    {6, 4, colour::Blue, colour::Yellow}, // 64
    {6, 5, colour::Blue, colour::Green},  // 65
    {6, 6, colour::Blue, colour::Blue},   // 66
    {6, 7, colour::Blue, colour::Violet}, // 67
    {6, 9, colour::Blue, colour::White},  // 69

    {7, 0, colour::Violet, colour::Black},  // 70
    {7, 1, colour::Violet, colour::Brown},  // 71
    {7, 2, colour::Violet, colour::Red},    // 72
    {7, 3, colour::Violet, colour::Orange}, // 73
    {7, 4, colour::Violet, colour::Yellow}, // 74
    {7, 6, colour::Violet, colour::Blue},   // 76
    {7, 7, colour::Violet, colour::Violet}, // 77
    {7, 8, colour::Violet, colour::Grey},   // 78
    {7, 9, colour::Violet, colour::White},  // 79

    {8, 0, colour::Grey, colour::Black},  // 80
    {8, 1, colour::Grey, colour::Brown},  // 81
    {8, 3, colour::Grey, colour::Orange}, // 83
    {8, 4, colour::Grey, colour::Yellow}, // 84
    {8, 5, colour::Grey, colour::Green},  // 85
    {8, 6, colour::Grey, colour::Blue},   // 86
    {8, 7, colour::Grey, colour::Violet}, // 87
    {8, 8, colour::Grey, colour::Grey},   // 88
    {8, 9, colour::Grey, colour::White},  // 89

    {9, 0, colour::White, colour::Black},  // 90
    {9, 2, colour::White, colour::Red},    // 92
    {9, 3, colour::White, colour::Orange}, // 93
    {9, 4, colour::White, colour::Yellow}, // 94
    {9, 5, colour::White, colour::Green},  // 95
    {9, 6, colour::White, colour::Blue},   // 96
    {9, 7, colour::White, colour::Violet}, // 97
    {9, 8, colour::White, colour::Grey},   // 98
    {9, 9, colour::White, colour::White},  // 99
    // clang-format on
}};

// The check looks a pair up by its value, in a table made from these rows, so each value may
// have one row only; keeping them in ascending order makes that easy to see.
static_assert(std::is_sorted(NonStandardPairs.begin(), NonStandardPairs.end(),
                  [](const NonStandardPair& a, const NonStandardPair& b) { return a.value() <= b.value(); }),
    "non-standard pairs must be distinct and in ascending order of value");
static_assert(std::all_of(NonStandardPairs.begin(), NonStandardPairs.end(),
                  [](const NonStandardPair& row) {
                      return row.band1 >= 1 && row.band1 <= 9 && row.band2 >= 0 && row.band2 <= 9;
                  }),
    "a non-standard pair has a first band of brown to white and a second band of black to white");

// "On a resistor, colour 1 is never <band 1> followed by colour 2 <band 2>."
std::u16string nonStandardPairMessage(const NonStandardPair& row);

} // namespace kwelt

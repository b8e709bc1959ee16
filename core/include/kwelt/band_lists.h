// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <kwelt/band_position.h>

#include <array>
#include <span>
#include <string_view>

namespace kwelt {

// The colour names the band lists offer. The decoder never looks at them: the meaning of an
// entry is its position in its list, so the order below is part of the program's behaviour.
namespace colour {
inline constexpr std::u16string_view Black = u"ดำ";
inline constexpr std::u16string_view Brown = u"น้ำตาล";
inline constexpr std::u16string_view Red = u"แดง";
inline constexpr std::u16string_view Orange = u"ส้ม";
inline constexpr std::u16string_view Yellow = u"เหลือง";
inline constexpr std::u16string_view Green = u"เขียว";
inline constexpr std::u16string_view Blue = u"น้ำเงิน";
inline constexpr std::u16string_view Violet = u"ม่วง";
inline constexpr std::u16string_view Grey = u"เทา";
inline constexpr std::u16string_view White = u"ขาว";
inline constexpr std::u16string_view Gold = u"ทอง";
inline constexpr std::u16string_view Silver = u"เงิน";
inline constexpr std::u16string_view NoColour = u"ไม่มีสี"; // the band is absent
} // namespace colour

struct BandList
{
    std::span<const std::u16string_view> entries;
    BandPosition initialPosition;

    constexpr BandPosition count() const { return static_cast<BandPosition>(entries.size()); }
    // True for the positions the list can hold, "no selection" included.
    constexpr bool holds(BandPosition p) const { return p >= NoSelection && p < count(); }
};

namespace detail {
// Bands 1 and 2: the entry at position n stands for the digit n.
inline constexpr std::array<std::u16string_view, 10> DigitEntries{colour::Black, colour::Brown, colour::Red,
    colour::Orange, colour::Yellow, colour::Green, colour::Blue, colour::Violet, colour::Grey, colour::White};

// Band 3: violet, grey and white are not offered, so gold follows blue.
inline constexpr std::array<std::u16string_view, 9> MultiplierEntries{colour::Black, colour::Brown, colour::Red,
    colour::Orange, colour::Yellow, colour::Green, colour::Blue, colour::Gold, colour::Silver};

// Band 4: the tolerance.
inline constexpr std::array<std::u16string_view, 3> ToleranceEntries{colour::Gold, colour::Silver, colour::NoColour};
} // namespace detail

// Entries and starting positions of the lists color1..color4: brown, black, black, gold.
inline constexpr std::array<BandList, BandCount> BandLists{{
    {detail::DigitEntries, 1},
    {detail::DigitEntries, 0},
    {detail::MultiplierEntries, 0},
    {detail::ToleranceEntries, 0},
}};

// The position of the entry `name` in `entries`; NoSelection where the list does not offer it.
constexpr BandPosition positionOf(std::span<const std::u16string_view> entries, std::u16string_view name)
{
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i] == name) {
            return static_cast<BandPosition>(i);
        }
    }
    return NoSelection;
}

// The positions the decoder and the check give a meaning of their own, found in the lists above,
// so that a change of a list's order changes them with it.
namespace position {
inline constexpr BandPosition FirstBlack = positionOf(detail::DigitEntries, colour::Black);
inline constexpr BandPosition FirstWhite = positionOf(detail::DigitEntries, colour::White);
inline constexpr BandPosition MultiplierGold = positionOf(detail::MultiplierEntries, colour::Gold);
inline constexpr BandPosition MultiplierSilver = positionOf(detail::MultiplierEntries, colour::Silver);
inline constexpr BandPosition ToleranceGold = positionOf(detail::ToleranceEntries, colour::Gold);
inline constexpr BandPosition ToleranceSilver = positionOf(detail::ToleranceEntries, colour::Silver);
} // namespace position

namespace detail {
// The entries before gold in band 3 are the digit colours in digit order: the position is the
// power of ten.
constexpr bool multiplierPositionIsPower()
{
    for (BandPosition p = 0; p < position::MultiplierGold; ++p) {
        if (MultiplierEntries[static_cast<std::size_t>(p)] != DigitEntries[static_cast<std::size_t>(p)]) {
            return false;
        }
    }
    return true;
}
} // namespace detail

static_assert(position::FirstBlack == 0 && position::FirstWhite == 9, "bands 1 and 2: the position is the digit");
static_assert(position::MultiplierGold > 0 && position::MultiplierSilver > position::MultiplierGold
        && detail::multiplierPositionIsPower(),
    "band 3: the powers of ten, then gold and silver");
static_assert(position::ToleranceGold != NoSelection && position::ToleranceSilver != NoSelection,
    "band 4 offers gold and silver");

} // namespace kwelt

// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <kwelt/band_lists.h>
#include <kwelt/check_first_bands.h>
#include <kwelt/non_standard_pairs.h>

#include <array>
#include <cstdint>

namespace kwelt {
namespace {

// The table's row for each two-digit value, or -1, worked out from the table at compile time.
// The rows are distinct, so this finds the same row as trying them in ascending order, at the
// cost of one look-up.
constexpr std::array<std::int8_t, 100> RowOfValue = [] {
    std::array<std::int8_t, 100> rows{};
    rows.fill(-1);
    for (std::size_t i = 0; i < NonStandardPairs.size(); ++i) {
        rows[static_cast<std::size_t>(NonStandardPairs[i].value())] = static_cast<std::int8_t>(i);
    }
    return rows;
}();

} // namespace

CheckResult checkFirstBands(BandPosition p1, BandPosition p2)
{
    if (p1 == position::FirstBlack) {
        return {CheckFinding::BlackFirstBand, std::u16string(BlackFirstBandMessage)};
    }
    // Only digits can form a row: brown to white, then black to white.
    if (p1 < position::FirstBlack || p1 > position::FirstWhite || p2 < position::FirstBlack
        || p2 > position::FirstWhite) {
        return {};
    }
    const int row = RowOfValue[static_cast<std::size_t>(p1 * 10 + p2)];
    if (row < 0) {
        return {};
    }
    return {CheckFinding::NonStandardPair, nonStandardPairMessage(NonStandardPairs[static_cast<std::size_t>(row)])};
}

} // namespace kwelt

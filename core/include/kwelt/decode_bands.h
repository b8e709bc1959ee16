// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <kwelt/band_position.h>
#include <kwelt/check_first_bands.h>

#include <string>

namespace kwelt {

// The four read-out texts for the labels data1..data4, with at most one finding about the
// first two bands and its message.
struct BandReadout
{
    std::u16string digit1Text;
    std::u16string digit2Text;
    std::u16string multiplierText;
    std::u16string toleranceText;
    CheckFinding finding = CheckFinding::None;
    std::u16string message; // empty for CheckFinding::None
};

// Turns the selected positions of the four band lists into the read-out. Every position a list
// can hold (-1 up to its last entry) decodes; any other position is the caller's error and
// throws std::out_of_range naming the band and the position.
BandReadout decodeBands(BandPosition p1, BandPosition p2, BandPosition p3, BandPosition p4);

} // namespace kwelt

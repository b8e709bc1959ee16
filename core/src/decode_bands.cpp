// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "number_text.h"

#include <kwelt/band_lists.h>
#include <kwelt/decode_bands.h>

#include <stdexcept>
#include <string>

namespace kwelt {
namespace {

void requireListPosition(int band, BandPosition p)
{
    const BandList& list = BandLists[static_cast<std::size_t>(band - 1)];
    if (!list.holds(p)) {
        throw std::out_of_range("band " + std::to_string(band) + ": position " + std::to_string(p)
            + " is outside its list (-1 to " + std::to_string(list.count() - 1) + ")");
    }
}

std::u16string digitText(BandPosition p)
{
    std::u16string text;
    detail::appendSignedNumberText(text, {p, 0});
    return text;
}

std::u16string multiplierText(BandPosition p3)
{
    detail::DecimalNumber multiplier{1, 0};
    if (p3 == position::MultiplierGold) {
        multiplier = {1, 1};
    } else if (p3 == position::MultiplierSilver) {
        multiplier = {1, 2};
    } else {
        // Ten to the power of the position; no selection leaves it at 1.
        for (int i = 0; i < p3; ++i) {
            multiplier.units *= 10;
        }
    }
    std::u16string text = u"x ";
    detail::appendSignedNumberText(text, multiplier);
    return text;
}

std::u16string toleranceText(BandPosition p4)
{
    if (p4 == position::ToleranceGold) {
        return u"ความผิดพลาด 5%";
    }
    if (p4 == position::ToleranceSilver) {
        return u"ความผิดพลาด 10%";
    }
    return u"ความผิดพลาด 20%"; // no colour, or no selection
}

} // namespace

BandReadout decodeBands(BandPosition p1, BandPosition p2, BandPosition p3, BandPosition p4)
{
    requireListPosition(1, p1);
    requireListPosition(2, p2);
    requireListPosition(3, p3);
    requireListPosition(4, p4);

    CheckResult check = checkFirstBands(p1, p2);
    BandReadout readout;
    readout.digit1Text = check.finding == CheckFinding::BlackFirstBand ? u"?" : digitText(p1);
    readout.digit2Text = check.finding == CheckFinding::NonStandardPair ? u"?" : digitText(p2);
    readout.multiplierText = multiplierText(p3);
    readout.toleranceText = toleranceText(p4);
    readout.finding = check.finding;
    readout.message = std::move(check.message);
    return readout;
}

} // namespace kwelt

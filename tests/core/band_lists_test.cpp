// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "oracle.h"

#include <kwelt/core.h>

#include <gtest/gtest.h>

#include <vector>

namespace kwelt {
namespace {

using namespace kwelt::test;

std::vector<std::u16string> entriesOf(const BandList& list)
{
    return {list.entries.begin(), list.entries.end()};
}

TEST(BandLists, DigitBandsOfferTheTenDigitColoursInDigitOrder)
{
    const std::vector<std::u16string> expected{Black, Brown, Red, Orange, Yellow, Green, Blue, Violet, Grey, White};
    EXPECT_EQ(entriesOf(BandLists[0]), expected);
    EXPECT_EQ(entriesOf(BandLists[1]), expected);
}

TEST(BandLists, MultiplierBandPutsGoldAndSilverAfterBlue)
{
    const std::vector<std::u16string> expected{Black, Brown, Red, Orange, Yellow, Green, Blue, Gold, Silver};
    EXPECT_EQ(entriesOf(BandLists[2]), expected);
}

TEST(BandLists, ToleranceBandOffersGoldSilverAndNoColour)
{
    const std::vector<std::u16string> expected{Gold, Silver, NoColour};
    EXPECT_EQ(entriesOf(BandLists[3]), expected);
}

TEST(BandLists, CountsAndStartingPositionsAreBrownBlackBlackGold)
{
    EXPECT_EQ(BandLists[0].count(), 10);
    EXPECT_EQ(BandLists[1].count(), 10);
    EXPECT_EQ(BandLists[2].count(), 9);
    EXPECT_EQ(BandLists[3].count(), 3);

    EXPECT_EQ(BandLists[0].entries[BandLists[0].initialPosition], Brown);
    EXPECT_EQ(BandLists[1].entries[BandLists[1].initialPosition], Black);
    EXPECT_EQ(BandLists[2].entries[BandLists[2].initialPosition], Black);
    EXPECT_EQ(BandLists[3].entries[BandLists[3].initialPosition], Gold);
}

TEST(BandLists, EveryEntryIsThaiOnly)
{
    // No list shows a number, a value or an English word.
    for (const BandList& list : BandLists) {
        for (std::u16string_view entry : list.entries) {
            ASSERT_FALSE(entry.empty());
            for (char16_t unit : entry) {
                EXPECT_TRUE(unit >= 0x0E01 && unit <= 0x0E5B) << "non-Thai code unit " << int(unit);
            }
        }
    }
}

TEST(BandLists, ListHoldsItsPositionsAndNoSelection)
{
    EXPECT_TRUE(BandLists[2].holds(-1));
    EXPECT_TRUE(BandLists[2].holds(8));
    EXPECT_FALSE(BandLists[2].holds(9));
    EXPECT_FALSE(BandLists[2].holds(-2));
    EXPECT_TRUE(BandLists[3].holds(2));
    EXPECT_FALSE(BandLists[3].holds(3));
}

} // namespace
} // namespace kwelt

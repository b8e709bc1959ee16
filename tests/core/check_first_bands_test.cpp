// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "oracle.h"

#include <kwelt/core.h>

#include <gtest/gtest.h>

#include <limits>

namespace kwelt {
namespace {

using namespace kwelt::test;

TEST(CheckFirstBands, AgreesWithTheE24SeriesForEveryPairOfListPositions)
{
    int nonStandard = 0;
    for (int p1 = -1; p1 <= 9; ++p1) {
        for (int p2 = -1; p2 <= 9; ++p2) {
            SCOPED_TRACE(testing::Message() << "bands " << p1 << ", " << p2);
            const CheckResult expected = expectedCheck(p1, p2);
            const CheckResult actual = checkFirstBands(BandPosition(p1), BandPosition(p2));
            EXPECT_EQ(actual.finding, expected.finding);
            EXPECT_EQ(actual.message, expected.message);
            nonStandard += actual.finding == CheckFinding::NonStandardPair;
        }
    }
    EXPECT_EQ(nonStandard, 66);
}

struct CheckCase
{
    const char* name;
    BandPosition p1;
    BandPosition p2;
    CheckFinding finding;
    std::u16string message;
};

TEST(CheckFirstBands, EdgeCases)
{
    const CheckCase cases[] = {
        {"black first band, black second", 0, 0, CheckFinding::BlackFirstBand, BlackBandMessage},
        {"black first band, brown second", 0, 1, CheckFinding::BlackFirstBand, BlackBandMessage},
        {"black first band, white second", 0, 9, CheckFinding::BlackFirstBand, BlackBandMessage},
        {"black first band, no second", 0, -1, CheckFinding::BlackFirstBand, BlackBandMessage},
        {"10, the starting selection", 1, 0, CheckFinding::None, u""},
        {"47", 4, 7, CheckFinding::None, u""},
        {"75", 7, 5, CheckFinding::None, u""},
        {"82", 8, 2, CheckFinding::None, u""},
        {"91", 9, 1, CheckFinding::None, u""},
        {"15", 1, 5, CheckFinding::None, u""},
        {"39", 3, 9, CheckFinding::None, u""},
        {"no first band", -1, 4, CheckFinding::None, u""},
        {"no second band", 4, -1, CheckFinding::None, u""},
        {"99 names white twice", 9, 9, CheckFinding::NonStandardPair, pairMessage(White, White)},
        {"40 names black as second colour", 4, 0, CheckFinding::NonStandardPair, pairMessage(Yellow, Black)},
        {"21, red then brown", 2, 1, CheckFinding::NonStandardPair, pairMessage(Red, Brown)},
        {"14 says colour-brown", 1, 4, CheckFinding::NonStandardPair, pairMessage(ColourWord + Brown, Yellow)},
        {"17 says colour-brown", 1, 7, CheckFinding::NonStandardPair, pairMessage(ColourWord + Brown, Violet)},
        {"19 says colour-brown", 1, 9, CheckFinding::NonStandardPair, pairMessage(ColourWord + Brown, White)},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CheckResult result = checkFirstBands(c.p1, c.p2);
        EXPECT_EQ(result.finding, c.finding);
        EXPECT_EQ(result.message, c.message);
    }
}

TEST(CheckFirstBands, MessagesHaveExactlyTheseCodeUnits)
{
    // Written out in full once, so that a fault in the shared pieces above cannot hide.
    const std::u16string red21 = codePoints({0x0E1A, 0x0E19, 0x20, 'R', 'e', 's', 'i', 's', 't', 'o', 'r', 0x20, 0x0E44,
        0x0E21, 0x0E48, 0x0E21, 0x0E35, 0x0E2A, 0x0E35, 0x0E17, 0x0E35, 0x0E48, 0x20, '1', 0x20, 0x0E40, 0x0E1B, 0x0E47,
        0x0E19, 0x20, '[', 0x20, 0x0E41, 0x0E14, 0x0E07, 0x20, ']', 0x20, 0x0E41, 0x0E25, 0x0E49, 0x0E27, 0x0E2A,
        0x0E35, 0x0E17, 0x0E35, 0x0E48, 0x20, '2', 0x20, 0x0E40, 0x0E1B, 0x0E47, 0x0E19, 0x20, '[', 0x20, 0x0E19,
        0x0E49, 0x0E33, 0x0E15, 0x0E32, 0x0E25, 0x20, ']', 0x20, 0x0E04, 0x0E23, 0x0E31, 0x0E1A});
    EXPECT_EQ(checkFirstBands(2, 1).message, red21);

    const std::u16string black = codePoints({0x0E1A, 0x0E19, 0x20, 'R', 'e', 's', 'i', 's', 't', 'o', 'r', 0x20, 0x0E44,
        0x0E21, 0x0E48, 0x0E21, 0x0E35, 0x0E2A, 0x0E35, 0x0E17, 0x0E35, 0x0E48, 0x20, '1', 0x20, 0x0E40, 0x0E1B, 0x0E47,
        0x0E19, 0x0E2A, 0x0E35, 0x0E14, 0x0E33, 0x20, 0x0E04, 0x0E23, 0x0E31, 0x0E1A});
    EXPECT_EQ(checkFirstBands(0, 5).message, black);
}

TEST(CheckFirstBands, WithVioletGreyOrWhiteFirstOnlyOneSecondBandPasses)
{
    for (int p1 : {7, 8, 9}) {
        int passing = 0;
        for (int p2 = 0; p2 <= 9; ++p2) {
            passing += checkFirstBands(BandPosition(p1), BandPosition(p2)).finding == CheckFinding::None;
        }
        EXPECT_EQ(passing, 1) << "first band " << p1;
    }
}

TEST(CheckFirstBands, PositionsNoListHoldsMatchNothing)
{
    constexpr int lowest = std::numeric_limits<BandPosition>::min();
    constexpr int highest = std::numeric_limits<BandPosition>::max();
    for (int p = lowest; p <= highest; ++p) {
        if (p >= -1 && p <= 9) {
            continue;
        }
        for (int other : {-1, 0, 4, 9}) {
            ASSERT_EQ(checkFirstBands(BandPosition(p), BandPosition(other)).finding, CheckFinding::None)
                << "band 1 at " << p;
            const CheckFinding expected = other == 0 ? CheckFinding::BlackFirstBand : CheckFinding::None;
            ASSERT_EQ(checkFirstBands(BandPosition(other), BandPosition(p)).finding, expected) << "band 2 at " << p;
        }
    }
}

} // namespace
} // namespace kwelt

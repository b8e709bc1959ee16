// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "oracle.h"

#include <kwelt/core.h>

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <string>

namespace kwelt {
namespace {

using namespace kwelt::test;

std::u16string ascii(const std::string& text)
{
    return {text.begin(), text.end()};
}

struct DecodeCase
{
    const char* name;
    BandPosition p1, p2, p3, p4;
    std::u16string digit1, digit2, multiplier, tolerance;
    CheckFinding finding;
};

const std::u16string Tolerance5 = Error + u" 5%";
const std::u16string Tolerance10 = Error + u" 10%";
const std::u16string Tolerance20 = Error + u" 20%";

TEST(DecodeBands, EdgeCases)
{
    const DecodeCase cases[] = {
        {"starting selection", 1, 0, 0, 0, u" 1", u" 0", u"x  1", Tolerance5, CheckFinding::None},
        {"black first band", 0, 4, 2, 1, u"?", u" 4", u"x  100", Tolerance10, CheckFinding::BlackFirstBand},
        {"brown then yellow", 1, 4, 3, 2, u" 1", u"?", u"x  1000", Tolerance20, CheckFinding::NonStandardPair},
        {"47 with gold multiplier", 4, 7, 7, 0, u" 4", u" 7", u"x  .1", Tolerance5, CheckFinding::None},
        {"91 with silver multiplier", 9, 1, 8, 1, u" 9", u" 1", u"x  .01", Tolerance10, CheckFinding::None},
        {"22 with blue multiplier", 2, 2, 6, 0, u" 2", u" 2", u"x  1000000", Tolerance5, CheckFinding::None},
        {"nothing selected", -1, -1, -1, -1, u"-1", u"-1", u"x  1", Tolerance20, CheckFinding::None},
        {"start-up, first run", 1, -1, -1, -1, u" 1", u"-1", u"x  1", Tolerance20, CheckFinding::None},
        {"black second band of 40", 4, 0, 5, 2, u" 4", u"?", u"x  100000", Tolerance20, CheckFinding::NonStandardPair},
    };
    for (const DecodeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const BandReadout r = decodeBands(c.p1, c.p2, c.p3, c.p4);
        EXPECT_EQ(r.digit1Text, c.digit1);
        EXPECT_EQ(r.digit2Text, c.digit2);
        EXPECT_EQ(r.multiplierText, c.multiplier);
        EXPECT_EQ(r.toleranceText, c.tolerance);
        EXPECT_EQ(r.finding, c.finding);
        EXPECT_EQ(r.finding == CheckFinding::None, r.message.empty());
    }
}

TEST(DecodeBands, CarriesTheCheckMessage)
{
    EXPECT_EQ(decodeBands(0, 4, 2, 1).message, BlackBandMessage);
    EXPECT_EQ(decodeBands(1, 4, 3, 2).message, pairMessage(ColourWord + Brown, Yellow));
    EXPECT_EQ(decodeBands(9, 9, 0, 0).message, pairMessage(White, White));
}

TEST(DecodeBands, ToleranceTextHasTheseCodeUnits)
{
    EXPECT_EQ(decodeBands(1, 0, 0, 0).toleranceText,
        codePoints(
            {0x0E04, 0x0E27, 0x0E32, 0x0E21, 0x0E1C, 0x0E34, 0x0E14, 0x0E1E, 0x0E25, 0x0E32, 0x0E14, 0x20, '5', '%'}));
}

// The read-out of every combination the lists can hold, each text worked out by its own rule.
TEST(DecodeBands, WholeDomainFollowsTheReadOutRules)
{
    const std::u16string multipliers[] = {u"x  1", u"x  1", u"x  10", u"x  100", u"x  1000", u"x  10000", u"x  100000",
        u"x  1000000", u"x  .1", u"x  .01"}; // positions -1 to 8
    const std::u16string tolerances[] = {Tolerance20, Tolerance5, Tolerance10, Tolerance20}; // positions -1 to 2
    const auto signedText = [](int n) {
        std::u16string text = n < 0 ? u"" : u" ";
        text += ascii(std::to_string(n));
        return text;
    };

    for (int p1 = -1; p1 <= 9; ++p1) {
        for (int p2 = -1; p2 <= 9; ++p2) {
            const CheckResult check = expectedCheck(p1, p2);
            for (int p3 = -1; p3 <= 8; ++p3) {
                for (int p4 = -1; p4 <= 2; ++p4) {
                    const BandReadout r
                        = decodeBands(BandPosition(p1), BandPosition(p2), BandPosition(p3), BandPosition(p4));
                    const bool black = p1 == 0;
                    const bool nonStandard = check.finding == CheckFinding::NonStandardPair;
                    ASSERT_EQ(r.digit1Text, black ? u"?" : signedText(p1)) << p1 << p2 << p3 << p4;
                    ASSERT_EQ(r.digit2Text, nonStandard ? u"?" : signedText(p2)) << p1 << p2 << p3 << p4;
                    ASSERT_EQ(r.multiplierText, multipliers[p3 + 1]) << p3;
                    ASSERT_EQ(r.toleranceText, tolerances[p4 + 1]) << p4;
                    ASSERT_EQ(r.finding, check.finding);
                    ASSERT_EQ(r.message, check.message);
                    ASSERT_FALSE(r.digit1Text == u"?" && r.digit2Text == u"?");
                }
            }
        }
    }
}

// A position no list can hold is rejected, whatever band it is in and whatever the others hold.
TEST(DecodeBands, RejectsEveryPositionNoListHolds)
{
    const int lastPosition[] = {9, 9, 8, 2};
    for (int band = 0; band < 4; ++band) {
        int rejected = 0;
        for (int p = std::numeric_limits<BandPosition>::min(); p <= std::numeric_limits<BandPosition>::max(); ++p) {
            BandPosition positions[] = {1, 0, 0, 0};
            positions[band] = BandPosition(p);
            const bool valid = p >= -1 && p <= lastPosition[band];
            try {
                decodeBands(positions[0], positions[1], positions[2], positions[3]);
                ASSERT_TRUE(valid) << "band " << band + 1 << " accepted position " << p;
            } catch (const std::out_of_range& e) {
                ASSERT_FALSE(valid) << "band " << band + 1 << " rejected position " << p;
                const std::string what = e.what();
                ASSERT_NE(what.find("band " + std::to_string(band + 1)), std::string::npos) << what;
                ASSERT_NE(what.find("position " + std::to_string(p) + " "), std::string::npos) << what;
                ++rejected;
            }
        }
        EXPECT_EQ(rejected, 65536 - (lastPosition[band] + 2)) << "band " << band + 1;
    }
}

} // namespace
} // namespace kwelt

// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the core must produce, written from the program's requirements rather than from its
// code: the Thai words as code points, and the E24 series of preferred values.

#include <kwelt/check_first_bands.h>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>

namespace kwelt::test {

inline std::u16string codePoints(std::initializer_list<char16_t> units)
{
    return std::u16string(units);
}

inline const std::u16string Black = codePoints({0x0E14, 0x0E33});
inline const std::u16string Brown = codePoints({0x0E19, 0x0E49, 0x0E33, 0x0E15, 0x0E32, 0x0E25});
inline const std::u16string Red = codePoints({0x0E41, 0x0E14, 0x0E07});
inline const std::u16string Orange = codePoints({0x0E2A, 0x0E49, 0x0E21});
inline const std::u16string Yellow = codePoints({0x0E40, 0x0E2B, 0x0E25, 0x0E37, 0x0E2D, 0x0E07});
inline const std::u16string Green = codePoints({0x0E40, 0x0E02, 0x0E35, 0x0E22, 0x0E27});
inline const std::u16string Blue = codePoints({0x0E19, 0x0E49, 0x0E33, 0x0E40, 0x0E07, 0x0E34, 0x0E19});
inline const std::u16string Violet = codePoints({0x0E21, 0x0E48, 0x0E27, 0x0E07});
inline const std::u16string Grey = codePoints({0x0E40, 0x0E17, 0x0E32});
inline const std::u16string White = codePoints({0x0E02, 0x0E32, 0x0E27});
inline const std::u16string Gold = codePoints({0x0E17, 0x0E2D, 0x0E07});
inline const std::u16string Silver = codePoints({0x0E40, 0x0E07, 0x0E34, 0x0E19});
inline const std::u16string NoColour = codePoints({0x0E44, 0x0E21, 0x0E48, 0x0E21, 0x0E35, 0x0E2A, 0x0E35});

// The fixed words of the messages and of the read-out.
inline const std::u16string On = codePoints({0x0E1A, 0x0E19});
inline const std::u16string HasNoColourNumber
    = codePoints({0x0E44, 0x0E21, 0x0E48, 0x0E21, 0x0E35, 0x0E2A, 0x0E35, 0x0E17, 0x0E35, 0x0E48});
inline const std::u16string Is = codePoints({0x0E40, 0x0E1B, 0x0E47, 0x0E19});
inline const std::u16string AndColourNumber
    = codePoints({0x0E41, 0x0E25, 0x0E49, 0x0E27, 0x0E2A, 0x0E35, 0x0E17, 0x0E35, 0x0E48});
inline const std::u16string Polite = codePoints({0x0E04, 0x0E23, 0x0E31, 0x0E1A});
inline const std::u16string ColourBlack = codePoints({0x0E2A, 0x0E35, 0x0E14, 0x0E33});
inline const std::u16string ColourWord = codePoints({0x0E2A, 0x0E35});
inline const std::u16string Error
    = codePoints({0x0E04, 0x0E27, 0x0E32, 0x0E21, 0x0E1C, 0x0E34, 0x0E14, 0x0E1E, 0x0E25, 0x0E32, 0x0E14});

// "On a resistor, colour 1 is never black."
inline const std::u16string BlackBandMessage
    = On + u" Resistor " + HasNoColourNumber + u" 1 " + Is + ColourBlack + u" " + Polite;

// "On a resistor, colour 1 is never <first> followed by colour 2 <second>."
inline std::u16string pairMessage(const std::u16string& first, const std::u16string& second)
{
    return On + u" Resistor " + HasNoColourNumber + u" 1 " + Is + u" [ " + first + u" ] " + AndColourNumber + u" 2 "
        + Is + u" [ " + second + u" ] " + Polite;
}

// Bands 1 and 2 in list order: the entry at position n stands for the digit n.
inline const std::u16string DigitColours[10] = {Black, Brown, Red, Orange, Yellow, Green, Blue, Violet, Grey, White};

// The two-digit values of the E24 series of preferred numbers.
inline constexpr std::array<int, 24> E24{
    10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30, 33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};

// What the check of bands 1 and 2 must say, worked out from the E24 list.
inline CheckResult expectedCheck(int p1, int p2)
{
    if (p1 == 0) {
        return {CheckFinding::BlackFirstBand, BlackBandMessage};
    }
    const bool standard = std::find(E24.begin(), E24.end(), p1 * 10 + p2) != E24.end();
    if (p1 < 1 || p1 > 9 || p2 < 0 || p2 > 9 || standard) {
        return {};
    }
    const std::u16string first = p1 == 1 ? ColourWord + Brown : DigitColours[p1];
    return {CheckFinding::NonStandardPair, pairMessage(first, DigitColours[p2])};
}

} // namespace kwelt::test

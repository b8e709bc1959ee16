// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window_texts.h"

#include "program_identity.h"

#include <kwelt/core.h>

namespace kwelt::main_window_texts {
namespace {

// Every position a list can hold, none selected included.
int positions(std::size_t band)
{
    return static_cast<int>(BandLists[band - 1].entries.size());
}

// The texts of one read-out field over the positions of the bands it depends on, each once.
template <typename Text>
QStringList decoded(QStringList texts, int firstBands, int thirdBands, int fourthBands, Text text)
{
    for (int p1 = -1; p1 < firstBands; ++p1) {
        for (int p2 = -1; p2 < firstBands; ++p2) {
            for (int p3 = -1; p3 < thirdBands; ++p3) {
                for (int p4 = -1; p4 < fourthBands; ++p4) {
                    const QString shown = toQString(text(decodeBands(static_cast<BandPosition>(p1),
                        static_cast<BandPosition>(p2), static_cast<BandPosition>(p3), static_cast<BandPosition>(p4))));
                    if (!texts.contains(shown)) {
                        texts.append(shown);
                    }
                }
            }
        }
    }
    return texts;
}

} // namespace

// The digits depend on the first two bands only (a finding about them replaces a digit), the
// multiplier and the tolerance on their own band only: the other bands stay at none.
QStringList firstDigits()
{
    return decoded({QString()}, positions(1), 0, 0, [](const BandReadout& r) { return r.digit1Text; });
}

QStringList secondDigits()
{
    return decoded({QString()}, positions(1), 0, 0, [](const BandReadout& r) { return r.digit2Text; });
}

QStringList multipliers()
{
    return decoded({QString()}, 0, positions(3), 0, [](const BandReadout& r) { return r.multiplierText; });
}

QStringList tolerances()
{
    return decoded(
        {QStringLiteral("ผิดพลาด")}, 0, 0, positions(4), [](const BandReadout& r) { return r.toleranceText; });
}

QStringList about()
{
    return {QStringLiteral("About")};
}

QStringList exit()
{
    return {QStringLiteral("Exit")};
}

QStringList valueRead()
{
    return {QStringLiteral("ค่าที่อ่านได้")};
}

QStringList versionNote()
{
    return {QStringLiteral("Version ") + QLatin1String(VersionText)};
}

} // namespace kwelt::main_window_texts

// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

namespace kwelt {

// The window layouts are kept in twips (1/1440 inch), the unit they were designed in.
// At 96 dots per inch 15 twips make one pixel; Qt scales these logical pixels on high-dpi
// screens by itself.
inline constexpr int TwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return twips / TwipsPerPixel;
}

struct TwipsRect
{
    int left;
    int top;
    int width;
    int height;
};

inline QRect toPixels(const TwipsRect& r)
{
    return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width), twipsToPixels(r.height)};
}

} // namespace kwelt

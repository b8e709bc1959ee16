// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QList>
#include <QSize>
#include <QStringList>

namespace kwelt {

// Every text that one control can ever show, and the room the control gives a text: a line
// centred vertically in it (or set at its top), or `lines` lines stacked from its top.
struct TextRoom
{
    QString control;
    QStringList texts;
    QSize size;
    int lines = 1;
    bool atTop = false;
    bool leftAligned = false; // starts on the room's left edge: a pixel to spare on the right only
    bool onFontLine = false; // centred on the font's own line, not on the text's (Windows' lists)
};

struct FittedFont
{
    QFont font;
    int sizesMeasured; // how many sizes of the font were loaded to find it
};

// `font` at the largest size, no larger than its own, at which every text fits its room, with a
// pixel to spare on each side, ink above and below the line included (Thai marks and the fonts
// that fill in Thai glyphs); stacked lines fit when their line heights add up to no more than the
// room's height. Sizes go in steps of `pointStep` points (a pixel, for a font given in pixels)
// down to a floor below which text is no longer legible.
FittedFont fitFont(const QFont& font, const QList<TextRoom>& rooms, double pointStep = 0.5);

} // namespace kwelt

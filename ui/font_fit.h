// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QList>
#include <QSize>
#include <QStringList>

#include <span>

class QStyle;

namespace kwelt {

struct Control;

// Below this the texts would fit only by being unreadable: the fit stops shrinking there.
inline constexpr double SmallestPointSize = 6.0;

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

// The rooms of the controls of a window's table that write in the dialog font, as `style`
// draws them.
QList<TextRoom> textRooms(std::span<const Control> table, const QStyle* style);

// True when every text of `room`, in `font`, fits inside it with a pixel to spare on each side,
// ink above and below the line included (Thai marks and the fonts that fill in Thai glyphs).
// Stacked lines fit when their line heights add up to no more than the room's height.
bool fitsRoom(const QFont& font, const TextRoom& room);

struct FittedFont
{
    QFont font;
    int sizesMeasured; // how many sizes of the font were loaded to find it
};

// `font` at the largest size, no larger than its own, at which every text fits its room.
// Sizes go in steps of half a point (or a pixel, for a font given in pixels) down to a floor
// below which text is no longer legible.
FittedFont fitFont(const QFont& font, const QList<TextRoom>& rooms);

} // namespace kwelt

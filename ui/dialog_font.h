// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QList>
#include <QSize>
#include <QStringList>

class QStyle;

namespace kwelt {

// Every text that one control can ever show, and the room the control gives a text: a line
// centred vertically in it (or set at its top), or `lines` lines stacked from its top.
struct TextRoom
{
    const char* control;
    QStringList texts;
    QSize room;
    int lines = 1;
    bool atTop = false;
    bool leftAligned = false; // starts on the room's left edge: a pixel to spare on the right only
};

// The rooms of every control of both windows that shows the dialog font, as `style` draws them.
QList<TextRoom> DialogTextRooms(const QStyle* style);

// True when every text of `room`, in `font`, fits inside it with a pixel to spare on each side,
// ink above and below the line included (Thai marks and the fonts that fill in Thai glyphs).
// Stacked lines fit when their line heights add up to no more than the room's height.
bool fitsRoom(const QFont& font, const TextRoom& room);

// The font the windows use: the desktop font's family at the largest size, no larger than
// the desktop font's own, at which every text fits its room. Sizes go down in half points
// (or pixels, for a font given in pixels) to a floor below which text is no longer legible.
QFont fitDialogFont(const QFont& desktopFont, const QList<TextRoom>& rooms);

// The About window's product name, "kWELT": Times New Roman 36 point bold, or the largest size
// below that which fits its label.
QFont productNameFont();

} // namespace kwelt

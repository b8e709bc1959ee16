// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_fonts.h"

#include "about_window_layout.h"
#include "dialog_face.h"
#include "main_window_layout.h"

namespace kwelt {

FittedFont fitDialogFont(const QFont& desktopFont, const QStyle* style)
{
    return fitFont(dialogFace(desktopFont),
        textRooms(main_window_layout::Controls, style) + textRooms(about_window_layout::Controls, style));
}

QFont productNameFont()
{
    QFont font(QStringLiteral("Times New Roman"), 36, QFont::Bold);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    // The label has a one-pixel border all round.
    const auto& label = about_window_layout::Controls[0];
    const TextRoom room{.control = QLatin1String(label.name),
        .texts = label.texts(),
        .size = toPixels(label.rect).size() - QSize(0, 2)};
    while (!fitsRoom(font, room) && font.pointSize() > SmallestPointSize) {
        font.setPointSize(font.pointSize() - 1);
    }
    return font;
}

} // namespace kwelt

// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_fonts.h"

#include "about_window_layout.h"
#include "main_window_layout.h"
#include "platform/platform.h"
#include "text/dialog_face.h"

#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <span>

namespace kwelt {
namespace {

// A frame's line runs on beside its title, with a gap: 8 pixels at each end of the title.
constexpr int FrameTitleInset = 16;

QSize size(const TwipsRect& r)
{
    return toPixels(r).size();
}

QSize listTextRoom(const QStyle* style, const TwipsRect& rect)
{
    QStyleOptionComboBox option;
    option.rect = QRect(QPoint(0, 0), size(rect));
    option.editable = false;
    option.frame = true;
    option.state = QStyle::State_Enabled;
    return style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField).size();
}

QSize buttonTextRoom(const QStyle* style, const TwipsRect& rect)
{
    QStyleOptionButton option;
    option.rect = QRect(QPoint(0, 0), size(rect));
    option.state = QStyle::State_Enabled;
    return style->subElementRect(QStyle::SE_PushButtonContents, &option).size();
}

// A frame draws its title at its top, above the controls it holds.
QSize frameTitleRoom(const Control& frame, std::span<const Control> table)
{
    int firstTop = frame.rect.height;
    for (const Control& control : table) {
        if (control.parent == frame.role) {
            firstTop = std::min(firstTop, control.rect.top);
        }
    }
    return {size(frame.rect).width() - FrameTitleInset, twipsToPixels(firstTop)};
}

// The rooms of the controls of a window's table that write in the dialog font, as `style`
// draws them.
QList<TextRoom> textRooms(std::span<const Control> table, const QStyle* style)
{
    QList<TextRoom> rooms;
    for (const Control& control : table) {
        if (control.texts == nullptr || control.role == Role::ProductName) {
            continue;
        }
        TextRoom room{.control = QLatin1String(control.name), .texts = control.texts(), .size = size(control.rect)};
        room.leftAligned = (control.alignment & Qt::AlignHorizontal_Mask) == Qt::AlignLeft;
        switch (kindOf(control.role)) {
        case ControlKind::List:
            room.size = listTextRoom(style, control.rect);
            room.onFontLine = platform::listsCentreOnFontLine();
            break;
        case ControlKind::Button:
            room.size = buttonTextRoom(style, control.rect);
            break;
        case ControlKind::Frame:
            room.size = frameTitleRoom(control, table);
            room.atTop = true;
            break;
        case ControlKind::CreditsBox: {
            for (QString& line : room.texts) {
                line.remove(QLatin1String("\r\n"));
            }
            const int inset = 2 * (style->pixelMetric(QStyle::PM_DefaultFrameWidth) + CreditsMargin);
            room.size -= QSize(inset, inset);
            // One line a text, and the empty line after the last line break.
            room.lines = static_cast<int>(room.texts.size()) + 1;
            break;
        }
        case ControlKind::Label:
        case ControlKind::ReadoutField:
        case ControlKind::Picture:
            break;
        }
        rooms.append(room);
    }
    return rooms;
}

} // namespace

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
    const Control& label = rowOf(about_window_layout::Controls, Role::ProductName);
    const TextRoom room{.control = QLatin1String(label.name),
        .texts = label.texts(),
        .size = toPixels(label.rect).size() - QSize(0, 2)};
    // In whole points.
    return fitFont(font, {room}, 1.0).font;
}

} // namespace kwelt

// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "control.h"

#include <QString>

#include <span>
#include <vector>

class QWidget;

namespace kwelt {

// A window as it was designed: its name, title, client area in twips and controls.
struct WindowLayout
{
    const char* name; // its name in the design: the window's object name
    QString title;
    int clientWidth;
    int clientHeight;
    std::span<const Control> controls;
};

// A control as it was built: its row of the table and its widget.
struct BuiltControl
{
    const Control* row;
    QWidget* widget;
};

// Sets `window` up as `layout` says: named, titled, of a fixed size, in the 3-D face colour (the
// colour of buttons), kept in its normal state; with its controls, each named, placed and set up
// as its row says, in tab order, the first that takes the focus having it. Returns the controls in
// the table's order.
std::vector<BuiltControl> setUpWindow(QWidget* window, const WindowLayout& layout);

// The widget built for the control of `role` (and of `band`, for a role each band has one of).
template <typename Widget>
Widget* builtControl(std::span<const BuiltControl> controls, Role role, int band = 0)
{
    for (const auto& [row, widget] : controls) {
        if (row->role == role && row->band == band) {
            return static_cast<Widget*>(widget); // the kind of widget follows from the role
        }
    }
    return nullptr;
}

// Gives the controls that write in a colour other than the window's text colour that colour,
// taken from `window`'s current colours.
void applyTextColours(const QWidget* window, std::span<const BuiltControl> controls);

} // namespace kwelt

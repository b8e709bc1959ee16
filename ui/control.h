// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "twips.h"

#include <QPalette>
#include <QRgb>
#include <QStringList>

#include <optional>
#include <span>
#include <stdexcept>

namespace kwelt {

// What a control does in its window.
enum class Role {
    BandList, // picks a band's colour
    ReadoutFrame, // holds the read-out fields
    ReadoutField, // shows one band's part of the value
    VersionNote,
    AboutButton,
    ExitButton,
    Picture, // the program picture
    ProductName, // "kWELT" in its own face, which its window gives it, not the dialog font
    Credits,
    OkButton,
};

// The kind of widget a control is.
enum class ControlKind {
    List, // a pick-only band list
    Button,
    Frame, // a group frame with a title
    Label,
    ReadoutField, // one field of the read-out
    Picture, // the program picture
    CreditsBox, // read-only multi-line text
};

// The kind of widget that does what `role` asks.
constexpr ControlKind kindOf(Role role)
{
    switch (role) {
    case Role::BandList:
        return ControlKind::List;
    case Role::ReadoutFrame:
        return ControlKind::Frame;
    case Role::ReadoutField:
        return ControlKind::ReadoutField;
    case Role::VersionNote:
    case Role::ProductName:
        return ControlKind::Label;
    case Role::AboutButton:
    case Role::ExitButton:
    case Role::OkButton:
        return ControlKind::Button;
    case Role::Picture:
        return ControlKind::Picture;
    case Role::Credits:
        return ControlKind::CreditsBox;
    }
    return ControlKind::Label;
}

// The credits box's document margin, in pixels: narrow, so that all its lines fit without
// scrolling.
inline constexpr int CreditsMargin = 1;

// One control of a window as it was designed. A window's table lists its controls in tab order,
// and is both what the window is built from and what the dialog font is fitted to.
struct Control
{
    const char* name; // its name in the design: the widget's object name
    Role role;
    TwipsRect rect; // from the window's client area, or from the parent's
    // Every text the control can ever show, the one it has in the layout first.
    QStringList (*texts)() = nullptr;
    std::optional<Role> parent = std::nullopt; // the frame that holds it; none for the window
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    QPalette::ColorRole textColour = QPalette::WindowText; // the system colour its text is written in
    QRgb background = 0; // a background of its own; 0 for the window's
    bool border = false; // a thin box all round
    int band = 0; // the band a list or a read-out field stands for, 1 to 4
};

// The row of `table` with `role`: the first, where several share it.
constexpr const Control& rowOf(std::span<const Control> table, Role role)
{
    for (const Control& control : table) {
        if (control.role == role) {
            return control;
        }
    }
    throw std::logic_error("no control of this role");
}

} // namespace kwelt

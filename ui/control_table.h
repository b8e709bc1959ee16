// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "twips.h"

#include <QPalette>
#include <QRgb>
#include <QStringList>

#include <span>

class QWidget;

namespace kwelt {

enum class ControlKind {
    List, // a pick-only band list
    Button,
    Frame, // a group frame with a title
    Label,
    ReadoutField, // one field of the read-out
    Picture, // the program picture
    CreditsBox, // read-only multi-line text
};

// The credits box's document margin, in pixels: narrow, so that all its lines fit without
// scrolling.
inline constexpr int CreditsMargin = 1;

// One control of a window as it was designed. A window's table lists its controls in tab order,
// and is both what the window is built from and what the dialog font is fitted to.
struct Control
{
    const char* name;
    ControlKind kind;
    TwipsRect rect; // from the window's client area, or from the parent's
    // Every text the control can ever show, the one it has in the layout first.
    QStringList (*texts)() = nullptr;
    const char* parent = nullptr; // the frame that holds it, by name; none for the window
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    QPalette::ColorRole textColour = QPalette::WindowText; // the system colour its text is written in
    QRgb background = 0; // a background of its own; 0 for the window's
    bool border = false; // a thin box all round
    bool productNameFont = false; // "kWELT" in its own face, which its window gives it, not the dialog font
    int band = 0; // the band a list or a read-out field stands for, 1 to 4
};

// Makes the controls of `table` on `window`, each named, placed and set up as its row says, in
// tab order, the first that takes the focus having it.
void buildControls(QWidget* window, std::span<const Control> table);

// Gives the controls of `table` that write in a colour other than the window's text colour that
// colour, taken from the window's current colours.
void applyTextColours(QWidget* window, std::span<const Control> table);

} // namespace kwelt

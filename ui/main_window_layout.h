// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "control.h"
#include "main_window_texts.h"

#include <array>

// The main window's layout, in twips, as it was designed.
namespace kwelt::main_window_layout {

inline constexpr char WindowName[] = "KWELT";
inline constexpr int ClientWidth = 6615;
inline constexpr int ClientHeight = 4605;

inline constexpr QRgb LightYellow = qRgb(255, 255, 192);
inline constexpr QRgb LightOrange = qRgb(255, 224, 192);

// The controls, in tab order. The read-out fields are placed inside the read-out frame.
inline constexpr std::array<Control, 13> Controls{{
    {.name = "color1",
        .role = Role::BandList,
        .rect = {240, 1320, 2175, 330},
        .texts = main_window_texts::listEntries<1>,
        .band = 1},
    {.name = "color2",
        .role = Role::BandList,
        .rect = {240, 1800, 2175, 330},
        .texts = main_window_texts::listEntries<2>,
        .band = 2},
    {.name = "color3",
        .role = Role::BandList,
        .rect = {240, 2280, 2175, 330},
        .texts = main_window_texts::listEntries<3>,
        .band = 3},
    {.name = "color4",
        .role = Role::BandList,
        .rect = {240, 2760, 2175, 330},
        .texts = main_window_texts::listEntries<4>,
        .band = 4},
    {.name = "Command1", .role = Role::AboutButton, .rect = {4920, 3480, 1335, 375}, .texts = main_window_texts::about},
    {.name = "Command2", .role = Role::ExitButton, .rect = {4920, 3960, 1335, 375}, .texts = main_window_texts::exit},
    {.name = "Frame1",
        .role = Role::ReadoutFrame,
        .rect = {240, 3480, 4575, 855},
        .texts = main_window_texts::valueRead,
        .textColour = QPalette::ButtonText},
    {.name = "data1",
        .role = Role::ReadoutField,
        .rect = {240, 360, 375, 375},
        .texts = main_window_texts::firstDigits,
        .parent = Role::ReadoutFrame,
        .alignment = Qt::AlignCenter,
        .background = LightYellow,
        .band = 1},
    {.name = "data2",
        .role = Role::ReadoutField,
        .rect = {600, 360, 375, 375},
        .texts = main_window_texts::secondDigits,
        .parent = Role::ReadoutFrame,
        .alignment = Qt::AlignCenter,
        .background = LightYellow,
        .band = 2},
    {.name = "data3",
        .role = Role::ReadoutField,
        .rect = {960, 360, 1815, 375},
        .texts = main_window_texts::multipliers,
        .parent = Role::ReadoutFrame,
        .alignment = Qt::AlignCenter,
        .background = LightYellow,
        .band = 3},
    {.name = "data4",
        .role = Role::ReadoutField,
        .rect = {2880, 360, 1455, 375},
        .texts = main_window_texts::tolerances,
        .parent = Role::ReadoutFrame,
        .background = LightOrange,
        .band = 4},
    {.name = "Label1",
        .role = Role::VersionNote,
        .rect = {240, 720, 1335, 255},
        .texts = main_window_texts::versionNote,
        .alignment = Qt::AlignCenter,
        .textColour = QPalette::ButtonText},
    {.name = "Image1", .role = Role::Picture, .rect = {600, 240, 480, 480}},
}};

// The resistor drawing: every rectangle is 735 twips high from the top at 240.
struct DrawingRect
{
    int left;
    int width;
    bool filled; // solid black for a band, an outline otherwise
};
inline constexpr int DrawingRectTop = 240;
inline constexpr int DrawingRectHeight = 735;

inline constexpr std::array<DrawingRect, 9> Shapes{{
    {2160, 615, false}, // Shape1, left end of the body
    {2760, 375, true}, // Shape2, band 1
    {3120, 375, false}, // Shape3, body
    {3480, 375, true}, // Shape4, band 2
    {3840, 375, false}, // Shape5, body
    {4200, 375, true}, // Shape6, band 3
    {4560, 615, false}, // Shape7, body
    {5160, 375, true}, // Shape8, band 4
    {5520, 615, false}, // Shape9, right end of the body
}};

struct DrawingLine
{
    int x1;
    int y1;
    int x2;
    int y2;
};

inline constexpr std::array<DrawingLine, 18> Lines{{
    {2160, 600, 1920, 600}, // Line1, left lead, inner edge of the horizontal part
    {1920, 1080, 1800, 1080}, // Line2, left lead, closed end
    {1800, 480, 2160, 480}, // Line3, left lead, outer edge of the horizontal part
    {1800, 480, 1800, 1080}, // Line4, left lead, outer edge of the bent-down part
    {1920, 600, 1920, 1080}, // Line5, left lead, inner edge of the bent-down part
    {6120, 480, 6480, 480}, // Line6, right lead, outer edge of the horizontal part
    {6120, 600, 6360, 600}, // Line7, right lead, inner edge of the horizontal part
    {6360, 1080, 6480, 1080}, // Line8, right lead, closed end
    {6360, 600, 6360, 1080}, // Line9, right lead, inner edge of the bent-down part
    {6480, 480, 6480, 1080}, // Line10, right lead, outer edge of the bent-down part
    {3000, 960, 3000, 1440}, // Line11, leader of band 1, down from the body
    {2520, 1440, 3000, 1440}, // Line12, leader of band 1, across towards color1
    {3720, 960, 3720, 1920}, // Line13, leader of band 2, down from the body
    {2520, 1920, 3720, 1920}, // Line14, leader of band 2, across towards color2
    {4440, 960, 4440, 2400}, // Line15, leader of band 3, down from the body
    {2520, 2400, 4440, 2400}, // Line16, leader of band 3, across towards color3
    {5400, 960, 5400, 2880}, // Line17, leader of band 4, down from the body
    {2520, 2880, 5400, 2880}, // Line18, leader of band 4, across towards color4
}};

} // namespace kwelt::main_window_layout

// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "control.h"

#include <array>

// The About window's layout, in twips, as it was designed, and its texts.
namespace kwelt::about_window_layout {

inline constexpr char WindowName[] = "AboutKWELT";
inline constexpr int ClientWidth = 5685;
inline constexpr int ClientHeight = 3195;

inline QStringList productName()
{
    return {QStringLiteral("kWELT")};
}

// The six credit lines, each ending in CR LF.
inline QStringList credits()
{
    return {QStringLiteral("kWELT : Brandelwick\r\n"), QStringLiteral("--- By ---\r\n"), QStringLiteral("Tamrovi\r\n"),
        QStringLiteral("Oskelund\r\n"), QStringLiteral("--- Pellacourt ---\r\n"), QStringLiteral("Ravenmoor\r\n")};
}

inline QStringList ok()
{
    return {QStringLiteral("OK")};
}

// The controls, in tab order.
inline constexpr std::array<Control, 4> Controls{{
    {.name = "Label1",
        .role = Role::ProductName,
        .rect = {1200, 120, 3135, 975},
        .texts = productName,
        .alignment = Qt::AlignCenter,
        .border = true},
    {.name = "Text1", .role = Role::Credits, .rect = {240, 1320, 5295, 1695}, .texts = credits},
    {.name = "Command1", .role = Role::OkButton, .rect = {4440, 360, 1095, 495}, .texts = ok},
    {.name = "Image1", .role = Role::Picture, .rect = {240, 240, 480, 480}},
}};

} // namespace kwelt::about_window_layout

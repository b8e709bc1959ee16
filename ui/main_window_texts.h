// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "kwelt_version.h"

#include <QString>

// The main window's own texts, which the window shows and the dialog font must fit.
namespace kwelt::main_window_texts {

// The frame's title, "the value read".
inline QString valueRead()
{
    return QStringLiteral("ค่าที่อ่านได้");
}

// data4's text in the layout, "error"; the first update replaces it.
inline QString layoutTolerance()
{
    return QStringLiteral("ผิดพลาด");
}

// Label1's note, "Version 1.0".
inline QString versionNote()
{
    return QStringLiteral("Version ") + QLatin1String(VersionText);
}

} // namespace kwelt::main_window_texts

// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "text/font_fit.h"

#include <QFont>

class QStyle;

namespace kwelt {

// The font of the windows and their message boxes: the dialog faces of the desktop font, fitted
// to the texts of both windows.
FittedFont fitDialogFont(const QFont& desktopFont, const QStyle* style);

// The About window's product name, "kWELT": Times New Roman 36 point bold, or the largest size
// below that which fits its label.
QFont productNameFont();

} // namespace kwelt

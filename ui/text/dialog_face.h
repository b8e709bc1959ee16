// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

namespace kwelt {

// The faces the windows write in, at the desktop font's size: Latin text in the desktop font's
// face, Thai in a face made for Thai on screens.
QFont dialogFace(const QFont& desktopFont);

} // namespace kwelt

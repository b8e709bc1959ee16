// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace kwelt {

// Makes sure the Thai texts can be shown: where the system has no font with Thai glyphs (on
// Windows, none of the faces kwelt writes Thai in), the font kwelt carries (Loma) is added to the
// program's fonts, so that Qt falls back to it. A system Thai font always wins, and a build
// without the carried font adds nothing. Returns the family added, or an empty string when none
// was needed. Call once, after the QApplication exists and before any window is made.
QString provideThaiFont();

} // namespace kwelt

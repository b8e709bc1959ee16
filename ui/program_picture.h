// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>

namespace kwelt {

// The program picture: 32 x 32 pixels with a transparent background.
QPixmap ProgramPicture();

} // namespace kwelt

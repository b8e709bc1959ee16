// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "program_picture.h"

namespace kwelt {

QPixmap ProgramPicture()
{
    return QPixmap(QStringLiteral(":/kwelt/kwelt.png"));
}

} // namespace kwelt

// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>

namespace kwelt::platform {

bool writesThai(const QString& family)
{
    if (!QFontDatabase::writingSystems(family).contains(QFontDatabase::Thai)) {
        return false;
    }
    // The face's own letters, not a fallback's: KO KAI, the first Thai letter.
    QFont font(family);
    font.setStyleStrategy(QFont::NoFontMerging);
    return QFontMetrics(font).inFont(QChar(0x0E01));
}

} // namespace kwelt::platform

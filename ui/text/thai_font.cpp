// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "thai_font.h"

#include "platform/platform.h"

#include <QFontDatabase>
#include <QStringList>

namespace kwelt {

QString provideThaiFont()
{
#ifdef KWELT_BUNDLE_THAI_FONT
    if (platform::hasThaiFace()) {
        return {};
    }
    const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/kwelt/fonts/Loma.ttf"));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QString() : families.first();
#else
    // A build for a distribution that ships its own Thai fonts, and depends on them.
    return {};
#endif
}

} // namespace kwelt

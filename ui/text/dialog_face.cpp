// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialog_face.h"

#include "platform/platform.h"

#include <QFontDatabase>
#include <QStringList>

namespace kwelt {
namespace {

QString thaiFace()
{
    for (const QString& family : platform::thaiFaces()) {
        if (QFontDatabase::writingSystems(family).contains(QFontDatabase::Thai)) {
            return family;
        }
    }
    return {}; // Qt's own fallback finds what there is
}

} // namespace

QFont dialogFace(const QFont& desktopFont)
{
    QFont font = desktopFont;
    QStringList families{platform::latinFace(desktopFont.family())};
    const QString thai = thaiFace();
    if (!thai.isEmpty() && !families.contains(thai)) {
        families.append(thai);
    }
    font.setFamilies(families);
    return font;
}

} // namespace kwelt

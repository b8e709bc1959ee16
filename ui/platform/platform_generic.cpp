// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Linux and the other systems whose windows Qt handles as they expect: nothing to add.

#include "platform.h"

#include <QFontDatabase>
#include <QFontMetricsF>

namespace kwelt::platform {

QStringList thaiFaces()
{
    // TLWG's face for user interfaces (the one kwelt carries, and fontconfig's own choice for
    // Thai), then Noto's.
    return {QStringLiteral("Loma"), QStringLiteral("Noto Sans Thai UI"), QStringLiteral("Noto Sans Thai")};
}

bool hasThaiFace()
{
    // Any face at all: Qt falls back on it for Thai, and fontconfig answers at once.
    return !QFontDatabase::families(QFontDatabase::Thai).isEmpty();
}

ListLine listLine(const QFont& font)
{
    const QFontMetricsF metrics(font);
    return {metrics.height(), metrics.ascent()};
}

bool listsCentreOnFontLine()
{
    return false;
}

void setUpList(QComboBox*)
{ }

bool paintList(QComboBox*, const QStyleOptionComboBox&)
{
    return false;
}

void followEnabledState(QWidget*)
{ }

void placeMainWindow(QWidget*)
{ }

void removeTitleBarIcon(QWidget*)
{ }

} // namespace kwelt::platform

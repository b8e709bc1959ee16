// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Linux and the other systems whose windows Qt handles as they expect: nothing to add but the
// Latin face, where fontconfig chooses it.

#include "platform.h"

#include <QFontDatabase>
#include <QFontMetricsF>

#ifdef KWELT_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace kwelt::platform {

QString latinFace(const QString& family)
{
#ifdef KWELT_FONTCONFIG
    // A face named outright wins over the language, which decides between the faces of a kind.
    const QByteArray name = family.toUtf8();
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.constData()));
    FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>("en"));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcChar8* matched = nullptr;
    QString face = family;
    if (match != nullptr && FcPatternGetString(match, FC_FAMILY, 0, &matched) == FcResultMatch) {
        face = QString::fromUtf8(reinterpret_cast<const char*>(matched));
    }
    if (match != nullptr) {
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return face;
#else
    return family;
#endif
}

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

// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialog_face.h"

#include "platform/platform.h"

#include <QFontDatabase>
#include <QStringList>

#ifdef KWELT_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace kwelt {
namespace {

// The face for Latin text. A desktop font that names no face but a kind ("Sans Serif") gets
// its face from fontconfig, which chooses by the locale's language: under a Thai locale that is
// a Thai face, whose Latin letters sit small on a tall line. Ask for the face of English text.
QString latinFace(const QFont& desktopFont)
{
    const QString family = desktopFont.family();
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
    QStringList families{latinFace(desktopFont)};
    const QString thai = thaiFace();
    if (!thai.isEmpty() && !families.contains(thai)) {
        families.append(thai);
    }
    font.setFamilies(families);
    return font;
}

} // namespace kwelt

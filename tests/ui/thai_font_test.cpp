// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

// kwelt shows its Thai texts on any system: run under a font configuration of CTest's making,
// once with no Thai font at all (the font kwelt carries fills in) and once with a system Thai
// font other than the one kwelt carries (the system's wins). KWELT_EXPECTED_THAI_FAMILY names
// the family that must draw the Thai glyphs; KWELT_EXPECT_CARRIED_FONT says whether kwelt's
// own font must have been added.

#include "ui_test_support.h"

#include <about_window.h>
#include <main_window.h>
#include <start_up.h>
#include <text/thai_font.h>

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <QTextLayout>

using namespace kwelt;
using namespace kwelt::test;

namespace {

// The families whose glyphs draw `text` in `font`.
QStringList drawingFamilies(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QStringList families;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        families.append(run.rawFont().familyName());
    }
    families.removeDuplicates();
    return families;
}

} // namespace

class ThaiFontTest : public ApplicationTestCase
{
    Q_OBJECT

    // Before the application is set up, which adds the font where it is needed.
    QStringList m_thaiBefore = QFontDatabase::families(QFontDatabase::Thai);
    QString m_added = provideThaiFont();

private slots:
    void carriedFontOnlyWhereNeeded()
    {
        const bool expectCarried = qEnvironmentVariableIntValue("KWELT_EXPECT_CARRIED_FONT") != 0;
        qInfo("system Thai families: %s; added: %s", qPrintable(m_thaiBefore.join(QStringLiteral(", "))),
            qPrintable(m_added));
        QCOMPARE(m_thaiBefore.isEmpty(), expectCarried);
        QCOMPARE(m_added.isEmpty(), !expectCarried);
        if (expectCarried) {
            QCOMPARE(m_added, QStringLiteral("Loma"));
        }
        // Asked again, nothing more is added.
        QVERIFY(provideThaiFont().isEmpty());
    }

    // Every Thai text of the windows is drawn, by the family expected, with no missing glyph.
    void thaiTextsAreDrawn()
    {
        const QString expected = qEnvironmentVariable("KWELT_EXPECTED_THAI_FAMILY");
        QVERIFY(!expected.isEmpty());
        FilledMainWindow window;
        QStringList texts{window.controls().readoutFrame->title(), window.controls().readoutFields[3]->text()};
        for (std::size_t band : {0, 2, 3}) {
            const QComboBox* list = window.controls().bandLists.at(band);
            for (int i = 0; i < list->count(); ++i) {
                texts.append(list->itemText(i));
            }
        }
        for (const QString& text : texts) {
            QString missing;
            QVERIFY2(rendersWithoutMissingGlyphs(text, window.font(), &missing),
                qPrintable(text + QStringLiteral(": missing glyphs in ") + missing));
            QVERIFY2(drawingFamilies(text, window.font()).contains(expected),
                qPrintable(text + QStringLiteral(" drawn by ") + drawingFamilies(text, window.font()).join(u',')));
        }
    }
};

QTEST_MAIN(ThaiFontTest)
#include "thai_font_test.moc"

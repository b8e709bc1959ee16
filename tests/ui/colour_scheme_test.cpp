// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The read-out stays legible under every desktop colour scheme: its fields keep their light
// backgrounds, so their text is the scheme's text colour only where that reads on them.

#include "ui_test_support.h"

#include <main_window.h>
#include <widgets/readout_label.h>

#include <QLabel>
#include <QTest>

#include <algorithm>
#include <array>

using namespace kwelt;
using namespace kwelt::test;

namespace {

// Whether `text`, the strongest pixel of antialiased text, is `expected` blended into
// `background`: every channel has moved the same share of the way (thin glyphs never cover a
// whole pixel, so that share may be well below one).
bool blendOf(const QColor& text, const QColor& expected, const QColor& background)
{
    QList<double> shares;
    const int channels[3][3] = {{text.red(), expected.red(), background.red()},
        {text.green(), expected.green(), background.green()}, {text.blue(), expected.blue(), background.blue()}};
    for (const auto& [t, e, b] : channels) {
        if (std::abs(e - b) < 32) {
            if (std::abs(t - b) > 32) {
                return false;
            }
            continue;
        }
        shares.append(double(t - b) / double(e - b));
    }
    const auto [low, high] = std::minmax_element(shares.begin(), shares.end());
    return !shares.isEmpty() && *low >= 0.25 && *high <= 1.1 && *high - *low <= 0.25;
}

// The colour of the most strongly inked pixel of a text drawn on `background`.
QColor textColour(const QImage& image, const QColor& background)
{
    QColor strongest = background;
    int distance = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int d = std::abs(c.red() - background.red()) + std::abs(c.green() - background.green())
                + std::abs(c.blue() - background.blue());
            if (d > distance) {
                distance = d;
                strongest = c;
            }
        }
    }
    return strongest;
}

} // namespace

class ColourSchemeTest : public ApplicationTestCase
{
    Q_OBJECT

private slots:
    // Worked out by hand from WCAG 2's relative luminance.
    void contrastRatio()
    {
        QCOMPARE(kwelt::contrastRatio(Qt::black, Qt::white), 21.0);
        QCOMPARE(kwelt::contrastRatio(Qt::white, Qt::black), 21.0);
        QCOMPARE(kwelt::contrastRatio(QColor(255, 255, 192), QColor(255, 255, 192)), 1.0);
        // Breeze Dark's text on the light yellow field: about 1.1.
        QVERIFY(qAbs(kwelt::contrastRatio(QColor(239, 240, 241), QColor(255, 255, 192)) - 1.10) < 0.02);
        // Mid grey on white: 3.95; black on the light orange field: 16.7.
        QVERIFY(qAbs(kwelt::contrastRatio(QColor(128, 128, 128), Qt::white) - 3.95) < 0.01);
        QVERIFY(qAbs(kwelt::contrastRatio(Qt::black, QColor(255, 224, 192)) - 16.67) < 0.02);
        QCOMPARE(readableTextColour(QColor(0, 0, 128), Qt::white), QColor(0, 0, 128));
        QCOMPARE(readableTextColour(QColor(128, 128, 128), Qt::white), QColor(Qt::black));
    }

    // Enabled, and disabled as while the About window is open.
    void readoutIsLegible_data()
    {
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<bool>("disabled");
        QTest::addColumn<QColor>("expected");
        for (const bool disabled : {false, true}) {
            const char* state = disabled ? ", disabled" : "";
            QTest::addRow("light: the window's text colour%s", state)
                << QStringLiteral("light") << disabled << QColor(Qt::black);
            QTest::addRow("dark: light text would vanish, black%s", state)
                << QStringLiteral("dark") << disabled << QColor(Qt::black);
            QTest::addRow("high contrast: white text would vanish, black%s", state)
                << QStringLiteral("high contrast") << disabled << QColor(Qt::black);
        }
    }

    void readoutIsLegible()
    {
        QFETCH(QString, scheme);
        QFETCH(bool, disabled);
        QFETCH(QColor, expected);
        const SchemeOverride colours(scheme);
        FilledMainWindow window;
        window.setEnabled(!disabled);
        const QColor yellow(255, 255, 192);
        const QColor orange(255, 224, 192);
        const std::array<QColor, BandCount> backgrounds{yellow, yellow, yellow, orange};
        for (std::size_t band = 0; band < backgrounds.size(); ++band) {
            QLabel* field = window.controls().readoutFields.at(band);
            const QColor& background = backgrounds.at(band);
            const QImage image = field->grab().toImage();
            QCOMPARE(image.pixelColor(0, 0), background); // the field keeps its own background
            const QColor text = textColour(image, background);
            // Thin antialiased glyphs may cover no pixel fully: the text is judged by the colour
            // it blends in.
            QVERIFY2(blendOf(text, expected, background), qPrintable(field->objectName() + text.name()));
        }
    }

    // A scheme whose text reads on the fields keeps its own colour there.
    void readableSchemeColourIsKept()
    {
        const SchemeOverride colours(QStringLiteral("navy"));
        FilledMainWindow window;
        auto* field = window.controls().readoutFields[2];
        const QColor text = textColour(field->grab().toImage(), QColor(255, 255, 192));
        QVERIFY2(blendOf(text, QColor(0, 0, 128), QColor(255, 255, 192)), qPrintable(text.name()));
    }

    // A scheme changed while the program runs reaches the read-out too: from a navy text that
    // reads on the field to the dark scheme's light one, which does not.
    void schemeChangedWhileRunning()
    {
        const QColor orange(255, 224, 192);
        const SchemeOverride navy(QStringLiteral("navy"));
        FilledMainWindow window;
        auto* field = window.controls().readoutFields[3];
        QVERIFY(blendOf(textColour(field->grab().toImage(), orange), QColor(0, 0, 128), orange));
        const SchemeOverride dark(QStringLiteral("dark"));
        QCoreApplication::processEvents(); // the change reaches the windows as an event
        const QColor text = textColour(field->grab().toImage(), orange);
        QVERIFY2(blendOf(text, Qt::black, orange), qPrintable(text.name()));
        // The version note and the frame title follow the new button text, not the window text.
        const SchemeOverride twoTone(QStringLiteral("two-tone"));
        QCoreApplication::processEvents();
        for (const QWidget* label : {static_cast<QWidget*>(window.controls().versionNote),
                 static_cast<QWidget*>(window.controls().readoutFrame)}) {
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(128, 0, 0));
        }
    }
};

QTEST_MAIN(ColourSchemeTest)
#include "colour_scheme_test.moc"

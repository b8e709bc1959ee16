// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The resistor drawing, pixel for pixel: the window is grabbed and every pixel of the drawing's
// area is compared with a raster worked out here from the drawing's rectangles and lines.

#include "ui_test_support.h"

#include <main_window.h>

#include <QComboBox>
#include <QImage>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <set>

using namespace kwelt;
using namespace kwelt::test;

namespace {

using Pixel = std::pair<int, int>; // x, y

// The drawing in twips: 9 rectangles, all from the top at 240 and 735 high, and 18 lines.
// Returns the pixels of every outline and line, and apart from them the inside of the bands.
struct ExpectedDrawing
{
    std::set<Pixel> lines;
    std::set<Pixel> bands;
};

ExpectedDrawing expectedDrawing()
{
    struct Rect
    {
        int left, width;
        bool filled;
    };
    const Rect rects[] = {{2160, 615, false}, {2760, 375, true}, {3120, 375, false}, {3480, 375, true},
        {3840, 375, false}, {4200, 375, true}, {4560, 615, false}, {5160, 375, true}, {5520, 615, false}};
    struct Line
    {
        int x1, y1, x2, y2;
    };
    const Line lines[] = {{2160, 600, 1920, 600}, {1920, 1080, 1800, 1080}, {1800, 480, 2160, 480},
        {1800, 480, 1800, 1080}, {1920, 600, 1920, 1080}, {6120, 480, 6480, 480}, {6120, 600, 6360, 600},
        {6360, 1080, 6480, 1080}, {6360, 600, 6360, 1080}, {6480, 480, 6480, 1080}, {3000, 960, 3000, 1440},
        {2520, 1440, 3000, 1440}, {3720, 960, 3720, 1920}, {2520, 1920, 3720, 1920}, {4440, 960, 4440, 2400},
        {2520, 2400, 4440, 2400}, {5400, 960, 5400, 2880}, {2520, 2880, 5400, 2880}};

    ExpectedDrawing drawing;
    std::set<Pixel>& ink = drawing.lines;
    const int top = 240 / 15;
    const int height = 735 / 15;
    for (const Rect& r : rects) {
        const int left = r.left / 15;
        const int width = r.width / 15;
        for (int y = top; y < top + height; ++y) {
            for (int x = left; x < left + width; ++x) {
                const bool edge = x == left || x == left + width - 1 || y == top || y == top + height - 1;
                if (edge) {
                    ink.insert({x, y});
                } else if (r.filled) {
                    drawing.bands.insert({x, y});
                }
            }
        }
    }
    for (const Line& l : lines) {
        // Every line is straight across or straight down, and covers both of its end points.
        for (int x = std::min(l.x1, l.x2) / 15; x <= std::max(l.x1, l.x2) / 15; ++x) {
            for (int y = std::min(l.y1, l.y2) / 15; y <= std::max(l.y1, l.y2) / 15; ++y) {
                ink.insert({x, y});
            }
        }
    }
    for (const Pixel& p : ink) {
        drawing.bands.erase(p); // a leader starting on a band's edge row is a line
    }
    return drawing;
}

} // namespace

class MainWindowDrawingTest : public ApplicationTestCase
{
    Q_OBJECT

private slots:
    // Under every colour scheme, enabled or disabled, and at any scale (QT_SCALE_FACTOR), every
    // device pixel of the drawing's area is where the tables put it: the outlines and lines in
    // the scheme's active window-text colour, the bands black inside, background elsewhere,
    // never a grey in between.
    void drawingMatchesItsTables_data()
    {
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<bool>("disabled");
        for (const char* scheme : {"light", "dark", "high contrast"}) {
            QTest::addRow("%s", scheme) << QString::fromLatin1(scheme) << false;
            QTest::addRow("%s, disabled while the About window is open", scheme) << QString::fromLatin1(scheme) << true;
        }
    }

    void drawingMatchesItsTables()
    {
        QFETCH(QString, scheme);
        QFETCH(bool, disabled);
        const SchemeOverride colours(scheme);
        FilledMainWindow window;
        window.setEnabled(!disabled);
        const QImage image = window.grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        qInfo("device pixel ratio %g", ratio);
        QCOMPARE(image.size(), (QSize(441, 307) * ratio));
        const QRgb ink = schemePalette(scheme).color(QPalette::Active, QPalette::WindowText).rgb();
        const QRgb background = schemePalette(scheme).color(QPalette::Button).rgb();
        const QRgb black = qRgb(0, 0, 0);
        QVERIFY(ink != background); // black bands vanish into a black background, but not their outlines

        const ExpectedDrawing drawing = expectedDrawing();
        const std::set<Pixel>& expected = drawing.lines;
        const bool whole = ratio == std::floor(ratio);
        // The drawing's area: right of the picture and above the frame, less the lists.
        const QRect area(112, 0, 441 - 112, 200);
        int checked = 0;
        for (int y = area.top() * ratio; y < (area.bottom() + 1) * ratio; ++y) {
            for (int x = area.left() * ratio; x < (area.right() + 1) * ratio; ++x) {
                const QPoint logical(int(x / ratio), int(y / ratio));
                if (window.childAt(logical) != nullptr) {
                    continue;
                }
                const QRgb actual = image.pixel(x, y);
                if (actual != ink && actual != background && actual != black) {
                    QFAIL(qPrintable(QStringLiteral("device pixel (%1, %2) is #%3: neither ink, black nor background")
                                         .arg(x)
                                         .arg(y)
                                         .arg(actual & 0xFFFFFF, 6, 16, QLatin1Char('0'))));
                }
                // At a whole scale every device pixel follows its logical pixel; at a fractional
                // one a line may be one device pixel wider or narrower, so only the middle of
                // each logical pixel is sure.
                const bool middle = int((x + 0.5) / ratio) == logical.x() && int((y + 0.5) / ratio) == logical.y()
                    && int((x - 0.5) / ratio) == logical.x() && int((y - 0.5) / ratio) == logical.y();
                if (whole || middle) {
                    const bool shouldBeInk = expected.count({logical.x(), logical.y()}) != 0;
                    const bool shouldBeBand = drawing.bands.count({logical.x(), logical.y()}) != 0;
                    const QRgb wanted = shouldBeInk ? ink : shouldBeBand ? black : background;
                    if (actual != wanted) {
                        QFAIL(qPrintable(QStringLiteral("device pixel (%1, %2) of logical (%3, %4) is #%5, not #%6")
                                             .arg(x)
                                             .arg(y)
                                             .arg(logical.x())
                                             .arg(logical.y())
                                             .arg(actual & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                                             .arg(wanted & 0xFFFFFF, 6, 16, QLatin1Char('0'))));
                    }
                    ++checked;
                }
            }
        }
        QVERIFY2(checked > 10000, qPrintable(QString::number(checked)));
        for (const Pixel& p : expected) {
            QVERIFY(QRect(area).contains(p.first, p.second)); // no part of the drawing lies under a control
            QVERIFY(window.childAt(p.first, p.second) == nullptr);
        }
    }

    // Image1 at any scale: every device pixel is a pixel of the picture or the background,
    // never a blend of two, and at a whole scale each pixel of the picture is a square block.
    void pictureIsSharp()
    {
        MainWindow window([](int) {});
        const QImage image = window.grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        const QImage picture = QImage(QStringLiteral(":/kwelt/kwelt.png")).convertToFormat(QImage::Format_ARGB32);
        const QRgb background = window.palette().color(QPalette::Button).rgb();
        const QRect image1(40, 16, 32, 32);
        for (int y = 0; y < 32 * ratio; ++y) {
            for (int x = 0; x < 32 * ratio; ++x) {
                const QRgb actual = image.pixel(int(image1.left() * ratio) + x, int(image1.top() * ratio) + y);
                const auto shown = [&](int px, int py) {
                    const QRgb p = picture.pixel(std::min(px, 31), std::min(py, 31));
                    return qAlpha(p) == 0 ? background : p;
                };
                // A fractional scale may give a pixel of the picture one device pixel more or
                // less: the neighbours' colours are as good.
                bool found = false;
                for (int dy = -1; dy <= 1 && !found; ++dy) {
                    for (int dx = -1; dx <= 1 && !found; ++dx) {
                        const bool whole = ratio == std::floor(ratio);
                        if (whole && (dx != 0 || dy != 0)) {
                            continue;
                        }
                        found = actual == shown(std::max(0, int(x / ratio) + dx), std::max(0, int(y / ratio) + dy));
                    }
                }
                QVERIFY2(found,
                    qPrintable(QStringLiteral("device pixel (%1, %2) of the picture is #%3")
                                   .arg(x)
                                   .arg(y)
                                   .arg(actual, 8, 16)));
            }
        }
    }

    void drawingDoesNotFollowTheLists()
    {
        test::ModalBoxAnswerer answerer;
        FilledMainWindow window;
        const QImage before = window.grab(QRect(112, 0, 329, 88)).toImage();
        QVERIFY(!before.isNull());
        window.controls().bandLists[0]->setCurrentIndex(9);
        window.controls().bandLists[2]->setCurrentIndex(8);
        window.controls().bandLists[3]->setCurrentIndex(2);
        const QImage after = window.grab(QRect(112, 0, 329, 88)).toImage();
        QCOMPARE(after, before);
    }
};

QTEST_MAIN(MainWindowDrawingTest)
#include "main_window_drawing_test.moc"

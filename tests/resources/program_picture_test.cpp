// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program picture: the committed picture files still match their text source, the icon's
// bytes are laid out as Windows reads them, and the windows show the picture.

#include "ui_test_support.h"

#include <main_window.h>
#include <picture_grid.h>
#include <start_up.h>
#include <widgets/program_picture.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <set>

using namespace kwelt;
using kwelt::test::ApplicationTestCase;

namespace {

QByteArray readFile(const QString& name)
{
    QFile file(QStringLiteral(KWELT_RESOURCES_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("cannot read %s", qPrintable(file.fileName()));
    }
    return file.readAll();
}

quint32 le(const QByteArray& bytes, int offset, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | static_cast<quint8>(bytes[offset + i]);
    }
    return value;
}

// The standard 16-colour palette, as the icon must carry it.
const QList<QRgb> StandardPalette{0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

} // namespace

class ProgramPictureTest : public ApplicationTestCase
{
    Q_OBJECT

    void setUpTestCase() override
    {
        QString error;
        m_grid = picture::parseGrid(QString::fromUtf8(readFile(QStringLiteral("kwelt_icon.txt"))), &error);
        QVERIFY2(m_grid.has_value(), qPrintable(error));
    }

private slots:
    void committedFilesMatchTheSource()
    {
        const QByteArray ico = picture::toIco(*m_grid);
        QCOMPARE(readFile(QStringLiteral("kwelt.ico")), ico);
        QCOMPARE(readFile(QStringLiteral("kwelt_icon_image.bin")), ico.mid(22));
        QImage png;
        QVERIFY(png.loadFromData(readFile(QStringLiteral("kwelt.png")), "PNG"));
        QCOMPARE(png.convertToFormat(QImage::Format_ARGB32), picture::toImage(*m_grid));
    }

    void icoLayout()
    {
        const QByteArray ico = readFile(QStringLiteral("kwelt.ico"));
        QCOMPARE(ico.size(), 22 + 744);
        QCOMPARE(le(ico, 0, 2), 0u); // reserved
        QCOMPARE(le(ico, 2, 2), 1u); // an icon
        QCOMPARE(le(ico, 4, 2), 1u); // one image
        QCOMPARE(le(ico, 6, 1), 32u);
        QCOMPARE(le(ico, 7, 1), 32u);
        QCOMPARE(le(ico, 8, 1), 16u); // colours
        QCOMPARE(le(ico, 12, 2), 4u); // bits a pixel
        QCOMPARE(le(ico, 14, 4), 744u);
        QCOMPARE(le(ico, 18, 4), 22u);
        const QByteArray image = ico.mid(22);
        QCOMPARE(le(image, 0, 4), 40u);
        QCOMPARE(le(image, 4, 4), 32u);
        QCOMPARE(le(image, 8, 4), 64u); // the colour bitmap and the mask
        QCOMPARE(le(image, 14, 2), 4u);
        for (int i = 0; i < 16; ++i) {
            const QRgb rgb = le(image, 40 + 4 * i, 3); // stored blue, green, red
            QCOMPARE(rgb, StandardPalette[i]);
        }
    }

    // Qt's own ICO reader sees the same picture as the PNG: mask and colours agree.
    void icoReadsBackAsThePicture()
    {
        QImage ico;
        QVERIFY(ico.loadFromData(readFile(QStringLiteral("kwelt.ico")), "ICO"));
        QCOMPARE(ico.size(), QSize(32, 32));
        const QImage expected = picture::toImage(*m_grid);
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QRgb a = ico.pixel(x, y);
                const QRgb b = expected.pixel(x, y);
                QCOMPARE(qAlpha(a) == 0, qAlpha(b) == 0);
                if (qAlpha(b) != 0) {
                    QCOMPARE(a & 0xFFFFFF, b & 0xFFFFFF);
                }
            }
        }
    }

    // What the picture shows: a black and grey symbol above, the banded body below.
    void pictureContent()
    {
        const QImage image = picture::toImage(*m_grid);
        std::set<QRgb> upper, lower;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qAlpha(pixel) != 0) {
                    (y < 16 ? upper : lower).insert(pixel & 0xFFFFFF);
                }
            }
        }
        QCOMPARE(upper, (std::set<QRgb>{0x000000, 0x808080}));
        for (QRgb colour : {0x000000u, 0xFFFF00u, 0xC0C0C0u, 0xFF0000u, 0x000080u, 0x800080u, 0xFFFFFFu}) {
            QVERIFY2(lower.count(colour), qPrintable(QString::number(colour, 16)));
        }
        for (QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 15), QPoint(31, 15)}) {
            QCOMPARE(qAlpha(image.pixel(corner)), 0);
        }
    }

    void parseRejectsABrokenGrid()
    {
        QString error;
        QVERIFY(!picture::parseGrid(QStringLiteral("# one row only\n0123\n"), &error));
        QVERIFY(error.contains(QStringLiteral("rows")));
        QString bad = QString(QStringLiteral("................................\n")).repeated(31);
        bad += QStringLiteral("...............X................\n");
        QVERIFY(!picture::parseGrid(bad, &error));
        QVERIFY(error.contains(QStringLiteral("row 32")));
    }

    // Image1 shows the picture at its size; its transparent pixels show the window behind it.
    void mainWindowShowsThePicture()
    {
        MainWindow window([](int) {});
        window.fillLists();
        const QImage shown = window.grab(window.controls().picture->geometry()).toImage();
        const QImage expected = picture::toImage(*m_grid);
        const QRgb background = window.palette().color(QPalette::Button).rgb();
        QCOMPARE(shown.pixel(0, 0), background);
        QCOMPARE(qAlpha(expected.pixel(0, 0)), 0);
        // A drawn pixel: the left end of the symbol's wire.
        QCOMPARE(qAlpha(expected.pixel(0, 7)), 255);
        QCOMPARE(shown.pixel(0, 7) & 0xFFFFFF, expected.pixel(0, 7) & 0xFFFFFF);
        QCOMPARE(window.windowIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32), expected);
    }

    void desktopIconsMatchTheDrawing_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("drawing");
        QTest::addColumn<int>("block");
        QTest::addColumn<QPoint>("margin"); // where the drawing starts
        QTest::addColumn<uint>("ground"); // around the drawing and under its transparent pixels
        // Only a build for the desktops that use them (not Windows) makes the desktop icons.
        const auto icon = [](int size, const char* drawing, int block, const char* name) {
            const QString dir = QStringLiteral(KWELT_ICON_DIR);
            if (!dir.isEmpty()) {
                QTest::addRow("%d px, %s", size, name)
                    << dir + QStringLiteral("/hicolor/%1x%1/apps/" KWELT_APP_ID ".png").arg(size) << QSize(size, size)
                    << QString::fromLatin1(drawing) << block << QPoint() << 0u;
            }
        };
        icon(16, "kwelt_icon_16.txt", 1, "drawn for it");
        icon(24, "kwelt_icon_24.txt", 1, "drawn for it");
        icon(32, "kwelt_icon.txt", 1, "the program picture");
        icon(48, "kwelt_icon_24.txt", 2, "the 24 px drawing doubled");
        icon(64, "kwelt_icon.txt", 2, "doubled");
        icon(128, "kwelt_icon.txt", 4, "four times");
        icon(256, "kwelt_icon.txt", 8, "eight times");
        QTest::addRow("the installer's side picture")
            << QStringLiteral(KWELT_RESOURCES_DIR "/kwelt-installer.bmp") << QSize(164, 314)
            << QStringLiteral("kwelt_icon.txt") << 4 << QPoint(18, 93) << uint(qRgb(255, 255, 255));
    }

    // The desktop icons the build makes and the installer's picture: each a drawing with every
    // pixel a square block, on a transparent or white ground.
    void desktopIconsMatchTheDrawing()
    {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        QFETCH(QString, drawing);
        QFETCH(int, block);
        QFETCH(QPoint, margin);
        QFETCH(uint, ground);
        QImage image;
        QVERIFY(image.load(file));
        image = image.convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.size(), size);
        const auto grid = picture::parseGrid(QString::fromUtf8(readFile(drawing)), nullptr);
        QVERIFY(grid.has_value());
        const QImage source = picture::toImage(*grid);
        const QRect drawn(margin, source.size() * block);
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                const QRgb pixel
                    = drawn.contains(x, y) ? source.pixel((x - margin.x()) / block, (y - margin.y()) / block) : 0u;
                const QRgb expected = qAlpha(pixel) == 0 ? ground : pixel;
                if (image.pixel(x, y) != expected) {
                    QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is %3, not %4")
                                         .arg(x)
                                         .arg(y)
                                         .arg(image.pixel(x, y), 8, 16)
                                         .arg(expected, 8, 16)));
                }
            }
        }
    }

#ifdef KWELT_DESKTOP_ICONS
    // The scalable icon, drawn by librsvg at 32 px, is the drawing pixel for pixel.
    void scalableIconIsTheDrawing()
    {
        const QString rsvg = QStandardPaths::findExecutable(QStringLiteral("rsvg-convert"));
        if (rsvg.isEmpty()) {
            QSKIP("rsvg-convert is missing (scripts/install-deps.sh installs it)");
        }
        QTemporaryDir dir;
        const QString png = dir.filePath(QStringLiteral("icon.png"));
        QCOMPARE(QProcess::execute(rsvg,
                     {QStringLiteral("-w"), QStringLiteral("32"), QStringLiteral("-h"), QStringLiteral("32"),
                         QStringLiteral("-o"), png,
                         QStringLiteral(KWELT_ICON_DIR "/hicolor/scalable/apps/" KWELT_APP_ID ".svg")}),
            0);
        QImage drawn;
        QVERIFY(drawn.load(png));
        QCOMPARE(drawn.convertToFormat(QImage::Format_ARGB32), picture::toImage(*m_grid));
    }
#endif

private:
    std::optional<picture::Grid> m_grid;
};

QTEST_MAIN(ProgramPictureTest)
#include "program_picture_test.moc"

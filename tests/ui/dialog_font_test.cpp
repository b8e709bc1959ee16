// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every text fits its control, whatever the desktop font: the windows are built under several
// desktop fonts, every text a control can ever show is put into it, and the control is drawn
// twice, its text once red and once blue: the text's ink is what differs. Where a text is cut
// off, its ink reaches the edge of the room the control gives it; so the ink must stay clear of
// that edge (left-aligned text starts on its left edge).

#include "ui_test_support.h"

#include <about_window.h>
#include <main_window.h>
#include <start_up.h>
#include <text/thai_font.h>
#include <widgets/band_combo_box.h>
#include <window_fonts.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTextEdit>

#include <cstdio>
#include <cstdlib>

#ifdef KWELT_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

using namespace kwelt;
using namespace kwelt::test;

namespace {

QImage picture(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The bounding box, within `region`, of the pixels of `widget` that its text colour paints.
QRect textInk(QWidget* widget, const QRect& region)
{
    const QPalette saved = widget->palette();
    const auto drawIn = [&](const QColor& colour) {
        QPalette palette = saved;
        for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
            palette.setColor(role, colour);
        }
        widget->setPalette(palette);
        return picture(widget);
    };
    const QImage red = drawIn(Qt::red);
    const QImage blue = drawIn(Qt::blue);
    widget->setPalette(saved);
    QRect box;
    // Ink differs between the pictures, and is coloured in at least one (a read-out field draws
    // black where red would not read). Windows' style may move a list's frame on through an
    // animation between the two pictures: that changes greys, not ink.
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            const QRgb inRed = red.pixel(x, y);
            const QRgb inBlue = blue.pixel(x, y);
            const auto grey
                = [](QRgb c) { return std::abs(qRed(c) - qGreen(c)) < 8 && std::abs(qGreen(c) - qBlue(c)) < 8; };
            if (inRed != inBlue && !(grey(inRed) && grey(inBlue))) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

// One text in one control: where its ink lies, and the room it must lie in without touching
// the room's edges (but the left one, for left-aligned text).
struct Room
{
    QString control;
    QString text;
    QRect ink;
    QRect room;
    bool leftAligned = false;
};

QList<Room> measureMainWindow(MainWindow& window)
{
    QList<Room> rooms;
    const auto label = [&](QLabel* field, const QStringList& texts, bool leftAligned = false) {
        const QString before = field->text();
        for (const QString& text : texts) {
            field->setText(text);
            rooms.append({field->objectName(), text, textInk(field, field->rect()), field->rect(), leftAligned});
        }
        field->setText(before);
    };
    // The read-out texts, written out here from the rules of the read-out.
    QStringList digits{QStringLiteral("?"), QStringLiteral("-1")};
    for (int d = 0; d <= 9; ++d) {
        digits.append(QStringLiteral(" %1").arg(d));
    }
    label(window.controls().readoutFields[0], digits);
    label(window.controls().readoutFields[1], digits);
    label(window.controls().readoutFields[2],
        {QStringLiteral("x  1"), QStringLiteral("x  10"), QStringLiteral("x  100"), QStringLiteral("x  1000"),
            QStringLiteral("x  10000"), QStringLiteral("x  100000"), QStringLiteral("x  1000000"),
            QStringLiteral("x  .1"), QStringLiteral("x  .01")});
    label(window.controls().readoutFields[3], {toleranceText("5%"), toleranceText("10%"), toleranceText("20%")}, true);
    label(window.controls().versionNote, {QStringLiteral("Version 1.0")});

    // A list's entry lies in its edit field, clear of the frame and the arrow.
    for (BandComboBox* list : window.controls().bandLists) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = false;
        option.frame = true;
        const QRect field
            = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
        const int selected = list->currentIndex();
        const QSignalBlocker quiet(list);
        for (int i = 0; i < list->count(); ++i) {
            list->setCurrentIndex(i);
            rooms.append({list->objectName(), list->itemText(i), textInk(list, field), field, true});
        }
        list->setCurrentIndex(selected);
    }

    for (QPushButton* button : {window.controls().aboutButton, window.controls().exitButton}) {
        const int frame = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        const QRect inside = button->rect().adjusted(frame, frame, -frame, -frame);
        rooms.append({button->objectName(), button->text(), textInk(button, inside), inside});
    }

    // The frame's title stays above the read-out fields.
    auto* frame = window.controls().readoutFrame;
    const QRect above(0, 0, frame->width(), window.controls().readoutFields[0]->geometry().top());
    rooms.append({QStringLiteral("Frame1"), frame->title(), textInk(frame, above), above.adjusted(0, -1, 0, 0), true});
    return rooms;
}

QList<Room> measureAboutWindow(AboutWindow& about)
{
    auto* ok = about.controls().okButton;
    const int frame = ok->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, ok);
    const QRect okInside = ok->rect().adjusted(frame, frame, -frame, -frame);
    auto* name = about.controls().productName;
    const QRect nameInside = name->rect().adjusted(1, 1, -1, -1); // inside its border
    return {
        {QStringLiteral("About OK"), ok->text(), textInk(ok, okInside), okInside},
        {QStringLiteral("About Label1"), name->text(), textInk(name, nameInside), nameInside},
    };
}

QString describe(const QRect& r)
{
    return QStringLiteral("(%1, %2) %3 x %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// What does not fit, one line each.
QStringList misfits(const QList<Room>& rooms)
{
    QStringList found;
    for (const Room& room : rooms) {
        const QRect clear = room.room.adjusted(room.leftAligned ? 0 : 1, 1, -1, -1);
        if (room.ink.isEmpty() || !clear.contains(room.ink)) {
            found.append(QStringLiteral("%1 \"%2\": ink %3 in room %4")
                             .arg(room.control, room.text, describe(room.ink), describe(room.room)));
        }
    }
    return found;
}

// The credits show all seven lines, none wider than the box, without scrolling.
QStringList creditsMisfit(AboutWindow& about)
{
    auto* credits = about.controls().credits;
    const QSizeF document = credits->document()->size();
    const QSize viewport = credits->viewport()->size();
    if (credits->document()->blockCount() != 7 || document.height() > viewport.height()
        || credits->document()->idealWidth() > viewport.width()) {
        return {QStringLiteral("credits: document %1 x %2 in %3 x %4")
                    .arg(document.width())
                    .arg(document.height())
                    .arg(viewport.width())
                    .arg(viewport.height())};
    }
    return {};
}

// The language fontconfig chose for the locale, and the ink of "About" and of "ความผิดพลาด" in
// the main window, one line each.
int printInk()
{
    int argc = 1;
    char name[] = "dialog_font_test";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    application.setAttribute(Qt::AA_Use96Dpi);
    configureApplication();
#ifdef KWELT_FONTCONFIG
    FcStrSet* languages = FcGetDefaultLangs();
    FcStrList* list = FcStrListCreate(languages);
    const FcChar8* first = FcStrListNext(list);
    std::printf("language: %s\n", first != nullptr ? reinterpret_cast<const char*>(first) : "");
    FcStrListDone(list);
    FcStrSetDestroy(languages);
#endif
    MainWindow window([](int) {});
    auto* about = window.controls().aboutButton;
    auto* field = window.controls().readoutFields[3];
    field->setText(QStringLiteral("ความผิดพลาด"));
    std::printf("ink: %s, %s\n", qPrintable(describe(textInk(about, about->rect()))),
        qPrintable(describe(textInk(field, field->rect()))));
    return 0;
}

} // namespace

class DialogFontTest : public ApplicationTestCase
{
    Q_OBJECT

public:
    // A child run of thaiLocaleKeepsTheSize, under the locale it was given.
    static void initMain()
    {
        if (qEnvironmentVariableIsSet("KWELT_PRINT_INK")) {
            std::exit(printInk());
        }
    }

private:
    void setUpTestCase() override { m_desktopFont = QApplication::font(); }

private slots:
    // Each row measures with the fonts a new process has: Qt keeps the faces it loaded for one
    // row, with the metrics they were loaded with (a fallback's, say), and clears them on a
    // timer, so that a later row would measure as an earlier one left things, or not.
    void init()
    {
        QFontDatabase::removeAllApplicationFonts();
        provideThaiFont();
    }

    void cleanup() { QApplication::setFont(m_desktopFont); }

    void everyTextFits_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("points");
        // The smallest size the windows may come to, where the desktop font leaves room enough.
        QTest::addColumn<double>("atLeast");
        QTest::newRow("DejaVu Sans 9, Debian's default") << QStringLiteral("DejaVu Sans") << 9.0 << 0.0;
        QTest::newRow("DejaVu Sans 10") << QStringLiteral("DejaVu Sans") << 10.0 << 0.0;
        QTest::newRow("DejaVu Sans 11") << QStringLiteral("DejaVu Sans") << 11.0 << 0.0;
        QTest::newRow("DejaVu Sans 13") << QStringLiteral("DejaVu Sans") << 13.0 << 0.0;
        QTest::newRow("DejaVu Sans 20") << QStringLiteral("DejaVu Sans") << 20.0 << 0.0;
        QTest::newRow("Liberation Sans 10") << QStringLiteral("Liberation Sans") << 10.0 << 0.0;
        QTest::newRow("Loma 11, a Thai-first font") << QStringLiteral("Loma") << 11.0 << 0.0;
        QTest::newRow("Cantarell 11, GNOME's") << QStringLiteral("Cantarell") << 11.0 << 0.0;
        if (QSysInfo::kernelType() == QLatin1String("winnt")) {
            // Wine's own desktop font, whose Tahoma is drawn badly a pixel smaller: the Thai marks in
            // the lists must leave it its size.
            QTest::newRow("Tahoma 8.25, Wine's") << QStringLiteral("Tahoma") << 8.25 << 8.25;
        }
    }

    // Each text fits at the size chosen, and that size is the desktop's or the largest below
    // it at which they fit: half a point more and something is cut off.
    void everyTextFits()
    {
        QFETCH(QString, family);
        QFETCH(double, points);
        QFETCH(double, atLeast);
        if (!QFontDatabase::families().contains(family)) {
            QSKIP(qPrintable(family + QStringLiteral(" is not installed")));
        }
        QFont desktop(family);
        desktop.setPointSizeF(points);
        QApplication::setFont(desktop);

        FilledMainWindow window;
        auto* about = new AboutWindow(&window);
        const QFont chosen = window.font();
        // The face the text is really drawn in, not the one asked for.
        QCOMPARE(QFontInfo(chosen).family(), family);
        QVERIFY(chosen.pointSizeF() <= points);
        QVERIFY2(chosen.pointSizeF() >= atLeast, qPrintable(QString::number(chosen.pointSizeF())));
        QVERIFY(fitDialogFont(desktop, window.style()).sizesMeasured <= 2);
        QCOMPARE(about->font(), chosen);
        qInfo("%s %g pt: the windows use %g pt", qPrintable(family), points, chosen.pointSizeF());

        QStringList found = misfits(measureMainWindow(window) + measureAboutWindow(*about)) + creditsMisfit(*about);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));

        if (chosen.pointSizeF() < points) {
            QFont larger = chosen;
            larger.setPointSizeF(chosen.pointSizeF() + 0.5);
            window.setFont(larger);
            about->setFont(larger);
            found = misfits(measureMainWindow(window) + measureAboutWindow(*about)) + creditsMisfit(*about);
            QVERIFY2(!found.isEmpty(), "a larger size would have fitted too");
        }
        delete about;
    }

    // The product name keeps its face and size where it fits, as it does at 96 dots per inch:
    // the face this system gives Times New Roman, not the dialog font's.
    void productNameKeepsItsFont()
    {
        MainWindow window([](int) {});
        const QString timesFace = QFontInfo(QFont(QStringLiteral("Times New Roman"))).family();
        if (timesFace == QFontInfo(window.font()).family()) {
            QSKIP("Times New Roman comes out in the dialog font's face here (Debian: fonts-liberation2)");
        }
        auto* about = new AboutWindow(&window);
        const QFontInfo drawn(about->controls().productName->font());
        QCOMPARE(drawn.family(), timesFace);
        QVERIFY(drawn.family() != QFontInfo(window.font()).family());
        QCOMPARE(drawn.pointSize(), 36);
        QVERIFY(drawn.bold());
        delete about;
    }

#ifdef KWELT_FONTCONFIG
    // A Thai locale changes the face fontconfig gives the desktop's "Sans Serif", but not the
    // windows' text: "About" and "ความผิดพลาด" come out the same as under the C locale.
    void thaiLocaleKeepsTheSize()
    {
        // What a child run of this test printed: the language fontconfig took, and the ink.
        const auto underLocale = [](const char* locale) {
            QProcess child;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            // fontconfig takes the language from LC_ALL and LC_CTYPE before LANG.
            environment.remove(QStringLiteral("LC_ALL"));
            environment.remove(QStringLiteral("LC_CTYPE"));
            environment.insert(QStringLiteral("LANG"), QLatin1String(locale));
            environment.insert(QStringLiteral("KWELT_PRINT_INK"), QStringLiteral("1"));
            child.setProcessEnvironment(environment);
            child.start(QCoreApplication::applicationFilePath(), {});
            child.waitForFinished();
            return QString::fromUtf8(child.readAllStandardOutput()).split(QLatin1Char('\n'));
        };
        const QStringList c = underLocale("C.UTF-8");
        const QStringList thai = underLocale("th_TH.UTF-8");
        QCOMPARE(thai.value(0), QStringLiteral("language: th"));
        QVERIFY2(c.value(1).startsWith(QLatin1String("ink: ")), qPrintable(c.join(QLatin1Char('\n'))));
        QCOMPARE(thai.value(1), c.value(1));
    }
#endif

private:
    QFont m_desktopFont;
};

QTEST_MAIN(DialogFontTest)
#include "dialog_font_test.moc"

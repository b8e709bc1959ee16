// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the main window does: the updates as its lists are filled, the read-out and its message
// boxes in their order, keyboard stepping, Exit, closing, and the report of an unhandled error.

#include "ui_test_support.h"

#include <oracle.h>

#include <about_window.h>
#include <main_window.h>
#include <platform/window_state.h>
#include <start_up.h>
#include <widgets/band_combo_box.h>

#include <QApplication>
#include <QFontInfo>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <array>
#include <optional>

using namespace kwelt;
using namespace kwelt::test;

namespace {

class ButtonIconStyle : public QProxyStyle
{
public:
    int styleHint(
        StyleHint hint, const QStyleOption* option, const QWidget* widget, QStyleHintReturn* returned) const override
    {
        return hint == SH_DialogButtonBox_ButtonsHaveIcons ? 1 : QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

using Positions = std::array<int, 4>;

struct Harness
{
    std::optional<int> endedWith;
    MainWindow window{[this](int code) { endedWith = code; }};
    QList<Positions> updates;

    Harness()
    {
        QObject::connect(&window, &MainWindow::positionsRead,
            [this](BandPosition a, BandPosition b, BandPosition c, BandPosition d) {
                updates.append({a, b, c, d});
            });
    }

    BandComboBox* list(int band) const { return window.controls().bandLists.at(static_cast<std::size_t>(band - 1)); }

    // Loads and shows the window as start-up does, then forgets the load's updates.
    bool loadAndShow()
    {
        window.fillLists();
        window.show();
        const bool exposed = QTest::qWaitForWindowExposed(&window);
        updates.clear();
        return exposed;
    }
};

} // namespace

class MainWindowBehaviourTest : public ApplicationTestCase
{
    Q_OBJECT

    // As GNOME's platform theme does: standard buttons with icons.
    void setUpTestCase() override { QApplication::setStyle(new ButtonIconStyle); }

private slots:
    void loadRunsFiveUpdatesWithoutAMessage()
    {
        Harness h;
        ModalBoxAnswerer answerer(&h.window);
        h.window.fillLists();
        const QList<Positions> expected{{1, -1, -1, -1}, {1, 0, -1, -1}, {1, 0, 0, -1}, {1, 0, 0, 0}, {1, 0, 0, 0}};
        QCOMPARE(h.updates, expected);
        QVERIFY(answerer.seen().isEmpty());
        QVERIFY(!h.window.isVisible());
        QCOMPARE(readoutTexts(&h.window),
            QStringList({QStringLiteral(" 1"), QStringLiteral(" 0"), QStringLiteral("x  1"), toleranceText("5%")}));
        QCOMPARE(h.list(1)->currentText(), QString::fromStdU16String(Brown));
        QCOMPARE(h.list(2)->currentText(), QString::fromStdU16String(Black));
        QCOMPARE(h.list(3)->currentText(), QString::fromStdU16String(Black));
        QCOMPARE(h.list(4)->currentText(), QString::fromStdU16String(Gold));
        QVERIFY(!h.endedWith);
    }

    void startUpShowsTheLoadedWindow()
    {
        ModalBoxAnswerer answerer;
        std::optional<int> endedWith;
        const auto window = startUp([&](int code) { endedWith = code; });
        QVERIFY(window->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCOMPARE(readoutTexts(window.get()).value(3), toleranceText("5%"));
        QVERIFY(answerer.seen().isEmpty());
        QVERIFY(!endedWith);
    }

    void listsAppendWithoutSelecting()
    {
        BandComboBox list;
        QSignalSpy clicks(&list, &BandComboBox::positionChanged);
        for (const char* entry : {"a", "b", "c"}) {
            list.appendEntry(QString::fromLatin1(entry).toStdU16String());
        }
        QCOMPARE(list.count(), 3);
        QCOMPARE(list.position(), BandPosition(-1));
        QCOMPARE(clicks.count(), 0);
        list.setPosition(2);
        QCOMPARE(list.position(), BandPosition(2));
        QCOMPARE(clicks.count(), 1);
        list.appendEntry(u"d"); // appending keeps the selection
        QCOMPARE(list.position(), BandPosition(2));
        QCOMPARE(clicks.count(), 1);
    }

    void readoutAndMessageOrder_data()
    {
        QTest::addColumn<Positions>("positions");
        QTest::addColumn<QStringList>("readout");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("meanwhile"); // the labels while the box is open

        const QString tolerance5 = toleranceText("5%");
        const QString tolerance10 = toleranceText("10%");
        const QString tolerance20 = toleranceText("20%");
        const QStringList start{QStringLiteral(" 1"), QStringLiteral(" 0"), QStringLiteral("x  1"), tolerance5};

        QTest::newRow("black first band: box before any label")
            << Positions{0, 4, 2, 1} << QStringList{"?", " 4", "x  100", tolerance10} << messageFor(0, 4) << start;
        QTest::newRow("brown then yellow: box after data1 and data2")
            << Positions{1, 4, 3, 2} << QStringList{" 1", "?", "x  1000", tolerance20} << messageFor(1, 4)
            << QStringList{" 1", "?", "x  1", tolerance5};
        QTest::newRow("white twice") << Positions{9, 9, 0, 0} << QStringList{" 9", "?", "x  1", tolerance5}
                                     << messageFor(9, 9) << QStringList{" 9", "?", "x  1", tolerance5};
        QTest::newRow("47, gold multiplier: no box")
            << Positions{4, 7, 7, 0} << QStringList{" 4", " 7", "x  .1", tolerance5} << QString() << QStringList();
        QTest::newRow("91, silver multiplier: no box")
            << Positions{9, 1, 8, 1} << QStringList{" 9", " 1", "x  .01", tolerance10} << QString() << QStringList();
        QTest::newRow("22, blue multiplier: no box")
            << Positions{2, 2, 6, 0} << QStringList{" 2", " 2", "x  1000000", tolerance5} << QString() << QStringList();
    }

    // The lists are set without their positionChanged, then one update runs, as after a user's pick.
    void readoutAndMessageOrder()
    {
        QFETCH(Positions, positions);
        QFETCH(QStringList, readout);
        QFETCH(QString, message);
        QFETCH(QStringList, meanwhile);

        Harness h;
        ModalBoxAnswerer answerer(&h.window);
        h.window.fillLists();
        for (int band = 1; band <= 4; ++band) {
            const QSignalBlocker quiet(h.list(band));
            h.list(band)->setCurrentIndex(positions[band - 1]);
        }
        h.window.updateReadout();

        QCOMPARE(readoutTexts(&h.window), readout);
        if (message.isEmpty()) {
            QVERIFY(answerer.seen().isEmpty());
            return;
        }
        QCOMPARE(answerer.seen().size(), 1);
        const SeenBox& box = answerer.seen().first();
        QCOMPARE(box.text, message);
        QCOMPARE(box.labelsMeanwhile, meanwhile);
        QCOMPARE(box.title, QStringLiteral("kwelt"));
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(box.buttonCount, 1);
        QVERIFY(box.okIsDefault);
        QVERIFY(box.okIsPlain);
        // Its Thai as the window's: drawn in the same face, at the same size.
        QCOMPARE(box.textFont.family(), QFontInfo(h.window.font()).family());
        QCOMPARE(box.textFont.pointSizeF(), QFontInfo(h.window.font()).pointSizeF());
        QCOMPARE(box.modality, Qt::ApplicationModal);
    }

    void messageTextRendersInThai()
    {
        KWELT_SKIP_WITHOUT_THAI_FONT();
        QMessageBox box;
        for (const QString& text : {messageFor(0, 0), messageFor(1, 7)}) {
            QVERIFY2(rendersWithoutMissingGlyphs(text, box.font()), qPrintable(text));
        }
    }

    // Arrow keys on a closed list run one update per entry passed, and a fault shows at once.
    void keyboardSteppingThroughBandTwo()
    {
        Harness h;
        ModalBoxAnswerer answerer(&h.window);
        QVERIFY(h.loadAndShow());

        QStringList messages;
        for (int step = 1; step <= 9; ++step) {
            answerer.clear();
            QTest::keyClick(h.list(2), Qt::Key_Down);
            QCOMPARE(h.list(2)->currentIndex(), step);
            QCOMPARE(h.updates.size(), step);
            QCOMPARE(h.updates.last(), (Positions{1, step, 0, 0}));
            // 14, 17 and 19 are not in the E24 series.
            QCOMPARE(answerer.seen().size(), (step == 4 || step == 7 || step == 9) ? 1 : 0);
            for (const SeenBox& box : answerer.seen()) {
                messages.append(box.text);
            }
        }
        QCOMPARE(messages, QStringList({messageFor(1, 4), messageFor(1, 7), messageFor(1, 9)}));
        QTest::keyClick(h.list(2), Qt::Key_Down); // already on the last entry
        QCOMPARE(h.updates.size(), 9);
    }

    void keyboardSteppingBandOneOntoBlack()
    {
        Harness h;
        ModalBoxAnswerer answerer(&h.window);
        QVERIFY(h.loadAndShow());

        QTest::keyClick(h.list(1), Qt::Key_Up);
        QCOMPARE(h.updates, QList<Positions>({{0, 0, 0, 0}}));
        QCOMPARE(answerer.seen().size(), 1);
        QCOMPARE(answerer.seen().first().text, messageFor(0, 0));
        QCOMPARE(readoutTexts(&h.window).value(0), QStringLiteral("?"));

        // A change of band 3 runs the whole update, so the fault still standing is reported again.
        answerer.clear();
        QTest::keyClick(h.list(3), Qt::Key_Down);
        QCOMPARE(answerer.seen().size(), 1);
        QCOMPARE(readoutTexts(&h.window),
            QStringList({QStringLiteral("?"), QStringLiteral(" 0"), QStringLiteral("x  10"), toleranceText("5%")}));
    }

    // Shown anew, as kwelt brings a box back where the window system will not raise it on request,
    // the box still waits for its answer: newer Qts end a dialog's exec() when it is hidden.
    void boxShownAnewStillWaitsForItsAnswer()
    {
        Harness h;
        QVERIFY(h.loadAndShow());
        bool waitedOn = false;
        QTimer::singleShot(0, this, [] {
            QWidget* box = nullptr;
            if (QTest::qWaitFor([&] { return (box = QApplication::activeModalWidget()) != nullptr; })) {
                platform::showAnew(box);
            }
        });
        QTimer::singleShot(500, this, [&waitedOn] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                waitedOn = box->isVisible();
                box->button(QMessageBox::Ok)->click();
            }
        });
        QTest::keyClick(h.list(1), Qt::Key_Up); // black: the box opens
        QVERIFY(waitedOn);
    }

    void enterAndEscapeInAListPressNoButton()
    {
        Harness h;
        QVERIFY(h.loadAndShow());
        QSignalSpy about(h.window.controls().aboutButton, &QPushButton::clicked);
        QSignalSpy exit(h.window.controls().exitButton, &QPushButton::clicked);
        QTest::keyClick(h.list(1), Qt::Key_Return);
        QTest::keyClick(h.list(1), Qt::Key_Escape);
        QCOMPARE(about.count(), 0);
        QCOMPARE(exit.count(), 0);
        QVERIFY(!h.endedWith);
    }

    // As on Windows, the focused button takes Enter: About opens its window, Exit ends.
    void enterPressesTheFocusedButton()
    {
        Harness h;
        QVERIFY(h.loadAndShow());
        auto* about = h.window.controls().aboutButton;
        about->setFocus();
        QTest::keyClick(about, Qt::Key_Return);
        QCOMPARE(aboutWindows().size(), 1);
        QVERIFY(!h.window.isEnabled());
        delete aboutWindows().value(0);
        QVERIFY(h.window.isEnabled());

        auto* exit = h.window.controls().exitButton;
        exit->setFocus();
        QTest::keyClick(exit, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(h.endedWith, std::optional<int>(EXIT_SUCCESS));
    }

    void exitEndsTheProgramAtOnce()
    {
        Harness h;
        ModalBoxAnswerer answerer(&h.window);
        QVERIFY(h.loadAndShow());
        QTest::mouseClick(h.window.controls().exitButton, Qt::LeftButton);
        QCOMPARE(h.endedWith, std::optional<int>(0));
        QVERIFY(answerer.seen().isEmpty()); // no confirmation
    }

    void closingTheWindowIsAccepted()
    {
        Harness h;
        h.window.fillLists();
        h.window.show();
        QVERIFY(h.window.close());
        QVERIFY(!h.window.isVisible());
    }

    // An error escaping a handler is reported under the program's title and ends the program.
    void unhandledErrorIsReportedAndEndsTheProgram()
    {
        Harness h;
        ModalBoxAnswerer answerer(&h.window);
        h.window.fillLists();
        answerer.clear();
        h.list(3)->appendEntry(u"extra"); // a tenth multiplier entry, which the decoder rejects
        h.list(3)->setPosition(9);
        QCOMPARE(h.endedWith, std::optional<int>(1));
        QCOMPARE(answerer.seen().size(), 1);
        const SeenBox& report = answerer.seen().first();
        QCOMPARE(report.title, QStringLiteral("kwelt"));
        QCOMPARE(report.icon, QMessageBox::Critical);
        QVERIFY2(report.text.contains(QStringLiteral("band 3")), qPrintable(report.text));
        QVERIFY2(report.text.contains(QStringLiteral("9")), qPrintable(report.text));
    }
};

QTEST_MAIN(MainWindowBehaviourTest)
#include "main_window_behaviour_test.moc"

// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Long use of the real windows: 10,000 random user actions delivered as Qt mouse and key
// events, with the program's invariants checked after every one. The seed is printed, and
// KWELT_SOAK_SEED replays a run.

#include "ui_test_support.h"

#include <about_window.h>
#include <main_window.h>
#include <start_up.h>
#include <widgets/band_combo_box.h>

#include <kwelt/core.h>

#include <QAbstractItemView>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStyleHints>
#include <QTest>
#include <QWindow>

#include <optional>
#include <random>

using namespace kwelt;
using namespace kwelt::test;

namespace {

constexpr int ActionCount = 10000;
constexpr unsigned DefaultSeed = 20261207;

// What the log saw: an update with the four positions it read, or a message box with its text.
struct Happening
{
    bool isBox = false;
    std::array<BandPosition, 4> positions{};
    QString boxText;
};

// Presses OK on every message box as soon as it is shown, through a real mouse click.
class BoxPresser : public QObject
{
public:
    QList<Happening>* log = nullptr;
    int boxes = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box != nullptr && event->type() == QEvent::Show) {
            ++boxes;
            log->append(Happening{true, {}, box->text()});
            QPointer<QMessageBox> guarded(box);
            QTimer::singleShot(0, this, [guarded] {
                if (guarded && guarded->button(QMessageBox::Ok)) {
                    QTest::mouseClick(guarded->button(QMessageBox::Ok), Qt::LeftButton);
                }
            });
        }
        return false;
    }
};

// Events aimed at the disabled main window are meant to go unheard; so are the offscreen
// platform's notes that it cannot raise windows or grab the keyboard. Everything else is kept.
QtMessageHandler previousHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg
        && (message.contains(QLatin1String("not accepted by receiving widget"))
            || message.contains(QLatin1String("This plugin does not support")))) {
        return;
    }
    previousHandler(type, context, message);
}

} // namespace

class SoakTest : public ApplicationTestCase
{
    Q_OBJECT

    void setUpTestCase() override
    {
        // A list's popup ignores a release that follows its opening within the double-click
        // time; a person's pick comes later than that, a test's at once.
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(0);
        previousHandler = qInstallMessageHandler(quietHandler);
    }

private slots:
    void cleanupTestCase() { qInstallMessageHandler(previousHandler); }

    void tenThousandRandomActions()
    {
        const unsigned seed = qEnvironmentVariableIsSet("KWELT_SOAK_SEED")
            ? qEnvironmentVariableIntValue("KWELT_SOAK_SEED")
            : DefaultSeed;
        qInfo("soak seed %u (replay with KWELT_SOAK_SEED=%u)", seed, seed);
        std::mt19937 random(seed);
        const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };

        std::optional<int> ended;
        const auto main = startUp([&](int code) { ended = code; });
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
        QList<Happening> log;
        connect(main.get(), &MainWindow::positionsRead, this,
            [&](BandPosition a, BandPosition b, BandPosition c, BandPosition d) {
                log.append(Happening{false, {a, b, c, d}, {}});
            });
        BoxPresser presser;
        presser.log = &log;
        qApp->installEventFilter(&presser);

        BandComboBox* lists[] = {main->controls().bandLists[0], main->controls().bandLists[1],
            main->controls().bandLists[2], main->controls().bandLists[3]};
        auto* about = main->controls().aboutButton;
        auto* exit = main->controls().exitButton;

        int updates = 0;
        int aboutOpenings = 0;
        QElapsedTimer clock;
        clock.start();
        for (int action = 0; action < ActionCount; ++action) {
            const QList<AboutWindow*> open = aboutWindows();
            QString what;
            if (open.isEmpty()) {
                switch (pick(10)) {
                case 0:
                case 1:
                case 2: { // open a list and pick an entry with the mouse
                    BandComboBox* list = lists[pick(4)];
                    QTest::mouseClick(list, Qt::LeftButton);
                    QAbstractItemView* view = list->view();
                    QVERIFY2(view->isVisible(), "the list did not open");
                    QCoreApplication::processEvents();
                    const QRect entry = view->visualRect(list->model()->index(pick(list->count()), 0));
                    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, entry.center());
                    what = QStringLiteral("pick in ") + list->objectName();
                    break;
                }
                case 3:
                case 4:
                case 5: { // step a list with an arrow key
                    BandComboBox* list = lists[pick(4)];
                    QTest::keyClick(list, pick(2) != 0 ? Qt::Key_Down : Qt::Key_Up);
                    what = QStringLiteral("arrow in ") + list->objectName();
                    break;
                }
                case 6:
                case 7: { // move the focus
                    const bool back = pick(2) != 0;
                    QWidget* focus = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : main.get();
                    QTest::keyClick(focus, back ? Qt::Key_Backtab : Qt::Key_Tab);
                    what = back ? QStringLiteral("shift+tab") : QStringLiteral("tab");
                    break;
                }
                default: // About
                    QTest::mouseClick(about, Qt::LeftButton);
                    ++aboutOpenings;
                    what = QStringLiteral("about");
                    break;
                }
            } else {
                AboutWindow* window = open.first();
                switch (pick(6)) {
                case 0:
                    QTest::mouseClick(window->controls().okButton, Qt::LeftButton);
                    what = QStringLiteral("about: OK");
                    break;
                case 1:
                    window->windowHandle()->close(); // the close box, the system menu, Alt+F4
                    what = QStringLiteral("about: close request");
                    break;
                case 2:
                    QTest::mouseClick(lists[pick(4)], Qt::LeftButton);
                    what = QStringLiteral("about open: click a list");
                    break;
                case 3:
                    QTest::keyClick(lists[pick(4)], Qt::Key_Down);
                    what = QStringLiteral("about open: arrow in a list");
                    break;
                case 4:
                    QTest::mouseClick(pick(2) != 0 ? exit : about, Qt::LeftButton);
                    what = QStringLiteral("about open: click a button");
                    break;
                default:
                    QTest::keyClick(main.get(), Qt::Key_Tab);
                    what = QStringLiteral("about open: key on the main window");
                    break;
                }
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

            // The message lives as long as the check that prints it.
            const QByteArray whereText = QStringLiteral("action %1 (%2)").arg(action).arg(what).toLocal8Bit();
            const auto where = [&] { return whereText.constData(); };
            QVERIFY2(!ended, where());
            QVERIFY2(QApplication::activeModalWidget() == nullptr, where());
            QVERIFY2(QApplication::activePopupWidget() == nullptr, where());
            const QList<AboutWindow*> after = aboutWindows();
            QVERIFY2(after.size() <= 1, where());
            QVERIFY2(main->isEnabled() == after.isEmpty(), where());
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (window->isVisible() && window != main.get() && !after.contains(window)) {
                    QFAIL(qPrintable(
                        QStringLiteral("%1: left open: %2").arg(where(), window->metaObject()->className())));
                }
            }

            // Each update showed one box exactly when it found a fault, with its message.
            for (int i = 0; i < log.size(); ++i) {
                QVERIFY2(!log[i].isBox, where()); // no box without an update
                ++updates;
                const auto& p = log[i].positions;
                const BandReadout readout = decodeBands(p[0], p[1], p[2], p[3]);
                if (readout.finding == CheckFinding::None) {
                    continue;
                }
                QVERIFY2(i + 1 < log.size() && log[i + 1].isBox, where());
                QCOMPARE(log[i + 1].boxText, QString::fromStdU16String(readout.message));
                ++i;
            }
            log.clear();

            const BandReadout expected
                = decodeBands(lists[0]->position(), lists[1]->position(), lists[2]->position(), lists[3]->position());
            const QStringList expectedTexts{QString::fromStdU16String(expected.digit1Text),
                QString::fromStdU16String(expected.digit2Text), QString::fromStdU16String(expected.multiplierText),
                QString::fromStdU16String(expected.toleranceText)};
            if (readoutTexts(main.get()) != expectedTexts) {
                QFAIL(qPrintable(QStringLiteral("%1: read-out %2, expected %3")
                                     .arg(where(), readoutTexts(main.get()).join(u'|'), expectedTexts.join(u'|'))));
            }
        }
        qApp->removeEventFilter(&presser);
        qInfo("soak: seed %u, %d actions, %d updates, %d message boxes, %d About windows, %lld ms", seed, ActionCount,
            updates, presser.boxes, aboutOpenings, static_cast<long long>(clock.elapsed()));
        QVERIFY(updates > ActionCount / 4);
        QVERIFY(presser.boxes > 0);
        QVERIFY(aboutOpenings > 0);
    }
};

QTEST_MAIN(SoakTest)
#include "soak_test.moc"

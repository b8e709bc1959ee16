// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows as a Wayland client: weston (run_under_weston.sh) and mutter (run_under_mutter.sh).
// The requests are made as the title bars Qt draws there make them: on the native window, behind
// the widget's back. A protocol error ends the process, and so fails the test. Under mutter the
// pointer and keys are real input, so that they reach the program through the compositor, serials
// and focus changes and all: made with xdotool on the X display that a nested mutter's window
// fills, or, where mutter runs headless (49 and later), through its remote-desktop interface.

#include "ui_test_support.h"

#include <about_window.h>
#include <main_window.h>
#include <platform/window_activation.h>
#include <start_up.h>
#include <widgets/band_combo_box.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDBusInterface>
#include <QDBusReply>
#include <QDir>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <memory>
#include <optional>

using namespace kwelt;
using namespace kwelt::test;

namespace {

void xdotool(const QStringList& arguments)
{
    QProcess::execute(QStringLiteral("xdotool"), arguments);
}

// What the compositor shows: through the X display that mutter's window fills, or weston's
// screenshooter, which writes a picture into its working folder (run_under_weston.sh lets it).
QImage screenImage()
{
    const bool weston = qEnvironmentVariableIsSet("KWELT_SCREEN_GRAB");
    QTemporaryDir folder;
    QProcess grab;
    grab.setWorkingDirectory(folder.path());
    grab.start(weston ? QStringLiteral("weston-screenshooter") : QStringLiteral("import"),
        weston ? QStringList()
               : QStringList{QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:-")});
    grab.waitForFinished();
    const QFileInfoList shots = QDir(folder.path()).entryInfoList({QStringLiteral("*.png")});
    return weston ? QImage(shots.value(0).filePath()) : QImage::fromData(grab.readAllStandardOutput(), "PNG");
}

// The first pixel of the read-out's light yellow that the display shows, where no other window
// covers it, once what it shows has settled (two grabs alike): nothing else on the screen has
// that colour.
std::optional<QPoint> readoutOnScreen()
{
    QImage last;
    std::optional<QPoint> found;
    const bool shown = QTest::qWaitFor(
        [&] {
            QImage screen = screenImage();
            const bool settled = screen == last;
            last = std::move(screen);
            for (int i = 0; settled && i < last.width() * last.height() && !found; ++i) {
                if (last.pixel(i % last.width(), i / last.width()) == qRgb(255, 255, 192)) {
                    found = QPoint(i % last.width(), i / last.width());
                }
            }
            return found.has_value();
        },
        20000);
    return shown ? found : std::nullopt;
}

// Real pointer and key input, through the compositor, at points of the screen: xdotool on the X
// display that a nested mutter's window fills, or mutter's remote-desktop interface where mutter
// runs headless (KWELT_REAL_INPUT).
class RealInput : public QObject
{
public:
    RealInput()
    {
        if (qEnvironmentVariable("KWELT_REAL_INPUT") != QLatin1String("mutter-remote-desktop")) {
            return;
        }
        // A session lives as long as the connection that made it: this one's.
        const QString service = QStringLiteral("org.gnome.Mutter.RemoteDesktop");
        const QDBusReply<QDBusObjectPath> session
            = QDBusInterface(service, QStringLiteral("/org/gnome/Mutter/RemoteDesktop"), service)
                  .call(QStringLiteral("CreateSession"));
        m_session
            = std::make_unique<QDBusInterface>(service, session.value().path(), service + QLatin1String(".Session"));
        m_session->call(QStringLiteral("Start"));
        keys({0xffe1}); // Shift: the seat has a keyboard, as a desktop's has, once a key is pressed
        qApp->installEventFilter(this);
    }

    bool remote() const { return m_session != nullptr; }

    void click(QPoint at)
    {
        if (!m_session) {
            xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                QStringLiteral("click"), QStringLiteral("1")});
            return;
        }
        moveTo(at);
        for (const bool pressed : {true, false}) {
            m_session->call(QStringLiteral("NotifyPointerButton"), 0x110 /* BTN_LEFT */, pressed);
        }
    }

    void keys(std::initializer_list<uint> keysyms)
    {
        for (const uint keysym : keysyms) {
            if (!m_session) {
                xdotool({QStringLiteral("key"), QStringLiteral("0x%1").arg(keysym, 0, 16)});
                continue;
            }
            for (const bool pressed : {true, false}) {
                m_session->call(QStringLiteral("NotifyKeyboardKeysym"), keysym, pressed);
            }
        }
    }

    // The point of the screen where `main`'s top left corner shows, while nothing covers it.
    std::optional<QPoint> originOf(MainWindow* main)
    {
        if (!m_session) { // the read-out's first pixel, less where it is in the window
            const auto readout = readoutOnScreen();
            return readout ? std::optional(*readout - main->controls().readoutFields[0]->mapTo(main, QPoint()))
                           : std::nullopt;
        }
        // Where the window takes the pointer: a headless mutter places it over the middle of its
        // monitor. The seat has a pointer only a moment after the session starts.
        const QPoint middle(512, 384);
        const bool entered = QTest::qWaitFor([&] {
            moveTo(middle);
            QTest::qWait(200);
            return m_entered == main->windowHandle();
        });
        return entered ? std::optional(middle - m_local) : std::nullopt;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = qobject_cast<QWindow*>(watched);
        if (window != nullptr && (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove)) {
            m_entered = window;
            m_local = static_cast<QSinglePointEvent*>(event)->position().toPoint();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // To the top left corner first, where the monitor stops the pointer, then to the point.
    void moveTo(QPoint at)
    {
        m_session->call(QStringLiteral("NotifyPointerMotionRelative"), -10000.0, -10000.0);
        m_session->call(QStringLiteral("NotifyPointerMotionRelative"), double(at.x()), double(at.y()));
    }

    std::unique_ptr<QDBusInterface> m_session;
    QPointer<QWindow> m_entered;
    QPoint m_local;
};

// Whether `window` holds the keyboard, as the compositor gives it (wl_keyboard.enter), or comes to.
bool holdsKeyboard(const QWidget* window)
{
    return QTest::qWaitFor([window] { return QGuiApplication::focusWindow() == window->windowHandle(); });
}

// A real click on the main window, whose top left corner shows at `origin`, while `blocker` blocks
// it: on what shows of its read-out or, with no screen to read, near its bottom left corner, which
// About and the box, smaller and placed over its middle, leave free. What went wrong, if anything.
QString clickBlockedWindow(RealInput& input, const QWidget* main, QPoint origin, QWidget* blocker)
{
    const auto away = input.remote() ? std::optional(origin + QPoint(16, main->height() - 16)) : readoutOnScreen();
    if (!away) {
        return QStringLiteral("the main window does not show");
    }
    const QSignalSpy shownAnew(blocker->windowHandle(), &QWindow::visibleChanged);
    const QSignalSpy focusMoved(qApp, &QGuiApplication::focusWindowChanged);
    input.click(*away);
    // The compositor gives the main window the keyboard for a moment, and kwelt hands it back; or it
    // keeps it on a modal box (mutter 49 and later do), and nothing reaches kwelt at all.
    const auto handedBack = [&] {
        return std::any_of(focusMoved.begin(), focusMoved.end(), [main](const QList<QVariant>& to) {
            return to.value(0).value<QWindow*>() == main->windowHandle();
        }) && QGuiApplication::focusWindow() == blocker->windowHandle();
    };
    if (!QTest::qWaitFor(handedBack, 3000) && QGuiApplication::focusWindow() != blocker->windowHandle()) {
        return QStringLiteral("the main window kept the keyboard (shown anew %1 times)").arg(shownAnew.size());
    }
    // mutter grants the activation kwelt asks for: no need to show the window anew, which flickers.
    return shownAnew.isEmpty() ? QString() : QStringLiteral("shown anew, not activated");
}

} // namespace

class WaylandTest : public ApplicationTestCase
{
    Q_OBJECT

    void setUpTestCase() override
    {
        QVERIFY(QGuiApplication::platformName().startsWith(QLatin1String("wayland")));
        m_window = startUp([](int) {});
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

private slots:
    // A row that failed half-way leaves the next one the main window alone, as it found it.
    void cleanup()
    {
        for (AboutWindow* about : aboutWindows()) {
            about->close();
        }
        QTRY_VERIFY(aboutWindows().isEmpty());
    }

    // Maximize, then minimize, each from the main window's and from the About window's
    // title bar: the window stays normal, at its size, with the About window its child.
    void windowStaysNormal_data()
    {
        QTest::addColumn<bool>("onAbout");
        QTest::addColumn<Qt::WindowState>("request");
        QTest::newRow("main window maximized") << false << Qt::WindowMaximized;
        QTest::newRow("main window minimized") << false << Qt::WindowMinimized;
        QTest::newRow("About window maximized") << true << Qt::WindowMaximized;
        QTest::newRow("About window minimized") << true << Qt::WindowMinimized;
    }

    void windowStaysNormal()
    {
        QFETCH(bool, onAbout);
        QFETCH(Qt::WindowState, request);
        QTest::mouseClick(m_window->controls().aboutButton, Qt::LeftButton);
        QTRY_COMPARE(aboutWindows().size(), 1);
        AboutWindow* about = aboutWindows().first();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        QCOMPARE(about->windowHandle()->transientParent(), m_window->windowHandle());

        QWidget* window = onAbout ? static_cast<QWidget*>(about) : m_window.get();
        // Both windows have a fixed size, which kwelt lifts only until the compositor has answered a
        // request to maximize, or given up answering (and a compositor may answer twice).
        const QSize size = window->minimumSize();
        window->windowHandle()->setWindowStates(request);
        QTRY_COMPARE_WITH_TIMEOUT(window->windowHandle()->windowStates(), Qt::WindowNoState, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(window->maximumSize(), size, 10000); // restored last
        QCOMPARE(window->size(), size);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(about->windowHandle()->transientParent(), m_window->windowHandle());
        QVERIFY(!m_window->isEnabled());
        about->close();
        QTRY_VERIFY(m_window->isEnabled());
    }

    // While a message box is open and once it has closed, the main window's controls are drawn
    // where they were: as the compositor shows them.
    void layoutStaysWhileBoxOpen()
    {
        if (qEnvironmentVariable("KWELT_REAL_INPUT") == QLatin1String("mutter-remote-desktop")) {
            QSKIP("a headless mutter shows its screen only through PipeWire");
        }
        const auto before = readoutOnScreen();
        QVERIFY(before);
        std::optional<QPoint> during;
        QTimer::singleShot(0, this, [this, &during] {
            QWidget* box = nullptr;
            if (QTest::qWaitFor([&] { return (box = QApplication::activeModalWidget()) != nullptr; })) {
                // Shown, and the main window repainted as it lost the keyboard, where there is one.
                if (QTest::qWaitForWindowExposed(box->windowHandle())
                    && QTest::qWaitFor([&] { return QGuiApplication::focusWindow() != m_window->windowHandle(); })) {
                    during = readoutOnScreen();
                }
                static_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
            }
        });
        m_window->controls().bandLists[0]->setPosition(0); // black: the box opens
        QCOMPARE(during, before);
        QCOMPARE(readoutOnScreen(), before);
        m_window->controls().bandLists[0]->setPosition(1);
    }

    // A click on the main window while the About window or a message box blocks it: the
    // blocking window gets the keyboard back, and the keys work there.
    void keyboardComesBack_data()
    {
        QTest::addColumn<bool>("box");
        QTest::newRow("About window") << false;
        QTest::newRow("message box") << true;
    }

    void keyboardComesBack()
    {
        QFETCH(bool, box);
        RealInput input;
        MainWindow* main = m_window.get();
        const auto origin = input.originOf(main);
        QVERIFY2(origin, "the main window does not show (real input comes from run_under_mutter.sh)");
        // The user's click, where a closed window may have left the keyboard nowhere.
        const QWidget* readout = main->controls().readoutFields[0];
        input.click(*origin + readout->mapTo(main, readout->rect().center()));
        QVERIFY(holdsKeyboard(main));
        if (!box) {
            const QWidget* about = main->controls().aboutButton;
            input.click(*origin + about->mapTo(main, about->rect().center()));
            QTRY_COMPARE(aboutWindows().size(), 1);
            AboutWindow* window = aboutWindows().first();
            QVERIFY(holdsKeyboard(window));
#ifdef KWELT_FOLLOWS_KEYBOARD
            // Qt's focus window wrong, as Qt can leave it on a busy machine: kwelt tells Qt again.
            const QSignalSpy moved(qApp, &QGuiApplication::focusWindowChanged);
            platform::tellQtFocusWindow(main->windowHandle());
            QTRY_VERIFY(!moved.isEmpty() && QGuiApplication::focusWindow() == window->windowHandle());
#endif
            const QString failure = clickBlockedWindow(input, main, *origin, window);
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
            // The keys reach it: Tab moves on from the credits to OK, and Space presses it.
            input.keys({0xff09, 0x20}); // Tab, Space
            QTRY_VERIFY(aboutWindows().isEmpty());
            return;
        }
        // The box awaits its answer inside the update: the click and Enter are made from within that
        // wait, and a box that Enter does not answer is closed, so that the test ends.
        QString failure = QStringLiteral("no box");
        QTimer::singleShot(0, this, [&] {
            QWidget* shown = nullptr;
            if (QTest::qWaitFor([&] { return (shown = QApplication::activeModalWidget()) != nullptr; })) {
                failure = holdsKeyboard(shown) ? clickBlockedWindow(input, main, *origin, shown)
                                               : QStringLiteral("opened without the keyboard");
                input.keys({0xff0d}); // Return
                QTimer::singleShot(3000, shown, [&failure, shown] {
                    failure += QStringLiteral(" Enter did not press OK");
                    shown->close();
                });
            }
        });
        main->controls().bandLists[0]->setPosition(0); // black: the box opens
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        main->controls().bandLists[0]->setPosition(1);
    }

private:
    std::unique_ptr<MainWindow> m_window;
};

QTEST_MAIN(WaylandTest)
#include "wayland_test.moc"

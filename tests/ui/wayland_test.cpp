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
#include <band_combo_box.h>
#include <main_window.h>
#include <start_up.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDBusInterface>
#include <QDBusMessage>
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

#include <memory>
#include <optional>

using namespace kwelt;
using namespace kwelt::test;

namespace {

void xdotool(const QStringList& arguments)
{
    QProcess::execute(QStringLiteral("xdotool"), arguments);
}

// What the compositor shows: through the X display that mutter's window fills, or weston's own
// screenshooter (run_under_weston.sh starts weston so that it lets a client use it).
QImage screenImage()
{
    QProcess grab;
    if (qEnvironmentVariable("KWELT_SCREEN_GRAB") == QLatin1String("weston-screenshooter")) {
        QTemporaryDir folder;
        grab.setWorkingDirectory(folder.path());
        grab.start(QStringLiteral("weston-screenshooter"), {});
        grab.waitForFinished();
        const QFileInfoList shots = QDir(folder.path()).entryInfoList({QStringLiteral("*.png")});
        return shots.isEmpty() ? QImage() : QImage(shots.first().filePath());
    }
    grab.start(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:-")});
    grab.waitForFinished();
    return QImage::fromData(grab.readAllStandardOutput(), "PNG");
}

// The first pixel of the read-out's light yellow that the display shows, where no other window
// covers it: nothing else on the screen has that colour.
std::optional<QPoint> readoutOnScreen()
{
    std::optional<QPoint> found;
    const bool shown = QTest::qWaitFor([&] {
        const QImage screen = screenImage();
        for (int i = 0; i < screen.width() * screen.height() && !found; ++i) {
            if (screen.pixel(i % screen.width(), i / screen.width()) == qRgb(255, 255, 192)) {
                found = QPoint(i % screen.width(), i / screen.width());
            }
        }
        return found.has_value();
    });
    return shown ? found : std::nullopt;
}

// Real pointer and key input, through the compositor, at points of the screen.
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
        QDBusInterface desktop(service, QStringLiteral("/org/gnome/Mutter/RemoteDesktop"), service);
        const QDBusReply<QDBusObjectPath> session = desktop.call(QStringLiteral("CreateSession"));
        if (!session.isValid()) {
            m_failure = session.error().message();
            return;
        }
        m_session = std::make_unique<QDBusInterface>(
            service, session.value().path(), QStringLiteral("org.gnome.Mutter.RemoteDesktop.Session"));
        call(QStringLiteral("Start"));
        // The seat has a keyboard, as a desktop's has, only once the session has pressed a key.
        keys({{"Shift_L", 0xffe1}});
        qApp->installEventFilter(this);
    }

    // Why there is no input, if there is none.
    QString unavailable() const
    {
        if (qEnvironmentVariable("KWELT_REAL_INPUT") == QLatin1String("mutter-remote-desktop")) {
            return m_failure.isEmpty() ? QString() : QStringLiteral("mutter's remote desktop: ") + m_failure;
        }
        return qEnvironmentVariableIsEmpty("DISPLAY") ? QStringLiteral("needs input through the compositor "
                                                                       "(run_under_mutter.sh)")
                                                      : QString();
    }

    void click(QPoint at)
    {
        if (!m_session) {
            xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                QStringLiteral("click"), QStringLiteral("1")});
            return;
        }
        moveTo(at);
        for (const bool pressed : {true, false}) {
            call(QStringLiteral("NotifyPointerButton"), LeftButton, pressed);
        }
    }

    // X keysyms, as xdotool names them.
    void keys(std::initializer_list<std::pair<const char*, uint>> keys)
    {
        for (const auto& [name, keysym] : keys) {
            if (!m_session) {
                xdotool({QStringLiteral("key"), QLatin1String(name)});
                continue;
            }
            for (const bool pressed : {true, false}) {
                call(QStringLiteral("NotifyKeyboardKeysym"), keysym, pressed);
            }
        }
    }

    // The point of the screen where `main`'s top left corner shows, while nothing blocks it.
    std::optional<QPoint> originOf(QWidget* main)
    {
        if (!m_session) { // the read-out's first pixel, and where it is in the window
            const auto readout = readoutOnScreen();
            return readout ? std::optional(*readout - namedChild<QWidget>(main, "data1")->mapTo(main, QPoint()))
                           : std::nullopt;
        }
        // The pointer, where the window takes it: a headless mutter places the first window
        // over the middle of its monitor. Its seat has a pointer only once the session's virtual
        // devices are there, a moment after the session starts: moves until then are lost.
        const QPoint middle(512, 384);
        if (!QTest::qWaitFor([&] {
                moveTo(middle);
                QTest::qWait(200);
                return m_entered == main->windowHandle();
            })) {
            return std::nullopt;
        }
        return middle - m_local;
    }

    // A point of `main`, whose top left corner shows at `origin`, that `blocker` does not cover.
    std::optional<QPoint> uncoveredPoint(QWidget* main, QPoint origin, const QWidget* blocker)
    {
        if (!m_session) {
            return readoutOnScreen();
        }
        const QRect inside = main->rect().adjusted(6, 6, -6, -6);
        for (const QPoint corner : {inside.bottomLeft(), inside.bottomRight(), inside.topLeft(), inside.topRight()}) {
            m_entered = nullptr;
            moveTo(origin + corner);
            QTest::qWait(300);
            if (m_entered != blocker->windowHandle()) {
                return origin + corner;
            }
        }
        return std::nullopt;
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
    static constexpr int LeftButton = 0x110; // BTN_LEFT

    // Remote-desktop pointers move by steps: to the top left corner first, where the monitor
    // stops them, then to the point.
    void moveTo(QPoint at)
    {
        call(QStringLiteral("NotifyPointerMotionRelative"), -10000.0, -10000.0);
        call(QStringLiteral("NotifyPointerMotionRelative"), double(at.x()), double(at.y()));
    }

    // The first error mutter answers with is kept, for unavailable().
    template <typename... Arguments>
    void call(const QString& method, Arguments... arguments)
    {
        const QDBusMessage reply = m_session->call(method, arguments...);
        if (reply.type() == QDBusMessage::ErrorMessage && m_failure.isEmpty()) {
            m_failure = method + QLatin1String(": ") + reply.errorMessage();
        }
    }

    std::unique_ptr<QDBusInterface> m_session;
    QString m_failure;
    QPointer<QWindow> m_entered;
    QPoint m_local;
};

// Whether `window` holds the keyboard, as the compositor last gave it (wl_keyboard.enter), once
// the input made so far has run its course.
bool holdsKeyboard(const QWidget* window)
{
    QTest::qWait(1000);
    return QGuiApplication::focusWindow() == window->windowHandle();
}

// A real click on the main window, whose top left corner shows at `origin`, where `blocker`, which
// blocks it, does not cover it: what went wrong, if anything.
QString clickBlockedWindow(RealInput& input, QWidget* main, QPoint origin, QWidget* blocker)
{
    const auto away = input.uncoveredPoint(main, origin, blocker);
    if (!away) {
        return QStringLiteral("the main window does not show");
    }
    const QSignalSpy shownAnew(blocker->windowHandle(), &QWindow::visibleChanged);
    input.click(*away);
    if (!holdsKeyboard(blocker)) {
        return QStringLiteral("the main window kept the keyboard");
    }
    // mutter grants the activation kwelt asks for: no need to show the window anew, which flickers.
    return shownAnew.isEmpty() ? QString() : QStringLiteral("shown anew, not activated");
}

} // namespace

class WaylandTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(QGuiApplication::platformName().startsWith(QLatin1String("wayland")));
        configureApplication();
        m_window = startUp([](int) {});
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
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
        QTest::mouseClick(namedChild<QWidget>(m_window.get(), "Command1"), Qt::LeftButton);
        QTRY_COMPARE(aboutWindows().size(), 1);
        AboutKWELT* about = aboutWindows().first();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        QCOMPARE(about->windowHandle()->transientParent(), m_window->windowHandle());

        QWidget* window = onAbout ? static_cast<QWidget*>(about) : m_window.get();
        const QSize size = window->size();
        window->windowHandle()->setWindowStates(request);
        QTest::qWait(1000); // the compositor's answers, and kwelt's to them
        QCOMPARE(window->windowHandle()->windowStates(), Qt::WindowStates(Qt::WindowNoState));
        QCOMPARE(window->size(), size);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(about->windowHandle()->transientParent(), m_window->windowHandle());
        QVERIFY(!m_window->isEnabled());
        about->close();
        QTRY_VERIFY(m_window->isEnabled());
    }

    // While a message box is open and once it has closed, the main window's controls are where
    // they were, and are drawn there: as the compositor shows them, in line with the drawing.
    void layoutStaysWhileBoxOpen()
    {
        if (qEnvironmentVariable("KWELT_REAL_INPUT") == QLatin1String("mutter-remote-desktop")) {
            QSKIP("a headless mutter shows its screen only through PipeWire");
        }
        QWidget* main = m_window.get();
        const auto controlsAt = [main] {
            QList<QRect> rects;
            for (const QWidget* control : main->findChildren<QWidget*>()) {
                if (control->window() == main) { // not the box, whose parent it is
                    rects.append(QRect(control->mapTo(main, QPoint()), control->size()));
                }
            }
            return rects;
        };
        const QList<QRect> controls = controlsAt();
        const auto before = readoutOnScreen();
        QVERIFY(before);
        std::optional<QPoint> during;
        QList<QRect> controlsDuring;
        QTimer::singleShot(0, this, [&] {
            QWidget* box = nullptr;
            if (QTest::qWaitFor([&] { return (box = QApplication::activeModalWidget()) != nullptr; })) {
                QVERIFY(QTest::qWaitForWindowExposed(box));
                QTest::qWait(500); // the main window's repaint as it loses the keyboard
                during = readoutOnScreen();
                controlsDuring = controlsAt();
                static_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
            }
        });
        namedChild<BandComboBox>(main, "color1")->setPosition(0); // black: the box opens
        QTest::qWait(500);
        const auto after = readoutOnScreen();
        namedChild<BandComboBox>(main, "color1")->setPosition(1);
        QCOMPARE(during, before);
        QCOMPARE(after, before);
        QCOMPARE(controlsDuring, controls);
        QCOMPARE(controlsAt(), controls);
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
        for (AboutKWELT* about : aboutWindows()) { // one that an earlier row left open
            about->close();
        }
        RealInput input;
        QVERIFY2(input.unavailable().isEmpty(), qPrintable(input.unavailable()));
        QWidget* main = m_window.get();
        const auto origin = input.originOf(main);
        QVERIFY2(origin, qPrintable(QStringLiteral("the main window does not show ") + input.unavailable()));
        if (!holdsKeyboard(main)) { // the user's click, where a closed window left the keyboard nowhere
            const QWidget* readout = namedChild<QWidget>(main, "data1");
            input.click(*origin + readout->mapTo(main, readout->rect().center()));
        }
        QVERIFY(holdsKeyboard(main));
        if (!box) {
            const QWidget* about = namedChild<QWidget>(main, "Command1");
            input.click(*origin + about->mapTo(main, about->rect().center()));
            QTRY_COMPARE(aboutWindows().size(), 1);
            AboutKWELT* window = aboutWindows().first();
            QVERIFY(holdsKeyboard(window));
            const QString failure = clickBlockedWindow(input, main, *origin, window);
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
            // The keys reach it: Tab moves on from the credits to OK, and Space presses it.
            input.keys({{"Tab", 0xff09}, {"space", 0x20}});
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
                input.keys({{"Return", 0xff0d}});
                QTimer::singleShot(3000, shown, [&failure, shown] {
                    failure += QStringLiteral(" Enter did not press OK");
                    shown->close();
                });
            }
        });
        namedChild<BandComboBox>(main, "color1")->setPosition(0); // black: the box opens
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        namedChild<BandComboBox>(main, "color1")->setPosition(1);
    }

private:
    std::unique_ptr<KWELT> m_window;
};

QTEST_MAIN(WaylandTest)
#include "wayland_test.moc"

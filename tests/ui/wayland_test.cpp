// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows as a Wayland client: weston (run_under_weston.sh) and mutter (run_under_mutter.sh).
// The requests are made as the title bars Qt draws there make them: on the native window, behind
// the widget's back. A protocol error ends the process, and so fails the test. Under mutter the
// pointer and keys are real input, made with xdotool on the X display that mutter's window fills,
// so that they reach the program through the compositor, serials and focus changes and all.

#include "ui_test_support.h"

#include <about_window.h>
#include <band_combo_box.h>
#include <main_window.h>
#include <start_up.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

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

void click(QPoint at)
{
    xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()), QStringLiteral("click"),
        QStringLiteral("1")});
}

// Whether `window` holds the keyboard, as the compositor last gave it (wl_keyboard.enter), once
// the input made so far has run its course.
bool holdsKeyboard(const QWidget* window)
{
    QTest::qWait(1000);
    return QGuiApplication::focusWindow() == window->windowHandle();
}

// A real click on the main window, on what shows of its read-out, while `blocker` blocks it: what
// went wrong, if anything.
QString clickBlockedWindow(QWidget* blocker)
{
    const auto away = readoutOnScreen();
    if (!away) {
        return QStringLiteral("the main window does not show");
    }
    const QSignalSpy shownAnew(blocker->windowHandle(), &QWindow::visibleChanged);
    click(*away);
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
        QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs input through the compositor (run_under_mutter.sh)");
        QWidget* main = m_window.get();
        QVERIFY(holdsKeyboard(main));
        if (!box) {
            const auto readout = readoutOnScreen(); // data1's corner, the main window being uncovered
            QVERIFY(readout);
            const QWidget* about = namedChild<QWidget>(main, "Command1");
            click(*readout - namedChild<QWidget>(main, "data1")->mapTo(main, QPoint())
                + about->mapTo(main, about->rect().center()));
            QTRY_COMPARE(aboutWindows().size(), 1);
            AboutKWELT* window = aboutWindows().first();
            QVERIFY(holdsKeyboard(window));
            const QString failure = clickBlockedWindow(window);
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
            // The keys reach it: Tab moves on from the credits to OK, and Space presses it.
            xdotool({QStringLiteral("key"), QStringLiteral("Tab"), QStringLiteral("space")});
            QTRY_VERIFY(aboutWindows().isEmpty());
            return;
        }
        // The box awaits its answer inside the update: the click and Enter are made from within that
        // wait, and a box that Enter does not answer is closed, so that the test ends.
        QString failure = QStringLiteral("no box");
        QTimer::singleShot(0, this, [&] {
            QWidget* shown = nullptr;
            if (QTest::qWaitFor([&] { return (shown = QApplication::activeModalWidget()) != nullptr; })) {
                failure
                    = holdsKeyboard(shown) ? clickBlockedWindow(shown) : QStringLiteral("opened without the keyboard");
                xdotool({QStringLiteral("key"), QStringLiteral("Return")});
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

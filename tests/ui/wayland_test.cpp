// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows as a Wayland client (weston, through run_under_weston.sh). The requests are
// made as the title bars Qt draws there make them: on the native window, behind the widget's
// back. A protocol error ends the process, and so fails the test.

#include "ui_test_support.h"

#include <about_window.h>
#include <main_window.h>
#include <start_up.h>

#include <QApplication>
#include <QTest>
#include <QWindow>

using namespace kwelt;
using namespace kwelt::test;

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

private:
    std::unique_ptr<KWELT> m_window;
};

QTEST_MAIN(WaylandTest)
#include "wayland_test.moc"

// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows under a real window manager (openbox on a private X display, through
// run_under_openbox.sh): keys and clicks go through the X server, as a user's do, and the
// active window is what the window manager says it is.

#include "ui_test_support.h"

#include <about_window.h>
#include <main_window.h>

#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

using namespace kwelt;
using namespace kwelt::test;

namespace {

// Runs xdotool, which sends real X input and window-manager requests.
void xdotool(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    process.waitForFinished(10000);
    QCoreApplication::processEvents();
}

QString windowId(const QWidget* window)
{
    return QString::number(window->winId());
}

// The window the window manager holds active, from the root window's _NET_ACTIVE_WINDOW.
WId activeWindowOfTheWindowManager()
{
    QProcess process;
    process.start(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_ACTIVE_WINDOW")});
    process.waitForFinished(10000);
    const QString out = QString::fromLatin1(process.readAllStandardOutput());
    return out.section(QLatin1Char('#'), 1).trimmed().toULongLong(nullptr, 16);
}

} // namespace

class WindowManagerTest : public ProgramTestCase
{
    Q_OBJECT

public:
    WindowManagerTest()
        : ProgramTestCase(true)
    { }

private slots:
    // Exit ends the real program's process at once, with success: a click on the button of the
    // program started as the user starts it.
    void exitEndsTheProgram()
    {
        QProcess program;
        program.setProgram(QStringLiteral(KWELT_PROGRAM));
        program.start();
        QVERIFY(program.waitForStarted());
        QProcess search;
        search.start(QStringLiteral("xdotool"),
            {QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--sync"),
                QStringLiteral("--onlyvisible"), QStringLiteral("--pid"), QString::number(program.processId()),
                QStringLiteral("--name"), QStringLiteral("KWELT")});
        QVERIFY(search.waitForFinished(10000));
        const QString window = QString::fromLatin1(search.readAllStandardOutput()).section(QLatin1Char('\n'), 0, 0);
        QVERIFY(!window.isEmpty());
        // Above the test's own main window, then the middle of its Command2.
        xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), window});
        xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QStringLiteral("--window"), window,
            QStringLiteral("372"), QStringLiteral("276"), QStringLiteral("click"), QStringLiteral("1")});
        const bool ended = program.state() == QProcess::NotRunning || program.waitForFinished(5000);
        if (!ended) {
            program.kill();
            program.waitForFinished();
        }
        QVERIFY2(ended, "the program still runs after Exit");
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
    }

    // The About window opens active, with the focus in the credits: keys typed go there.
    void aboutWindowOpensWithTheFocus()
    {
        AboutWindow* about = openAboutByKeyboard();
        QVERIFY(about);
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(about));
        QTRY_COMPARE(activeWindowOfTheWindowManager(), about->winId());
        auto* credits = about->controls().credits;
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(credits));
        xdotool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), QStringLiteral("ctrl+a")});
        QTRY_VERIFY(credits->textCursor().hasSelection());
    }

    // Closed by Enter on OK, or by Alt+F4 through the window manager, the About window leaves
    // the main window active with the focus on About again.
    void focusReturnsToTheMainWindow_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::newRow("Tab to OK, Enter") << QStringLiteral("Tab Return");
        QTest::newRow("Alt+F4") << QStringLiteral("alt+F4");
    }

    void focusReturnsToTheMainWindow()
    {
        QFETCH(QString, keys);
        QPointer<AboutWindow> about = openAboutByKeyboard();
        QVERIFY(about);
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(about.data()));
        for (const QString& key : keys.split(QLatin1Char(' '))) {
            xdotool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), key});
        }
        QTRY_VERIFY(about.isNull() || !about->isVisible());
        QVERIFY(programWindow()->isEnabled());
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(programWindow()));
        QTRY_COMPARE(activeWindowOfTheWindowManager(), programWindow()->winId());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(programWindow()->controls().aboutButton));
    }

    // Covered by the main window (a click on it raises it first), the About window comes back
    // to the front, active, when the main window is clicked or activated.
    void aboutWindowComesBackToTheFront_data()
    {
        QTest::addColumn<bool>("click");
        QTest::newRow("main window clicked") << true;
        QTest::newRow("main window activated") << false;
    }

    void aboutWindowComesBackToTheFront()
    {
        QFETCH(bool, click);
        AboutWindow* about = openAboutByKeyboard();
        QVERIFY(about);
        QTRY_COMPARE(activeWindowOfTheWindowManager(), about->winId());
        if (click) {
            xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), windowId(programWindow()),
                QStringLiteral("300"), QStringLiteral("150"), QStringLiteral("click"), QStringLiteral("1")});
        } else {
            xdotool({QStringLiteral("windowactivate"), windowId(programWindow())});
        }
        QTRY_COMPARE(activeWindowOfTheWindowManager(), about->winId());
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(about));
        QVERIFY(!programWindow()->isEnabled());
    }

private:
    // Tabs to About in the main window and presses it with Space, both through the X server.
    AboutWindow* openAboutByKeyboard()
    {
        programWindow()->controls().aboutButton->setFocus();
        xdotool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), QStringLiteral("space")});
        if (!QTest::qWaitFor([] { return aboutWindows().size() == 1; }, 5000)) {
            qWarning("no About window opened");
        }
        return aboutWindows().value(0);
    }
};

QTEST_MAIN(WindowManagerTest)
#include "window_manager_test.moc"

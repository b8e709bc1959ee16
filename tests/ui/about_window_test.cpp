// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The About window: its layout and credits, its read-only text, focus, and the way it keeps
// the main window disabled for exactly as long as it exists.

#include "ui_test_support.h"

#include <about_window.h>
#include <main_window.h>
#include <widgets/band_combo_box.h>

#include <QClipboard>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QWindow>

#include <optional>

using namespace kwelt;
using namespace kwelt::test;

namespace {

const QString Credits
    = QStringLiteral("kWELT : Brandelwick\r\n--- By ---\r\nTamrovi\r\nOskelund\r\n--- Pellacourt ---\r\nRavenmoor\r\n");

// Notes whether the main window was enabled when the watched window was hidden.
struct EnabledWhenHidden : QObject
{
    explicit EnabledWhenHidden(const QWidget* main)
        : main(main)
    { }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && !enabled) {
            enabled = main->isEnabled();
        }
        return false;
    }
    const QWidget* main;
    std::optional<bool> enabled;
};

} // namespace

class AboutWindowTest : public ProgramTestCase
{
    Q_OBJECT

private slots:
    void windowFrame()
    {
        const SchemeOverride colours(QStringLiteral("two-tone")); // the button face unlike the window's
        AboutWindow* about = openAbout();
        QVERIFY(about);
        QVERIFY(about->isVisible());
        QCOMPARE(about->windowTitle(), QStringLiteral("About KWELT version 1.0"));
        QCOMPARE(about->minimumSize(), QSize(379, 213));
        QCOMPARE(about->maximumSize(), QSize(379, 213));
        QCOMPARE(about->parentWidget(), nullptr); // no owner
        QCOMPARE(about->windowType(), Qt::Tool); // no taskbar button, a short title bar
        const Qt::WindowFlags flags = about->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(about->windowIcon().isNull()); // no icon in the title bar
        QCOMPARE(about->palette().color(about->backgroundRole()), about->palette().color(QPalette::Button));
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("product name") << "Label1" << QRect(1200 / 15, 120 / 15, 3135 / 15, 975 / 15);
        QTest::newRow("credits") << "Text1" << QRect(240 / 15, 1320 / 15, 5295 / 15, 1695 / 15);
        QTest::newRow("OK") << "Command1" << QRect(4440 / 15, 360 / 15, 1095 / 15, 495 / 15);
        QTest::newRow("picture") << "Image1" << QRect(240 / 15, 240 / 15, 480 / 15, 480 / 15);
    }

    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QRect, expected);
        AboutWindow* about = openAbout();
        QVERIFY(about);
        auto* widget = namedChild<QWidget>(about, name.toLatin1().constData());
        QCOMPARE(widget->geometry(), expected);
        QVERIFY(widget->isVisible());
        QVERIFY(widget->isEnabled());
    }

    void texts()
    {
        AboutWindow* about = openAbout();
        QVERIFY(about);
        auto* product = about->controls().productName;
        QCOMPARE(product->text(), QStringLiteral("kWELT"));
        QCOMPARE(product->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(product->font().pointSize(), 36);
        QCOMPARE(product->font().weight(), QFont::Bold);
        QVERIFY(!product->font().italic() && !product->font().underline() && !product->font().strikeOut());
        QCOMPARE(product->alignment(), Qt::AlignCenter);
        QCOMPARE(product->frameShape(), QFrame::Box);
        QCOMPARE(about->controls().okButton->text(), QStringLiteral("OK"));
        QCOMPARE(about->controls().picture->pixmap().size(), QSize(32, 32));

        QCOMPARE(AboutWindow::creditsText(), Credits);
        // Six lines and the empty one after the last line break, all visible at once.
        auto* credits = about->controls().credits;
        const QStringList lines{QStringLiteral("kWELT : Brandelwick"), QStringLiteral("--- By ---"),
            QStringLiteral("Tamrovi"), QStringLiteral("Oskelund"), QStringLiteral("--- Pellacourt ---"),
            QStringLiteral("Ravenmoor"), QString()};
        QStringList shown;
        for (QTextBlock block = credits->document()->begin(); block.isValid(); block = block.next()) {
            shown.append(block.text());
        }
        QCOMPARE(shown, lines);
        QVERIFY(credits->document()->size().height() <= credits->viewport()->height());
        QVERIFY(credits->document()->size().width() <= credits->viewport()->width());
    }

    void creditsAreReadOnly()
    {
        AboutWindow* about = openAbout();
        QVERIFY(about);
        auto* credits = about->controls().credits;
        const QString before = credits->toPlainText();
        QVERIFY(credits->isReadOnly());
        QTest::keyClicks(credits, QStringLiteral("typed"));
        QTest::keyClick(credits, Qt::Key_Return);
        QApplication::clipboard()->setText(QStringLiteral("pasted"));
        QTest::keyClick(credits, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(credits, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(credits, Qt::Key_Delete);
        QTest::keyClick(credits, Qt::Key_Backspace);
        QTest::keyClick(credits, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(credits->toPlainText(), before);
        // Selecting and copying works.
        QTest::keyClick(credits, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(credits, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), before);
    }

    void focusAndTab()
    {
        AboutWindow* about = openAbout();
        QVERIFY(about);
        about->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(about));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
    }

    void enterAndEscapeDoNotPressOk()
    {
        AboutWindow* about = openAbout();
        QVERIFY(about);
        auto* ok = about->controls().okButton;
        QVERIFY(!ok->isDefault() && !ok->autoDefault());
        QTest::keyClick(about->controls().credits, Qt::Key_Return);
        QTest::keyClick(about->controls().credits, Qt::Key_Enter);
        QTest::keyClick(about, Qt::Key_Escape);
        processDeletions();
        QCOMPARE(aboutWindows().size(), 1);
        QVERIFY(!programWindow()->isEnabled());
    }

    void mainWindowIgnoresInputWhileOpen()
    {
        AboutWindow* about = openAbout();
        QVERIFY(about);
        QVERIFY(!programWindow()->isEnabled());
        auto* band1 = programWindow()->controls().bandLists[0];
        QTest::mouseClick(band1, Qt::LeftButton);
        QTest::keyClick(band1, Qt::Key_Down);
        QCOMPARE(band1->currentIndex(), 1);
        QVERIFY(QApplication::activePopupWidget() == nullptr); // the list did not open
        QTest::mouseClick(programWindow()->controls().exitButton, Qt::LeftButton);
        QVERIFY(!endedWith()); // Exit did nothing
        QTest::mouseClick(programWindow()->controls().aboutButton, Qt::LeftButton);
        QCOMPARE(aboutWindows().size(), 1); // About cannot be pressed again
        QVERIFY(!programWindow()->close()); // nor can the main window be closed
        QVERIFY(programWindow()->isVisible());
    }

    void okEnablesTheMainWindowAndGoes()
    {
        QPointer<AboutWindow> about = openAbout();
        QVERIFY(about);
        // The main window is enabled before the About window goes: already when it hides.
        EnabledWhenHidden watch(programWindow());
        about->installEventFilter(&watch);
        QTest::mouseClick(about->controls().okButton, Qt::LeftButton);
        QVERIFY(programWindow()->isEnabled());
        QCOMPARE(watch.enabled, std::optional<bool>(true));
        processDeletions();
        QVERIFY(about.isNull());
        QVERIFY(aboutWindows().isEmpty());

        // The main window works again at once.
        QTest::keyClick(programWindow()->controls().bandLists[2], Qt::Key_Down);
        QCOMPARE(readoutTexts(programWindow()).value(2), QStringLiteral("x  10"));
    }

    void closeRequestEnablesTheMainWindow()
    {
        QPointer<AboutWindow> about = openAbout();
        QVERIFY(about);
        EnabledWhenHidden watch(programWindow());
        about->installEventFilter(&watch);
        QVERIFY(about->close()); // as the close box, the system menu and Alt+F4 ask
        QVERIFY(programWindow()->isEnabled());
        QCOMPARE(watch.enabled, std::optional<bool>(true));
        processDeletions();
        QVERIFY(about.isNull());
    }

    void destroyingTheWindowEnablesTheMainWindow()
    {
        AboutWindow* about = openAbout();
        QVERIFY(about);
        delete about;
        QVERIFY(programWindow()->isEnabled());
    }

    void everyOpeningIsANewWindowWithTheSameContent()
    {
        QPointer<AboutWindow> first = openAbout();
        QVERIFY(first);
        first->controls().credits->selectAll();
        QTest::mouseClick(first->controls().okButton, Qt::LeftButton);
        processDeletions();
        QVERIFY(first.isNull());

        AboutWindow* second = openAbout();
        QVERIFY(second);
        QVERIFY(!programWindow()->isEnabled());
        auto* credits = second->controls().credits;
        QVERIFY(!credits->textCursor().hasSelection());
        QCOMPARE(credits->document()->blockCount(), 7);
    }

    // As on Windows, the focused OK takes Enter, from the main keyboard and from the keypad.
    void enterPressesFocusedOk_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    }

    void enterPressesFocusedOk()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QPointer<AboutWindow> about = openAbout();
        QVERIFY(about);
        auto* ok = about->controls().okButton;
        ok->setFocus();
        QTest::keyClick(ok, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        processDeletions();
        QVERIFY(about.isNull());
        QVERIFY(programWindow()->isEnabled());
    }

    // When the About window goes, the main window's focus is back on the control that had it.
    void focusReturnsToTheMainWindow()
    {
        auto* aboutButton = programWindow()->controls().aboutButton;
        aboutButton->setFocus();
        QTest::keyClick(aboutButton, Qt::Key_Space);
        QPointer<AboutWindow> about = aboutWindows().value(0);
        QVERIFY(about);
        QVERIFY(programWindow()->focusWidget() != aboutButton); // disabled controls lose the focus
        QTest::mouseClick(about->controls().okButton, Qt::LeftButton);
        processDeletions();
        QVERIFY(about.isNull());
        QCOMPARE(programWindow()->focusWidget(), static_cast<QWidget*>(aboutButton));
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(programWindow()));
    }

    // A minimized About window would keep the main window disabled out of sight: a click on
    // the main window, which reaches none of its disabled controls, brings it back.
    void minimizedAboutWindowComesBack()
    {
        AboutWindow* about = openAbout();
        QVERIFY(about);
        programWindow()->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(about));
        about->showMinimized();
        QTRY_VERIFY(about->isMinimized());
        QTest::mouseClick(programWindow()->windowHandle(), Qt::LeftButton, {}, QPoint(300, 150));
        QTRY_VERIFY(!about->isMinimized());
        QVERIFY(about->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(about));
    }

    void activatingTheMainWindowRaisesTheAboutWindow()
    {
        AboutWindow* about = openAbout();
        QVERIFY(about);
        programWindow()->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(about));
    }
};

QTEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"

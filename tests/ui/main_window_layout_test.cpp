// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window as laid out: its frame, every control with its place, text and look, the
// tab order and the fonts. Expected places are the layout's twips, converted here.

#include "ui_test_support.h"

#include <main_window.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace kwelt;
using namespace kwelt::test;

namespace {

QRect fromTwips(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

} // namespace

class MainWindowLayoutTest : public ApplicationTestCase
{
    Q_OBJECT

private slots:
    void init()
    {
        m_window = std::make_unique<MainWindow>([](int) { QFAIL("the program ended"); });
    }
    void cleanup() { m_window.reset(); }

    void windowFrame()
    {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Brandelwick : KWELT"));
        QCOMPARE(m_window->minimumSize(), QSize(441, 307));
        QCOMPARE(m_window->maximumSize(), QSize(441, 307));
        const Qt::WindowFlags flags = m_window->windowFlags();
        QVERIFY(flags.testFlag(Qt::Window));
        QVERIFY(!flags.testFlag(Qt::Tool)); // a normal window with a taskbar entry
        QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!m_window->windowIcon().isNull());
        QCOMPARE(m_window->windowIcon().availableSizes().value(0), QSize(32, 32));
    }

    void controlGeometry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parentName");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("color1") << "color1"
                                << "KWELT" << fromTwips(240, 1320, 2175, 330);
        QTest::newRow("color2") << "color2"
                                << "KWELT" << fromTwips(240, 1800, 2175, 330);
        QTest::newRow("color3") << "color3"
                                << "KWELT" << fromTwips(240, 2280, 2175, 330);
        QTest::newRow("color4") << "color4"
                                << "KWELT" << fromTwips(240, 2760, 2175, 330);
        QTest::newRow("About") << "Command1"
                               << "KWELT" << fromTwips(4920, 3480, 1335, 375);
        QTest::newRow("Exit") << "Command2"
                              << "KWELT" << fromTwips(4920, 3960, 1335, 375);
        QTest::newRow("frame") << "Frame1"
                               << "KWELT" << fromTwips(240, 3480, 4575, 855);
        QTest::newRow("data1, in the frame") << "data1"
                                             << "Frame1" << fromTwips(240, 360, 375, 375);
        QTest::newRow("data2, in the frame") << "data2"
                                             << "Frame1" << fromTwips(600, 360, 375, 375);
        QTest::newRow("data3, in the frame") << "data3"
                                             << "Frame1" << fromTwips(960, 360, 1815, 375);
        QTest::newRow("data4, in the frame") << "data4"
                                             << "Frame1" << fromTwips(2880, 360, 1455, 375);
        QTest::newRow("version note") << "Label1"
                                      << "KWELT" << fromTwips(240, 720, 1335, 255);
        QTest::newRow("picture") << "Image1"
                                 << "KWELT" << fromTwips(600, 240, 480, 480);
    }

    void controlGeometry()
    {
        QFETCH(QString, name);
        QFETCH(QString, parentName);
        QFETCH(QRect, expected);
        auto* widget = namedChild<QWidget>(m_window.get(), name.toLatin1().constData());
        QCOMPARE(widget->parentWidget()->objectName(), parentName);
        QCOMPARE(widget->geometry(), expected);
        QVERIFY(widget->isVisibleTo(m_window.get()));
        QVERIFY(widget->isEnabled());
    }

    void readoutFieldsMeasuredFromTheWindow()
    {
        // data1 and data2 overlap by one pixel column.
        const QPoint origin = m_window->mapFromGlobal(QPoint());
        const auto at = [&](const char* name) {
            return namedChild<QWidget>(m_window.get(), name)->mapToGlobal(QPoint()) + origin;
        };
        QCOMPARE(at("data1"), QPoint(480 / 15, 3840 / 15));
        QCOMPARE(at("data2"), QPoint(840 / 15, 3840 / 15));
        QCOMPARE(at("data3"), QPoint(1200 / 15, 3840 / 15));
        QCOMPARE(at("data4"), QPoint(3120 / 15, 3840 / 15));
    }

    void texts()
    {
        QCOMPARE(m_window->controls().aboutButton->text(), QStringLiteral("About"));
        QCOMPARE(m_window->controls().exitButton->text(), QStringLiteral("Exit"));
        QCOMPARE(m_window->controls().readoutFrame->title(), QStringLiteral("ค่าที่อ่านได้"));
        QCOMPARE(m_window->controls().versionNote->text(), QStringLiteral("Version 1.0"));
        // The layout's own texts, before the first update replaces them.
        QCOMPARE(
            readoutTexts(m_window.get()), QStringList({QString(), QString(), QString(), QStringLiteral("ผิดพลาด")}));
    }

    void readoutLook_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<int>("horizontalAlignment");
        QTest::newRow("data1") << "data1" << QColor(255, 255, 192) << int(Qt::AlignHCenter);
        QTest::newRow("data2") << "data2" << QColor(255, 255, 192) << int(Qt::AlignHCenter);
        QTest::newRow("data3") << "data3" << QColor(255, 255, 192) << int(Qt::AlignHCenter);
        QTest::newRow("data4") << "data4" << QColor(255, 224, 192) << int(Qt::AlignLeft);
    }

    void readoutLook()
    {
        QFETCH(QString, name);
        QFETCH(QColor, background);
        QFETCH(int, horizontalAlignment);
        auto* label = namedChild<QLabel>(m_window.get(), name.toLatin1().constData());
        QVERIFY(label->autoFillBackground());
        QCOMPARE(label->palette().color(label->backgroundRole()), background);
        QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), horizontalAlignment);
        QCOMPARE(label->frameShape(), QFrame::NoFrame);
        QCOMPARE(label->palette().color(label->foregroundRole()), m_window->palette().color(QPalette::WindowText));
    }

    void systemColours()
    {
        // Under colours where the button face and its text differ from the window's.
        const SchemeOverride colours(QStringLiteral("two-tone"));
        m_window = std::make_unique<MainWindow>([](int) {});
        // The window's background is the button face; labels and the frame title use button text.
        QCOMPARE(m_window->palette().color(m_window->backgroundRole()), m_window->palette().color(QPalette::Button));
        QVERIFY(m_window->autoFillBackground());
        auto* version = m_window->controls().versionNote;
        QCOMPARE(version->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QVERIFY(!version->autoFillBackground());
        QCOMPARE(version->palette().color(QPalette::WindowText), m_window->palette().color(QPalette::ButtonText));
        auto* frame = m_window->controls().readoutFrame;
        QCOMPARE(frame->palette().color(QPalette::WindowText), m_window->palette().color(QPalette::ButtonText));
    }

    void picture()
    {
        auto* image = m_window->controls().picture;
        QCOMPARE(image->pixmap().size(), QSize(32, 32));
        QVERIFY(image->pixmap().hasAlphaChannel());
        QVERIFY(!image->autoFillBackground());
    }

    void listsArePickOnly()
    {
        for (const char* name : {"color1", "color2", "color3", "color4"}) {
            auto* list = namedChild<QComboBox>(m_window.get(), name);
            QVERIFY2(!list->isEditable(), name);
            QCOMPARE(list->count(), 0); // filled at start-up, not by the layout
            QCOMPARE(list->currentIndex(), -1);
        }
    }

    void noDefaultButton()
    {
        for (const char* name : {"Command1", "Command2"}) {
            auto* button = namedChild<QPushButton>(m_window.get(), name);
            QVERIFY2(!button->isDefault(), name);
            QVERIFY2(!button->autoDefault(), name);
        }
    }

    void onlyListsAndButtonsTakeFocus()
    {
        for (const char* name : {"Frame1", "data1", "data2", "data3", "data4", "Label1", "Image1"}) {
            QCOMPARE(namedChild<QWidget>(m_window.get(), name)->focusPolicy(), Qt::NoFocus);
        }
        for (const char* name : {"color1", "color2", "color3", "color4", "Command1", "Command2"}) {
            QVERIFY2(namedChild<QWidget>(m_window.get(), name)->focusPolicy() & Qt::TabFocus, name);
        }
    }

    void tabOrder()
    {
        m_window->fillLists();
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("color1"));

        const QStringList forward{"color2", "color3", "color4", "Command1", "Command2", "color1"};
        for (const QString& expected : forward) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), expected);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command2"));
    }

    // Every text the window shows has a glyph for every character, Thai included.
    void textsRenderInThai()
    {
        KWELT_SKIP_WITHOUT_THAI_FONT();
        ModalBoxAnswerer answerer(m_window.get());
        m_window->fillLists();
        QStringList texts{
            m_window->windowTitle(), m_window->controls().readoutFrame->title(), QStringLiteral("ผิดพลาด")};
        for (const char* name : {"color1", "color2", "color3", "color4"}) {
            auto* list = namedChild<QComboBox>(m_window.get(), name);
            for (int i = 0; i < list->count(); ++i) {
                texts.append(list->itemText(i));
            }
        }
        texts.append(readoutTexts(m_window.get()));
        for (const QString& text : texts) {
            QString missingIn;
            QVERIFY2(rendersWithoutMissingGlyphs(text, m_window->font(), &missingIn),
                qPrintable(text + QStringLiteral(" lacks a glyph in ") + missingIn));
        }
        QVERIFY(answerer.seen().isEmpty());
    }

private:
    std::unique_ptr<MainWindow> m_window;
};

QTEST_MAIN(MainWindowLayoutTest)
#include "main_window_layout_test.moc"

// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader finds in the main window: a name for every list, button and read-out
// field, the read-out's current text, and the text of a message box.

#include "ui_test_support.h"

#include <oracle.h>

#include <main_window.h>
#include <widgets/band_combo_box.h>

#include <QAccessible>
#include <QTest>

using namespace kwelt;
using namespace kwelt::test;

namespace {

QAccessibleInterface* accessibleChild(const QWidget* window, const char* name)
{
    return QAccessible::queryAccessibleInterface(namedChild<QWidget>(window, name));
}

// What the program announced to screen readers: the object's name, the kind of change, and for a
// new value the value. A plain function gets the announcements, so they are kept here.
QStringList announcements;

void recordAnnouncement(QAccessibleEvent* event)
{
    QString entry = event->object()->objectName() + QLatin1Char(' ') + QString::number(event->type(), 16);
    if (event->type() == QAccessible::ValueChanged) {
        entry += QLatin1Char(' ') + static_cast<QAccessibleValueChangeEvent*>(event)->value().toString();
    }
    announcements.append(entry);
}

} // namespace

class AccessibilityTest : public ApplicationTestCase
{
    Q_OBJECT

private slots:
    void listsAreNamedAfterTheirBand_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("entry");
        QTest::newRow("band 1") << "color1" << QStringLiteral("สีที่ 1") << QString::fromStdU16String(Brown);
        QTest::newRow("band 2") << "color2" << QStringLiteral("สีที่ 2") << QString::fromStdU16String(Black);
        QTest::newRow("band 3") << "color3" << QStringLiteral("สีที่ 3") << QString::fromStdU16String(Black);
        QTest::newRow("band 4") << "color4" << QStringLiteral("สีที่ 4") << QString::fromStdU16String(Gold);
    }

    void listsAreNamedAfterTheirBand()
    {
        QFETCH(QString, list);
        QFETCH(QString, name);
        QFETCH(QString, entry);
        FilledMainWindow window;
        auto* widget = namedChild<QWidget>(&window, list.toLatin1().constData());
        QCOMPARE(widget->accessibleName(), name);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        QCOMPARE(accessible->role(), QAccessible::ComboBox);
        QCOMPARE(accessible->text(QAccessible::Description), name);
        QCOMPARE(accessible->text(QAccessible::Value), entry);
    }

    void buttonsAndFrame()
    {
        MainWindow window([](int) {});
        QCOMPARE(accessibleChild(&window, "Command1")->text(QAccessible::Name), QStringLiteral("About"));
        QCOMPARE(accessibleChild(&window, "Command1")->role(), QAccessible::Button);
        QCOMPARE(accessibleChild(&window, "Command2")->text(QAccessible::Name), QStringLiteral("Exit"));
        QCOMPARE(accessibleChild(&window, "Frame1")->text(QAccessible::Name), QStringLiteral("ค่าที่อ่านได้"));
        QCOMPARE(accessibleChild(&window, "Frame1")->role(), QAccessible::Grouping);
    }

    // Each read-out field says which band it belongs to, and gives its current text.
    void readoutFollowsEachUpdate()
    {
        FilledMainWindow window;
        const char* fields[] = {"data1", "data2", "data3", "data4"};
        for (int band = 1; band <= 4; ++band) {
            QAccessibleInterface* accessible = accessibleChild(&window, fields[band - 1]);
            QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("ค่าที่อ่านได้ สีที่ %1").arg(band));
            QCOMPARE(accessible->role(), QAccessible::StaticText);
        }

        const QStringList expected{
            QStringLiteral(" 1"), QStringLiteral(" 0"), QStringLiteral("x  1000000"), toleranceText("10%")};
        window.controls().bandLists[3]->setPosition(1);
        window.controls().bandLists[2]->setPosition(6);

        for (int band = 1; band <= 4; ++band) {
            QAccessibleInterface* accessible = accessibleChild(&window, fields[band - 1]);
            QCOMPARE(accessible->text(QAccessible::Value), expected[band - 1]);
            QCOMPARE(accessible->text(QAccessible::Description), expected[band - 1]);
        }

        // Stepping band 3 through its entries: the multiplier field's text follows every update.
        const QStringList multipliers{QStringLiteral("x  1"), QStringLiteral("x  10"), QStringLiteral("x  100"),
            QStringLiteral("x  1000"), QStringLiteral("x  10000"), QStringLiteral("x  100000"),
            QStringLiteral("x  1000000"), QStringLiteral("x  .1"), QStringLiteral("x  .01")};
        for (int p3 = 0; p3 < multipliers.size(); ++p3) {
            window.controls().bandLists[2]->setPosition(BandPosition(p3));
            QCOMPARE(accessibleChild(&window, "data3")->text(QAccessible::Value), multipliers[p3]);
        }
    }

    // A screen reader is told of each change of the read-out, its value and its description.
    // Qt tells only where an accessibility bus runs: run_with_accessibility_bus.sh runs this.
    void readoutChangesAreAnnounced()
    {
        if (qEnvironmentVariableIsEmpty("QT_LINUX_ACCESSIBILITY_ALWAYS_ON")) {
            QSKIP("needs the accessibility bus of run_with_accessibility_bus.sh");
        }
        FilledMainWindow window;
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
        announcements.clear();
        const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(recordAnnouncement);
        window.controls().bandLists[2]->setPosition(6);
        QAccessible::installUpdateHandler(previous);
        const QString valueChanged = QString::number(QAccessible::ValueChanged, 16);
        const QString descriptionChanged = QString::number(QAccessible::DescriptionChanged, 16);
        QVERIFY2(announcements.contains(QStringLiteral("data3 %1 x  1000000").arg(valueChanged)),
            qPrintable(announcements.join(QLatin1String(", "))));
        QVERIFY2(announcements.contains(QStringLiteral("data3 %1").arg(descriptionChanged)),
            qPrintable(announcements.join(QLatin1String(", "))));
    }

    void messageBoxTextIsReadable()
    {
        MainWindow window([](int) {});
        ModalBoxAnswerer answerer(&window);
        window.fillLists();
        window.controls().bandLists[0]->setPosition(0);
        QCOMPARE(answerer.seen().size(), 1);
        QCOMPARE(answerer.seen().first().accessibleValue, messageFor(0, 0));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"

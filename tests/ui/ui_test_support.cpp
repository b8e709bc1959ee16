// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui_test_support.h"

#include <about_window.h>
#include <main_window.h>
#include <oracle.h>
#include <start_up.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QGlyphRun>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTextLayout>

namespace kwelt::test {

ModalBoxAnswerer::ModalBoxAnswerer(const QWidget* mainWindow)
    : m_mainWindow(mainWindow)
{
    m_timer.setInterval(5);
    QObject::connect(&m_timer, &QTimer::timeout, this, &ModalBoxAnswerer::poll);
    m_timer.start();
}

void ModalBoxAnswerer::poll()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) {
        return;
    }
    SeenBox seen;
    seen.title = box->windowTitle();
    seen.text = box->text();
    seen.icon = box->icon();
    seen.buttonCount = box->buttons().size();
    seen.okIsDefault = box->defaultButton() != nullptr && box->defaultButton() == box->button(QMessageBox::Ok);
    if (const QAbstractButton* ok = box->button(QMessageBox::Ok)) {
        seen.okIsPlain = ok->text() == QStringLiteral("OK") && ok->icon().isNull();
    }
    if (const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        seen.textFont = QFontInfo(label->font());
    }
    seen.modality = box->windowModality();
    if (QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box)) {
        seen.accessibleValue = accessible->text(QAccessible::Value);
    }
    if (m_mainWindow != nullptr) {
        seen.labelsMeanwhile = readoutTexts(m_mainWindow);
    }
    m_seen.append(seen);
    if (m_look) {
        m_look(box);
    }
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
        ok->click();
    } else {
        box->reject();
    }
}

QList<AboutWindow*> aboutWindows()
{
    QList<AboutWindow*> found;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* about = qobject_cast<AboutWindow*>(window)) {
            found.append(about);
        }
    }
    return found;
}

void processDeletions()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

FilledMainWindow::FilledMainWindow()
    : MainWindow([](int) {})
{
    fillLists();
}

void ApplicationTestCase::initTestCase()
{
    configureApplication();
    setUpTestCase();
}

ProgramTestCase::ProgramTestCase(bool waitForActive)
    : m_waitForActive(waitForActive)
{ }

void ProgramTestCase::init()
{
    m_endedWith.reset();
    m_window = startUp([this](int code) { m_endedWith = code; });
    QVERIFY(
        m_waitForActive ? QTest::qWaitForWindowActive(programWindow()) : QTest::qWaitForWindowExposed(programWindow()));
}

void ProgramTestCase::cleanup()
{
    qDeleteAll(aboutWindows());
    m_window.reset();
    processDeletions();
}

AboutWindow* ProgramTestCase::openAbout()
{
    QTest::mouseClick(programWindow()->controls().aboutButton, Qt::LeftButton);
    const QList<AboutWindow*> windows = aboutWindows();
    return windows.size() == 1 ? windows.first() : nullptr;
}

QString messageFor(int p1, int p2)
{
    return QString::fromStdU16String(expectedCheck(p1, p2).message);
}

QString toleranceText(const char* percent)
{
    return QString::fromStdU16String(Error) + QLatin1Char(' ') + QLatin1String(percent);
}

QStringList readoutTexts(const QWidget* mainWindow)
{
    QStringList texts;
    for (const char* name : {"data1", "data2", "data3", "data4"}) {
        texts.append(namedChild<QLabel>(mainWindow, name)->text());
    }
    return texts;
}

bool rendersWithoutMissingGlyphs(const QString& text, const QFont& font, QString* missing)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    bool complete = true;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        for (quint32 glyph : run.glyphIndexes()) {
            if (glyph == 0) { // the font's "missing glyph" box
                complete = false;
                if (missing != nullptr) {
                    *missing = run.rawFont().familyName();
                }
            }
        }
    }
    return complete && !layout.glyphRuns().isEmpty();
}

QPalette schemePalette(const QString& scheme)
{
    if (scheme == QLatin1String("light")) {
        return QApplication::style()->standardPalette();
    }
    if (scheme == QLatin1String("navy") || scheme == QLatin1String("two-tone")) {
        const bool twoTone = scheme == QLatin1String("two-tone");
        QPalette palette = QApplication::style()->standardPalette();
        palette.setColor(QPalette::WindowText, QColor(0, 0, 128));
        palette.setColor(QPalette::ButtonText, twoTone ? QColor(128, 0, 0) : QColor(0, 0, 128));
        if (twoTone) {
            palette.setColor(QPalette::Button, QColor(212, 208, 200));
            palette.setColor(QPalette::Window, QColor(Qt::white));
        }
        return palette;
    }
    const bool dark = scheme == QLatin1String("dark");
    if (!dark && scheme != QLatin1String("high contrast")) {
        qFatal("no colour scheme %s", qPrintable(scheme));
    }
    const QColor text = dark ? QColor(239, 240, 241) : QColor(Qt::white);
    const QColor window = dark ? QColor(35, 38, 41) : QColor(Qt::black);
    const QColor button = dark ? QColor(49, 54, 59) : QColor(Qt::black);
    const QColor base = dark ? QColor(27, 30, 32) : QColor(Qt::black);
    const QColor disabledText = dark ? QColor(98, 108, 118) : QColor(0, 255, 0);
    QPalette palette(button, window);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor ink = group == QPalette::Disabled ? disabledText : text;
        palette.setColor(group, QPalette::WindowText, ink);
        palette.setColor(group, QPalette::ButtonText, ink);
        palette.setColor(group, QPalette::Text, ink);
        palette.setColor(group, QPalette::Window, window);
        palette.setColor(group, QPalette::Button, button);
        palette.setColor(group, QPalette::Base, base);
        palette.setColor(group, QPalette::Highlight, dark ? QColor(61, 174, 233) : QColor(0, 255, 255));
        palette.setColor(group, QPalette::HighlightedText, dark ? text : QColor(Qt::black));
    }
    return palette;
}

SchemeOverride::SchemeOverride(const QString& scheme)
    : m_previous(QApplication::palette())
{
    QApplication::setPalette(schemePalette(scheme));
}

SchemeOverride::~SchemeOverride()
{
    QApplication::setPalette(m_previous);
}

} // namespace kwelt::test

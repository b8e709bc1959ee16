// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <about_window.h>
#include <main_window.h>
#include <widgets/band_combo_box.h>
#include <widgets/program_picture.h>
#include <widgets/push_button.h>
#include <widgets/readout_label.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPalette>
#include <QString>
#include <QTextEdit>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QWidget;

namespace kwelt::test {

// What a message box showed, and what the main window's labels showed while it was open.
struct SeenBox
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QAbstractButton*>::size_type buttonCount = 0;
    bool okIsDefault = false;
    bool okIsPlain = false; // reads "OK", with no icon
    QFontInfo textFont{QFont()}; // the font the message is really drawn in

    Qt::WindowModality modality = Qt::NonModal;
    QStringList labelsMeanwhile; // data1..data4 of the main window, if one was given
    QString accessibleValue; // what a screen reader reads of the box
};

// Answers every modal message box that appears while it lives: it records what the box showed
// and presses its OK button, so that a fault in the program never leaves a test waiting.
class ModalBoxAnswerer : public QObject
{
public:
    explicit ModalBoxAnswerer(const QWidget* mainWindow = nullptr);

    const QList<SeenBox>& seen() const { return m_seen; }
    void clear() { m_seen.clear(); }
    // Shows each box to `look` before it is answered.
    void beforeAnswering(std::function<void(QMessageBox*)> look) { m_look = std::move(look); }

private:
    void poll();

    const QWidget* m_mainWindow;
    std::function<void(QMessageBox*)> m_look;
    QTimer m_timer;
    QList<SeenBox> m_seen;
};

// Every About window that exists, shown or not.
QList<AboutWindow*> aboutWindows();

// Deletes what was closed or left for deletion, and handles the events that leaves.
void processDeletions();

// The main window with its lists filled, as start-up leaves it before showing it. Ending the
// program does nothing.
class FilledMainWindow : public MainWindow
{
public:
    FilledMainWindow();
};

// A test class whose application is set up as the program sets up its own.
class ApplicationTestCase : public QObject
{
    Q_OBJECT

protected:
    // What the test class sets up besides, once for all its tests, after the application.
    virtual void setUpTestCase() { }

private slots:
    void initTestCase();
};

// A test class whose every test function starts with the program shown as the user starts it,
// and ends with it and every window it opened gone.
class ProgramTestCase : public ApplicationTestCase
{
    Q_OBJECT

protected:
    // Under a window manager the main window must also come up active.
    explicit ProgramTestCase(bool waitForActive = false);

    MainWindow* programWindow() const { return m_window.get(); }
    const std::optional<int>& endedWith() const { return m_endedWith; }
    // Clicks About and returns the About window it opened; none if it opened none or more.
    AboutWindow* openAbout();

private slots:
    void init();
    void cleanup();

private:
    bool m_waitForActive;
    std::optional<int> m_endedWith;
    std::unique_ptr<MainWindow> m_window;
};

// From the core's table of expectations: what the check says of bands 1 and 2 at these list
// positions, and the tolerance's read-out ("ความผิดพลาด 5%" for "5%").
QString messageFor(int p1, int p2);
QString toleranceText(const char* percent);

// The texts of data1..data4.
QStringList readoutTexts(const QWidget* mainWindow);

// A child of `parent` by object name, failing loudly when it is missing.
template <typename T>
T* namedChild(const QWidget* parent, const char* name)
{
    T* child = parent->findChild<T*>(QLatin1String(name));
    if (child == nullptr) {
        qFatal("no child %s", name);
    }
    return child;
}

// The colours of a desktop colour scheme: "light" (the style's standard palette), "navy" (the
// same with navy text), "two-tone" (navy window text, maroon button text, and a button face unlike
// the window's white), "dark" (as KDE's Breeze Dark) or "high contrast" (white on black).
QPalette schemePalette(const QString& scheme);

// Makes `scheme` the application's palette while it lives, as a desktop would.
class SchemeOverride
{
public:
    explicit SchemeOverride(const QString& scheme);
    ~SchemeOverride();
    SchemeOverride(const SchemeOverride&) = delete;
    SchemeOverride& operator=(const SchemeOverride&) = delete;

private:
    QPalette m_previous;
};

// True when every character of `text` has a glyph in `font` or in the fonts Qt falls back to.
bool rendersWithoutMissingGlyphs(const QString& text, const QFont& font, QString* missing = nullptr);

// Thai can be drawn only where there is a Thai font: the system's, or the one kwelt carries.
#define KWELT_SKIP_WITHOUT_THAI_FONT()                                                                                 \
    do {                                                                                                               \
        if (QFontDatabase::families(QFontDatabase::Thai).isEmpty()) {                                                  \
            QSKIP("the system has no Thai font and this kwelt carries none (Debian: fonts-thai-tlwg)");                \
        }                                                                                                              \
    } while (false)

} // namespace kwelt::test

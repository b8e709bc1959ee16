// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about_window.h"

#include "about_window_layout.h"
#include "control_table.h"
#include "fixed_window.h"
#include "kwelt_version.h"
#include "window_fonts.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

namespace kwelt {

namespace layout = about_window_layout;

AboutKWELT::AboutKWELT(QWidget* mainWindow)
    : QWidget(nullptr,
        Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
            | Qt::MSWindowsFixedSizeDialogHint)
    , m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("AboutKWELT"));
    // The main window's font, which fits the texts of both windows.
    if (mainWindow != nullptr) {
        setFont(mainWindow->font());
    }
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("About KWELT version ") + QLatin1String(VersionText));
    setFixedSize(twipsToPixels(layout::ClientWidth), twipsToPixels(layout::ClientHeight));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    buildControls(this, layout::Controls);
    Label1 = findChild<QLabel*>(QStringLiteral("Label1"));
    Label1->setFont(productNameFont());
    Text1 = findChild<QTextEdit*>(QStringLiteral("Text1"));
    Command1 = findChild<QPushButton*>(QStringLiteral("Command1"));
    Image1 = findChild<QLabel*>(QStringLiteral("Image1"));

    connect(Command1, &QPushButton::clicked, this, &AboutKWELT::Command1_Click);
    keepWindowNormal(this);
    // The window has no owner; but a Wayland compositor keeps it above the disabled main window,
    // where the user needs it, only as the main window's child.
    makeChildOnWayland(this, mainWindow);
    Form_Load();
}

AboutKWELT::~AboutKWELT()
{
    // Whatever path destroyed the window, the main window must not stay disabled.
    enableMainWindow();
}

QString AboutKWELT::creditsText()
{
    return layout::credits().join(QString());
}

void AboutKWELT::Form_Load()
{
    if (m_mainWindow) {
        // Disabling moves the focus off the main window's controls; remember where it was.
        m_mainWindowFocus = m_mainWindow->focusWidget();
        m_mainWindow->setEnabled(false);
    }
}

void AboutKWELT::Command1_Click()
{
    close(); // closeEvent enables the main window before this window goes
}

void AboutKWELT::closeEvent(QCloseEvent* event)
{
    // The close box, the system menu and Alt+F4 end up here, as OK does.
    enableMainWindow();
    QWidget::closeEvent(event);
}

void AboutKWELT::enableMainWindow()
{
    if (!m_mainWindow || m_mainWindow->isEnabled()) {
        return;
    }
    m_mainWindow->setEnabled(true);
    // As on Windows, the main window is active again, with the focus where it was.
    if (m_mainWindowFocus) {
        m_mainWindowFocus->setFocus();
    }
    m_mainWindow->raise();
    m_mainWindow->activateWindow();
}

} // namespace kwelt

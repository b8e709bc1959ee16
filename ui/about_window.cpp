// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about_window.h"

#include "about_window_layout.h"
#include "platform/window_state.h"
#include "program_identity.h"
#include "widgets/program_picture.h"
#include "widgets/push_button.h"
#include "window_builder.h"
#include "window_fonts.h"

#include <QCloseEvent>
#include <QLabel>
#include <QTextEdit>

namespace kwelt {

namespace layout = about_window_layout;

AboutWindow::AboutWindow(QWidget* mainWindow)
    : QWidget(nullptr,
        Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
            | Qt::MSWindowsFixedSizeDialogHint)
    , m_mainWindow(mainWindow)
{
    // The main window's font, which fits the texts of both windows.
    if (mainWindow != nullptr) {
        setFont(mainWindow->font());
    }
    setAttribute(Qt::WA_DeleteOnClose);
    const std::vector<BuiltControl> built = setUpWindow(this,
        {layout::WindowName, QString::fromUtf8(AboutWindowTitle), layout::ClientWidth, layout::ClientHeight,
            layout::Controls});
    m_controls = {
        .productName = builtControl<QLabel>(built, Role::ProductName),
        .credits = builtControl<QTextEdit>(built, Role::Credits),
        .okButton = builtControl<PushButton>(built, Role::OkButton),
        .picture = builtControl<PictureLabel>(built, Role::Picture),
    };
    m_controls.productName->setFont(productNameFont());
    // OK: closeEvent enables the main window before this window goes.
    connect(m_controls.okButton, &QPushButton::clicked, this, &QWidget::close);
    // Above the disabled main window, where the user needs it.
    platform::keepAbove(this, mainWindow);
    disableMainWindow();
}

AboutWindow::~AboutWindow()
{
    // Whatever path destroyed the window, the main window must not stay disabled.
    enableMainWindow();
}

QString AboutWindow::creditsText()
{
    return layout::credits().join(QString());
}

void AboutWindow::disableMainWindow()
{
    if (m_mainWindow) {
        // Disabling moves the focus off the main window's controls; remember where it was.
        m_mainWindowFocus = m_mainWindow->focusWidget();
        m_mainWindow->setEnabled(false);
    }
}

void AboutWindow::closeEvent(QCloseEvent* event)
{
    // The close box, the system menu and Alt+F4 end up here, as OK does.
    enableMainWindow();
    QWidget::closeEvent(event);
}

void AboutWindow::enableMainWindow()
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

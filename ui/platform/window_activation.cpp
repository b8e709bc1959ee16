// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_activation.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace kwelt::platform {

WindowActivation::WindowActivation(QWidget* mainWindow, BlockingWindow blockingWindow)
    : QObject(mainWindow)
    , m_mainWindow(mainWindow)
    , m_blockingWindow(std::move(blockingWindow))
{
    mainWindow->installEventFilter(this);
}

bool WindowActivation::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_mainWindow) {
        // A click on the main window while it is disabled reaches no control; its native window
        // still sees it.
        if (event->type() == QEvent::Show && m_mainWindow->windowHandle() != nullptr) {
            m_mainWindow->windowHandle()->installEventFilter(this);
        }
        // While the About window keeps the main window disabled, activating the main window (a
        // click on it, or its taskbar button) brings the About window back to the front instead,
        // so that the way out is never hidden; and so, where the window system leaves it to the
        // program, the message box that blocks it.
        if (event->type() == QEvent::ActivationChange && m_mainWindow->isActiveWindow()) {
            if (!m_mainWindow->isEnabled()) {
                bringBlockingWindowBack();
            } else if (QApplication::activeModalWidget() != nullptr) {
                queueBringingBoxBack();
            }
        }
    } else if (watched == m_mainWindow->windowHandle() && event->type() == QEvent::MouseButtonPress
        && !m_mainWindow->isEnabled()) {
        bringBlockingWindowBack();
    }
    return QObject::eventFilter(watched, event);
}

void WindowActivation::bringBlockingWindowBack()
{
    QWidget* window = m_blockingWindow();
    if (window == nullptr) {
        return;
    }
    // Minimized, it would keep the main window disabled out of sight. Done once the activation
    // of the main window has run its course, or it would win over the blocking window's.
    QMetaObject::invokeMethod(
        window, [this, window] { bringBack(window); }, Qt::QueuedConnection);
}

void WindowActivation::queueBringingBoxBack()
{
    // Once the main window's activation has run its course, as for the About window.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                bringBoxBack(box);
            }
        },
        Qt::QueuedConnection);
}

void WindowActivation::bringBack(QWidget* window)
{
    // Minimized, it would keep the main window blocked out of sight.
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

void WindowActivation::bringBoxBack(QWidget*)
{ }

} // namespace kwelt::platform

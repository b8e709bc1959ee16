// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_activation.h"

#include <QWidget>

namespace kwelt {

WindowActivation::WindowActivation(QObject* parent)
    : QObject(parent)
{ }

void WindowActivation::bringBack(QWidget* window)
{
    // Minimized, it would keep the main window blocked out of sight.
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

void WindowActivation::blockedByBox(QWidget*)
{ }

} // namespace kwelt

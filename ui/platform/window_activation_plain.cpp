// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Builds without Wayland's client library (Windows, and Linux builds without it): the window
// system raises and focuses a window on the program's request.

#include "window_activation.h"

#include <QWidget>

namespace kwelt::platform {

WindowActivation* WindowActivation::create(QWidget* mainWindow, BlockingWindow blockingWindow)
{
    return new WindowActivation(mainWindow, std::move(blockingWindow));
}

} // namespace kwelt::platform

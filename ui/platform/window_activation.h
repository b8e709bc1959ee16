// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QWidget;

namespace kwelt {

// Hands the keyboard back to the window that blocks the main window (the About window, or a
// message box) when the user has activated the main window, and brings it above it: the way out
// is never hidden, and keys go where the user expects them. The main window owns it.
class WindowActivation : public QObject
{
public:
    // The one that the window system kwelt runs on needs: on Wayland, where a program cannot
    // raise or focus its own windows, one that asks the compositor.
    static WindowActivation* create(QWidget* mainWindow);

    // Restores `window` if it is minimized, brings it to the front and makes it active.
    virtual void bringBack(QWidget* window);

    // The main window became active while the modal `box` blocks it. Elsewhere than on Wayland the
    // window system and Qt hand the keyboard back to the box themselves.
    virtual void blockedByBox(QWidget* box);

protected:
    explicit WindowActivation(QObject* parent);
};

} // namespace kwelt

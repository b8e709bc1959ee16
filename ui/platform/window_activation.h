// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <functional>

class QWidget;
class QWindow;

namespace kwelt::platform {

// Tells Qt that `window` holds the keyboard, as its platform would. Built with kwelt's own
// Wayland activation only (KWELT_USES_QT_PRIVATE), which mends Qt's focus window with it.
void tellQtFocusWindow(QWindow* window);

// Hands the keyboard back to the window that blocks the main window (the About window, or a
// message box) when the user activates the main window or clicks it, and brings that window above
// it: the way out is never hidden, and keys go where the user expects them. The main window owns it.
class WindowActivation : public QObject
{
public:
    // The window that keeps the main window disabled while it is open; none when none is.
    using BlockingWindow = std::function<QWidget*()>;

    // The one that the window system kwelt runs on needs: on Wayland, where a program cannot
    // raise or focus its own windows, one that asks the compositor.
    static WindowActivation* create(QWidget* mainWindow, BlockingWindow blockingWindow);

protected:
    WindowActivation(QWidget* mainWindow, BlockingWindow blockingWindow);

    bool eventFilter(QObject* watched, QEvent* event) override;

    // Restores `window` if it is minimized, brings it to the front and makes it active.
    virtual void bringBack(QWidget* window);

    // Hands the keyboard back to the modal `box` that blocks the main window. Elsewhere than on
    // Wayland the window system and Qt do so themselves.
    virtual void bringBoxBack(QWidget* box);

private:
    void bringBlockingWindowBack();
    void queueBringingBoxBack();

    QWidget* m_mainWindow;
    BlockingWindow m_blockingWindow;
};

} // namespace kwelt::platform

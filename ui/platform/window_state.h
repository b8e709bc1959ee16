// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace kwelt::platform {

// True on a Wayland session, where the compositor, not the program, stacks and restores windows.
bool onWayland();

// Keeps a fixed-size window of kwelt's in its normal state. None of them offers to maximize or
// minimize, but on Wayland Qt draws title bars that offer both whatever the window's flags say:
// a maximize request is undone at once. A minimized window cannot be restored by a Wayland
// client, so there the window is shown anew instead, and the windows that were its children
// with it, so that the compositor keeps them above it again.
void keepWindowNormal(QWidget* window);

// Hides `window` and shows it again, as a new window to the window system, which stacks it on top
// and gives it the keyboard. A modal message box stays modal, its answer still awaited.
void showAnew(QWidget* window);

// Keeps `window` above `owner` where the window system does so only for a window's children
// (Wayland): there it becomes `owner`'s child. Elsewhere the windows stay as independent as they
// are. Call before `window` is shown. Neither this nor keepWindowNormal makes the native window:
// each waits until the window is shown.
void keepAbove(QWidget* window, QWidget* owner);

} // namespace kwelt::platform

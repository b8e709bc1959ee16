// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QString;
class QWidget;

namespace kwelt {

// Shows a finding of the standard-value check and waits until the user dismisses it: the
// message, one OK button that is also the default, no icon, modal to the whole program, and
// the program's title in the title bar.
void showFindingMessage(QWidget* parent, const QString& message);

// The report of an error that ended a user action: a critical message box titled with the
// program's title, holding the error's text. Returns when the user dismisses it.
void showUnhandledError(const QString& text);

} // namespace kwelt

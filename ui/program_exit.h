// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

namespace kwelt {

// Ends the program at once with the given exit status: no window is closed or notified and no
// further code of the program runs. The program passes the process's immediate end; tests pass
// a function that records the call instead.
using EndProgram = std::function<void(int exitCode)>;

} // namespace kwelt

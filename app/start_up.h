// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "main_window.h"
#include "program_exit.h"

#include <memory>

namespace kwelt {

// Names the program to Qt. Call once, after the QApplication exists.
void configureApplication();

// Creates the main window, fills its lists and then shows it.
std::unique_ptr<MainWindow> startUp(EndProgram endProgram);

// The process's immediate end: nothing of the program runs after it.
[[noreturn]] void endProcess(int exitCode);

} // namespace kwelt

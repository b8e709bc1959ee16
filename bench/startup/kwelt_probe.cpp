// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

// kwelt's own start-up, as main runs it, ending at the main window's first paint.

#include "desktop_point_size.h"
#include "first_paint_quit.h"

#include <start_up.h>

#include <QApplication>

int main(int, char** argv)
{
    char* qtArgv[] = {argv[0], nullptr};
    int qtArgc = 1;
    QApplication application(qtArgc, qtArgv);
    FirstPaintQuit quit;
    application.installEventFilter(&quit);
    useDesktopPointSize();
    kwelt::configureApplication();
    const auto window = kwelt::startUp(kwelt::endProcess);
    return QApplication::exec();
}

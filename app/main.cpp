// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "start_up.h"

#include <QApplication>

int main(int, char** argv)
{
    // kwelt takes no command line. Qt gets the program's name only, so that options meant for
    // Qt, such as -style or -stylesheet, change nothing either.
    char fallbackName[] = "kwelt";
    char* qtArgv[] = {argv[0] != nullptr ? argv[0] : fallbackName, nullptr};
    int qtArgc = 1;
    QApplication application(qtArgc, qtArgv);
    kwelt::configureApplication();

    const auto window = kwelt::startUp(kwelt::endProcess);
    return QApplication::exec();
}

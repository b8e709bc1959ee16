// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "start_up.h"

#include "program_identity.h"
#include "text/thai_font.h"

#include <QApplication>

#include <cstdlib>

namespace kwelt {

void configureApplication()
{
    QApplication::setApplicationName(QString::fromLatin1(ApplicationName));
    QApplication::setApplicationVersion(QLatin1String(VersionText));
    QGuiApplication::setDesktopFileName(QLatin1String(ApplicationId));
    provideThaiFont();
}

std::unique_ptr<MainWindow> startUp(EndProgram endProgram)
{
    auto window = std::make_unique<MainWindow>(std::move(endProgram));
    window->fillLists();
    window->show();
    return window;
}

void endProcess(int exitCode)
{
    std::_Exit(exitCode);
}

} // namespace kwelt

// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor: a Qt program that shows an empty window, ending at its first paint. With
// "thai-label" as its argument the window holds one Thai label: the cost of any window that
// shows Thai text (fonts, shaping and the Thai word-break dictionary).

#include "desktop_point_size.h"
#include "first_paint_quit.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    char* qtArgv[] = {argv[0], nullptr};
    int qtArgc = 1;
    QApplication application(qtArgc, qtArgv);
    FirstPaintQuit quit;
    application.installEventFilter(&quit);
    useDesktopPointSize();
    QWidget window;
    window.resize(441, 307);
    if (argc > 1 && qstrcmp(argv[1], "thai-label") == 0) {
        new QLabel(QStringLiteral("ค่าที่อ่านได้"), &window);
    }
    window.show();
    return QApplication::exec();
}

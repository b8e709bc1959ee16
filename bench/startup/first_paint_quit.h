// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

// Ends the event loop when a window is first painted: the moment a user first sees it. (A zero
// timer after show() would quit before anything is painted.)
class FirstPaintQuit : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) {
            QCoreApplication::exit(0);
        }
        return false;
    }
};

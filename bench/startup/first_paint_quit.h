// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QFont>
#include <QGuiApplication>
#include <QWidget>

// Ends the event loop when a window is first painted: the moment a user first sees it. (A zero
// timer after show() would quit before anything is painted.)
// The desktop's font size for a run, from KWELT_BENCH_POINTS: the benchmark gives kwelt and the
// floor the same one, as a desktop would.
inline void useDesktopPointSize()
{
    bool ok = false;
    const double points = qEnvironmentVariable("KWELT_BENCH_POINTS").toDouble(&ok);
    if (ok && points > 0) {
        QFont font = QGuiApplication::font();
        font.setPointSizeF(points);
        QGuiApplication::setFont(font);
    }
}

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

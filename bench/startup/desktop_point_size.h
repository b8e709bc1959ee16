// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QGuiApplication>

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

// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resistor_drawing.h"

#include "main_window_layout.h"

#include <QColor>
#include <QPainter>

#include <algorithm>

namespace kwelt {

namespace layout = main_window_layout;

static_assert(std::all_of(layout::Lines.begin(), layout::Lines.end(),
                  [](const layout::DrawingLine& l) { return l.x1 == l.x2 || l.y1 == l.y2; }),
    "the drawing paints its lines as pixel runs, so each must be horizontal or vertical");

void paintResistorDrawing(QPainter& painter, const QColor& ink)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);

    const auto run
        = [&](int left, int top, int width, int height) { painter.fillRect(QRect(left, top, width, height), ink); };

    for (const layout::DrawingRect& shape : layout::Shapes) {
        // A rectangle W x H covers exactly W x H pixels, its outline included.
        const QRect r = toPixels({shape.left, layout::DrawingRectTop, shape.width, layout::DrawingRectHeight});
        if (shape.filled) {
            // A band is black whatever the colour scheme; its outline is drawn like the rest.
            painter.fillRect(r, Qt::black);
        }
        run(r.left(), r.top(), r.width(), 1);
        run(r.left(), r.top() + r.height() - 1, r.width(), 1);
        run(r.left(), r.top(), 1, r.height());
        run(r.left() + r.width() - 1, r.top(), 1, r.height());
    }

    for (const layout::DrawingLine& line : layout::Lines) {
        const int x1 = twipsToPixels(std::min(line.x1, line.x2));
        const int x2 = twipsToPixels(std::max(line.x1, line.x2));
        const int y1 = twipsToPixels(std::min(line.y1, line.y2));
        const int y2 = twipsToPixels(std::max(line.y1, line.y2));
        run(x1, y1, x2 - x1 + 1, y2 - y1 + 1);
    }

    painter.restore();
}

} // namespace kwelt

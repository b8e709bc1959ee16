// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QColor;
class QPainter;

namespace kwelt {

// Paints the fixed line drawing of a four-band resistor and its leader lines, 1 pixel wide, in
// `ink`; the four bands are filled black inside their outlines. Every line is axis-aligned, so each is painted as a
// filled pixel run: crisp at any scale, with no antialiasing, and covering both of its end points.
void paintResistorDrawing(QPainter& painter, const QColor& ink);

} // namespace kwelt

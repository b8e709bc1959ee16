// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace kwelt::picture {

// The program picture is 32 x 32; the desktop's smallest icons have drawings of their own.
inline constexpr int Size = 32;

// The standard 16-colour palette, as 0xRRGGBB, in the order of its indexes.
inline constexpr std::array<std::uint32_t, 16> Palette{0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
    0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

// One palette index a pixel, top row first; std::nullopt is a transparent pixel. Square.
using Grid = std::vector<std::vector<std::optional<int>>>;

// Reads a picture's text source: '#' lines are comments, then as many rows as each row has
// characters, '.' for transparent and a hexadecimal digit for a palette index. Returns an
// empty optional and sets `error` when the text is not such a grid.
std::optional<Grid> parseGrid(const QString& text, QString* error);

// The picture as a 32-bit image with an alpha channel.
QImage toImage(const Grid& grid);

// The picture at `size` x `size` pixels for desktops, each pixel of the drawing a square block,
// so that it stays crisp. `size` must be a whole multiple of the drawing's; a null image if not.
QImage toScaledImage(const Grid& grid, int size);

// The picture as a scalable SVG image, one square a pixel, merged into horizontal runs.
QByteArray toSvg(const Grid& grid);

// The icon file's own header: the directory and its one entry. The image follows.
inline constexpr int IcoHeaderSize = 22;

// The 32 x 32 picture as a Windows icon file: one 32 x 32 image at 4 bits per pixel with a 1-bit
// transparency mask, 744 bytes of image data behind the 22-byte file header.
QByteArray toIco(const Grid& grid);

} // namespace kwelt::picture

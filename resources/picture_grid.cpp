// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_grid.h"

#include <QStringList>

namespace kwelt::picture {
namespace {

void appendLe(QByteArray& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

} // namespace

std::optional<Grid> parseGrid(const QString& text, QString* error)
{
    QStringList rows;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString row = line.trimmed();
        if (!row.isEmpty() && !row.startsWith(QLatin1Char('#'))) {
            rows.append(row);
        }
    }
    const auto fail = [error](const QString& why) {
        if (error) {
            *error = why;
        }
        return std::optional<Grid>();
    };
    const int size = rows.isEmpty() ? 0 : static_cast<int>(rows.first().size());
    if (size == 0 || rows.size() != size) {
        return fail(QStringLiteral("expected %1 rows, found %2").arg(size).arg(rows.size()));
    }
    Grid grid(static_cast<std::size_t>(size), std::vector<std::optional<int>>(static_cast<std::size_t>(size)));
    for (int y = 0; y < size; ++y) {
        if (rows[y].size() != size) {
            return fail(QStringLiteral("row %1 has %2 pixels, not %3").arg(y + 1).arg(rows[y].size()).arg(size));
        }
        for (int x = 0; x < size; ++x) {
            const QChar c = rows[y][x];
            if (c == QLatin1Char('.')) {
                continue;
            }
            bool ok = false;
            const int index = QString(c).toInt(&ok, 16);
            if (!ok) {
                return fail(QStringLiteral("row %1, column %2: '%3' is no colour").arg(y + 1).arg(x + 1).arg(c));
            }
            grid[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = index;
        }
    }
    return grid;
}

QImage toImage(const Grid& grid)
{
    const int size = static_cast<int>(grid.size());
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (const auto& pixel = grid[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]) {
                image.setPixel(x, y, 0xFF000000u | Palette[static_cast<std::size_t>(*pixel)]);
            }
        }
    }
    return image;
}

QImage toScaledImage(const Grid& grid, int size)
{
    const int drawn = static_cast<int>(grid.size());
    if (drawn == 0 || size % drawn != 0) {
        return {};
    }
    return toImage(grid).scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QByteArray toSvg(const Grid& grid)
{
    const int size = static_cast<int>(grid.size());
    QByteArray svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                                    "viewBox=\"0 0 %1 %1\" shape-rendering=\"crispEdges\">\n")
                         .arg(size)
                         .toLatin1();
    for (int y = 0; y < size; ++y) {
        const auto& row = grid[static_cast<std::size_t>(y)];
        int x = 0;
        while (x < size) {
            const std::optional<int> colour = row[static_cast<std::size_t>(x)];
            int end = x + 1;
            while (end < size && row[static_cast<std::size_t>(end)] == colour) {
                ++end;
            }
            if (colour) {
                svg += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"1\" fill=\"#%4\"/>\n")
                           .arg(x)
                           .arg(y)
                           .arg(end - x)
                           .arg(Palette[static_cast<std::size_t>(*colour)], 6, 16, QLatin1Char('0'))
                           .toLatin1();
            }
            x = end;
        }
    }
    svg += "</svg>\n";
    return svg;
}

QByteArray toIco(const Grid& grid)
{
    constexpr int headerSize = 40;
    constexpr int paletteSize = 16 * 4;
    constexpr int colourSize = Size * Size / 2; // 4 bits a pixel; a row is 16 bytes, already 4-aligned
    constexpr int maskSize = Size * 4; // 1 bit a pixel; a row is 4 bytes
    constexpr int imageSize = headerSize + paletteSize + colourSize + maskSize;
    static_assert(imageSize == 744);
    if (grid.size() != Size) {
        return {};
    }

    QByteArray ico;
    // ICONDIR: reserved, type 1 (icon), one image.
    appendLe(ico, 0, 2);
    appendLe(ico, 1, 2);
    appendLe(ico, 1, 2);
    // ICONDIRENTRY: 32 x 32, 16 colours, reserved, 1 plane, 4 bits a pixel, size, offset.
    appendLe(ico, Size, 1);
    appendLe(ico, Size, 1);
    appendLe(ico, 16, 1);
    appendLe(ico, 0, 1);
    appendLe(ico, 1, 2);
    appendLe(ico, 4, 2);
    appendLe(ico, imageSize, 4);
    appendLe(ico, IcoHeaderSize, 4);

    // BITMAPINFOHEADER; the height counts the colour bitmap and the mask together.
    appendLe(ico, headerSize, 4);
    appendLe(ico, Size, 4);
    appendLe(ico, 2 * Size, 4);
    appendLe(ico, 1, 2);
    appendLe(ico, 4, 2);
    appendLe(ico, 0, 4); // no compression
    appendLe(ico, colourSize + maskSize, 4);
    appendLe(ico, 0, 4);
    appendLe(ico, 0, 4);
    appendLe(ico, 0, 4);
    appendLe(ico, 0, 4);

    for (std::uint32_t rgb : Palette) {
        appendLe(ico, rgb & 0xFF, 1); // blue
        appendLe(ico, (rgb >> 8) & 0xFF, 1); // green
        appendLe(ico, (rgb >> 16) & 0xFF, 1); // red
        appendLe(ico, 0, 1);
    }

    // Both bitmaps are stored bottom row first. A transparent pixel is black in the colour
    // bitmap and set in the mask.
    for (int y = Size - 1; y >= 0; --y) {
        for (int x = 0; x < Size; x += 2) {
            const int high = grid[y][x].value_or(0);
            const int low = grid[y][x + 1].value_or(0);
            appendLe(ico, static_cast<std::uint32_t>(high << 4 | low), 1);
        }
    }
    for (int y = Size - 1; y >= 0; --y) {
        std::uint32_t bits = 0;
        for (int x = 0; x < Size; ++x) {
            if (!grid[y][x]) {
                bits |= 0x80000000u >> x;
            }
        }
        // The mask row is a big-endian run of bits: leftmost pixel in the top bit.
        appendLe(ico, (bits >> 24) & 0xFF, 1);
        appendLe(ico, (bits >> 16) & 0xFF, 1);
        appendLe(ico, (bits >> 8) & 0xFF, 1);
        appendLe(ico, bits & 0xFF, 1);
    }
    return ico;
}

} // namespace kwelt::picture

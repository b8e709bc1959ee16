// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "font_fit.h"

#include "platform/platform.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QHash>
#include <QRawFont>
#include <QScreen>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace kwelt {
namespace {

// Below these the texts would fit only by being unreadable: the fit stops shrinking there.
constexpr double SmallestPointSize = 6.0;
constexpr int SmallestPixelSize = 8;
// The pixel size at which the texts come out under the usual desktop fonts at 96 dots per inch:
// the rooms hold "ความผิดพลาด 10%" no larger.
constexpr int LikelyPixelSize = 11;

double sizeOf(const QFont& font)
{
    return font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize();
}

QFont withSize(QFont font, double size, bool inPoints)
{
    if (inPoints) {
        font.setPointSizeF(size);
    } else {
        font.setPixelSize(static_cast<int>(size));
    }
    return font;
}

// What the fit needs to know of one text in one font: its advance, its line, and its ink
// around the baseline (marks above and below, and glyphs from fallback fonts, included).
struct TextMeasure
{
    qreal width;
    qreal lineHeight; // whole pixels: the ascent and descent below, rounded up
    qreal ascent;
    qreal descent;
    QRectF ink;
};

// The measures of the texts in one font. Many texts stand in more than one room (the lists
// share their colour names), and each is laid out once.
class TextMeasures
{
public:
    explicit TextMeasures(const QFont& font)
        : m_font(font)
        , m_lineHeight(QFontMetricsF(font).height())
        , m_ascent(QFontMetricsF(font).ascent())
    { }

    const QFont& font() const { return m_font; }
    qreal lineHeight() const { return m_lineHeight; }
    qreal ascent() const { return m_ascent; }

    const TextMeasure& of(const QString& text)
    {
        auto found = m_measures.find(text);
        if (found == m_measures.end()) {
            found = m_measures.insert(text, measure(text));
        }
        return *found;
    }

private:
    TextMeasure measure(const QString& text) const
    {
        QTextLayout layout(text, m_font);
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        return {.width = line.naturalTextWidth(),
            .lineHeight = line.height(),
            .ascent = line.ascent(),
            .descent = line.descent(),
            .ink = QFontMetricsF(m_font).tightBoundingRect(text) | stackedInk(text, line)};
    }

    // The font's box of a text leaves out the marks that shaping stacks on a Thai letter (a tone
    // mark over a vowel over a consonant), which reach higher than any one glyph: take the ink of
    // each glyph where shaping put it, rounded out to whole pixels.
    static QRectF stackedInk(const QString& text, const QTextLine& line)
    {
        QRectF ink;
        if (std::none_of(text.begin(), text.end(), [](QChar c) { return c.isMark(); })) {
            return ink;
        }
        for (const QGlyphRun& run : line.glyphRuns()) {
            const QRawFont font = run.rawFont();
            const QList<quint32> glyphs = run.glyphIndexes();
            const QList<QPointF> positions = run.positions();
            for (qsizetype i = 0; i < glyphs.size(); ++i) {
                ink |= font.boundingRect(glyphs[i]).translated(positions[i]);
            }
        }
        if (ink.isNull()) {
            return ink;
        }
        ink.translate(0, -line.ascent());
        return QRectF(QPointF(std::floor(ink.left()), std::floor(ink.top())),
            QPointF(std::ceil(ink.right()), std::ceil(ink.bottom())));
    }

    QFont m_font;
    qreal m_lineHeight;
    qreal m_ascent;
    QHash<QString, TextMeasure> m_measures;
};

// The measures of a text at `scale` times the size they were taken at. Ink is measured in whole
// pixels, rounded outwards; it is taken from the middle of those pixels and rounded outwards again.
TextMeasure scaled(const TextMeasure& m, qreal scale)
{
    if (scale == 1) {
        return m;
    }
    const QRectF ink = m.ink.adjusted(0.5, 0.5, -0.5, -0.5);
    return {.width = m.width * scale,
        .lineHeight = std::ceil((m.ascent + m.descent) * scale),
        .ascent = m.ascent * scale,
        .descent = m.descent * scale,
        .ink = QRectF(QPointF(std::floor(ink.left() * scale), std::floor(ink.top() * scale)),
            QPointF(std::ceil(ink.right() * scale), std::ceil(ink.bottom() * scale)))};
}

// The width a text needs: the advance may be wider than the ink, and so may the ink be.
qreal widthOf(const TextMeasure& m)
{
    return std::max(m.width, m.ink.right()) - std::min<qreal>(0, m.ink.left());
}

qreal widthRoom(const TextRoom& room)
{
    return room.size.width() - (room.leftAligned ? 1 : 2);
}

// The font's own line at one size, as Qt rounds it there. It does not grow in proportion to the
// size: a face's line may be 15 pixels at 10 pixels and 18 at 11.
struct FontLine
{
    qreal height;
    qreal ascent;
    platform::ListLine list; // the line a list centres its entry on

    static FontLine of(const QFont& font)
    {
        const QFontMetricsF metrics(font);
        return {metrics.height(), metrics.ascent(), platform::listLine(font)};
    }
};

// Whether the texts of `room` fit at the size of `measures`, or, for a `scale` other than 1, at
// that multiple of it, where the font's own line is `line`: the texts' measures then grow in
// proportion, but for what Qt rounds to whole pixels (line heights, ink). A text's line is the
// font's, and as much more as its fallback faces added at the size measured.
bool fits(TextMeasures& measures, const TextRoom& room, qreal scale, const FontLine& line)
{
    qreal lineHeight = line.height;
    for (const QString& text : room.texts) {
        if (text.isEmpty()) {
            continue;
        }
        TextMeasure m = scaled(measures.of(text), scale);
        if (scale != 1) {
            const TextMeasure& own = measures.of(text);
            m.ascent = line.ascent + (own.ascent - measures.ascent()) * scale;
            m.lineHeight = line.height + std::ceil(std::max<qreal>(0, own.lineHeight - measures.lineHeight()) * scale);
        }
        if (std::ceil(widthOf(m)) > widthRoom(room)) {
            return false;
        }
        lineHeight = std::max(lineHeight, m.lineHeight);
        if (room.lines == 1) {
            const qreal height = room.size.height();
            const qreal fontLine = room.onFontLine ? std::ceil(line.list.height) : m.lineHeight;
            const qreal ascent = room.onFontLine ? line.list.ascent : m.ascent;
            const qreal top = room.atTop ? 0 : (height - fontLine) / 2;
            // Text is drawn on whole pixels, its baseline moved down to the next one.
            const qreal baseline = std::ceil(top + ascent);
            if (baseline + m.ink.top() < (room.atTop ? 0 : 1) || baseline + m.ink.bottom() > height - 1) {
                return false;
            }
        }
    }
    return room.lines == 1 || std::ceil(room.lines * lineHeight) <= room.size.height();
}

bool fitsAll(TextMeasures& measures, const QList<TextRoom>& rooms, qreal scale, const FontLine& line)
{
    return std::all_of(
        rooms.begin(), rooms.end(), [&](const TextRoom& room) { return fits(measures, room, scale, line); });
}

bool fitsAll(TextMeasures& measures, const QList<TextRoom>& rooms)
{
    return fitsAll(measures, rooms, 1, FontLine::of(measures.font()));
}

} // namespace

FittedFont fitFont(const QFont& font, const QList<TextRoom>& rooms, double pointStep)
{
    const bool inPoints = font.pointSizeF() > 0;
    const double step = inPoints ? pointStep : 1.0;
    const double floor = inPoints ? SmallestPointSize : SmallestPixelSize;
    const double own = sizeOf(font);
    // Qt sets text in whole pixels, and several point sizes come to the same pixel size.
    const qreal dpi = inPoints ? qreal(qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchY())) : 72;
    const auto pixels = [&](double size) { return qRound(size * dpi / 72); };

    // The texts are measured once, at the size they most often come out at, or the font's own
    // where that is smaller. Grown or shrunk in proportion, those measures tell the largest size
    // that fits; a size that comes to another pixel size is confirmed there.
    double measuredSize = own;
    while (measuredSize - step > floor && pixels(measuredSize) > LikelyPixelSize) {
        measuredSize -= step;
    }
    TextMeasures first(withSize(font, measuredSize, inPoints));
    double size = own;
    while (size - step > floor
        && !fitsAll(
            first, rooms, qreal(pixels(size)) / pixels(measuredSize), FontLine::of(withSize(font, size, inPoints)))) {
        size -= step;
    }
    if (pixels(size) == pixels(measuredSize) && fitsAll(first, rooms)) {
        return {.font = withSize(font, size, inPoints), .sizesMeasured = 1};
    }
    int measured = 1;
    for (; size > floor; size -= step) {
        TextMeasures measures(withSize(font, size, inPoints));
        ++measured;
        if (fitsAll(measures, rooms)) {
            return {.font = measures.font(), .sizesMeasured = measured};
        }
    }
    return {.font = withSize(font, std::min(floor, own), inPoints), .sizesMeasured = measured};
}

} // namespace kwelt

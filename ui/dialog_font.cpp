// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialog_font.h"

#include "about_window.h"
#include "about_window_layout.h"
#include "main_window_layout.h"
#include "main_window_texts.h"
#include "qt_text.h"

#include <kwelt/core.h>

#include <QFontMetricsF>
#include <QHash>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTextLayout>

#include <cmath>

namespace kwelt {
namespace {

// A group box draws its title at its top, above the read-out fields, which start 360 twips
// into the frame.
constexpr int FrameTitleRoom = main_window_layout::data1.top / TwipsPerPixel;
// The credits box's document margin, in pixels.
constexpr int CreditsMargin = 1;
// Below this the texts would fit only by being unreadable: stop shrinking there.
constexpr double SmallestPointSize = 6.0;
constexpr int SmallestPixelSize = 8;

QSize size(const TwipsRect& r)
{
    return toPixels(r).size();
}

QSize listTextRoom(const QStyle* style, const TwipsRect& rect)
{
    QStyleOptionComboBox option;
    option.rect = QRect(QPoint(0, 0), size(rect));
    option.editable = false;
    option.frame = true;
    option.state = QStyle::State_Enabled;
    return style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField).size();
}

QSize buttonTextRoom(const QStyle* style, const TwipsRect& rect)
{
    QStyleOptionButton option;
    option.rect = QRect(QPoint(0, 0), size(rect));
    option.state = QStyle::State_Enabled;
    return style->subElementRect(QStyle::SE_PushButtonContents, &option).size();
}

QStringList entries(std::size_t band)
{
    QStringList texts;
    for (std::u16string_view entry : BandLists[band].entries) {
        texts.append(toQString(entry));
    }
    return texts;
}

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

} // namespace

QList<TextRoom> DialogTextRooms(const QStyle* style)
{
    namespace main = main_window_layout;
    namespace about = about_window_layout;

    // The read-out texts come from the decoder itself: every digit a band can give, and the
    // multiplier and tolerance of every position, none selected included. Bands 1 and 2 at
    // brown and black are a standard pair, so no finding replaces a digit.
    QStringList digits{QStringLiteral("?")};
    QStringList multipliers;
    QStringList tolerances;
    for (int p = -1; p <= 9; ++p) {
        digits.append(toQString(DecodeBands(1, BandPosition(p), 0, 0).digit2Text));
    }
    for (int p = -1; p < static_cast<int>(BandLists[2].entries.size()); ++p) {
        multipliers.append(toQString(DecodeBands(1, 0, BandPosition(p), 0).multiplierText));
    }
    for (int p = -1; p < static_cast<int>(BandLists[3].entries.size()); ++p) {
        tolerances.append(toQString(DecodeBands(1, 0, 0, BandPosition(p)).toleranceText));
    }

    const int creditsFrame = style->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const QSize creditsRoom
        = size(about::Text1) - QSize(2 * (creditsFrame + CreditsMargin), 2 * (creditsFrame + CreditsMargin));
    QStringList credits = AboutKWELT::creditsText().split(QStringLiteral("\r\n"));

    // The tightest rooms first, so that a size that does not fit is found out early.
    return {
        {"data4", tolerances + QStringList{main_window_texts::layoutTolerance()}, size(main::data4), 1, false, true},
        {"data3", multipliers, size(main::data3)},
        {"data1", digits, size(main::data1)},
        {"color1", entries(0), listTextRoom(style, main::color1), 1, false, true},
        {"color3", entries(2), listTextRoom(style, main::color3), 1, false, true},
        {"color4", entries(3), listTextRoom(style, main::color4), 1, false, true},
        {"Label1", {main_window_texts::versionNote()}, size(main::Label1)},
        {"Command1", {QStringLiteral("About"), QStringLiteral("Exit")}, buttonTextRoom(style, main::Command1)},
        {"Frame1", {main_window_texts::valueRead()}, QSize(size(main::Frame1).width() - 16, FrameTitleRoom), 1, true,
            true},
        {"AboutKWELT.Command1", {QStringLiteral("OK")}, buttonTextRoom(style, about::Command1)},
        {"Text1", credits, creditsRoom, static_cast<int>(credits.size())},
    };
}

namespace {

// What the fit needs to know of one text in one font: its advance, its line, and its ink
// around the baseline (marks above and below, and glyphs from fallback fonts, included).
struct TextMeasure
{
    qreal width;
    qreal lineHeight;
    qreal ascent;
    QRectF ink;
};

// The measures of the texts in one font. Many texts stand in more than one room (the lists
// share their colour names), and each is laid out once.
class TextMeasures
{
public:
    explicit TextMeasures(const QFont& font)
        : m_font(font)
    { }

    const QFont& font() const { return m_font; }

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
        return {line.naturalTextWidth(), line.height(), line.ascent(), QFontMetricsF(m_font).tightBoundingRect(text)};
    }

    QFont m_font;
    QHash<QString, TextMeasure> m_measures;
};

bool fits(TextMeasures& measures, const TextRoom& room)
{
    qreal lineHeight = QFontMetricsF(measures.font()).height();
    for (const QString& text : room.texts) {
        if (text.isEmpty()) {
            continue;
        }
        const TextMeasure& m = measures.of(text);
        // The advance may be wider than the ink, and so may the ink be.
        const qreal width = std::max(m.width, m.ink.right()) - std::min<qreal>(0, m.ink.left());
        if (std::ceil(width) > room.room.width() - (room.leftAligned ? 1 : 2)) {
            return false;
        }
        lineHeight = std::max(lineHeight, m.lineHeight);
        if (room.lines == 1) {
            const qreal height = room.room.height();
            const qreal top = room.atTop ? 0 : (height - m.lineHeight) / 2;
            const qreal baseline = top + m.ascent;
            if (baseline + m.ink.top() < (room.atTop ? 0 : 1) || baseline + m.ink.bottom() > height - 1) {
                return false;
            }
        }
    }
    return room.lines == 1 || std::ceil(room.lines * lineHeight) <= room.room.height();
}

} // namespace

bool fitsRoom(const QFont& font, const TextRoom& room)
{
    TextMeasures measures(font);
    return fits(measures, room);
}

QFont fitDialogFont(const QFont& desktopFont, const QList<TextRoom>& rooms)
{
    const bool inPoints = desktopFont.pointSizeF() > 0;
    const double step = inPoints ? 0.5 : 1.0;
    const double floor = inPoints ? SmallestPointSize : SmallestPixelSize;
    for (double size = sizeOf(desktopFont); size > floor; size -= step) {
        TextMeasures measures(withSize(desktopFont, size, inPoints));
        if (std::all_of(rooms.begin(), rooms.end(), [&](const TextRoom& room) { return fits(measures, room); })) {
            return measures.font();
        }
    }
    return withSize(desktopFont, std::min(floor, sizeOf(desktopFont)), inPoints);
}

QFont productNameFont()
{
    QFont font(QStringLiteral("Times New Roman"), 36, QFont::Bold);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    // The label has a one-pixel border all round.
    const TextRoom room{
        "AboutKWELT.Label1", {QStringLiteral("kWELT")}, size(about_window_layout::Label1) - QSize(0, 2)};
    while (!fitsRoom(font, room) && font.pointSize() > SmallestPointSize) {
        font.setPointSize(font.pointSize() - 1);
    }
    return font;
}

} // namespace kwelt

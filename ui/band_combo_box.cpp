// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "band_combo_box.h"

#include "qt_text.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QSignalBlocker>

#ifdef Q_OS_WIN
#include <QStylePainter>

#include <cmath>
#endif

namespace kwelt {

BandComboBox::BandComboBox(QWidget* parent)
    : QComboBox(parent)
{
    setEditable(false);
    connect(this, &QComboBox::currentIndexChanged, this, &BandComboBox::Click);
#ifdef Q_OS_WIN
    // A Windows drop-down list selects as the arrow keys move through it while it is open.
    view()->installEventFilter(this);
#endif
}

bool BandComboBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != view() || event->type() != QEvent::KeyPress || m_stepping) {
        return QComboBox::eventFilter(watched, event);
    }
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        break;
    default:
        return QComboBox::eventFilter(watched, event);
    }
    // The list moves its highlight first; then the field follows it, and Click runs.
    m_stepping = true;
    QCoreApplication::sendEvent(view(), event);
    m_stepping = false;
    const int highlighted = view()->currentIndex().row();
    if (highlighted >= 0) {
        setCurrentIndex(highlighted);
    }
    return true;
}

void BandComboBox::appendEntry(std::u16string_view text)
{
    // QComboBox selects the first entry added to an empty list by itself; undo that quietly.
    const QSignalBlocker quiet(this);
    const int selected = currentIndex();
    addItem(toQString(text));
    setCurrentIndex(selected);
}

BandPosition BandComboBox::position() const
{
    return static_cast<BandPosition>(currentIndex());
}

void BandComboBox::setPosition(BandPosition position)
{
    setCurrentIndex(position);
}

#ifdef Q_OS_WIN
// The entry is centred on the line of the list's own font, as a Windows drop-down list centres
// it, and not on the taller line of the face Thai falls back to, which would push the marks
// stacked on a Thai letter up against the top of the field.
void BandComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    const QFontMetricsF metrics(font());
    const qreal top = (field.height() - std::ceil(metrics.height())) / 2;
    painter.setClipRect(field);
    painter.drawText(QPointF(field.left() + 1, field.top() + std::ceil(top + metrics.ascent())), option.currentText);
}
#endif

} // namespace kwelt

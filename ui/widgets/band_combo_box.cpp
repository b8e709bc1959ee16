// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "band_combo_box.h"

#include "platform/platform.h"
#include "text/qt_text.h"

#include <QSignalBlocker>
#include <QStyleOptionComboBox>

namespace kwelt {

BandComboBox::BandComboBox(QWidget* parent)
    : QComboBox(parent)
{
    setEditable(false);
    connect(this, &QComboBox::currentIndexChanged, this, &BandComboBox::positionChanged);
    platform::setUpList(this);
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

void BandComboBox::paintEvent(QPaintEvent* event)
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    if (!platform::paintList(this, option)) {
        QComboBox::paintEvent(event);
    }
}

} // namespace kwelt

// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "band_combo_box.h"

#include "qt_text.h"

#include <QSignalBlocker>

namespace kwelt {

BandComboBox::BandComboBox(QWidget* parent)
    : QComboBox(parent)
{
    setEditable(false);
    connect(this, &QComboBox::currentIndexChanged, this, &BandComboBox::Click);
}

void BandComboBox::AppendEntry(std::u16string_view text)
{
    // QComboBox selects the first entry added to an empty list by itself; undo that quietly.
    const QSignalBlocker quiet(this);
    const int selected = currentIndex();
    addItem(ToQString(text));
    setCurrentIndex(selected);
}

BandPosition BandComboBox::Position() const
{
    return static_cast<BandPosition>(currentIndex());
}

void BandComboBox::SetPosition(BandPosition position)
{
    setCurrentIndex(position);
}

} // namespace kwelt

// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <kwelt/band_position.h>

#include <QComboBox>

#include <string_view>

namespace kwelt {

// A pick-only drop-down list of band colours. It starts empty with nothing selected;
// appending entries selects nothing and raises nothing; every change of the selection,
// whether the program sets it or the user picks an entry by mouse or keyboard, raises
// positionChanged once.
class BandComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit BandComboBox(QWidget* parent = nullptr);

    void appendEntry(std::u16string_view text);
    BandPosition position() const;
    void setPosition(BandPosition position);

signals:
    void positionChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kwelt

// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

namespace kwelt {

// One field of the read-out. Its accessible name says which field it is; a screen reader
// finds the text it shows in its accessible value and description, and is told of each change.
class ReadoutLabel : public QLabel
{
    Q_OBJECT

public:
    ReadoutLabel(const QString& text, const QString& accessibleName, QWidget* parent);

    void SetReadout(const QString& text);
};

} // namespace kwelt

// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

namespace kwelt {

// The contrast ratio of two colours as WCAG defines it, from 1 (the same) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);

// `text` where it reads well on `background` (a contrast of at least 4.5:1, WCAG AA), and black
// otherwise: the read-out fields keep their light backgrounds under every colour scheme.
QColor readableTextColour(const QColor& text, const QColor& background);

// One field of the read-out. Its accessible name says which field it is; a screen reader
// finds the text it shows in its accessible value and description, and is told of each change.
// It writes in the window's text colour, or in black where that would not read on its own
// background (a dark colour scheme's light text on the light field).
class ReadoutLabel : public QLabel
{
    Q_OBJECT

public:
    ReadoutLabel(const QString& text, const QString& accessibleName, QWidget* parent);

    void setReadout(const QString& text);

protected:
    void changeEvent(QEvent* event) override;

private:
    void useReadableTextColour();
};

} // namespace kwelt

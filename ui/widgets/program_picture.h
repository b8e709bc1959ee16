// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QLabel>
#include <QPixmap>

namespace kwelt {

// The program picture: 32 x 32 pixels with a transparent background.
QPixmap programPicture();

// The program picture as a window icon, sharp at the sizes that the usual scale factors ask for.
QIcon programIcon();

// Image1 of both windows: the program picture at its size. At a scale factor it is drawn with
// each of its pixels a block of device pixels, never smoothed, so that its fine checker of
// yellow and silver stays as drawn.
class PictureLabel : public QLabel
{
public:
    explicit PictureLabel(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_sharp; // the picture at the last device pixel ratio it was drawn at
};

} // namespace kwelt

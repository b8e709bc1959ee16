// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "program_picture.h"

#include <QPainter>

#include <cmath>

namespace kwelt {
namespace {

// Nearest neighbour: at 1.25 or 1.5 some pixels get one device pixel more than others, which
// the eye forgives, where smoothing would blur the checker and the one-pixel outlines.
QPixmap sharpAt(const QPixmap& picture, qreal ratio)
{
    const QSize size(static_cast<int>(std::lround(picture.width() * ratio)),
        static_cast<int>(std::lround(picture.height() * ratio)));
    QPixmap scaled = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    scaled.setDevicePixelRatio(ratio);
    return scaled;
}

} // namespace

QPixmap programPicture()
{
    return QPixmap(QStringLiteral(":/kwelt/kwelt.png"));
}

QIcon programIcon()
{
    const QPixmap picture = programPicture();
    QIcon icon(picture);
    for (const qreal ratio : {1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 4.0}) {
        QPixmap pixmap = sharpAt(picture, ratio);
        pixmap.setDevicePixelRatio(1); // the icon picks by size
        icon.addPixmap(pixmap);
    }
    return icon;
}

PictureLabel::PictureLabel(QWidget* parent)
    : QLabel(parent)
{
    setPixmap(programPicture());
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void PictureLabel::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    if (m_sharp.isNull() || m_sharp.devicePixelRatio() != ratio) {
        m_sharp = sharpAt(pixmap(), ratio);
    }
    QPainter(this).drawPixmap(0, 0, m_sharp);
}

} // namespace kwelt

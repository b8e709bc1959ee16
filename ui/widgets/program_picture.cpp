// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "program_picture.h"

#include <picture_grid.h>

#include <QFile>
#include <QIconEngine>
#include <QPainter>

#include <array>
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

// The window icon: the picture at 1x and sharp at the scale factors that desktops use, each made
// only when asked for (the offscreen platform never asks, X11 asks for every size at once).
class SharpIconEngine : public QIconEngine
{
public:
    explicit SharpIconEngine(QPixmap picture)
        : m_picture(std::move(picture))
    { }

    QIconEngine* clone() const override { return new SharpIconEngine(m_picture); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const qreal ratio : Ratios) {
            sizes.append(sharpSize(ratio));
        }
        return sizes;
    }

    // As Qt's own icons do: the smallest size at least as large as asked for (or the largest),
    // shrunk smoothly to the size asked for when it is larger still.
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        qreal ratio = Ratios.back();
        for (const qreal candidate : Ratios) {
            if (sharpSize(candidate).width() >= size.width() && sharpSize(candidate).height() >= size.height()) {
                ratio = candidate;
                break;
            }
        }
        QPixmap pixmap = ratio == 1 ? m_picture : sharpAt(m_picture, ratio);
        pixmap.setDevicePixelRatio(1); // the icon picks by size
        if (pixmap.width() > size.width() || pixmap.height() > size.height()) {
            pixmap = pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
        return pixmap;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

private:
    static constexpr std::array<qreal, 8> Ratios{1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 4.0};

    QSize sharpSize(qreal ratio) const
    {
        return {static_cast<int>(std::lround(m_picture.width() * ratio)),
            static_cast<int>(std::lround(m_picture.height() * ratio))};
    }

    QPixmap m_picture;
};

} // namespace

QPixmap programPicture()
{
    // Drawn from its text source: reading that costs less at start-up than decoding an image
    // file, which would also make Qt look through its image format plugins.
    QFile source(QStringLiteral(":/kwelt/kwelt_icon.txt"));
    if (!source.open(QIODevice::ReadOnly)) {
        return {};
    }
    const std::optional<picture::Grid> grid = picture::parseGrid(QString::fromUtf8(source.readAll()), nullptr);
    return grid ? QPixmap::fromImage(picture::toImage(*grid)) : QPixmap();
}

QIcon programIcon()
{
    return QIcon(new SharpIconEngine(programPicture()));
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

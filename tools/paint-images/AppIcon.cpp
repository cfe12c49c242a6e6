// The desktop icon: a tracksuit jacket on a blue tile, painted at any size from
// one 256-unit design, with a transparent corner outside the tile.

#include "Pictures.h"

#include <QLinearGradient>

namespace pictures {

QImage appIcon(int size) {
    QImage image = canvas(size, size, Qt::transparent);
    QPainter p;
    beginPainting(p, image);
    p.scale(size / 256.0, size / 256.0);

    QLinearGradient tile(0, 0, 0, 256);
    tile.setColorAt(0, QColor(0x3f, 0x8c, 0xe8));
    tile.setColorAt(1, QColor(0x14, 0x3f, 0x8a));
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);

    // The jacket: body and sleeves in one outline, a zip and the collar.
    QPainterPath jacket;
    addClosed(jacket, {{96, 44},
                       {160, 44},
                       {206, 66},
                       {232, 150},
                       {200, 160},
                       {184, 116},
                       {184, 216},
                       {72, 216},
                       {72, 116},
                       {56, 160},
                       {24, 150},
                       {50, 66}});
    p.setBrush(QColor(0xf4, 0xf6, 0xfa));
    p.setPen(QPen(QColor(0x0c, 0x24, 0x52), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(jacket);

    // Red stripes down the sleeves.
    p.setPen(QPen(QColor(0xe0, 0x2a, 0x2a), 12, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(64, 76), QPointF(40, 150));
    p.drawLine(QPointF(192, 76), QPointF(216, 150));

    p.setPen(QPen(QColor(0x0c, 0x24, 0x52), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(128, 60), QPointF(128, 212));
    p.setBrush(Qt::NoBrush);
    QPainterPath collar;
    collar.moveTo(96, 44);
    collar.quadTo(128, 84, 160, 44);
    p.drawPath(collar);
    p.end();
    return image;
}

} // namespace pictures

// The small glyphs of the buttons and the two plain button faces.

#include "Pictures.h"

#include <QLinearGradient>

namespace pictures {

namespace {

QImage glyphCanvas() {
    return canvas(16, 16, glyphBackground());
}

} // namespace

QImage exitGlyph() {
    QImage image = glyphCanvas();
    QPainter p;
    beginPainting(p, image);
    // A red cross with a dark rim so it reads on a light button.
    p.setPen(QPen(QColor(0x7a, 0x08, 0x08), 4.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    p.setPen(QPen(QColor(0xe8, 0x22, 0x22), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    p.end();
    return image;
}

QImage statisticsGlyph() {
    QImage image = glyphCanvas();
    QPainter p;
    p.begin(&image);
    // Crisp pixels: a bar chart at this size reads better without antialiasing.
    p.setPen(QColor(0x30, 0x30, 0x30));
    p.drawLine(1, 1, 1, 14);
    p.drawLine(1, 14, 14, 14);
    const struct {
        int x, top;
        QColor colour;
    } bars[] = {{3, 9, QColor(0x2f, 0x6f, 0xd0)},
                {7, 4, QColor(0xe0, 0x3a, 0x2a)},
                {11, 7, QColor(0x2a, 0xa0, 0x3a)}};
    for (const auto& bar : bars) {
        p.setPen(bar.colour.darker(150));
        p.setBrush(bar.colour);
        p.drawRect(bar.x, bar.top, 2, 13 - bar.top);
    }
    p.end();
    return image;
}

QImage tradeGlyph() {
    QImage image = glyphCanvas();
    QPainter p;
    beginPainting(p, image);
    // A stack of gold coins and one coin standing in front, on half pixels so edges stay crisp.
    const QColor gold(0xf0, 0xb8, 0x20);
    const QColor rim(0x8a, 0x5a, 0x08);
    p.setPen(QPen(rim, 1));
    for (int i = 0; i < 4; ++i) {
        const qreal y = 12.5 - i * 3;
        p.setBrush(i == 3 ? gold.lighter(115) : gold);
        p.drawRoundedRect(QRectF(0.5, y, 9, 3), 1.5, 1.5);
    }
    QLinearGradient shine(8, 6, 14, 15);
    shine.setColorAt(0, QColor(0xff, 0xec, 0x90));
    shine.setColorAt(1, gold);
    p.setBrush(shine);
    p.drawEllipse(QRectF(6.5, 6.5, 9, 9));
    p.setPen(QPen(rim, 1));
    p.drawLine(QPointF(11, 8.5), QPointF(11, 13.5));
    p.end();
    return image;
}

QImage upgradeGlyph() {
    QImage image = glyphCanvas();
    QPainter p;
    beginPainting(p, image);
    QPainterPath arrow;
    addClosed(arrow, {{8, 1}, {15, 8.5}, {10.8, 8.5}, {10.8, 15}, {5.2, 15}, {5.2, 8.5}, {1, 8.5}});
    QLinearGradient green(0, 1, 0, 15);
    green.setColorAt(0, QColor(0x7c, 0xe0, 0x5a));
    green.setColorAt(1, QColor(0x1e, 0x8a, 0x2a));
    p.setPen(QPen(QColor(0x10, 0x50, 0x18), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(green);
    p.drawPath(arrow);
    p.end();
    return image;
}

QImage bankGlyph() {
    QImage image = glyphCanvas();
    QPainter p;
    p.begin(&image);
    // A bank front: pediment, four columns and steps, pixel-aligned.
    const QColor stone(0x6a, 0x72, 0x80);
    const QColor dark(0x30, 0x36, 0x40);
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath pediment;
    addClosed(pediment, {{8, 1}, {15, 5.5}, {1, 5.5}});
    p.setPen(QPen(dark, 1));
    p.setBrush(QColor(0xd8, 0xb0, 0x30));
    p.drawPath(pediment);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(dark);
    p.setBrush(stone);
    p.drawRect(1, 6, 13, 1);
    for (int x : {2, 5, 9, 12}) {
        p.drawRect(x, 8, 1, 4);
    }
    p.drawRect(1, 12, 13, 1);
    p.drawRect(0, 14, 15, 1);
    p.end();
    return image;
}

QImage buttonFace(bool pressed) {
    QImage image = canvas(71, 21, glyphBackground());
    QPainter p;
    p.begin(&image);
    QLinearGradient face(0, 0, 0, 21);
    face.setColorAt(0, pressed ? QColor(0xc8, 0xcc, 0xd2) : QColor(0xfa, 0xfa, 0xfa));
    face.setColorAt(1, pressed ? QColor(0xe2, 0xe4, 0xe8) : QColor(0xd8, 0xdb, 0xe0));
    p.fillRect(QRect(0, 0, 71, 21), face);
    // Classic bevel: light on the top left for raised, reversed when pressed.
    const QColor light(0xff, 0xff, 0xff);
    const QColor shadow(0x88, 0x88, 0x88);
    const QColor outer(0x40, 0x40, 0x40);
    const QColor& topLeft = pressed ? outer : light;
    const QColor& bottomRight = pressed ? light : outer;
    p.setPen(topLeft);
    p.drawLine(0, 0, 70, 0);
    p.drawLine(0, 0, 0, 20);
    p.setPen(bottomRight);
    p.drawLine(0, 20, 70, 20);
    p.drawLine(70, 0, 70, 20);
    p.setPen(pressed ? shadow : QColor(0xf0, 0xf0, 0xf0));
    p.drawLine(1, 1, 69, 1);
    p.drawLine(1, 1, 1, 19);
    p.setPen(pressed ? QColor(0xf0, 0xf0, 0xf0) : shadow);
    p.drawLine(1, 19, 69, 19);
    p.drawLine(69, 1, 69, 19);
    p.end();
    return image;
}

} // namespace pictures

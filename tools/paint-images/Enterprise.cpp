// The enterprise pictures: the workshop grows with its level, drawn at one scale.

#include "Pictures.h"

#include <QLinearGradient>

namespace pictures {

namespace {

const QColor kBrick(0xb5, 0x53, 0x3c);
const QColor kRoof(0x55, 0x5b, 0x66);
const QColor kWindow(0xfc, 0xe9, 0x8e);
const QColor kGlass(0x5f, 0xa8, 0xe0);

void landscape(QPainter& p) {
    QLinearGradient sky(0, 0, 0, 90);
    sky.setColorAt(0, QColor(0x72, 0xb4, 0xea));
    sky.setColorAt(1, QColor(0xe2, 0xf2, 0xfc));
    p.fillRect(QRectF(0, 0, 116, 92), sky);
    QLinearGradient grass(0, 88, 0, 116);
    grass.setColorAt(0, QColor(0x7c, 0xbf, 0x52));
    grass.setColorAt(1, QColor(0x4a, 0x8c, 0x32));
    p.fillRect(QRectF(0, 88, 116, 28), grass);
    // A road in front of the gates.
    p.fillRect(QRectF(0, 102, 116, 10), QColor(0x6b, 0x6e, 0x73));
    p.setPen(QPen(QColor(0xf4, 0xf4, 0xf4), 1.2));
    for (int x = 4; x < 116; x += 14) {
        p.drawLine(QPointF(x, 107), QPointF(x + 7, 107));
    }
}

void cloud(QPainter& p, qreal x, qreal y, qreal s) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(QPointF(x, y), 7 * s, 4.5 * s);
    p.drawEllipse(QPointF(x + 6 * s, y - 2.5 * s), 6 * s, 5 * s);
    p.drawEllipse(QPointF(x + 12 * s, y), 6 * s, 4 * s);
}

void smoke(QPainter& p, qreal x, qreal y, qreal s) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd8, 0xdc, 0xe2, 210));
    p.drawEllipse(QPointF(x, y), 3.5 * s, 3 * s);
    p.setBrush(QColor(0xe4, 0xe7, 0xeb, 180));
    p.drawEllipse(QPointF(x + 4 * s, y - 5 * s), 4.5 * s, 3.5 * s);
    p.setBrush(QColor(0xee, 0xf0, 0xf3, 150));
    p.drawEllipse(QPointF(x + 10 * s, y - 9 * s), 5.5 * s, 4 * s);
}

void brickWall(QPainter& p, const QRectF& r) {
    QLinearGradient shade(r.topLeft(), r.bottomLeft());
    shade.setColorAt(0, kBrick.lighter(110));
    shade.setColorAt(1, kBrick.darker(110));
    p.setPen(QPen(kBrick.darker(160), 0.8));
    p.setBrush(shade);
    p.drawRect(r);
    p.setPen(QPen(QColor(0x8a, 0x3a, 0x28, 120), 0.5));
    for (qreal y = r.top() + 3; y < r.bottom(); y += 3) {
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    }
}

void windowPane(QPainter& p, const QRectF& r, const QColor& glass) {
    p.setPen(QPen(QColor(0xf0, 0xf0, 0xf0), 1));
    p.setBrush(glass);
    p.drawRect(r);
    p.setPen(QPen(QColor(0xf0, 0xf0, 0xf0), 0.6));
    p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
}

void chimney(QPainter& p, qreal x, qreal top, qreal bottom, qreal width, bool striped) {
    const QRectF body(x, top, width, bottom - top);
    QLinearGradient round(body.topLeft(), body.topRight());
    const QColor base = striped ? QColor(0xf2, 0xf2, 0xf2) : kBrick;
    round.setColorAt(0, base.lighter(112));
    round.setColorAt(1, base.darker(125));
    p.setPen(QPen(base.darker(170), 0.8));
    p.setBrush(round);
    p.drawRect(body);
    if (striped) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xd6, 0x3a, 0x2f));
        for (qreal y = top; y < bottom - 6; y += 12) {
            p.drawRect(QRectF(x, y, width, 5));
        }
    }
    p.setPen(QPen(base.darker(170), 0.8));
    p.setBrush(base.darker(140));
    p.drawRect(QRectF(x - 1, top - 2, width + 2, 3));
}

void door(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(0x4a, 0x2e, 0x1a), 0.8));
    p.setBrush(QColor(0x7a, 0x4e, 0x2c));
    p.drawRect(r);
    p.setBrush(QColor(0xe0, 0xc0, 0x50));
    p.drawEllipse(QPointF(r.right() - 2, r.center().y()), 0.9, 0.9);
}

void tree(QPainter& p, qreal x, qreal base, qreal s) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7a, 0x52, 0x30));
    p.drawRect(QRectF(x - 1.5 * s, base - 10 * s, 3 * s, 10 * s));
    p.setBrush(QColor(0x3f, 0x8f, 0x3a));
    p.drawEllipse(QPointF(x, base - 15 * s), 7 * s, 8 * s);
    p.setBrush(QColor(0x55, 0xa8, 0x48));
    p.drawEllipse(QPointF(x - 2 * s, base - 17 * s), 4 * s, 4.5 * s);
}

// A hall with a saw-tooth roof, the mark of a factory.
void sawtoothHall(QPainter& p, const QRectF& wall, int teeth, const QColor& cladding) {
    const qreal toothWidth = wall.width() / teeth;
    const qreal toothHeight = 9;
    for (int i = 0; i < teeth; ++i) {
        const qreal x = wall.left() + i * toothWidth;
        QPainterPath tooth;
        addClosed(tooth,
                  {{x, wall.top()}, {x, wall.top() - toothHeight}, {x + toothWidth, wall.top()}});
        p.setPen(QPen(kRoof.darker(150), 0.8));
        p.setBrush(kRoof);
        p.drawPath(tooth);
        // Skylight on the steep face.
        p.setPen(Qt::NoPen);
        p.setBrush(kGlass.lighter(120));
        p.drawRect(QRectF(x + 0.6, wall.top() - toothHeight + 1.5, 1.8, toothHeight - 2));
    }
    QLinearGradient shade(wall.topLeft(), wall.bottomLeft());
    shade.setColorAt(0, cladding.lighter(108));
    shade.setColorAt(1, cladding.darker(112));
    p.setPen(QPen(cladding.darker(160), 0.8));
    p.setBrush(shade);
    p.drawRect(wall);
}

void levelOne(QPainter& p) {
    cloud(p, 16, 20, 1.0);
    cloud(p, 80, 14, 0.8);
    tree(p, 16, 97, 1.0);
    tree(p, 102, 97, 0.9);
    // Small workshop: one low hall with a single saw-tooth bay, a roller gate and a stove pipe.
    chimney(p, 70, 50, 66, 5, false);
    smoke(p, 72, 44, 0.8);
    sawtoothHall(p, QRectF(30, 68, 56, 30), 2, kBrick);
    p.setPen(QPen(QColor(0x8a, 0x3a, 0x28, 120), 0.5));
    for (qreal y = 71; y < 98; y += 3) {
        p.drawLine(QPointF(30, y), QPointF(86, y));
    }
    p.setPen(QPen(QColor(0x40, 0x40, 0x44), 0.8));
    p.setBrush(QColor(0x8e, 0x96, 0xa0));
    p.drawRect(QRectF(34, 80, 20, 18));
    p.setPen(QPen(QColor(0x6c, 0x73, 0x7c), 0.6));
    for (qreal y = 83; y < 98; y += 3) {
        p.drawLine(QPointF(34, y), QPointF(54, y));
    }
    windowPane(p, QRectF(60, 74, 10, 8), kWindow);
    door(p, QRectF(74, 84, 8, 14));
    // Sign board over the gate.
    p.setPen(QPen(QColor(0x2a, 0x4a, 0x7a), 0.6));
    p.setBrush(QColor(0xf6, 0xf1, 0xe0));
    p.drawRect(QRectF(34, 72, 20, 6));
    p.setPen(QPen(QColor(0x2a, 0x4a, 0x7a), 1));
    p.drawLine(QPointF(37, 75), QPointF(51, 75));
}

void levelTwo(QPainter& p) {
    cloud(p, 10, 18, 0.9);
    chimney(p, 84, 24, 66, 7, false);
    chimney(p, 96, 32, 66, 6, false);
    smoke(p, 88, 18, 1.0);
    smoke(p, 99, 27, 0.8);
    tree(p, 106, 97, 0.8);
    // Main hall with three saw-tooth bays and a lower annex.
    sawtoothHall(p, QRectF(10, 60, 66, 38), 4, QColor(0xc8, 0x6a, 0x4e));
    for (int i = 0; i < 4; ++i) {
        windowPane(p, QRectF(14 + i * 16, 66, 10, 9), kWindow);
    }
    windowPane(p, QRectF(14, 81, 10, 9), kWindow);
    windowPane(p, QRectF(62, 81, 10, 9), kWindow);
    p.setPen(QPen(QColor(0x40, 0x40, 0x44), 0.8));
    p.setBrush(QColor(0x8e, 0x96, 0xa0));
    p.drawRect(QRectF(30, 80, 26, 18));
    p.setPen(QPen(QColor(0x6c, 0x73, 0x7c), 0.6));
    for (qreal y = 83; y < 98; y += 3) {
        p.drawLine(QPointF(30, y), QPointF(56, y));
    }
    brickWall(p, QRectF(76, 66, 30, 32));
    windowPane(p, QRectF(80, 72, 9, 8), kWindow);
    windowPane(p, QRectF(93, 72, 9, 8), kWindow);
    door(p, QRectF(86, 84, 9, 14));
    p.setPen(QPen(kRoof.darker(150), 0.8));
    p.setBrush(kRoof);
    p.drawRect(QRectF(75, 63, 32, 3));
}

void levelThree(QPainter& p) {
    // Three tall striped chimneys of a big plant.
    chimney(p, 56, 10, 56, 7, true);
    chimney(p, 70, 4, 56, 8, true);
    chimney(p, 85, 12, 56, 7, true);
    smoke(p, 60, 5, 0.9);
    smoke(p, 75, 0, 1.0);
    smoke(p, 89, 7, 0.9);
    // Production halls with blue cladding.
    const QColor cladding(0xd4, 0xdb, 0xe3);
    sawtoothHall(p, QRectF(38, 56, 74, 42), 6, cladding);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2c, 0x6c, 0xb8));
    p.drawRect(QRectF(38, 62, 74, 4));
    for (int i = 0; i < 6; ++i) {
        windowPane(p, QRectF(41 + i * 12, 70, 8, 8), kGlass);
    }
    // Loading gates.
    p.setPen(QPen(QColor(0x50, 0x55, 0x5c), 0.8));
    p.setBrush(QColor(0x9a, 0xa3, 0xad));
    for (qreal x : {44.0, 66.0, 88.0}) {
        p.drawRect(QRectF(x, 83, 16, 15));
    }
    p.setPen(QPen(QColor(0x7a, 0x82, 0x8c), 0.5));
    for (qreal y = 86; y < 98; y += 3) {
        p.drawLine(QPointF(44, y), QPointF(104, y));
    }
    // Glass office tower with the firm's letter on top.
    QLinearGradient glass(4, 0, 38, 0);
    glass.setColorAt(0, QColor(0x9c, 0xd0, 0xf4));
    glass.setColorAt(1, QColor(0x2f, 0x6f, 0xb0));
    p.setPen(QPen(QColor(0x1d, 0x3f, 0x66), 1));
    p.setBrush(glass);
    p.drawRect(QRectF(4, 22, 34, 76));
    p.setPen(QPen(QColor(255, 255, 255, 140), 0.6));
    for (qreal y = 28; y < 98; y += 6) {
        p.drawLine(QPointF(4, y), QPointF(38, y));
    }
    for (qreal x = 10; x < 38; x += 7) {
        p.drawLine(QPointF(x, 22), QPointF(x, 98));
    }
    // The firm's emblem on the roof.
    p.setPen(QPen(QColor(0x1d, 0x3f, 0x66), 0.8));
    p.setBrush(QColor(0x1d, 0x3f, 0x66));
    p.drawRect(QRectF(19, 18, 4, 4));
    p.setPen(QPen(QColor(0xff, 0xd2, 0x3c), 1));
    p.setBrush(QColor(0xd6, 0x3a, 0x2f));
    p.drawEllipse(QPointF(21, 12), 7, 7);
    p.setPen(Qt::white);
    p.setFont(uiFont(10, QFont::Black));
    p.drawText(QRectF(14, 5, 14, 14), Qt::AlignCenter, QStringLiteral("Z"));
    // A lorry at the gates.
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 0.6));
    p.setBrush(QColor(0xf4, 0xf4, 0xf4));
    p.drawRect(QRectF(62, 96, 24, 10));
    p.setBrush(QColor(0xd6, 0x3a, 0x2f));
    p.drawRect(QRectF(86, 99, 8, 7));
    p.setBrush(kGlass);
    p.drawRect(QRectF(89, 100, 4, 3));
    p.setBrush(QColor(0x22, 0x22, 0x22));
    for (qreal x : {67.0, 79.0, 90.0}) {
        p.drawEllipse(QPointF(x, 107), 2.2, 2.2);
    }
}

} // namespace

QImage enterprise(int level) {
    QImage image = canvas(116, 116, Qt::white);
    QPainter p;
    beginPainting(p, image);
    landscape(p);
    if (level <= 1) {
        levelOne(p);
    } else if (level == 2) {
        levelTwo(p);
    } else {
        levelThree(p);
    }
    p.end();
    return image;
}

} // namespace pictures

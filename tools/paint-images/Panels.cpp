// The three panel pictures of the main window: storage, staff and research.

#include "Pictures.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace pictures {

namespace {

// A cardboard box seen slightly from above: front face, lid and packing tape.
void box(QPainter& p, const QRectF& front, const QColor& card) {
    const qreal lid = 3;
    QPainterPath top;
    top.moveTo(front.topLeft());
    top.lineTo(front.left() + lid, front.top() - lid);
    top.lineTo(front.right() + lid, front.top() - lid);
    top.lineTo(front.topRight());
    top.closeSubpath();
    QPainterPath side;
    side.moveTo(front.topRight());
    side.lineTo(front.right() + lid, front.top() - lid);
    side.lineTo(front.right() + lid, front.bottom() - lid);
    side.lineTo(front.bottomRight());
    side.closeSubpath();

    const QPen edge(card.darker(170), 0.8);
    p.setPen(edge);
    p.setBrush(card.lighter(118));
    p.drawPath(top);
    p.setBrush(card.darker(125));
    p.drawPath(side);
    QLinearGradient shade(front.topLeft(), front.bottomLeft());
    shade.setColorAt(0, card.lighter(108));
    shade.setColorAt(1, card.darker(112));
    p.setBrush(shade);
    p.drawRect(front);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe9, 0xd9, 0xb0));
    const qreal tape = qMax<qreal>(2, front.width() * 0.14);
    p.drawRect(QRectF(front.center().x() - tape / 2, front.top(), tape, front.height() * 0.45));
    // Shipping label, only where the box is big enough to carry one.
    if (front.width() > 14 && front.height() > 12) {
        p.setBrush(QColor(250, 250, 245));
        p.drawRect(QRectF(front.left() + 3, front.bottom() - 7, 6, 4));
    }
}

void person(QPainter& p, qreal cx, qreal headTop, qreal s, const QColor& skin, const QColor& hair,
            const QColor& overall, const QColor& helmet, bool hasHelmet) {
    // Body: rounded shoulders running out of the picture.
    QPainterPath body;
    body.moveTo(cx - 27 * s, 130);
    body.cubicTo(cx - 27 * s, headTop + 44 * s, cx - 22 * s, headTop + 36 * s, cx - 8 * s,
                 headTop + 35 * s);
    body.lineTo(cx + 8 * s, headTop + 35 * s);
    body.cubicTo(cx + 22 * s, headTop + 36 * s, cx + 27 * s, headTop + 44 * s, cx + 27 * s, 130);
    body.closeSubpath();
    QLinearGradient cloth(cx - 27 * s, 0, cx + 27 * s, 0);
    cloth.setColorAt(0, overall.lighter(115));
    cloth.setColorAt(1, overall.darker(125));
    p.setPen(QPen(overall.darker(170), 1));
    p.setBrush(cloth);
    p.drawPath(body);
    // Shirt collar and overall straps.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(245, 245, 240));
    QPainterPath collar;
    addClosed(
        collar,
        {{cx - 8 * s, headTop + 35 * s}, {cx, headTop + 45 * s}, {cx + 8 * s, headTop + 35 * s}});
    p.drawPath(collar);
    p.setBrush(overall.darker(135));
    p.drawRect(QRectF(cx - 14 * s, headTop + 37 * s, 4 * s, 30 * s));
    p.drawRect(QRectF(cx + 10 * s, headTop + 37 * s, 4 * s, 30 * s));
    p.setBrush(QColor(230, 200, 60));
    p.drawEllipse(QPointF(cx - 12 * s, headTop + 50 * s), 1.6 * s, 1.6 * s);
    p.drawEllipse(QPointF(cx + 12 * s, headTop + 50 * s), 1.6 * s, 1.6 * s);

    // Neck and head.
    p.setBrush(skin.darker(112));
    p.drawRect(QRectF(cx - 5 * s, headTop + 24 * s, 10 * s, 12 * s));
    QRadialGradient face(cx - 3 * s, headTop + 12 * s, 18 * s);
    face.setColorAt(0, skin.lighter(112));
    face.setColorAt(1, skin);
    p.setPen(QPen(skin.darker(140), 0.8));
    p.setBrush(face);
    p.drawEllipse(QPointF(cx - 13 * s, headTop + 16 * s), 2.5 * s, 3.5 * s);
    p.drawEllipse(QPointF(cx + 13 * s, headTop + 16 * s), 2.5 * s, 3.5 * s);
    p.drawEllipse(QRectF(cx - 13 * s, headTop, 26 * s, 30 * s));
    if (!hasHelmet) {
        QPainterPath top;
        top.moveTo(cx - 13.5 * s, headTop + 14 * s);
        top.cubicTo(cx - 15 * s, headTop - 3 * s, cx + 15 * s, headTop - 3 * s, cx + 13.5 * s,
                    headTop + 14 * s);
        top.cubicTo(cx + 8 * s, headTop + 6 * s, cx - 4 * s, headTop + 8 * s, cx - 13.5 * s,
                    headTop + 14 * s);
        p.setPen(Qt::NoPen);
        p.setBrush(hair);
        p.drawPath(top);
    }
    // Eyes and smile.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 30, 30));
    p.drawEllipse(QPointF(cx - 5 * s, headTop + 15 * s), 1.5 * s, 1.8 * s);
    p.drawEllipse(QPointF(cx + 5 * s, headTop + 15 * s), 1.5 * s, 1.8 * s);
    QPainterPath smile;
    smile.moveTo(cx - 5 * s, headTop + 21 * s);
    smile.quadTo(cx, headTop + 25.5 * s, cx + 5 * s, headTop + 21 * s);
    p.setPen(QPen(QColor(120, 40, 40), 1.2 * s, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(smile);
    if (hasHelmet) {
        QPainterPath dome;
        dome.moveTo(cx - 14 * s, headTop + 9 * s);
        dome.cubicTo(cx - 14 * s, headTop - 8 * s, cx + 14 * s, headTop - 8 * s, cx + 14 * s,
                     headTop + 9 * s);
        dome.closeSubpath();
        QLinearGradient shine(cx - 14 * s, 0, cx + 14 * s, 0);
        shine.setColorAt(0, helmet.lighter(130));
        shine.setColorAt(1, helmet.darker(115));
        p.setPen(QPen(helmet.darker(150), 0.8));
        p.setBrush(shine);
        p.drawPath(dome);
        p.drawRoundedRect(QRectF(cx - 17 * s, headTop + 7 * s, 34 * s, 4 * s), 2 * s, 2 * s);
        p.setPen(QPen(helmet.darker(125), 1.4 * s));
        p.drawLine(QPointF(cx, headTop - 4 * s), QPointF(cx, headTop + 7 * s));
    }
}

} // namespace

QImage storage() {
    QImage image = canvas(116, 116, Qt::white);
    QPainter p;
    beginPainting(p, image);

    QLinearGradient wall(0, 0, 0, 92);
    wall.setColorAt(0, QColor(0xcf, 0xd6, 0xde));
    wall.setColorAt(1, QColor(0xe8, 0xec, 0xf0));
    p.fillRect(QRectF(0, 0, 116, 92), wall);
    QLinearGradient floor(0, 92, 0, 116);
    floor.setColorAt(0, QColor(0x9c, 0xa0, 0xa6));
    floor.setColorAt(1, QColor(0x72, 0x76, 0x7c));
    p.fillRect(QRectF(0, 92, 116, 24), floor);
    // Yellow safety line on the floor.
    p.fillRect(QRectF(0, 106, 116, 3), QColor(0xf2, 0xc2, 0x1b));

    const QColor card(0xc8, 0x94, 0x5a);
    const QColor cardDark(0xb0, 0x7a, 0x45);
    const QColor cardLight(0xd8, 0xaa, 0x70);
    // Boxes on the three shelf levels of the two bays; shelves sit at y 33, 62 and 91.
    box(p, QRectF(12, 16, 20, 17), card);
    box(p, QRectF(34, 21, 16, 12), cardLight);
    box(p, QRectF(12, 47, 14, 15), cardDark);
    box(p, QRectF(28, 43, 22, 19), card);
    box(p, QRectF(12, 74, 18, 17), cardLight);
    box(p, QRectF(32, 76, 18, 15), card);
    box(p, QRectF(62, 19, 18, 14), cardDark);
    box(p, QRectF(82, 14, 18, 19), card);
    box(p, QRectF(62, 44, 26, 18), cardLight);
    box(p, QRectF(90, 49, 11, 13), card);
    box(p, QRectF(62, 73, 16, 18), card);
    box(p, QRectF(80, 77, 21, 14), cardDark);

    // Pallet rack: blue uprights with orange beams.
    const QColor upright(0x2f, 0x5f, 0xa8);
    const QColor beam(0xe8, 0x74, 0x2a);
    p.setPen(QPen(upright.darker(150), 0.8));
    p.setBrush(upright);
    for (qreal x : {5.0, 54.0, 105.0}) {
        p.drawRect(QRectF(x, 6, 5, 88));
    }
    p.setPen(QPen(beam.darker(150), 0.8));
    p.setBrush(beam);
    for (qreal y : {33.0, 62.0, 91.0}) {
        p.drawRect(QRectF(5, y, 105, 4));
    }

    // A pallet with a stack of boxes in front, so the room has depth.
    p.setPen(QPen(QColor(0x7a, 0x55, 0x2e), 0.8));
    p.setBrush(QColor(0xb8, 0x8a, 0x55));
    p.drawRect(QRectF(66, 104, 40, 4));
    p.drawRect(QRectF(68, 108, 5, 4));
    p.drawRect(QRectF(83, 108, 5, 4));
    p.drawRect(QRectF(99, 108, 5, 4));
    box(p, QRectF(67, 90, 18, 14), cardLight);
    box(p, QRectF(86, 90, 18, 14), card);
    box(p, QRectF(75, 77, 19, 13), cardDark);
    p.end();
    return image;
}

QImage staff() {
    QImage image = canvas(116, 116, Qt::white);
    QPainter p;
    beginPainting(p, image);
    QLinearGradient sky(0, 0, 0, 116);
    sky.setColorAt(0, QColor(0xd6, 0xea, 0xfb));
    sky.setColorAt(1, QColor(0x9f, 0xc6, 0xea));
    p.fillRect(image.rect(), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawEllipse(QPointF(58, 44), 50, 38);

    const QColor lightSkin(0xf3, 0xc9, 0xa5);
    const QColor tanSkin(0xd9, 0xa0, 0x6e);
    const QColor darkSkin(0x8d, 0x5a, 0x3b);
    // Two colleagues behind, the foreman in front.
    person(p, 28, 28, 0.85, tanSkin, QColor(0x2b, 0x1d, 0x14), QColor(0x3d, 0x7a, 0x3a),
           QColor(0xf0, 0xf0, 0xf0), true);
    person(p, 88, 27, 0.85, lightSkin, QColor(0xb5, 0x6a, 0x2c), QColor(0xc0, 0x4a, 0x3a),
           QColor(0xf0, 0xf0, 0xf0), false);
    person(p, 58, 38, 1.05, darkSkin, QColor(0x1b, 0x12, 0x0e), QColor(0x2c, 0x5c, 0xa8),
           QColor(0xf5, 0xc4, 0x18), true);
    p.end();
    return image;
}

QImage research() {
    QImage image = canvas(116, 116, QColor(0x1f, 0x4e, 0x8c));
    QPainter p;
    beginPainting(p, image);

    // Blueprint paper with a fine grid.
    QRadialGradient paper(58, 50, 80);
    paper.setColorAt(0, QColor(0x2b, 0x63, 0xa8));
    paper.setColorAt(1, QColor(0x17, 0x3d, 0x70));
    p.fillRect(image.rect(), paper);
    p.setPen(QPen(QColor(255, 255, 255, 38), 1));
    for (int i = 4; i < 116; i += 8) {
        p.drawLine(i, 0, i, 116);
        p.drawLine(0, i, 116, i);
    }
    // A technical sketch: a gear with a dimension line.
    p.setPen(QPen(QColor(235, 245, 255, 200), 1.2));
    p.setBrush(Qt::NoBrush);
    const QPointF hub(30, 30);
    for (int tooth = 0; tooth < 10; ++tooth) {
        p.save();
        p.translate(hub);
        p.rotate(tooth * 36.0);
        p.drawRect(QRectF(-2.5, -21, 5, 5));
        p.restore();
    }
    p.drawEllipse(hub, 16, 16);
    p.drawEllipse(hub, 5, 5);
    p.setPen(QPen(QColor(235, 245, 255, 150), 0.8, Qt::DashLine));
    p.drawLine(QPointF(8, 56), QPointF(52, 56));
    p.drawLine(QPointF(8, 53), QPointF(8, 59));
    p.drawLine(QPointF(52, 53), QPointF(52, 59));

    // Erlenmeyer flask with bubbling green liquid.
    QPainterPath flask;
    flask.moveTo(62, 30);
    flask.lineTo(62, 56);
    flask.lineTo(42, 96);
    flask.quadTo(39, 104, 48, 104);
    flask.lineTo(96, 104);
    flask.quadTo(105, 104, 102, 96);
    flask.lineTo(82, 56);
    flask.lineTo(82, 30);
    flask.closeSubpath();
    QPainterPath liquidArea;
    liquidArea.addRect(QRectF(30, 72, 80, 40));
    const QPainterPath liquid = flask.intersected(liquidArea);
    QLinearGradient green(0, 72, 0, 104);
    green.setColorAt(0, QColor(0x7b, 0xf0, 0x6a));
    green.setColorAt(1, QColor(0x1f, 0xa2, 0x3a));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 240, 255, 70));
    p.drawPath(flask);
    p.setBrush(green);
    p.drawPath(liquid);
    p.setBrush(QColor(220, 255, 220, 200));
    p.drawEllipse(QPointF(66, 90), 3, 3);
    p.drawEllipse(QPointF(78, 82), 2.2, 2.2);
    p.drawEllipse(QPointF(86, 94), 2.6, 2.6);
    p.drawEllipse(QPointF(72, 62), 2, 2);
    p.drawEllipse(QPointF(74, 46), 2.6, 2.6);
    p.drawEllipse(QPointF(69, 20), 3, 3);
    p.drawEllipse(QPointF(78, 10), 2.2, 2.2);
    p.setPen(QPen(QColor(245, 250, 255), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(flask);
    p.setBrush(QColor(245, 250, 255));
    p.drawRoundedRect(QRectF(59, 27, 26, 5), 2, 2);
    // Glint on the glass.
    p.setPen(QPen(QColor(255, 255, 255, 200), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(67, 58), QPointF(53, 88));

    // A test tube with purple liquid.
    p.save();
    p.translate(22, 70);
    p.rotate(-12);
    QPainterPath tube;
    tube.moveTo(-5, -10);
    tube.lineTo(-5, 30);
    tube.arcTo(QRectF(-5, 25, 10, 10), 180, 180);
    tube.lineTo(5, -10);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc0, 0x5c, 0xe0));
    p.drawPath(tube.intersected([] {
        QPainterPath lower;
        lower.addRect(QRectF(-6, 10, 12, 30));
        return lower;
    }()));
    p.setPen(QPen(QColor(245, 250, 255), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tube);
    p.drawLine(QPointF(-7, -10), QPointF(7, -10));
    p.restore();
    p.end();
    return image;
}

} // namespace pictures

// The four manager portraits of the face list.

#include "Pictures.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace pictures {

namespace {

struct Look {
    QColor backgroundTop;
    QColor backgroundBottom;
    QColor skin;
    QColor hair;
    QColor iris;
};

void backdrop(QPainter& p, const Look& look) {
    QLinearGradient back(0, 0, 0, 116);
    back.setColorAt(0, look.backgroundTop);
    back.setColorAt(1, look.backgroundBottom);
    p.fillRect(QRectF(0, 0, 116, 116), back);
    QRadialGradient glow(58, 46, 56);
    glow.setColorAt(0, QColor(255, 255, 255, 120));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(0, 0, 116, 116), glow);
}

QPainterPath shoulders() {
    QPainterPath path;
    path.moveTo(4, 117);
    path.cubicTo(6, 98, 18, 88, 42, 85);
    path.lineTo(74, 85);
    path.cubicTo(98, 88, 110, 98, 112, 117);
    path.closeSubpath();
    return path;
}

void clothes(QPainter& p, const QColor& cloth) {
    QLinearGradient shade(0, 0, 116, 0);
    shade.setColorAt(0, cloth.lighter(120));
    shade.setColorAt(0.5, cloth);
    shade.setColorAt(1, cloth.darker(130));
    p.setPen(QPen(cloth.darker(170), 1));
    p.setBrush(shade);
    p.drawPath(shoulders());
}

void neck(QPainter& p, const Look& look) {
    p.setPen(Qt::NoPen);
    p.setBrush(look.skin.darker(108));
    QPainterPath path;
    path.moveTo(48, 66);
    path.lineTo(48, 86);
    path.quadTo(58, 94, 68, 86);
    path.lineTo(68, 66);
    path.closeSubpath();
    p.drawPath(path);
    // Shadow under the chin.
    p.setBrush(look.skin.darker(130));
    p.drawEllipse(QRectF(47, 70, 22, 8));
}

void head(QPainter& p, const Look& look, qreal width = 50, qreal height = 60) {
    const QPen outline(look.skin.darker(150), 1);
    p.setPen(outline);
    p.setBrush(look.skin);
    p.drawEllipse(QPointF(58 - width / 2, 49), 4.5, 7);
    p.drawEllipse(QPointF(58 + width / 2, 49), 4.5, 7);
    p.setPen(QPen(look.skin.darker(135), 0.8));
    p.drawArc(QRectF(58 - width / 2 - 2.5, 45, 4, 8), 90 * 16, 180 * 16);
    p.drawArc(QRectF(58 + width / 2 - 1.5, 45, 4, 8), -90 * 16, 180 * 16);
    QRadialGradient skin(52, 42, width * 0.75);
    skin.setColorAt(0, look.skin.lighter(110));
    skin.setColorAt(1, look.skin.darker(104));
    p.setPen(outline);
    p.setBrush(skin);
    p.drawEllipse(QRectF(58 - width / 2, 78 - height, width, height));
}

void eyes(QPainter& p, const Look& look, bool lashes = false) {
    for (qreal x : {48.0, 68.0}) {
        p.setPen(QPen(look.skin.darker(160), 0.8));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(x, 51), 5, 3.8);
        p.setPen(Qt::NoPen);
        p.setBrush(look.iris);
        p.drawEllipse(QPointF(x, 51.3), 2.8, 2.8);
        p.setBrush(QColor(20, 15, 15));
        p.drawEllipse(QPointF(x, 51.3), 1.4, 1.4);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(x + 1, 50.2), 0.8, 0.8);
        if (lashes) {
            p.setPen(QPen(QColor(30, 20, 20), 1.3, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(x - 5.3, 47, 10.6, 8), 20 * 16, 140 * 16);
            const qreal outer = x < 58 ? x - 5 : x + 5;
            const qreal tip = x < 58 ? outer - 2 : outer + 2;
            p.drawLine(QPointF(outer, 49.6), QPointF(tip, 48));
        }
    }
}

void brows(QPainter& p, const QColor& colour, qreal thickness, qreal lift = 0) {
    p.setPen(QPen(colour, thickness, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath left;
    left.moveTo(42, 45 - lift);
    left.quadTo(48, 41 - lift, 54, 44 - lift);
    QPainterPath right;
    right.moveTo(62, 44 - lift);
    right.quadTo(68, 41 - lift, 74, 45 - lift);
    p.drawPath(left);
    p.drawPath(right);
}

void nose(QPainter& p, const Look& look) {
    p.setPen(QPen(look.skin.darker(140), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(58, 53);
    path.quadTo(55, 60, 56, 62);
    path.quadTo(58, 63.5, 61, 62);
    p.drawPath(path);
}

void cheeks(QPainter& p, int alpha) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 110, 110, alpha));
    p.drawEllipse(QPointF(44, 60), 5, 3);
    p.drawEllipse(QPointF(72, 60), 5, 3);
}

void smile(QPainter& p, const QColor& lips, bool teeth, qreal width = 9) {
    QPainterPath mouth;
    mouth.moveTo(58 - width, 67);
    mouth.quadTo(58, 77, 58 + width, 67);
    mouth.quadTo(58, 70, 58 - width, 67);
    p.setPen(QPen(lips.darker(130), 0.8));
    p.setBrush(teeth ? QColor(0x8a, 0x2a, 0x2a) : lips);
    p.drawPath(mouth);
    if (teeth) {
        QPainterPath upper;
        upper.moveTo(58 - width + 2, 68);
        upper.quadTo(58, 71, 58 + width - 2, 68);
        upper.lineTo(58 + width - 3, 70);
        upper.quadTo(58, 72.5, 58 - width + 3, 70);
        upper.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(upper);
    }
}

// A man with a tie: dark hair with a side parting, navy suit.
void businessman(QPainter& p) {
    const Look look{QColor(0xa9, 0xd1, 0xf5), QColor(0x4d, 0x8f, 0xd1), QColor(0xf6, 0xcf, 0xae),
                    QColor(0x4a, 0x2e, 0x1c), QColor(0x4a, 0x7a, 0xb8)};
    backdrop(p, look);
    clothes(p, QColor(0x23, 0x33, 0x5c));
    // Shirt, tie and lapels.
    QPainterPath shirt;
    addClosed(shirt, {{44, 85}, {58, 117}, {72, 85}});
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(shirt);
    neck(p, look);
    QPainterPath collar;
    addClosed(collar, {{47, 84}, {58, 91}, {52, 95}});
    addClosed(collar, {{69, 84}, {58, 91}, {64, 95}});
    p.setPen(QPen(QColor(0xb0, 0xb8, 0xc4), 0.8));
    p.setBrush(Qt::white);
    p.drawPath(collar);
    QPainterPath tie;
    addClosed(tie, {{55, 91}, {61, 91}, {60, 95}, {64, 112}, {58, 117}, {52, 112}, {56, 95}});
    p.setPen(QPen(QColor(0x80, 0x10, 0x18), 0.8));
    p.setBrush(QColor(0xd0, 0x22, 0x30));
    p.drawPath(tie);
    p.setPen(QPen(QColor(0xf0, 0x70, 0x70), 1));
    p.drawLine(QPointF(55, 101), QPointF(61, 97));
    p.drawLine(QPointF(54, 108), QPointF(62, 103));
    QPainterPath lapels;
    addClosed(lapels, {{42, 86}, {56, 117}, {46, 117}, {38, 96}});
    addClosed(lapels, {{74, 86}, {60, 117}, {70, 117}, {78, 96}});
    p.setPen(QPen(QColor(0x10, 0x18, 0x30), 0.8));
    p.setBrush(QColor(0x2e, 0x42, 0x74));
    p.drawPath(lapels);

    head(p, look);
    QPainterPath hair;
    hair.moveTo(33, 52);
    hair.cubicTo(29, 28, 42, 15, 60, 15);
    hair.cubicTo(78, 15, 89, 28, 83, 52);
    hair.cubicTo(82, 42, 80, 36, 76, 32);
    hair.cubicTo(66, 34, 50, 32, 44, 27);
    hair.cubicTo(40, 34, 36, 40, 33, 52);
    hair.closeSubpath();
    p.setPen(QPen(look.hair.darker(140), 0.8));
    p.setBrush(look.hair);
    p.drawPath(hair);
    p.setPen(QPen(look.hair.lighter(150), 1));
    p.drawLine(QPointF(48, 20), QPointF(44, 27));
    eyes(p, look);
    brows(p, look.hair, 2.2);
    nose(p, look);
    cheeks(p, 50);
    smile(p, QColor(0xc2, 0x5a, 0x50), true);
}

// A woman with long auburn hair, earrings and a teal blouse.
void woman(QPainter& p) {
    const Look look{QColor(0xfd, 0xdc, 0xc8), QColor(0xf0, 0x98, 0x80), QColor(0xf8, 0xd6, 0xbc),
                    QColor(0xa0, 0x44, 0x1e), QColor(0x3a, 0x8a, 0x4a)};
    backdrop(p, look);
    // Long hair falls behind the shoulders.
    QPainterPath back;
    back.moveTo(30, 40);
    back.cubicTo(22, 70, 22, 92, 18, 104);
    back.cubicTo(40, 108, 76, 108, 98, 104);
    back.cubicTo(94, 92, 94, 70, 86, 40);
    back.closeSubpath();
    QLinearGradient hairShade(0, 20, 0, 104);
    hairShade.setColorAt(0, look.hair.lighter(115));
    hairShade.setColorAt(1, look.hair.darker(120));
    p.setPen(QPen(look.hair.darker(150), 0.8));
    p.setBrush(hairShade);
    p.drawPath(back);
    clothes(p, QColor(0x1f, 0x9a, 0x96));
    neck(p, look);
    // Neckline and a necklace.
    QPainterPath neckline;
    neckline.moveTo(44, 85);
    neckline.quadTo(58, 104, 72, 85);
    neckline.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(look.skin.darker(108));
    p.drawPath(neckline);
    p.setPen(QPen(QColor(0xf4, 0xf0, 0xe6), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(47, 78, 22, 16), 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf4, 0xf0, 0xe6));
    p.drawEllipse(QPointF(58, 94), 1.8, 1.8);

    head(p, look, 48, 60);
    // Gold earrings.
    p.setPen(QPen(QColor(0xa0, 0x78, 0x10), 0.6));
    p.setBrush(QColor(0xf4, 0xc4, 0x30));
    p.drawEllipse(QPointF(34, 58), 2.2, 2.2);
    p.drawEllipse(QPointF(82, 58), 2.2, 2.2);
    // Hair over the forehead with a side sweep.
    QPainterPath front;
    front.moveTo(31, 56);
    front.cubicTo(26, 26, 42, 13, 60, 13);
    front.cubicTo(80, 13, 92, 28, 85, 58);
    front.cubicTo(84, 44, 80, 34, 72, 28);
    front.cubicTo(64, 36, 50, 40, 38, 38);
    front.cubicTo(35, 44, 33, 50, 31, 56);
    front.closeSubpath();
    p.setPen(QPen(look.hair.darker(150), 0.8));
    p.setBrush(hairShade);
    p.drawPath(front);
    p.setPen(QPen(look.hair.lighter(140), 1));
    p.setBrush(Qt::NoBrush);
    QPainterPath strand;
    strand.moveTo(66, 17);
    strand.quadTo(58, 30, 44, 34);
    p.drawPath(strand);
    eyes(p, look, true);
    brows(p, look.hair.darker(120), 1.5, 1.5);
    nose(p, look);
    cheeks(p, 80);
    smile(p, QColor(0xd8, 0x30, 0x48), false, 8);
}

// An older man: grey hair round a bald crown, glasses, a moustache and a bow tie.
void veteran(QPainter& p) {
    const Look look{QColor(0xd4, 0xec, 0xc4), QColor(0x7c, 0xb0, 0x68), QColor(0xee, 0xc7, 0xa6),
                    QColor(0xc4, 0xc6, 0xca), QColor(0x6a, 0x55, 0x3a)};
    backdrop(p, look);
    clothes(p, QColor(0x7a, 0x55, 0x38));
    QPainterPath shirt;
    addClosed(shirt, {{44, 85}, {58, 110}, {72, 85}});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf2, 0xf0, 0xe8));
    p.drawPath(shirt);
    neck(p, look);
    // Bow tie.
    QPainterPath bow;
    addClosed(bow, {{58, 92}, {48, 87}, {48, 97}});
    addClosed(bow, {{58, 92}, {68, 87}, {68, 97}});
    p.setPen(QPen(QColor(0x30, 0x20, 0x50), 0.8));
    p.setBrush(QColor(0x5a, 0x3c, 0x90));
    p.drawPath(bow);
    p.drawEllipse(QPointF(58, 92), 2.5, 2.5);
    // Waistcoat buttons below the shirt.
    p.setBrush(QColor(0x3a, 0x28, 0x1a));
    p.drawEllipse(QPointF(58, 113), 1.4, 1.4);

    head(p, look, 52, 62);
    // Grey tufts above the ears, bald on top.
    p.setPen(QPen(look.hair.darker(130), 0.8));
    p.setBrush(look.hair);
    QPainterPath tufts;
    tufts.moveTo(32, 54);
    tufts.cubicTo(28, 40, 32, 30, 40, 26);
    tufts.cubicTo(40, 34, 37, 44, 36, 54);
    tufts.closeSubpath();
    tufts.moveTo(84, 54);
    tufts.cubicTo(88, 40, 84, 30, 76, 26);
    tufts.cubicTo(76, 34, 79, 44, 80, 54);
    tufts.closeSubpath();
    p.drawPath(tufts);
    // Forehead lines and laughter lines.
    p.setPen(QPen(look.skin.darker(125), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(47, 27, 22, 6), 20 * 16, 140 * 16);
    p.drawArc(QRectF(49, 32, 18, 5), 20 * 16, 140 * 16);
    p.drawLine(QPointF(38, 52), QPointF(36, 54));
    p.drawLine(QPointF(78, 52), QPointF(80, 54));
    eyes(p, look);
    brows(p, look.hair.darker(115), 2.8, 1);
    nose(p, look);
    cheeks(p, 45);
    smile(p, QColor(0xb0, 0x58, 0x50), false, 8);
    // Moustache over the smile.
    QPainterPath moustache;
    moustache.moveTo(58, 64);
    moustache.cubicTo(52, 61, 46, 63, 45, 68);
    moustache.cubicTo(50, 67, 54, 67, 58, 66);
    moustache.cubicTo(62, 67, 66, 67, 71, 68);
    moustache.cubicTo(70, 63, 64, 61, 58, 64);
    moustache.closeSubpath();
    p.setPen(QPen(look.hair.darker(135), 0.8));
    p.setBrush(look.hair);
    p.drawPath(moustache);
    // Round glasses.
    p.setPen(QPen(QColor(0x3a, 0x2a, 0x20), 1.6));
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawEllipse(QPointF(48, 51), 7.5, 7);
    p.drawEllipse(QPointF(68, 51), 7.5, 7);
    p.drawArc(QRectF(55, 48, 6, 5), 0, 180 * 16);
    p.drawLine(QPointF(40.5, 50), QPointF(34, 48));
    p.drawLine(QPointF(75.5, 50), QPointF(82, 48));
}

// A young manager with dark skin, curly black hair and a red tracksuit top.
void sportsman(QPainter& p) {
    const Look look{QColor(0xff, 0xf0, 0xa8), QColor(0xf2, 0xb8, 0x2e), QColor(0x9a, 0x62, 0x3e),
                    QColor(0x1c, 0x14, 0x10), QColor(0x3a, 0x22, 0x14)};
    backdrop(p, look);
    const QColor jacket(0xd8, 0x2a, 0x2a);
    clothes(p, jacket);
    // White sport stripes over the shoulders and a zip.
    p.setPen(QPen(Qt::white, 2.2));
    p.setBrush(Qt::NoBrush);
    QPainterPath stripes;
    stripes.moveTo(12, 117);
    stripes.cubicTo(14, 102, 22, 94, 36, 90);
    stripes.moveTo(18, 117);
    stripes.cubicTo(20, 104, 27, 97, 39, 93);
    stripes.moveTo(104, 117);
    stripes.cubicTo(102, 102, 94, 94, 80, 90);
    stripes.moveTo(98, 117);
    stripes.cubicTo(96, 104, 89, 97, 77, 93);
    p.drawPath(stripes);
    neck(p, look);
    // Stand-up collar with the zip.
    QPainterPath collar;
    collar.moveTo(44, 84);
    collar.quadTo(58, 92, 72, 84);
    collar.lineTo(72, 88);
    collar.quadTo(58, 97, 44, 88);
    collar.closeSubpath();
    p.setPen(QPen(jacket.darker(160), 0.8));
    p.setBrush(jacket.darker(115));
    p.drawPath(collar);
    p.setPen(QPen(QColor(0xe8, 0xe8, 0xe8), 1.4));
    p.drawLine(QPointF(58, 92), QPointF(58, 117));
    p.setBrush(QColor(0xe8, 0xe8, 0xe8));
    p.drawRect(QRectF(56.5, 96, 3, 4));

    head(p, look, 50, 60);
    // Curly hair: a cloud of small curls.
    p.setPen(QPen(look.hair.lighter(160), 0.6));
    p.setBrush(look.hair);
    const QPointF curls[] = {{36, 40}, {34, 32}, {39, 24}, {46, 19}, {54, 16}, {62, 16},
                             {70, 18}, {77, 23}, {82, 31}, {82, 40}, {44, 27}, {52, 24},
                             {60, 23}, {68, 25}, {75, 30}, {40, 34}, {58, 19}, {78, 36}};
    for (const QPointF& curl : curls) {
        p.drawEllipse(curl, 6.2, 6.2);
    }
    eyes(p, look);
    brows(p, look.hair, 2.2, 1);
    nose(p, look);
    cheeks(p, 30);
    smile(p, QColor(0x8a, 0x3a, 0x30), true, 10);
}

} // namespace

QImage face(int index) {
    QImage image = canvas(116, 116, Qt::white);
    QPainter p;
    beginPainting(p, image);
    switch (index) {
    case 0:
        businessman(p);
        break;
    case 1:
        woman(p);
        break;
    case 2:
        veteran(p);
        break;
    default:
        sportsman(p);
        break;
    }
    p.end();
    return image;
}

} // namespace pictures

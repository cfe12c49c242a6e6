// The splash picture and the about logo.

#include "Pictures.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>

namespace pictures {

namespace {

// A big name with a drop shadow, a dark outline and a golden fill.
void brandText(QPainter& p, const QPainterPath& text, qreal shadowOffset, qreal outline) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawPath(text.translated(shadowOffset, shadowOffset));
    const QRectF box = text.boundingRect();
    QLinearGradient gold(box.topLeft(), box.bottomLeft());
    gold.setColorAt(0, QColor(0xff, 0xf6, 0xc8));
    gold.setColorAt(0.45, QColor(0xff, 0xc9, 0x3c));
    gold.setColorAt(1, QColor(0xd8, 0x7a, 0x10));
    p.setPen(QPen(QColor(0x5a, 0x20, 0x08), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(gold);
    p.drawPath(text);
}

void puff(QPainter& p, qreal x, qreal y, qreal s) {
    p.setPen(Qt::NoPen);
    const QColor greys[] = {QColor(0xe8, 0xe2, 0xdc, 200), QColor(0xf0, 0xea, 0xe4, 170),
                            QColor(0xf6, 0xf2, 0xee, 140), QColor(0xfa, 0xf6, 0xf2, 110)};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(greys[i]);
        p.drawEllipse(QPointF(x + i * 16 * s, y - i * 7 * s), (8 + i * 4) * s, (6 + i * 3) * s);
    }
}

void factory(QPainter& p) {
    const QColor brick(0x9a, 0x44, 0x32);
    const QColor roof(0x3f, 0x44, 0x4e);
    // Chimneys first, so the halls hide their feet.
    for (const auto& c : {QPointF(430, 246), QPointF(470, 232), QPointF(510, 252)}) {
        const QRectF body(c.x(), c.y(), 20, 300 - c.y());
        QLinearGradient round(body.topLeft(), body.topRight());
        round.setColorAt(0, QColor(0xf4, 0xf0, 0xec));
        round.setColorAt(1, QColor(0xb0, 0xa8, 0xa4));
        p.setPen(QPen(QColor(0x50, 0x48, 0x44), 1));
        p.setBrush(round);
        p.drawRect(body);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xc8, 0x30, 0x28));
        for (qreal y = c.y() + 4; y < 280; y += 26) {
            p.drawRect(QRectF(c.x(), y, 20, 10));
        }
        p.setBrush(QColor(0x50, 0x48, 0x44));
        p.drawRect(QRectF(c.x() - 2, c.y() - 4, 24, 5));
        puff(p, c.x() + 14, c.y() - 10, 1.0);
    }
    // Saw-tooth production hall.
    const QRectF hall(330, 300, 230, 90);
    for (int i = 0; i < 7; ++i) {
        const qreal x = hall.left() + i * hall.width() / 7;
        QPainterPath tooth;
        addClosed(tooth,
                  {{x, hall.top()}, {x, hall.top() - 24}, {x + hall.width() / 7, hall.top()}});
        p.setPen(QPen(roof.darker(140), 1));
        p.setBrush(roof);
        p.drawPath(tooth);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xff, 0xe0, 0x8a));
        p.drawRect(QRectF(x + 2, hall.top() - 21, 5, 19));
    }
    QLinearGradient wall(hall.topLeft(), hall.bottomLeft());
    wall.setColorAt(0, brick.lighter(115));
    wall.setColorAt(1, brick.darker(115));
    p.setPen(QPen(brick.darker(160), 1));
    p.setBrush(wall);
    p.drawRect(hall);
    p.setPen(QPen(QColor(0x6a, 0x2a, 0x1c, 110), 0.6));
    for (qreal y = hall.top() + 5; y < hall.bottom(); y += 5) {
        p.drawLine(QPointF(hall.left(), y), QPointF(hall.right(), y));
    }
    // Lit windows in two rows.
    for (int row = 0; row < 2; ++row) {
        // The lower row stops short of the gate.
        for (int i = 0; i < (row == 0 ? 7 : 6); ++i) {
            const QRectF w(342 + i * 30, 310 + row * 38, 18, 22);
            QLinearGradient light(w.topLeft(), w.bottomLeft());
            light.setColorAt(0, QColor(0xff, 0xf2, 0xb0));
            light.setColorAt(1, QColor(0xf8, 0xc0, 0x50));
            p.setPen(QPen(QColor(0xf0, 0xe8, 0xe0), 1.5));
            p.setBrush(light);
            p.drawRect(w);
            p.drawLine(QPointF(w.center().x(), w.top()), QPointF(w.center().x(), w.bottom()));
        }
    }
    // Office block on the right with the firm's name.
    const QRectF office(560, 262, 72, 128);
    QLinearGradient glass(office.topLeft(), office.topRight());
    glass.setColorAt(0, QColor(0x8c, 0xc4, 0xf0));
    glass.setColorAt(1, QColor(0x2a, 0x5e, 0x9c));
    p.setPen(QPen(QColor(0x1a, 0x34, 0x58), 1.5));
    p.setBrush(glass);
    p.drawRect(office);
    p.setPen(QPen(QColor(255, 255, 255, 120), 1));
    for (qreal y = office.top() + 12; y < office.bottom(); y += 12) {
        p.drawLine(QPointF(office.left(), y), QPointF(office.right(), y));
    }
    for (qreal x = office.left() + 12; x < office.right(); x += 12) {
        p.drawLine(QPointF(x, office.top()), QPointF(x, office.bottom()));
    }
    p.setPen(QPen(QColor(0x1a, 0x34, 0x58), 1));
    p.setBrush(QColor(0x1a, 0x34, 0x58));
    p.drawRect(QRectF(552, 244, 88, 18));
    p.setPen(QColor(0xff, 0xd2, 0x3c));
    p.setFont(uiFont(13, QFont::Bold));
    p.drawText(QRectF(552, 244, 88, 18), Qt::AlignCenter, QStringLiteral("ZORVICK"));
    // Gate of the hall.
    p.setPen(QPen(QColor(0x40, 0x40, 0x44), 1));
    p.setBrush(QColor(0x8e, 0x96, 0xa0));
    p.drawRect(QRectF(520, 352, 34, 38));
    p.setPen(QPen(QColor(0x6c, 0x73, 0x7c), 1));
    for (qreal y = 357; y < 390; y += 5) {
        p.drawLine(QPointF(520, y), QPointF(554, y));
    }
}

// A tracksuit jacket on a hanger: the firm's product.
void tracksuit(QPainter& p) {
    const QColor suit(0x1f, 0x4f, 0xb4);
    const QColor trim(Qt::white);
    // Clothes stand: two posts on feet and a rail.
    p.setPen(QPen(QColor(0x70, 0x74, 0x7a), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(44, 228), QPointF(286, 228));
    p.drawLine(QPointF(48, 228), QPointF(48, 446));
    p.drawLine(QPointF(282, 228), QPointF(282, 446));
    p.drawLine(QPointF(30, 446), QPointF(66, 446));
    p.drawLine(QPointF(264, 446), QPointF(300, 446));
    p.translate(0, 34);
    p.setPen(QPen(QColor(0x9a, 0x9e, 0xa4), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath hook;
    hook.moveTo(165, 228);
    hook.lineTo(165, 214);
    hook.cubicTo(165, 204, 178, 202, 178, 194);
    hook.cubicTo(178, 186, 164, 184, 160, 192);
    p.drawPath(hook);
    p.setPen(QPen(QColor(0x8a, 0x5a, 0x30), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(165, 228), QPointF(105, 252));
    p.drawLine(QPointF(165, 228), QPointF(225, 252));

    // Jacket body with sleeves.
    QPainterPath jacket;
    jacket.moveTo(140, 234);
    jacket.lineTo(104, 248);
    jacket.cubicTo(92, 254, 88, 262, 84, 280);
    jacket.lineTo(66, 380);
    jacket.lineTo(96, 386);
    jacket.lineTo(110, 304);
    jacket.lineTo(108, 400);
    jacket.lineTo(222, 400);
    jacket.lineTo(220, 304);
    jacket.lineTo(234, 386);
    jacket.lineTo(264, 380);
    jacket.lineTo(246, 280);
    jacket.cubicTo(242, 262, 238, 254, 226, 248);
    jacket.lineTo(190, 234);
    jacket.closeSubpath();
    QLinearGradient cloth(66, 0, 264, 0);
    cloth.setColorAt(0, suit.lighter(135));
    cloth.setColorAt(0.5, suit);
    cloth.setColorAt(1, suit.darker(140));
    p.setPen(QPen(suit.darker(200), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(cloth);
    p.drawPath(jacket);
    // Three stripes down each sleeve.
    p.setPen(QPen(trim, 3.5, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < 3; ++i) {
        p.drawLine(QPointF(92 + i * 6, 262 + i * 2), QPointF(72 + i * 7, 378 + i * 1.5));
        p.drawLine(QPointF(238 - i * 6, 262 + i * 2), QPointF(258 - i * 7, 378 + i * 1.5));
    }
    // Cuffs and waistband in red.
    const QColor band(0xd6, 0x2a, 0x2a);
    p.setPen(QPen(band.darker(150), 1));
    p.setBrush(band);
    QPainterPath cuffs;
    addClosed(cuffs, {{66, 380}, {96, 386}, {94, 396}, {64, 390}});
    addClosed(cuffs, {{234, 386}, {264, 380}, {266, 390}, {236, 396}});
    p.drawPath(cuffs);
    p.drawRect(QRectF(108, 392, 114, 12));
    // Collar and zip.
    QPainterPath collar;
    collar.moveTo(140, 234);
    collar.quadTo(165, 254, 190, 234);
    collar.lineTo(192, 244);
    collar.quadTo(165, 266, 138, 244);
    collar.closeSubpath();
    p.drawPath(collar);
    p.setPen(QPen(QColor(0xe8, 0xe8, 0xe8), 3));
    p.drawLine(QPointF(165, 256), QPointF(165, 392));
    p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1));
    p.setBrush(QColor(0xf0, 0xf0, 0xf0));
    p.drawRoundedRect(QRectF(161, 262, 8, 12), 2, 2);
    // A chest emblem.
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(band);
    p.drawEllipse(QPointF(196, 282), 10, 10);
    p.setPen(Qt::white);
    p.setFont(uiFont(14, QFont::Black));
    p.drawText(QRectF(186, 272, 20, 20), Qt::AlignCenter, QStringLiteral("Z"));
}

} // namespace

QImage title() {
    QImage image = canvas(640, 480, Qt::black);
    QPainter p;
    beginPainting(p, image);

    // Morning sky over the works.
    QLinearGradient sky(0, 0, 0, 400);
    sky.setColorAt(0, QColor(0x12, 0x2e, 0x62));
    sky.setColorAt(0.45, QColor(0x3a, 0x74, 0xbe));
    sky.setColorAt(0.8, QColor(0xf4, 0xc2, 0x86));
    sky.setColorAt(1, QColor(0xfa, 0xd8, 0x9c));
    p.fillRect(QRectF(0, 0, 640, 400), sky);
    QRadialGradient sun(380, 330, 140);
    sun.setColorAt(0, QColor(0xff, 0xf4, 0xc0, 255));
    sun.setColorAt(0.18, QColor(0xff, 0xe0, 0x80, 230));
    sun.setColorAt(1, QColor(0xff, 0xc0, 0x60, 0));
    p.fillRect(QRectF(0, 150, 640, 250), sun);
    // Distant hills.
    QPainterPath hills;
    hills.moveTo(0, 360);
    hills.cubicTo(120, 310, 220, 330, 320, 350);
    hills.cubicTo(420, 320, 540, 310, 640, 340);
    hills.lineTo(640, 400);
    hills.lineTo(0, 400);
    hills.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7c, 0x8c, 0xb0));
    p.drawPath(hills);

    factory(p);

    // Ground and a road.
    QLinearGradient ground(0, 390, 0, 480);
    ground.setColorAt(0, QColor(0x6c, 0xa8, 0x48));
    ground.setColorAt(1, QColor(0x3a, 0x70, 0x2a));
    p.fillRect(QRectF(0, 390, 640, 90), ground);
    p.fillRect(QRectF(0, 418, 640, 30), QColor(0x55, 0x58, 0x5e));
    p.setPen(QPen(QColor(0xf4, 0xf0, 0xe0), 3));
    for (int x = 10; x < 640; x += 48) {
        p.drawLine(QPointF(x, 433), QPointF(x + 24, 433));
    }

    p.save();
    tracksuit(p);
    p.restore();

    // The name and the subtitle.
    const QFont name = uiFont(118, QFont::Black);
    brandText(p, centredText(QStringLiteral("Zorvick"), name, 320, 128), 5, 3);
    QFont subtitle = uiFont(26, QFont::Bold);
    const QPainterPath sub =
        centredText(QStringLiteral("Производство спортивных костюмов"), subtitle, 320, 172);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawPath(sub.translated(2, 2));
    p.setBrush(Qt::white);
    p.drawPath(sub);
    const QPainterPath tagline = centredText(
        QStringLiteral("экономическая стратегия для 2–10 игроков"), uiFont(17), 320, 200);
    p.setBrush(QColor(0xe4, 0xee, 0xff));
    p.drawPath(tagline);

    // Key hint on the road's shoulder: keys that type nothing (Shift, arrows) do not close it.
    p.setPen(QColor(0xff, 0xff, 0xff));
    p.setFont(uiFont(14, QFont::Bold));
    p.drawText(QRectF(300, 452, 330, 24), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Нажмите Пробел, Enter или любую букву"));
    p.end();
    return image;
}

QImage logo() {
    QImage image = canvas(396, 76, Qt::black);
    QPainter p;
    beginPainting(p, image);
    QLinearGradient back(0, 0, 396, 0);
    back.setColorAt(0, QColor(0x10, 0x2a, 0x5c));
    back.setColorAt(1, QColor(0x2c, 0x64, 0xb4));
    p.fillRect(image.rect(), back);
    p.fillRect(QRectF(0, 72, 396, 4), QColor(0xd6, 0x2a, 0x2a));

    // Emblem: a red disc with a leaning white Z and speed lines behind it, a runner's mark.
    const QPointF centre(40, 36);
    QRadialGradient disc(centre.x() - 8, centre.y() - 8, 34);
    disc.setColorAt(0, QColor(0xff, 0x6a, 0x5a));
    disc.setColorAt(1, QColor(0xb0, 0x18, 0x18));
    p.setPen(QPen(QColor(0xff, 0xc9, 0x3c), 3));
    p.setBrush(disc);
    p.drawEllipse(centre, 28, 28);
    p.setPen(QPen(QColor(255, 255, 255, 200), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19, 28), QPointF(30, 28));
    p.drawLine(QPointF(16, 36), QPointF(28, 36));
    p.drawLine(QPointF(19, 44), QPointF(27, 44));
    QTransform lean;
    lean.translate(44, 50);
    lean.shear(-0.25, 0);
    lean.translate(-44, -50);
    const QPainterPath zed =
        lean.map(centredText(QStringLiteral("Z"), uiFont(38, QFont::Black), 44, 50));
    p.setPen(QPen(QColor(0x60, 0x10, 0x10), 2));
    p.setBrush(Qt::white);
    p.drawPath(zed);

    QPainterPath name;
    name.addText(82, 46, uiFont(44, QFont::Black), QStringLiteral("Zorvick"));
    brandText(p, name, 2, 1.5);
    p.setPen(QColor(0xe4, 0xee, 0xff));
    p.setFont(uiFont(14, QFont::Bold));
    p.drawText(QRectF(84, 50, 306, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("производство спортивных костюмов"));
    p.end();
    return image;
}

} // namespace pictures

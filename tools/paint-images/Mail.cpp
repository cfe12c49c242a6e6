// The mailbox's tool-bar pictures, the telephone and the research centre's person.

#include "Pictures.h"

#include "ui/mail/TextoPhoneLayout.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace pictures {

namespace {

// ------------------------------------------------------------ mailbox glyphs

QImage mailCanvas() {
    return canvas(24, 24, glyphBackground());
}

// A closed envelope, its flap folded down, on half pixels so its edges stay crisp.
void envelope(QPainter& p, const QRectF& box) {
    p.setPen(QPen(QColor(0x55, 0x5d, 0x6a), 1));
    QLinearGradient paper(box.topLeft(), box.bottomLeft());
    paper.setColorAt(0, QColor(0xff, 0xff, 0xff));
    paper.setColorAt(1, QColor(0xdc, 0xe2, 0xea));
    p.setBrush(paper);
    p.drawRect(box);
    QPainterPath flap;
    flap.moveTo(box.topLeft());
    flap.lineTo(box.center().x(), box.top() + box.height() * 0.58);
    flap.lineTo(box.topRight());
    p.setBrush(Qt::NoBrush);
    p.drawPath(flap);
}

// --------------------------------------------------------------- telephone

QRectF boxOf(const TextoPhoneLayout::Box& box) {
    return QRectF(box.x, box.y, box.w, box.h);
}

// A dark recess around a screen or a strip, lit from above.
void bezel(QPainter& p, const QRectF& inner, qreal margin, qreal radius) {
    const QRectF outer = inner.adjusted(-margin, -margin, margin, margin);
    QLinearGradient rim(outer.topLeft(), outer.bottomLeft());
    rim.setColorAt(0, QColor(0x0b, 0x0d, 0x11));
    rim.setColorAt(1, QColor(0x2c, 0x31, 0x3c));
    p.setPen(QPen(QColor(0x5a, 0x61, 0x70), 1));
    p.setBrush(rim);
    p.drawRoundedRect(outer, radius, radius);
}

// A flat liquid-crystal panel with faint rows of cells.
void lcd(QPainter& p, const QRectF& panel, const QColor& colour) {
    QLinearGradient glass(panel.topLeft(), panel.bottomLeft());
    glass.setColorAt(0, colour.darker(112));
    glass.setColorAt(0.25, colour);
    glass.setColorAt(1, colour.darker(104));
    p.setPen(Qt::NoPen);
    p.setBrush(glass);
    p.drawRect(panel);
    p.setPen(QPen(QColor(0, 0, 0, 14), 1));
    for (qreal y = panel.top() + 2.5; y < panel.bottom(); y += 3)
        p.drawLine(QPointF(panel.left(), y), QPointF(panel.right(), y));
}

// A key cap: a shadow, the cap with its light top and a rim.
void keyCap(QPainter& p, const QRectF& key, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawRoundedRect(key.translated(0, 2), 6, 6);
    QLinearGradient cap(key.topLeft(), key.bottomLeft());
    cap.setColorAt(0, colour.lighter(125));
    cap.setColorAt(0.5, colour);
    cap.setColorAt(1, colour.darker(125));
    p.setPen(QPen(colour.darker(190), 1));
    p.setBrush(cap);
    p.drawRoundedRect(key.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.drawLine(QPointF(key.left() + 6, key.top() + 2.5), QPointF(key.right() - 6, key.top() + 2.5));
}

// The handset lying in its cradle along the top of the device.
void handset(QPainter& p) {
    const QColor ivory(0xe9, 0xdf, 0xc6);
    QPainterPath body;
    body.addEllipse(QPointF(66, 19), 22, 12);
    body.addEllipse(QPointF(180, 19), 22, 12);
    body.addRoundedRect(QRectF(66, 12, 114, 14), 7, 7);
    body = body.simplified();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawPath(body.translated(0, 2.5));
    QLinearGradient shine(0, 7, 0, 31);
    shine.setColorAt(0, ivory.lighter(112));
    shine.setColorAt(0.45, ivory);
    shine.setColorAt(1, ivory.darker(135));
    p.setPen(QPen(ivory.darker(190), 1));
    p.setBrush(shine);
    p.drawPath(body);
    // Holes of the earpiece and the mouthpiece.
    p.setPen(Qt::NoPen);
    p.setBrush(ivory.darker(170));
    for (const QPointF& centre : {QPointF(66, 19), QPointF(180, 19)})
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                p.drawEllipse(centre + QPointF(dx * 4.5, dy * 3.5), 1.1, 1.1);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(82, 14.5), QPointF(164, 14.5));
}

// The idle picture screen: dark glass with a faint handset sign and a reflection.
void pictureScreen(QPainter& p, const QRectF& glass) {
    QLinearGradient dark(glass.topLeft(), glass.bottomRight());
    dark.setColorAt(0, QColor(0x23, 0x30, 0x40));
    dark.setColorAt(1, QColor(0x08, 0x0c, 0x12));
    p.setPen(Qt::NoPen);
    p.setBrush(dark);
    p.drawRect(glass);
    const QPointF c = glass.center();
    QPainterPath sign;
    sign.addEllipse(c + QPointF(-26, 0), 13, 8);
    sign.addEllipse(c + QPointF(26, 0), 13, 8);
    sign.addRoundedRect(QRectF(c.x() - 26, c.y() - 5, 52, 9), 4, 4);
    p.setBrush(QColor(0x6a, 0x86, 0xa6, 70));
    p.drawPath(sign.simplified());
    QPainterPath reflection;
    addClosed(reflection, {glass.topLeft(), glass.topLeft() + QPointF(70, 0),
                           glass.topLeft() + QPointF(0, 110)});
    p.setBrush(QColor(255, 255, 255, 18));
    p.drawPath(reflection);
}

void screw(QPainter& p, const QPointF& at) {
    QRadialGradient head(at - QPointF(1, 1), 4);
    head.setColorAt(0, QColor(0xc8, 0xcc, 0xd4));
    head.setColorAt(1, QColor(0x55, 0x5a, 0x64));
    p.setPen(QPen(QColor(0x12, 0x14, 0x18), 0.8));
    p.setBrush(head);
    p.drawEllipse(at, 3.5, 3.5);
    p.setPen(QPen(QColor(0x30, 0x33, 0x3a), 1));
    p.drawLine(at + QPointF(-2, 2), at + QPointF(2, -2));
}

// ------------------------------------------------------------------- person

// Efim, the research centre's man: bald crown with grey tufts, round glasses,
// moustache, white lab coat over a blue shirt, in front of a blackboard.
void laboratory(QPainter& p) {
    QLinearGradient wall(0, 0, 0, 180);
    wall.setColorAt(0, QColor(0x9f, 0xc1, 0xbd));
    wall.setColorAt(1, QColor(0x5d, 0x83, 0x80));
    p.fillRect(QRectF(0, 0, 180, 180), wall);
    // Blackboard with chalk.
    p.setPen(QPen(QColor(0x6b, 0x4a, 0x2a), 3));
    p.setBrush(QColor(0x24, 0x3a, 0x2e));
    p.drawRect(QRectF(6, 10, 108, 64));
    p.setPen(QPen(QColor(0xee, 0xee, 0xe4, 200), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath chalk;
    chalk.moveTo(14, 24);
    chalk.cubicTo(20, 16, 26, 32, 32, 22);
    chalk.moveTo(38, 27);
    chalk.lineTo(46, 19);
    chalk.moveTo(38, 19);
    chalk.lineTo(46, 27);
    chalk.moveTo(14, 40);
    chalk.lineTo(40, 40);
    chalk.moveTo(18, 46);
    chalk.quadTo(24, 36, 30, 50);
    p.drawPath(chalk);
    p.setFont(uiFont(11, QFont::Bold));
    p.setPen(QColor(0xee, 0xee, 0xe4, 210));
    p.drawText(QPointF(52, 28), QStringLiteral("∫ f(x)dx"));
    p.drawText(QPointF(14, 64), QStringLiteral("Σ = 42"));
    // Shelf with flasks on the right.
    p.setPen(QPen(QColor(0x4a, 0x35, 0x22), 1));
    p.setBrush(QColor(0x7a, 0x56, 0x34));
    p.drawRect(QRectF(124, 58, 56, 5));
    const struct {
        qreal x;
        QColor liquid;
    } flasks[] = {{134, QColor(0xe0, 0x40, 0x40)},
                  {152, QColor(0x40, 0x90, 0xe0)},
                  {168, QColor(0x50, 0xc0, 0x50)}};
    for (const auto& flask : flasks) {
        QPainterPath glass;
        addClosed(glass, {{flask.x - 2, 36},
                          {flask.x + 2, 36},
                          {flask.x + 2, 44},
                          {flask.x + 8, 57},
                          {flask.x - 8, 57},
                          {flask.x - 2, 44}});
        p.setPen(QPen(QColor(0xf0, 0xf8, 0xff, 220), 1));
        p.setBrush(QColor(0xf0, 0xf8, 0xff, 70));
        p.drawPath(glass);
        QPainterPath liquid;
        addClosed(liquid, {{flask.x - 4.5, 50},
                           {flask.x + 4.5, 50},
                           {flask.x + 7.5, 56.5},
                           {flask.x - 7.5, 56.5}});
        p.setPen(Qt::NoPen);
        p.setBrush(flask.liquid);
        p.drawPath(liquid);
    }
}

void labCoat(QPainter& p) {
    const QColor skin(0xf0, 0xc6, 0x9e);
    // Blue shirt and dark tie in the coat's opening.
    QPainterPath shirt;
    addClosed(shirt, {{68, 128}, {112, 128}, {96, 181}, {84, 181}});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6f, 0x98, 0xd0));
    p.drawPath(shirt);
    QPainterPath neck;
    neck.moveTo(76, 104);
    neck.lineTo(76, 130);
    neck.quadTo(90, 140, 104, 130);
    neck.lineTo(104, 104);
    neck.closeSubpath();
    p.setBrush(skin.darker(108));
    p.drawPath(neck);
    QPainterPath tie;
    addClosed(tie, {{86, 134}, {94, 134}, {93, 140}, {98, 168}, {90, 178}, {82, 168}, {87, 140}});
    p.setPen(QPen(QColor(0x28, 0x22, 0x40), 0.8));
    p.setBrush(QColor(0x4a, 0x3a, 0x78));
    p.drawPath(tie);
    QPainterPath collar;
    addClosed(collar, {{74, 126}, {90, 136}, {82, 142}});
    addClosed(collar, {{106, 126}, {90, 136}, {98, 142}});
    p.setPen(QPen(QColor(0x3e, 0x62, 0x98), 0.8));
    p.setBrush(QColor(0x86, 0xac, 0xde));
    p.drawPath(collar);
    // The coat: two white halves with lapels, open down the middle.
    const QColor white(0xf4, 0xf6, 0xf8);
    QLinearGradient cloth(0, 0, 180, 0);
    cloth.setColorAt(0, white.darker(115));
    cloth.setColorAt(0.5, white);
    cloth.setColorAt(1, white.darker(125));
    p.setPen(QPen(QColor(0x8c, 0x96, 0xa4), 1));
    p.setBrush(cloth);
    QPainterPath left;
    left.moveTo(0, 181);
    left.cubicTo(2, 150, 20, 134, 66, 126);
    left.lineTo(82, 181);
    left.closeSubpath();
    QPainterPath right;
    right.moveTo(180, 181);
    right.cubicTo(178, 150, 160, 134, 114, 126);
    right.lineTo(98, 181);
    right.closeSubpath();
    p.drawPath(left);
    p.drawPath(right);
    p.setPen(QPen(QColor(0xa8, 0xb0, 0xbc), 1));
    p.drawLine(QPointF(66, 126), QPointF(58, 150));
    p.drawLine(QPointF(58, 150), QPointF(76, 160));
    p.drawLine(QPointF(114, 126), QPointF(122, 150));
    p.drawLine(QPointF(122, 150), QPointF(104, 160));
    // Breast pocket with two pens.
    p.drawRect(QRectF(122, 156, 22, 16));
    p.setPen(QPen(QColor(0x20, 0x40, 0xa0), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(128, 148), QPointF(128, 158));
    p.setPen(QPen(QColor(0xc0, 0x20, 0x20), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(135, 150), QPointF(135, 158));
}

void scientistHead(QPainter& p) {
    const QColor skin(0xf0, 0xc6, 0x9e);
    const QColor grey(0xcf, 0xcf, 0xcc);
    const QPen outline(skin.darker(150), 1);
    // Ears.
    p.setPen(outline);
    p.setBrush(skin);
    p.drawEllipse(QPointF(55, 84), 6, 10);
    p.drawEllipse(QPointF(125, 84), 6, 10);
    // Face, a little long, with a bald shine on the crown.
    QRadialGradient face(82, 66, 52);
    face.setColorAt(0, skin.lighter(112));
    face.setColorAt(1, skin.darker(106));
    p.setBrush(face);
    p.drawEllipse(QRectF(57, 30, 66, 86));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawEllipse(QRectF(72, 36, 22, 10));
    // Grey tufts over the ears.
    p.setPen(QPen(grey.darker(140), 0.8));
    p.setBrush(grey);
    for (const qreal side : {-1.0, 1.0}) {
        QPainterPath tuft;
        const qreal x = 90 + side * 33;
        tuft.moveTo(x - side * 2, 60);
        tuft.cubicTo(x + side * 10, 58, x + side * 12, 72, x + side * 6, 80);
        tuft.cubicTo(x + side * 8, 70, x + side * 2, 72, x - side * 1, 78);
        tuft.closeSubpath();
        p.drawPath(tuft);
    }
    // Bushy grey brows.
    p.setPen(QPen(grey.darker(125), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(70, 68), QPointF(84, 66));
    p.drawLine(QPointF(96, 66), QPointF(110, 68));
    // Eyes behind round glasses.
    for (const qreal x : {78.0, 102.0}) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(x, 77), 4.5, 3.2);
        p.setBrush(QColor(0x4a, 0x3a, 0x2a));
        p.drawEllipse(QPointF(x, 77.3), 2.2, 2.2);
    }
    p.setPen(QPen(QColor(0x2a, 0x2a, 0x2e), 1.8));
    p.setBrush(QColor(220, 235, 255, 40));
    p.drawEllipse(QPointF(78, 77), 10, 9);
    p.drawEllipse(QPointF(102, 77), 10, 9);
    p.drawLine(QPointF(88, 76), QPointF(92, 76));
    p.drawLine(QPointF(68, 75), QPointF(59, 72));
    p.drawLine(QPointF(112, 75), QPointF(121, 72));
    // Nose, moustache and a thin smile.
    p.setPen(QPen(skin.darker(145), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath nose;
    nose.moveTo(90, 80);
    nose.quadTo(86, 92, 87, 95);
    nose.quadTo(90, 97, 94, 95);
    p.drawPath(nose);
    QPainterPath moustache;
    moustache.moveTo(90, 98);
    moustache.cubicTo(84, 96, 76, 100, 74, 106);
    moustache.cubicTo(80, 103, 86, 104, 90, 102);
    moustache.cubicTo(94, 104, 100, 103, 106, 106);
    moustache.cubicTo(104, 100, 96, 96, 90, 98);
    p.setPen(QPen(grey.darker(150), 0.8));
    p.setBrush(grey);
    p.drawPath(moustache);
    p.setPen(QPen(QColor(0x9a, 0x50, 0x48), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(82, 100, 16, 8), 200 * 16, 140 * 16);
}

} // namespace

QImage mailDeleteGlyph() {
    QImage image = mailCanvas();
    QPainter p;
    beginPainting(p, image);
    envelope(p, QRectF(2.5, 4.5, 17, 12));
    // A red cross over the envelope's corner: the letter goes.
    p.setPen(QPen(QColor(0x7a, 0x08, 0x08), 4.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(13.5, 12.5), QPointF(21, 20));
    p.drawLine(QPointF(21, 12.5), QPointF(13.5, 20));
    p.setPen(QPen(QColor(0xe8, 0x22, 0x22), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(13.5, 12.5), QPointF(21, 20));
    p.drawLine(QPointF(21, 12.5), QPointF(13.5, 20));
    p.end();
    return image;
}

QImage mailReadGlyph() {
    QImage image = mailCanvas();
    QPainter p;
    beginPainting(p, image);
    // An open envelope with the letter half out of it.
    QPainterPath back;
    addClosed(back, {{2.5, 11.5}, {12, 4.5}, {21.5, 11.5}, {21.5, 21.5}, {2.5, 21.5}});
    p.setPen(QPen(QColor(0x55, 0x5d, 0x6a), 1));
    p.setBrush(QColor(0xc8, 0xd0, 0xdc));
    p.drawPath(back);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5.5, 2.5, 13, 13));
    p.setPen(QPen(QColor(0x40, 0x68, 0xb0), 1));
    for (qreal y : {5.5, 8.0, 10.5})
        p.drawLine(QPointF(7.5, y), QPointF(16.5, y));
    QPainterPath front;
    addClosed(front, {{2.5, 11.5}, {12, 17.5}, {21.5, 11.5}, {21.5, 21.5}, {2.5, 21.5}});
    p.setPen(QPen(QColor(0x55, 0x5d, 0x6a), 1));
    QLinearGradient paper(0, 11, 0, 22);
    paper.setColorAt(0, QColor(0xff, 0xff, 0xff));
    paper.setColorAt(1, QColor(0xdc, 0xe2, 0xea));
    p.setBrush(paper);
    p.drawPath(front);
    p.end();
    return image;
}

QImage mailAnswerGlyph() {
    QImage image = mailCanvas();
    QPainter p;
    beginPainting(p, image);
    envelope(p, QRectF(6.5, 8.5, 15, 11));
    // A green arrow turning back to the sender.
    QPainterPath arrow;
    arrow.moveTo(14, 6);
    arrow.cubicTo(10, 2, 5, 3, 4, 9);
    p.setPen(QPen(QColor(0x1e, 0x6e, 0x26), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arrow);
    p.setPen(QPen(QColor(0x3c, 0xb4, 0x48), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arrow);
    QPainterPath head;
    addClosed(head, {{0.5, 8}, {8, 8}, {4, 14}});
    p.setPen(QPen(QColor(0x1e, 0x6e, 0x26), 0.8));
    p.setBrush(QColor(0x3c, 0xb4, 0x48));
    p.drawPath(head);
    p.end();
    return image;
}

QImage telephone() {
    using namespace TextoPhoneLayout;
    QImage image = canvas(Picture.w, Picture.h, QColor(0x10, 0x12, 0x16));
    QPainter p;
    beginPainting(p, image);

    // The body: dark slate plastic inside the window's rounded outline.
    const QRectF body(0.5, 0.5, Picture.w - 1, Picture.h - 1);
    QLinearGradient plastic(0, 0, 0, Picture.h);
    plastic.setColorAt(0, QColor(0x46, 0x4d, 0x5e));
    plastic.setColorAt(0.5, QColor(0x33, 0x39, 0x47));
    plastic.setColorAt(1, QColor(0x1d, 0x21, 0x2a));
    p.setPen(QPen(QColor(0x0c, 0x0e, 0x12), 1.5));
    p.setBrush(plastic);
    p.drawRoundedRect(body, CornerWidth / 2.0, CornerHeight / 2.0);
    p.setPen(QPen(QColor(255, 255, 255, 45), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(body.adjusted(3, 3, -3, -3), CornerWidth / 2.0 - 3, CornerHeight / 2.0 - 3);

    // The cradle with the handset and the hook switch at its end.
    bezel(p, QRectF(36, 7, 226, 24), 2, 12);
    handset(p);
    const QRectF hook = boxOf(None);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x08, 0x09, 0x0c));
    p.drawRoundedRect(hook.adjusted(-3, -3, 3, 3), 3, 3);

    // The maker's name.
    QFont brand = uiFont(18, QFont::Bold);
    brand.setItalic(true);
    const QPainterPath name = centredText(QStringLiteral("Text'O'Phone"), brand, 352, 26);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawPath(name.translated(1, 1));
    QLinearGradient chrome(0, 10, 0, 28);
    chrome.setColorAt(0, QColor(0xf2, 0xf4, 0xf8));
    chrome.setColorAt(1, QColor(0x9a, 0xa2, 0xb0));
    p.setBrush(chrome);
    p.drawPath(name);

    // The picture screen, the talk screen and the number display.
    bezel(p, boxOf(Abonent), 6, 6);
    pictureScreen(p, boxOf(Abonent));
    bezel(p, boxOf(Talk), 6, 6);
    lcd(p, boxOf(Talk), QColor(0xa9, 0xb8, 0x94));
    bezel(p, boxOf(Number), 6, 5);
    lcd(p, boxOf(Number), QColor(0xb9, 0xc9, 0xa2));

    // The keypad plate and its keys: grey digits, then the coloured phone-book,
    // dial and hang-up keys.
    const QRectF plate(KeyColumns[0] - 7, KeyRows[0] - 6,
                       KeyColumns[2] + KeySize + 7 - (KeyColumns[0] - 7),
                       KeyRows[4] + KeySize + 8 - (KeyRows[0] - 6));
    p.setPen(QPen(QColor(0x12, 0x14, 0x19), 1));
    p.setBrush(QColor(0x26, 0x2b, 0x36));
    p.drawRoundedRect(plate, 8, 8);
    const QColor grey(0xd4, 0xd9, 0xe0);
    const QColor bottom[3] = {QColor(0xd8, 0x96, 0x24), QColor(0x34, 0xa0, 0x44),
                              QColor(0xc8, 0x34, 0x2c)};
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 3; ++c)
            keyCap(p, QRectF(KeyColumns[c], KeyRows[r], KeySize, KeySize),
                   r < 4 ? grey : bottom[c]);

    // The choice strip and the exit key beside it.
    bezel(p, boxOf(Text), 6, 6);
    lcd(p, boxOf(Text), QColor(0xc7, 0xd7, 0xb1));
    keyCap(p, boxOf(Exit), QColor(0x3e, 0x6c, 0xb4));

    // A speaker grille under the picture screen's right half and four screws.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x0e, 0x10, 0x14));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 9; ++col)
            p.drawEllipse(QPointF(214 + col * 14 + (row % 2) * 7, 240 + row * 6), 1.8, 1.8);
    for (const QPointF& at :
         {QPointF(404, 316), QPointF(452, 316), QPointF(42, 246), QPointF(188, 246)})
        screw(p, at);
    p.end();
    return image;
}

QImage researchPerson() {
    QImage image = canvas(180, 180, QColor(0x5d, 0x83, 0x80));
    QPainter p;
    beginPainting(p, image);
    laboratory(p);
    labCoat(p);
    scientistHead(p);
    p.end();
    return image;
}

} // namespace pictures

// Paints the gauge library's eight pictures into the folder given as the only
// argument: for each figure a colour strip (the share reached) and its washed-out
// grey twin (the rest), 200 x 48, as 24-bit BMP. Painted from code at build time,
// so no binary file lives in the repository and every build paints the same bytes.

#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <functional>

namespace {

constexpr int Width = 200;
constexpr int Height = 48;

QImage canvas(const QColor& background) {
    QImage image(Width, Height, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    return image;
}

void begin(QPainter& painter, QImage& image) {
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
}

// A worker in overalls and a hard hat, standing on the strip's floor.
void worker(QPainter& p, qreal cx, const QColor& overall, const QColor& helmet) {
    const QColor skin(0xf0, 0xc8, 0xa0);
    p.setPen(QPen(overall.darker(160), 0.8));
    p.setBrush(overall);
    QPainterPath body;
    body.moveTo(cx - 8, 46);
    body.lineTo(cx - 8, 27);
    body.quadTo(cx - 8, 21, cx - 3, 21);
    body.lineTo(cx + 3, 21);
    body.quadTo(cx + 8, 21, cx + 8, 27);
    body.lineTo(cx + 8, 46);
    body.closeSubpath();
    p.drawPath(body);
    // Bib and straps of the overalls.
    p.setBrush(overall.lighter(125));
    p.drawRect(QRectF(cx - 4, 27, 8, 7));
    p.setPen(QPen(overall.darker(180), 1));
    p.drawLine(QPointF(cx, 38), QPointF(cx, 46));
    p.setPen(QPen(skin.darker(140), 0.8));
    p.setBrush(skin);
    p.drawEllipse(QPointF(cx, 14), 5, 5.5);
    p.setPen(QPen(helmet.darker(150), 0.8));
    p.setBrush(helmet);
    QPainterPath hat;
    hat.moveTo(cx - 7, 12);
    hat.cubicTo(cx - 6, 4, cx + 6, 4, cx + 7, 12);
    hat.closeSubpath();
    p.drawPath(hat);
}

QImage workers() {
    QImage image = canvas(QColor(0xee, 0xf3, 0xf8));
    QPainter p;
    begin(p, image);
    const QColor overalls[] = {QColor(0x2b, 0x5c, 0xb0), QColor(0x2f, 0x7d, 0x4f)};
    const QColor helmets[] = {QColor(0xf2, 0xc2, 0x1b), QColor(0xe8, 0x6a, 0x1e)};
    for (int i = 0; i < 8; ++i)
        worker(p, 12.5 + 25 * i, overalls[i % 2], helmets[(i / 2) % 2]);
    return image;
}

// A cardboard box seen slightly from above: front, lid, side and packing tape.
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
    p.setPen(QPen(card.darker(170), 0.8));
    p.setBrush(card.lighter(118));
    p.drawPath(top);
    p.setBrush(card.darker(125));
    p.drawPath(side);
    p.setBrush(card);
    p.drawRect(front);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe9, 0xd9, 0xb0));
    p.drawRect(QRectF(front.center().x() - 1.5, front.top(), 3, front.height() * 0.45));
}

QImage boxes() {
    QImage image = canvas(QColor(0xf4, 0xf0, 0xe6));
    QPainter p;
    begin(p, image);
    const QColor cards[] = {QColor(0xc8, 0x96, 0x5a), QColor(0xb8, 0x86, 0x4c)};
    for (int i = 0; i < 9; ++i)
        box(p, QRectF(1 + 22 * i, 27, 18, 19), cards[i % 2]);
    for (int i = 0; i < 8; ++i)
        box(p, QRectF(12 + 22 * i, 7, 18, 19), cards[(i + 1) % 2]);
    return image;
}

// A tracksuit top: body, sleeves, collar, zip and the stripes down the sleeves.
void jacket(QPainter& p, qreal cx, const QColor& cloth) {
    QPainterPath shape;
    shape.moveTo(cx - 5, 5);
    shape.lineTo(cx - 13, 9);
    shape.lineTo(cx - 16, 38);
    shape.lineTo(cx - 11, 39);
    shape.lineTo(cx - 9, 20);
    shape.lineTo(cx - 9, 44);
    shape.lineTo(cx + 9, 44);
    shape.lineTo(cx + 9, 20);
    shape.lineTo(cx + 11, 39);
    shape.lineTo(cx + 16, 38);
    shape.lineTo(cx + 13, 9);
    shape.lineTo(cx + 5, 5);
    shape.quadTo(cx, 10, cx - 5, 5);
    shape.closeSubpath();
    QLinearGradient shade(cx, 5, cx, 44);
    shade.setColorAt(0, cloth.lighter(115));
    shade.setColorAt(1, cloth.darker(115));
    p.setPen(QPen(cloth.darker(170), 0.8));
    p.setBrush(shade);
    p.drawPath(shape);
    p.setPen(QPen(QColor(0xf8, 0xf8, 0xf8), 1.4));
    p.drawLine(QPointF(cx - 12.5, 11), QPointF(cx - 14.8, 37));
    p.drawLine(QPointF(cx + 12.5, 11), QPointF(cx + 14.8, 37));
    p.setPen(QPen(cloth.darker(200), 0.9));
    p.drawLine(QPointF(cx, 8), QPointF(cx, 44));
}

QImage clothes() {
    QImage image = canvas(QColor(0xf2, 0xf2, 0xf5));
    QPainter p;
    begin(p, image);
    p.setPen(QPen(QColor(0x90, 0x90, 0x98), 1.2));
    p.drawLine(QPointF(0, 4), QPointF(Width, 4)); // the rail they hang from
    const QColor cloths[] = {QColor(0xc8, 0x28, 0x2d), QColor(0x1f, 0x4e, 0xa8),
                             QColor(0x25, 0x8a, 0x45), QColor(0x2a, 0x2a, 0x30)};
    for (int i = 0; i < 6; ++i)
        jacket(p, 17 + 33.2 * i, cloths[i % 4]);
    return image;
}

// A flask on a blueprint, filled with a coloured liquid.
void flask(QPainter& p, qreal cx, const QColor& liquid, bool tube) {
    const QPen glass(QColor(0x50, 0x60, 0x70), 1);
    if (tube) {
        const QRectF body(cx - 4, 8, 8, 36);
        p.setPen(Qt::NoPen);
        p.setBrush(liquid);
        p.drawRoundedRect(QRectF(cx - 3.5, 24, 7, 19.5), 3.5, 3.5);
        p.setPen(glass);
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(body, 4, 4);
        return;
    }
    QPainterPath shape;
    shape.moveTo(cx - 3, 6);
    shape.lineTo(cx - 3, 18);
    shape.lineTo(cx - 12, 42);
    shape.quadTo(cx - 12, 45, cx - 9, 45);
    shape.lineTo(cx + 9, 45);
    shape.quadTo(cx + 12, 45, cx + 12, 42);
    shape.lineTo(cx + 3, 18);
    shape.lineTo(cx + 3, 6);
    shape.closeSubpath();
    QPainterPath fill;
    fill.moveTo(cx - 8.2, 32);
    fill.lineTo(cx - 12, 42);
    fill.quadTo(cx - 12, 45, cx - 9, 45);
    fill.lineTo(cx + 9, 45);
    fill.quadTo(cx + 12, 45, cx + 12, 42);
    fill.lineTo(cx + 8.2, 32);
    fill.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(liquid);
    p.drawPath(fill);
    p.setPen(glass);
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    p.setBrush(liquid.lighter(130));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(cx - 2, 37), 1.5, 1.5);
    p.drawEllipse(QPointF(cx + 3, 40), 1.2, 1.2);
}

QImage research() {
    QImage image = canvas(QColor(0xe4, 0xee, 0xfa));
    QPainter p;
    begin(p, image);
    p.setPen(QPen(QColor(0xc4, 0xd4, 0xea), 1));
    for (int x = 5; x < Width; x += 10)
        p.drawLine(x, 0, x, Height);
    for (int y = 3; y < Height; y += 10)
        p.drawLine(0, y, Width, y);
    const QColor liquids[] = {QColor(0x2e, 0xa0, 0x4a), QColor(0xd0, 0x3a, 0x8a),
                              QColor(0x28, 0x7a, 0xd8), QColor(0xe8, 0x9a, 0x1a)};
    for (int i = 0; i < 8; ++i)
        flask(p, 13 + 25 * i, liquids[i % 4], i % 2 == 1);
    return image;
}

// The rest of the bar: the same picture, grey and faded.
QImage washedGrey(const QImage& colour) {
    QImage grey = colour.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const int v = 150 + qGray(line[x]) * 100 / 255;
            line[x] = qRgb(v, v, v);
        }
    }
    return grey;
}

bool save(const QImage& image, const QString& folder, const char* name) {
    const QString path = QDir(folder).filePath(QString::fromLatin1(name) + QStringLiteral(".bmp"));
    if (image.size() != QSize(Width, Height) ||
        !image.convertToFormat(QImage::Format_RGB32).save(path, "BMP")) {
        std::fprintf(stderr, "paint-gauges: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: paint-gauges <output folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "paint-gauges: cannot create %s\n", argv[1]);
        return 1;
    }
    const struct {
        const char* colour;
        const char* grey;
        std::function<QImage()> paint;
    } figures[] = {{"CWORKER", "BWWORKER", workers},
                   {"CBOX", "BWBOX", boxes},
                   {"CCLOTHES", "BWCLOTHES", clothes},
                   {"CRESEARCH", "BWRESEARCH", research}};
    for (const auto& figure : figures) {
        const QImage colour = figure.paint();
        if (!save(colour, folder, figure.colour) || !save(washedGrey(colour), folder, figure.grey))
            return 1;
    }
    return 0;
}

// Paints every picture of the game into the folder given as the only argument.

#include "Pictures.h"

#include <QByteArray>
#include <QDir>
#include <QFontInfo>
#include <QGuiApplication>
#include <QSize>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Picture {
    const char* name;
    QSize size;
    std::function<QImage()> paint;
};

std::vector<Picture> allPictures() {
    using namespace pictures;
    const QSize panel(116, 116);
    const QSize glyph(16, 16);
    return {
        {"stor.bmp", panel, storage},
        {"staff.bmp", panel, staff},
        {"res.bmp", panel, research},
        {"1lf.bmp", panel, [] { return enterprise(1); }},
        {"2lf.bmp", panel, [] { return enterprise(2); }},
        {"3lf.bmp", panel, [] { return enterprise(3); }},
        {"face0.bmp", panel, [] { return face(0); }},
        {"face1.bmp", panel, [] { return face(1); }},
        {"face2.bmp", panel, [] { return face(2); }},
        {"face3.bmp", panel, [] { return face(3); }},
        {"title.bmp", QSize(640, 480), title},
        {"logo.bmp", QSize(396, 76), logo},
        {"idc.bmp", glyph, exitGlyph},
        {"btn_stat.bmp", glyph, statisticsGlyph},
        {"btn_trade.bmp", glyph, tradeGlyph},
        {"btn_upgrade.bmp", glyph, upgradeGlyph},
        {"btn_bank.bmp", glyph, bankGlyph},
        {"button0.bmp", QSize(71, 21), [] { return buttonFace(false); }},
        {"button1.bmp", QSize(71, 21), [] { return buttonFace(true); }},
        {"mail_delete.bmp", QSize(24, 24), mailDeleteGlyph},
        {"mail_read.bmp", QSize(24, 24), mailReadGlyph},
        {"mail_answer.bmp", QSize(24, 24), mailAnswerGlyph},
        {"phone.bmp", QSize(466, 337), telephone},
        {"abonent0.bmp", QSize(180, 180), researchPerson},
    };
}

} // namespace

// The desktop icon at the usual sizes of the hicolor theme, as PNG with transparency.
int paintIcons(const QString& folder, const QString& name) {
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(folder).arg(size);
        const QString path = dir + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!QDir().mkpath(dir) || !pictures::appIcon(size).save(path, "PNG")) {
            std::fprintf(stderr, "paint-images: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--icons")
        return paintIcons(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (argc != 2) {
        std::fprintf(stderr, "usage: paint-images <output folder>\n"
                             "       paint-images --icons <output folder> <icon name>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "paint-images: cannot create %s\n", argv[1]);
        return 1;
    }

    // A missing font still paints, with a fallback face; say so rather than fail the build.
    const QFontInfo used(pictures::uiFont(12));
    if (!used.family().startsWith(QStringLiteral("Liberation"))) {
        std::fprintf(stderr, "paint-images: Liberation Sans not found, using %s\n",
                     qPrintable(used.family()));
    }

    for (const Picture& picture : allPictures()) {
        const QImage image = picture.paint().convertToFormat(QImage::Format_RGB32);
        if (image.size() != picture.size) {
            std::fprintf(stderr, "paint-images: %s painted at the wrong size\n", picture.name);
            return 1;
        }
        const QString path = QDir(folder).filePath(QString::fromLatin1(picture.name));
        if (!image.save(path, "BMP")) {
            std::fprintf(stderr, "paint-images: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}

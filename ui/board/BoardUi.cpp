#include "ui/board/BoardUi.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace BoardUi {

QFont monoFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont monoPointFont(int pointSize, bool bold) {
    QFont font(QStringLiteral("Liberation Mono"), pointSize);
    font.setStyleHint(QFont::Monospace);
    font.setBold(bold);
    return font;
}

void centreOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

QPixmap loadPicture(const GameFolder& folder, const QString& relative) {
    return QPixmap(folder.resolve(relative));
}

QIcon glyph(const GameFolder& folder, const QString& relative) {
    QPixmap pixmap = loadPicture(folder, relative);
    if (pixmap.isNull())
        return {};
    pixmap.setMask(pixmap.createMaskFromColor(QColor(0xef, 0xef, 0xef)));
    return QIcon(pixmap);
}

} // namespace BoardUi

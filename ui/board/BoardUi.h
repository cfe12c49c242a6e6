#pragma once

#include "core/platform/GameFolder.h"

#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QString>

class QWidget;

// Small helpers the board's windows share.
namespace BoardUi {

// "Courier New" is not on Linux; Liberation Mono has the same metrics.
QFont monoFont(int pixelSize, bool bold = false);
// Setup dialogs give the size in points.
QFont monoPointFont(int pointSize, bool bold = false);

void centreOnScreen(QWidget* window);

// A picture of the game folder; a null pixmap when it cannot be read.
QPixmap loadPicture(const GameFolder& folder, const QString& relative);
// A 16 x 16 glyph painted on the button face colour, which becomes transparent.
QIcon glyph(const GameFolder& folder, const QString& relative);

} // namespace BoardUi

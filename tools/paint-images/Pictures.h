#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <initializer_list>

// Every picture is painted from code so the game folder can be rebuilt from the sources alone.
namespace pictures {

// A blank canvas; painting starts with an opaque background so BMP output has no alpha.
QImage canvas(int width, int height, const QColor& background);

// Liberation Sans first: it is metric-compatible with Arial, which Linux lacks.
QFont uiFont(int pixelSize, QFont::Weight weight = QFont::Normal);

// A painter with antialiasing on, as every picture wants it.
void beginPainting(QPainter& painter, QImage& image);

// Text as a path, centred horizontally on centreX with its baseline at baseline.
QPainterPath centredText(const QString& text, const QFont& font, qreal centreX, qreal baseline);

// Adds a closed polygon of straight edges to a path.
void addClosed(QPainterPath& path, std::initializer_list<QPointF> points);

// Background of the 16 x 16 button pictures: the button face colour, so antialiased edges blend.
QColor glyphBackground();

QImage storage();
QImage staff();
QImage research();
QImage enterprise(int level);
QImage face(int index);
QImage title();
QImage logo();
QImage exitGlyph();
QImage statisticsGlyph();
QImage tradeGlyph();
QImage upgradeGlyph();
QImage bankGlyph();
QImage buttonFace(bool pressed);
QImage mailDeleteGlyph();
QImage mailReadGlyph();
QImage mailAnswerGlyph();
QImage telephone();
QImage researchPerson();
// The desktop icon, size x size, transparent outside its tile.
QImage appIcon(int size);

} // namespace pictures

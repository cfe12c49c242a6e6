// The gauge library: a small modal window with one figure against its maximum.
//
// Layout (300 x 150): the maximum's label and value at the top, a bar of 100 steps
// two pixels wide below it, the colour picture shown up to the share reached and the
// grey picture after it, the current value's label and value under the bar, and a
// flat "Закрыть" button along the bottom. The pictures are painted at build time and
// compiled into this library's resources under :/zorvick-statistics/.
//
// The library keeps no state between calls; every call builds and destroys its window.

#include "external/StatisticsLibrary.h"

#include <QApplication>
#include <QDialog>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

namespace {

constexpr int WindowWidth = 300;
constexpr int WindowHeight = 150;
constexpr int Steps = 100;
constexpr int StepWidth = 2;
constexpr int BarWidth = Steps * StepWidth;
constexpr int BarHeight = 48;
constexpr int ScaleGap = 3;    // between the bar's frame and the marks
constexpr int ScaleHeight = 9; // gap and marks
constexpr int BarLeft = 16;
constexpr int BarTop = 28;

QString text(const char* utf8) {
    return utf8 ? QString::fromUtf8(utf8) : QString();
}

QFont gaugeFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                      QStringLiteral("DejaVu Sans Mono")});
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(12);
    return font;
}

// A picture of the library's resources at the bar's size; a name it does not hold
// gives a plain one, so a wrong name still shows the share.
QImage picture(const char* name, const QColor& plain) {
    QImage image(QStringLiteral(":/zorvick-statistics/") + text(name).toUpper() +
                 QStringLiteral(".bmp"));
    if (image.isNull()) {
        image = QImage(BarWidth, BarHeight, QImage::Format_RGB32);
        image.fill(plain);
    } else if (image.size() != QSize(BarWidth, BarHeight)) {
        image = image.scaled(BarWidth, BarHeight);
    }
    return image;
}

// Colour up to the share reached, grey after it; the scale marks every ten steps.
QPixmap bar(const QImage& colour, const QImage& grey, int percentage, bool scale,
            const QColor& marks) {
    const int reached = std::clamp(percentage, 0, Steps) * StepWidth;
    QImage image(BarWidth, BarHeight + (scale ? ScaleHeight : 0),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.drawImage(QRect(0, 0, reached, BarHeight), colour, QRect(0, 0, reached, BarHeight));
    painter.drawImage(QRect(reached, 0, BarWidth - reached, BarHeight), grey,
                      QRect(reached, 0, BarWidth - reached, BarHeight));
    if (scale) {
        painter.setPen(marks);
        for (int step = 0; step <= Steps; step += 10) {
            const int x = std::min(step * StepWidth, BarWidth - 1);
            const int length = step % 50 == 0 ? 6 : 3;
            painter.drawLine(x, BarHeight + ScaleGap, x, BarHeight + ScaleGap + length - 1);
        }
    }
    painter.end();
    return QPixmap::fromImage(image);
}

QLabel* label(QWidget* parent, const char* name, const QString& text, QRect geometry,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(geometry);
    l->setAlignment(alignment);
    return l;
}

} // namespace

extern "C" {

void ShowStatistics(std::int32_t percentage, std::int32_t maximum, std::int32_t current,
                    const char* maximumLabel, const char* currentLabel, const char* colourPicture,
                    const char* greyPicture, const char* caption, std::int32_t showPercentage,
                    std::int32_t showScale, std::int32_t money) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    const auto figure = [money](std::int32_t value) {
        return QString::number(value) + (money ? QStringLiteral("$") : QString());
    };

    // In front of the window that called, which waits for it.
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner)
        owner = QApplication::activeWindow();
    QDialog window(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint);
    window.setObjectName(QStringLiteral("fStatisticsGauge"));
    window.setWindowTitle(text(caption));
    window.setFixedSize(WindowWidth, WindowHeight);
    window.setFont(gaugeFont());

    const QRect labelPlace(8, 6, 196, 16), valuePlace(204, 6, 88, 16);
    label(&window, "lMaxLabel", text(maximumLabel), labelPlace);
    label(&window, "lMaxValue", figure(maximum), valuePlace, Qt::AlignRight | Qt::AlignVCenter);

    auto* frame = new QLabel(&window);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setGeometry(BarLeft - 2, BarTop - 2, BarWidth + 4, BarHeight + 4);
    QLabel* gauge =
        label(&window, "iBar", {}, QRect(BarLeft, BarTop, BarWidth, BarHeight + ScaleHeight),
              Qt::AlignLeft | Qt::AlignTop);
    gauge->setPixmap(bar(picture(colourPicture, QColor(0x2e, 0x8b, 0x57)),
                         picture(greyPicture, QColor(0xc8, 0xc8, 0xc8)), percentage, showScale != 0,
                         window.palette().color(QPalette::WindowText)));
    QLabel* share = label(&window, "lPercent", QString::number(percentage) + QStringLiteral("%"),
                          QRect(BarLeft + BarWidth + 8, BarTop + (BarHeight - 16) / 2, 60, 16));
    QFont bold = window.font();
    bold.setBold(true);
    share->setFont(bold);
    share->setVisible(showPercentage != 0);

    const int currentTop = BarTop + BarHeight + ScaleHeight + 6;
    label(&window, "lCurLabel", text(currentLabel), labelPlace.translated(0, currentTop - 6));
    label(&window, "lCurValue", figure(current), valuePlace.translated(0, currentTop - 6),
          Qt::AlignRight | Qt::AlignVCenter);

    auto* close = new QPushButton(QStringLiteral("Закрыть"), &window);
    close->setObjectName(QStringLiteral("bClose"));
    close->setFlat(true);
    close->setGeometry(0, WindowHeight - 28, WindowWidth, 28);
    close->setDefault(true);
    QObject::connect(close, &QPushButton::clicked, &window, &QDialog::accept);

    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen)
        window.move(screen->availableGeometry().center() - window.rect().center());
    window.exec();
}

} // extern "C"

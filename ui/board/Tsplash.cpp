#include "ui/board/Tsplash.h"

#include "ui/board/BoardUi.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

Tsplash::Tsplash(const QPixmap& title, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("splash"));
    setFixedSize(640, 480);
    iMain = new QLabel(this);
    iMain->setObjectName(QStringLiteral("iMain"));
    iMain->setGeometry(0, 0, 640, 480);
    iMain->setPixmap(title);

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(1000);
    connect(Timer, &QTimer::timeout, this, &Tsplash::TimerTimer);
    Timer->start();
    BoardUi::centreOnScreen(this);
}

void Tsplash::TimerTimer() {
    if (++ticks_ >= TicksShown)
        accept();
}

void Tsplash::keyPressEvent(QKeyEvent* event) {
    // Keys that type nothing (arrows, F-keys, Shift) leave the picture up; Esc
    // and Enter type a control character and close it like any letter.
    if (!event->text().isEmpty())
        accept();
}

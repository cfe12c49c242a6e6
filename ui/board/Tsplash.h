#pragma once

#include <QDialog>
#include <QPixmap>

class QLabel;
class QTimer;

// The title picture shown while the game starts; closes after 17 seconds or at
// the first key that types a character.
class Tsplash : public QDialog {
    Q_OBJECT
public:
    explicit Tsplash(const QPixmap& title, QWidget* parent = nullptr);

    static constexpr int TicksShown = 17;
    int Ticks() const { return ticks_; }
    void TimerTimer();

    QLabel* iMain;
    QTimer* Timer;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int ticks_ = 0; // never reset: the window is shown once
};

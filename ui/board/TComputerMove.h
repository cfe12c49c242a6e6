#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <vector>

class QDialog;
class QLabel;
class TManage;

// The board's part of a computer's move. The manager plays at once through the
// controller; the board then tells its actions one line at a time in the status
// bar (lComputerAction), at a pace a person can follow, shows its three figures as
// stars in the weekly edits and ends its move. Any key or click skips to the end.
class TComputerMove : public QObject {
    Q_OBJECT
public:
    explicit TComputerMove(TManage& board);

    // Milliseconds a line, and before a market report of a game without people
    // closes by itself; an action pace of 0 plays a move to its end at once.
    void SetPace(int actionMs, int reportMs);
    int Pace() const { return pace_; }
    // A computer's move is waiting to start or being shown.
    bool Busy() const { return pending_ || playing_; }
    // Shows the rest of the move at once and ends it.
    void Skip();
    // A report nobody has to read: it closes after the pause, or at any key or click.
    void CloseUnattended(QDialog* report);

    QLabel* lComputerAction;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void turnBegan();
    void begin();
    void tick();
    void finish();
    void lockBoard(bool locked);

    TManage& board_;
    QTimer timer_;
    int pace_ = 500;
    int reportPause_ = 2000;
    bool pending_ = false;
    bool playing_ = false;
    bool skipping_ = false;
    QStringList lines_;
    float moneyBefore_ = 0;
    std::vector<float> moneyAfter_; // after each line
    qsizetype shown_ = 0;
    QString offer_, price_, advertising_;
    QPointer<QDialog> report_;
    int reportShown_ = 0;
};

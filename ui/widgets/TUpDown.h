#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// An up-down bound to an edit: its arrows (and the Up and Down keys in the edit)
// step the number in the edit by Increment within Min..Max and write it back as plain
// digits, so whatever it writes can be read back. Bound to no edit (a null buddy)
// it only moves its own position. The arrows are buttons named after the up-down
// with "Up" and "Down" appended, for scripts.
class TUpDown : public QWidget {
    Q_OBJECT
public:
    TUpDown(QLineEdit* buddy, const QString& name, QRect geometry, QWidget* parent, int minimum = 0,
            int maximum = 32767);

    int Min;
    int Max;
    int Increment = 1;
    int Position() const { return position_; }
    // Moves the number the edit shows by delta.
    void Step(int delta);

    QToolButton* UpButton;
    QToolButton* DownButton;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* buddy_;
    int position_;
};

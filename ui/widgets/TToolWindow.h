#pragma once

#include <QDialog>

class Help;
class QLabel;
class QPushButton;
class QTabWidget;
class TAmountEdit;
class TUpDown;

// The shape the game's tool windows share: a fixed client area, the tool-window
// border without close box, centred, the fixed-pitch font, a page control at the
// top, a close button at the bottom right and a help topic on F1. The helpers put
// the usual parts of a page at their usual places, so a window's code is its rules
// and its texts. Closing by the close button, Esc or the title bar's close box
// runs Closing() first, so no way of closing skips the window's closing steps.
// The window opens with the focus in the amount edit of its page, text selected.
class TToolWindow : public QDialog {
    Q_OBJECT
public:
    TToolWindow(const QString& objectName, const QString& caption, QSize clientSize,
                const QString& pageControlName, Help& help, int helpTopic,
                QWidget* parent = nullptr);

    QTabWidget* PageControl() const { return pages_; }

    // The usual row of a page: two text lines, an amount edit with its up-down, a
    // total line, buy and sell buttons. A part whose name is empty is not made.
    struct RowNames {
        QString current, max; // text lines at 16, 32 and 16, 56
        QString edit;         // amount edit at 16, 88 (129 x 23)
        int editMaxLength = 4;
        QString upDown; // up-down at 145, 88
        int upDownWidth = 16;
        int upDownIncrement = 1; // above 1 the range grows to what the edit holds
        QString total;           // total line at 176, 88 (145 x 23)
        QString totalText;       // its first text
        QString buy, sell;       // buttons at 16, 120 and 96, 120 (75 x 25)
        QString buyCaption = QStringLiteral("Купить");
        QString sellCaption = QStringLiteral("Продать");
        int buyWidth = 75;
    };
    struct Row {
        QLabel* current = nullptr;
        QLabel* max = nullptr;
        TAmountEdit* edit = nullptr;
        TUpDown* upDown = nullptr;
        QLabel* total = nullptr;
        QPushButton* buy = nullptr;
        QPushButton* sell = nullptr;
    };

    // The step of the up-downs of sums of money paid in round amounts.
    static constexpr int RoundSum = 1000;
    static constexpr int TotalWidth = 145;
    static constexpr int TotalHeight = 23;
    static constexpr int EditTop = 88;

    // A text line that keeps the whole width of its page.
    static QLabel* MakeLine(QWidget* page, const QString& name, const QString& text, int left,
                            int top);
    static QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption,
                                   QRect geometry);
    static Row MakeRow(QWidget* page, const RowNames& names);
    // Writes a total line; a text too long for its width wraps and the line grows
    // evenly up and down, so nothing of it is cut.
    static void SetTotal(QLabel* total, const QString& text);

protected:
    QWidget* AddPage(const QString& name, const QString& caption);
    // The close button at 248, 424 (75 x 25).
    QPushButton* AddCloseButton(const QString& name,
                                const QString& caption = QStringLiteral("Закрыть"));

    // The window's own closing rule.
    virtual void Closing() {}

    // Gives the window a close box in its title bar; it closes as the close button does.
    void AddCloseBox();

    void reject() override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The first key typed goes into the amount of the page shown.
    void focusAmount();

    QTabWidget* pages_;
    Help& help_;
    int helpTopic_;
};

#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;

// A borderless window showing a fax in a fixed-pitch memo that fills it; Enter or
// a left click anywhere on it closes it. The market report and the accountant's
// fax are two. The window is as wide as its widest line, and never narrower than
// its own width.
class FaxWindow : public QDialog {
    Q_OBJECT
public:
    // The memo's lines are 16 pixels high; the window grows with the text.
    static constexpr int LineHeight = 16;

    FaxWindow(const QString& objectName, const QString& caption, int width, const QString& memoName,
              QWidget* parent = nullptr);

    // The fax's text; the client height becomes 16 × the lines.
    void SetLines(const QStringList& lines);

    QPlainTextEdit* memo() const { return memo_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QPlainTextEdit* memo_;
    int width_;
};

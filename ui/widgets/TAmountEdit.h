#pragma once

#include <QLineEdit>

// The amount edit of the tool windows. It takes digits only: a refused key leaves
// the text and its selection as they were, so no negative amount reaches the
// model. An edit that becomes empty is set back to "0" with the "0" selected, so
// the next digit replaces it. amountChanged follows every change to a text.
class TAmountEdit : public QLineEdit {
    Q_OBJECT
public:
    TAmountEdit(QWidget* parent, const QString& name, QRect geometry, int maxLength);

signals:
    // The text changed and is not empty: the window's total line is written again.
    void amountChanged(const QString& text);

private:
    void textChange(const QString& text);
};

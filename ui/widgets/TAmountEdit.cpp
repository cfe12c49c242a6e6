#include "ui/widgets/TAmountEdit.h"

#include <QRegularExpressionValidator>

TAmountEdit::TAmountEdit(QWidget* parent, const QString& name, QRect geometry, int maxLength)
    : QLineEdit(QStringLiteral("0"), parent) {
    setObjectName(name);
    setGeometry(geometry);
    setMaxLength(maxLength);
    // A refused key or paste leaves the text and its selection as they were.
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    connect(this, &QLineEdit::textChanged, this, &TAmountEdit::textChange);
}

void TAmountEdit::textChange(const QString& text) {
    if (text.isEmpty()) {
        setText(QStringLiteral("0")); // runs this rule again for "0"
        selectAll();
        return;
    }
    emit amountChanged(text);
}

#include "ui/platform/QtPrompter.h"

#include <QMessageBox>

bool QtPrompter::show(Kind kind, const QString& title, const QString& text) {
    QMessageBox box;
    box.setWindowTitle(title);
    box.setText(text);
    switch (kind) {
    case Kind::Error:
        box.setIcon(QMessageBox::Critical);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Kind::Warning:
        box.setIcon(QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Kind::Question:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Kind::WarningQuestion:
        box.setIcon(QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    }
    const int result = box.exec();
    if (!isQuestion(kind))
        return true;
    return result == QMessageBox::Yes;
}

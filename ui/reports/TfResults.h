#pragma once

#include "ui/reports/FaxWindow.h"

// "Итоги игры": at the end of a game of a set length, the firms left ranked by net
// worth; the winner's box follows when it is closed.
class TfResults : public FaxWindow {
    Q_OBJECT
public:
    explicit TfResults(QWidget* parent = nullptr);

    QPlainTextEdit* mResults;
};

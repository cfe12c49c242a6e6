#pragma once

#include "ui/reports/FaxWindow.h"

// The accountant's weekly fax to the current player, shown from the board's
// statistics menu ("Личная"); a click anywhere on it closes it.
class TfManReport : public FaxWindow {
    Q_OBJECT
public:
    explicit TfManReport(QWidget* parent = nullptr);

    QPlainTextEdit* mGood;
};

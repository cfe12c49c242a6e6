#pragma once

#include "ui/reports/FaxWindow.h"

// The weekly market report, shown after every settled week and again from the
// board's statistics menu ("Общая").
class TfReport : public FaxWindow {
    Q_OBJECT
public:
    explicit TfReport(QWidget* parent = nullptr);

    QPlainTextEdit* mReport;
};

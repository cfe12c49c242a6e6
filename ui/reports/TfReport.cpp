#include "ui/reports/TfReport.h"

TfReport::TfReport(QWidget* parent)
    : FaxWindow(QStringLiteral("fReport"), QStringLiteral("Отчет"), 545, QStringLiteral("mReport"),
                parent),
      mReport(memo()) {}

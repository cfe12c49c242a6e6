#include "ui/reports/TfManReport.h"

TfManReport::TfManReport(QWidget* parent)
    : FaxWindow(QStringLiteral("fManReport"), QString(), 361, QStringLiteral("mGood"), parent),
      mGood(memo()) {}

#include "ui/reports/TfResults.h"

TfResults::TfResults(QWidget* parent)
    : FaxWindow(QStringLiteral("fResults"), QStringLiteral("Итоги игры"), 545,
                QStringLiteral("mResults"), parent),
      mResults(memo()) {}

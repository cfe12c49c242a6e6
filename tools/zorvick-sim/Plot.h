#pragma once

#include "Simulator.h"

#include <QString>
#include <vector>

// The run as a picture (PNG): for one game every firm's money week by week, for
// many the spread of the game lengths and the wins of each seat or strategy.
// Needs a QApplication; empty when written, else what went wrong.
QString WritePlot(const QString& file, const SimOptions& options,
                  const std::vector<GameResult>& results, const QStringList& seatNames);

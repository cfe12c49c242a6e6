#pragma once

#include <QString>
#include <utility>
#include <vector>

class TIndustry;

// The texts of the enterprise statistics window, page by page: each entry is a
// label's object name and its text. The labels' own trailing blanks line the
// values up in the fixed-pitch font.
using StatisticsPage = std::vector<std::pair<QString, QString>>;

namespace EnterpriseStatistics {

// Page "Общее".
StatisticsPage General(const TIndustry& industry);
// Page "Склады" for storage index (0-based); a storage of an unknown kind leaves
// out the type label, which then keeps its text. Empty for an index outside.
StatisticsPage Storage(const TIndustry& industry, int index);
// Pages "Цеха" and "Рабочие места" for building index (0-based).
StatisticsPage Workshop(const TIndustry& industry, int index);

// "346,00$/ход"
QString PerWeek(double money);

} // namespace EnterpriseStatistics

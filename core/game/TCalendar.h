#pragma once

#include <QDate>
#include <QString>
#include <cstdint>

class QJsonObject;

// Game time: years, months and weeks, exactly four weeks to a month.
class TCalendar {
public:
    TCalendar() = default;
    // Year and month of the given day, week 1; the day itself is not used.
    explicit TCalendar(const QDate& today);

    std::uint16_t Year = 2000;
    std::uint16_t Month = 1;
    std::uint16_t Week = 1;

    void AdvanceWeek();
    // "2026.3.2": dates letters and the market report.
    QString DateText() const;
    // "год: 2026; месяц: 3; неделя: 2.": the status bar's calendar panel.
    QString StatusText() const;

    QJsonObject toJson() const;
};

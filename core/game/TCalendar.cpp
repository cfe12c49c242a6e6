#include "core/game/TCalendar.h"

#include <QJsonObject>

TCalendar::TCalendar(const QDate& today)
    : Year(std::uint16_t(today.year())), Month(std::uint16_t(today.month())), Week(1) {}

void TCalendar::AdvanceWeek() {
    ++Week;
    if (Week > 4) {
        Week = 1;
        ++Month;
    }
    if (Month > 12) {
        Month = 1;
        ++Year;
    }
}

QString TCalendar::DateText() const {
    return QString::number(Year) + QLatin1Char('.') + QString::number(Month) + QLatin1Char('.') +
           QString::number(Week);
}

QString TCalendar::StatusText() const {
    return QStringLiteral("год: ") + QString::number(Year) + QStringLiteral("; ") +
           QStringLiteral("месяц: ") + QString::number(Month) + QStringLiteral("; ") +
           QStringLiteral("неделя: ") + QString::number(Week) + QStringLiteral(".");
}

QJsonObject TCalendar::toJson() const {
    return QJsonObject{{"Year", Year}, {"Month", Month}, {"Week", Week}};
}

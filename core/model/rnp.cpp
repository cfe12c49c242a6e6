#include "core/model/rnp.h"

#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>

namespace {

void shiftIn(TExpences::Series& series, float value) {
    if (series.empty()) {
        series.push_back(value);
        return;
    }
    std::rotate(series.begin(), series.begin() + 1, series.end());
    series.back() = value;
}

QJsonArray toArray(const TExpences::Series& series) {
    QJsonArray out;
    for (float v : series)
        out.append(double(v));
    return out;
}

// Each series of the history with the week's value it takes, in the JSON dump's order.
struct Column {
    const char* name;
    TExpences::Series TExpences::*series;
    float TWeekRecord::*value;
};

constexpr Column Columns[] = {
    {"AdvExp", &TExpences::AdvExp, &TWeekRecord::AdvExp},
    {"Constr", &TExpences::Constr, &TWeekRecord::Constr},
    {"Costs", &TExpences::Costs, &TWeekRecord::Costs},
    {"Dev", &TExpences::Dev, &TWeekRecord::Dev},
    {"RL", &TExpences::RL, &TWeekRecord::RL},
    {"Taxes", &TExpences::Taxes, &TWeekRecord::Taxes},
    {"RMCost", &TExpences::RMCost, &TWeekRecord::RMCost},
    {"Revenue", &TExpences::Revenue, &TWeekRecord::Revenue},
    {"Salary", &TExpences::Salary, &TWeekRecord::Salary},
    {"Usage", &TExpences::Usage, &TWeekRecord::Usage},
    {"Interest", &TExpences::Interest, &TWeekRecord::Interest},
    {"TurnLoan", &TExpences::TurnLoan, &TWeekRecord::TurnLoan},
    {"StartTurnMoney", &TExpences::StartTurnMoney, &TWeekRecord::StartTurnMoney},
};

} // namespace

void TExpences::AddWeek(const TWeekRecord& week) {
    for (const Column& c : Columns)
        (this->*c.series).push_back(week.*c.value);
}

void TExpences::ShiftWeek(const TWeekRecord& week) {
    for (const Column& c : Columns)
        shiftIn(this->*c.series, week.*c.value);
}

TWeekRecord TExpences::Week(std::size_t i) const {
    TWeekRecord week;
    for (const Column& c : Columns)
        week.*c.value = (this->*c.series).at(i);
    return week;
}

QJsonObject TExpences::toJson() const {
    QJsonObject out;
    for (const Column& c : Columns)
        out.insert(QLatin1String(c.name), toArray(this->*c.series));
    return out;
}

QJsonObject toJson(const TPrice& record) {
    return QJsonObject{{"Player", record.Player}, {"Price", double(record.Price)}};
}

QJsonObject toJson(const TAdvExp& record) {
    return QJsonObject{{"AdvExp", double(record.AdvExp)}, {"Player", record.Player}};
}

QJsonObject toJson(const TProd& record) {
    return QJsonObject{{"Player", record.Player}, {"Amount", double(record.Amount)}};
}

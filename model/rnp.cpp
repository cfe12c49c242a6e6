#include "model/rnp.h"

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

} // namespace

void TExpences::AddWeek(const TWeekRecord& week) {
    AdvExp.push_back(week.AdvExp);
    Usage.push_back(week.Usage);
    Costs.push_back(week.Costs);
    Salary.push_back(week.Salary);
    RL.push_back(week.RL);
    Dev.push_back(week.Dev);
    RMCost.push_back(week.RMCost);
    Constr.push_back(week.Constr);
    Interest.push_back(week.Interest);
    Taxes.push_back(week.Taxes);
    Revenue.push_back(week.Revenue);
    TurnLoan.push_back(week.TurnLoan);
    StartTurnMoney.push_back(week.StartTurnMoney);
}

void TExpences::ShiftWeek(const TWeekRecord& week) {
    shiftIn(AdvExp, week.AdvExp);
    shiftIn(Usage, week.Usage);
    shiftIn(Costs, week.Costs);
    shiftIn(Salary, week.Salary);
    shiftIn(RL, week.RL);
    shiftIn(Dev, week.Dev);
    shiftIn(RMCost, week.RMCost);
    shiftIn(Constr, week.Constr);
    shiftIn(Interest, week.Interest);
    shiftIn(Taxes, week.Taxes);
    shiftIn(Revenue, week.Revenue);
    shiftIn(TurnLoan, week.TurnLoan);
    shiftIn(StartTurnMoney, week.StartTurnMoney);
}

TWeekRecord TExpences::Week(std::size_t i) const {
    TWeekRecord week;
    week.AdvExp = AdvExp.at(i);
    week.Usage = Usage.at(i);
    week.Costs = Costs.at(i);
    week.Salary = Salary.at(i);
    week.RL = RL.at(i);
    week.Dev = Dev.at(i);
    week.RMCost = RMCost.at(i);
    week.Constr = Constr.at(i);
    week.Interest = Interest.at(i);
    week.Taxes = Taxes.at(i);
    week.Revenue = Revenue.at(i);
    week.TurnLoan = TurnLoan.at(i);
    week.StartTurnMoney = StartTurnMoney.at(i);
    return week;
}

QJsonObject TExpences::toJson() const {
    return QJsonObject{
        {"AdvExp", toArray(AdvExp)},
        {"Constr", toArray(Constr)},
        {"Costs", toArray(Costs)},
        {"Dev", toArray(Dev)},
        {"RL", toArray(RL)},
        {"Taxes", toArray(Taxes)},
        {"RMCost", toArray(RMCost)},
        {"Revenue", toArray(Revenue)},
        {"Salary", toArray(Salary)},
        {"Usage", toArray(Usage)},
        {"Interest", toArray(Interest)},
        {"TurnLoan", toArray(TurnLoan)},
        {"StartTurnMoney", toArray(StartTurnMoney)},
    };
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

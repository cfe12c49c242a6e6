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

void TExpences::AddWeek(float advExp, float usage, float costs, float salary, float rl, float dev,
                        float rmCost, float constr, float interest, float taxes, float revenue,
                        float turnLoan, float startTurnMoney) {
    AdvExp.push_back(advExp);
    Usage.push_back(usage);
    Costs.push_back(costs);
    Salary.push_back(salary);
    RL.push_back(rl);
    Dev.push_back(dev);
    RMCost.push_back(rmCost);
    Constr.push_back(constr);
    Interest.push_back(interest);
    Taxes.push_back(taxes);
    Revenue.push_back(revenue);
    TurnLoan.push_back(turnLoan);
    StartTurnMoney.push_back(startTurnMoney);
}

void TExpences::ShiftWeek(float advExp, float usage, float costs, float salary, float rl, float dev,
                          float rmCost, float constr, float interest, float taxes, float revenue,
                          float turnLoan, float startTurnMoney) {
    shiftIn(AdvExp, advExp);
    shiftIn(Usage, usage);
    shiftIn(Costs, costs);
    shiftIn(Salary, salary);
    shiftIn(RL, rl);
    shiftIn(Dev, dev);
    shiftIn(RMCost, rmCost);
    shiftIn(Constr, constr);
    shiftIn(Interest, interest);
    shiftIn(Taxes, taxes);
    shiftIn(Revenue, revenue);
    shiftIn(TurnLoan, turnLoan);
    shiftIn(StartTurnMoney, startTurnMoney);
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

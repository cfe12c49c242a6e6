#include "core/reports/AccountantFax.h"

#include "core/game/TCalendar.h"
#include "core/model/player.h"
#include "core/platform/NumberText.h"

#include <array>
#include <cmath>

namespace AccountantFax {

namespace {

constexpr int ValueWidth = 11;

const QString Frame = QStringLiteral("+-----------------------------+-------------+");

// Blanks on the right up to the width; a longer text is never cut.
QString filled(const QString& text, int width) {
    return text.leftJustified(width, QLatin1Char(' '), false);
}

QString figure(double value) {
    return filled(NumberText::whole(value), ValueWidth);
}

// Pattern "0" as a number: halves away from zero.
double whole(double value) {
    return std::round(value);
}

float last(const TExpences::Series& series) {
    return series.empty() ? 0.0f : series.back();
}

QString row(const QString& text, const QString& value) {
    return text + value + QStringLiteral(" |");
}

// The week the last history entry was settled: the week before today.
QString settledWeekDate(const TCalendar& today) {
    TCalendar settled = today;
    if (settled.Week > 1) {
        --settled.Week;
    } else {
        settled.Week = 4;
        if (settled.Month > 1) {
            --settled.Month;
        } else {
            settled.Month = 12;
            --settled.Year;
        }
    }
    return settled.DateText();
}

} // namespace

QStringList Lines(const TZorvick& player, const TCalendar& today,
                  std::optional<float> nextTurnMoney) {
    const TExpences& history = player.Expences;
    const std::array<std::pair<QString, float>, 9> costs = {{
        {QStringLiteral("| Реклама                     | "), last(history.AdvExp)},
        {QStringLiteral("| Производство                | "), last(history.Usage)},
        {QStringLiteral("| Дизайнерские работы         | "), last(history.RL)},
        {QStringLiteral("| Разработка новых технологий | "), last(history.Dev)},
        {QStringLiteral("| Ресурсы                     | "), last(history.RMCost)},
        {QStringLiteral("| Увеличение мощности фабрики | "), last(history.Constr)},
        {QStringLiteral("| Банковский процент          | "), last(history.Interest)},
        {QStringLiteral("| Заем                        | "), last(history.TurnLoan)},
        {QStringLiteral("| Налоги                      | "), last(history.Taxes)},
    }};

    // The money is followed through the week and rounded as it goes: each row is
    // what the rounded balance lost by it, so the rounded rows add up exactly and
    // no row is more than a dollar from its own rounding.
    double balance = last(history.StartTurnMoney);
    double shown = whole(balance);
    QStringList rows;
    double total = 0;
    for (const auto& [text, value] : costs) {
        balance -= double(value);
        const double cost = shown - whole(balance);
        shown -= cost;
        total += cost;
        rows << row(text, figure(cost));
    }
    balance += double(last(history.Revenue));
    // The last line is the money really there; revenue takes up the rounding left.
    const double money = whole(nextTurnMoney ? double(*nextTurnMoney) : balance);
    const QString revenue = figure(money - shown);
    const double profit = money - shown - total;

    QStringList lines;
    lines.reserve(31);
    lines << QStringLiteral("                       ") + filled(player.Title, 20)
          << QStringLiteral(" Факсимильное сообщение                      ")
          << QStringLiteral(" Кому: ") + filled(player.PlayerName, 16)
          << QStringLiteral(" От: Гавный бухгалтер ") << QStringLiteral(" На: Еженедельный отчет")
          << QStringLiteral(" Дата: ") + settledWeekDate(today) << QString()
          << QStringLiteral(" Отчет о затратах и прибыли за прошедшую     ")
          << QStringLiteral(" неделю:                                     ") << Frame
          << QStringLiteral("| Тип затрат                  | Затраты ($) |") << Frame;
    lines << rows;
    lines << Frame << row(QStringLiteral("| Итого                       | "), figure(total));
    lines << Frame << row(QStringLiteral("| Прибыль                     | "), revenue);
    lines << Frame << row(QStringLiteral("| Чистая прибыль              | "), figure(profit));
    lines << Frame << row(QStringLiteral("| Денег на начало хода        | "), figure(money));
    lines << Frame << QStringLiteral(" Text'O'Phone - только качественная связь! ");
    return lines;
}

} // namespace AccountantFax

// The accountant's fax: its layout, the sums it makes from the figures it wrote and
// the date of the settled week.
#include "core/reports/AccountantFax.h"
#include "core/game/TCalendar.h"
#include "core/model/player.h"

#include <gtest/gtest.h>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

TCalendar date(int year, int month, int week) {
    TCalendar c;
    c.Year = std::uint16_t(year);
    c.Month = std::uint16_t(month);
    c.Week = std::uint16_t(week);
    return c;
}

QStringList faxOf(const TWeekRecord& week, const QString& title = "Спорт",
                  const QString& name = "Иван") {
    TZorvick player(1);
    player.Title = title;
    player.PlayerName = name;
    player.RecordWeek(week);
    return AccountantFax::Lines(player, date(2026, 12, 2));
}

// The row that begins with the name, e.g. "| Итого".
QString rowOf(const QStringList& lines, const QString& name) {
    for (const QString& line : lines)
        if (line.startsWith("| " + name + ' '))
            return line;
    return {};
}

} // namespace

// Titles and names longer than their columns are written whole.
TEST(AccountantFax, WholeFaxOfOneWeek) {
    TWeekRecord w;
    w.AdvExp = 100.4f;
    w.Usage = 2500.5f; // halves away from zero
    w.Costs = 777;     // neither shown nor added
    w.Dev = 1000;
    w.RMCost = 400;
    w.Constr = -250; // more sold than bought
    w.Taxes = 300;
    w.Revenue = 5000;
    w.StartTurnMoney = 30000;
    const QString frame = "+-----------------------------+-------------+";
    const QStringList expected = {"                       Объединённые спортивные мануфактуры",
                                  " Факсимильное сообщение                      ",
                                  " Кому: Константин Константинопольский",
                                  " От: Гавный бухгалтер ",
                                  " На: Еженедельный отчет",
                                  " Дата: 2026.12.1",
                                  "",
                                  " Отчет о затратах и прибыли за прошедшую     ",
                                  " неделю:                                     ",
                                  frame,
                                  "| Тип затрат                  | Затраты ($) |",
                                  frame,
                                  "| Реклама                     | 100         |",
                                  "| Производство                | 2501        |",
                                  "| Дизайнерские работы         | 0           |",
                                  "| Разработка новых технологий | 1000        |",
                                  "| Ресурсы                     | 400         |",
                                  "| Увеличение мощности фабрики | -250        |",
                                  "| Банковский процент          | 0           |",
                                  "| Заем                        | 0           |",
                                  "| Налоги                      | 300         |",
                                  frame,
                                  "| Итого                       | 4051        |",
                                  frame,
                                  "| Прибыль                     | 5000        |",
                                  frame,
                                  "| Чистая прибыль              | 949         |",
                                  frame,
                                  "| Денег на начало хода        | 30949       |",
                                  frame,
                                  " Text'O'Phone - только качественная связь! "};
    EXPECT_EQ(faxOf(w, "Объединённые спортивные мануфактуры", "Константин Константинопольский"),
              expected);
}

// The money is rounded as it goes through the rows, so the rounded rows add up and
// the last line is the money there, rounded once.
TEST(AccountantFax, SumsComeFromTheWrittenFigures) {
    struct Case {
        const char* what;
        TWeekRecord week; // AdvExp, Usage, Costs, Salary, RL, Dev, RMCost, Constr, Interest,
                          // Taxes, Revenue, TurnLoan, StartTurnMoney
        const char *total, *profit, *money;
    };
    const Case cases[] = {
        {"advertising 100.4 alone", {100.4f}, "100", "-100", "-100"},
        {"revenue 5000 less 3000, from 30000",
         {0, 3000, 0, 0, 0, 0, 0, 0, 0, 0, 5000, 0, 30000},
         "3000",
         "2000",
         "32000"},
        {"a loan taken lowers the total",
         {500, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -2000},
         "-1500",
         "1500",
         "1500"},
        {"three rows of 0.4 make one dollar", {0, 0.4f, 0, 0, 0, 0.4f, 0.4f}, "1", "-1", "-1"},
        {"two halves make one dollar", {0.5f, 0, 0, 0, 0, 0, 0, 0, 0, 0.5f}, "1", "-1", "-1"},
        {"revenue takes up the rounding",
         {0, 0.4f, 0, 0, 0, 0, 0, 0, 0, 0, 999.6f},
         "0",
         "999",
         "999"},
        {"a figure wider than its column",
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 123456790528.0f},
         "0",
         "123456790528",
         "123456790528"},
        {"the starting money as written",
         {0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.4f},
         "1",
         "-1",
         "-1"},
    };
    const auto figure = [](const QString& row) { return row.mid(32).chopped(2).trimmed(); };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QStringList lines = faxOf(c.week);
        EXPECT_EQ(figure(rowOf(lines, "Итого")), c.total);
        EXPECT_EQ(figure(rowOf(lines, "Чистая прибыль")), c.profit);
        EXPECT_EQ(figure(rowOf(lines, "Денег на начало хода")), c.money);
    }
    EXPECT_EQ(rowOf(faxOf(cases[2].week), "Заем"), "| Заем                        | -2000       |");
}

TEST(AccountantFax, DatedWithTheSettledWeek) {
    const std::pair<TCalendar, const char*> cases[] = {{date(2026, 3, 3), "2026.3.2"},
                                                       {date(2026, 12, 4), "2026.12.3"},
                                                       {date(2026, 3, 1), "2026.2.4"},
                                                       {date(2027, 1, 1), "2026.12.4"}};
    for (const auto& [today, settled] : cases)
        EXPECT_EQ(AccountantFax::Lines(TZorvick(1), today)[5], QString(" Дата: ") + settled);
}

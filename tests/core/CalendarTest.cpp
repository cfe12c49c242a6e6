#include "core/game/TCalendar.h"

#include <gtest/gtest.h>

TEST(TCalendar, StartsAtWeekOneOfTodaysMonth) {
    const TCalendar c(QDate(2026, 3, 29));
    EXPECT_EQ(c.DateText(), "2026.3.1");
    EXPECT_EQ(c.StatusText(), "год: 2026; месяц: 3; неделя: 1.");
}

TEST(TCalendar, FourWeeksToAMonthTwelveMonthsToAYear) {
    TCalendar c(QDate(2026, 12, 8));
    c.AdvanceWeek();
    EXPECT_EQ(c.DateText(), "2026.12.2");
    c.AdvanceWeek();
    c.AdvanceWeek();
    c.AdvanceWeek();
    EXPECT_EQ(c.DateText(), "2027.1.1");
    for (int i = 0; i < 48; ++i)
        c.AdvanceWeek();
    EXPECT_EQ(c.DateText(), "2028.1.1");
    TCalendar march(QDate(2026, 3, 1));
    march.AdvanceWeek();
    EXPECT_EQ(march.StatusText(), "год: 2026; месяц: 3; неделя: 2.");
}

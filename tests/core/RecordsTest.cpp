#include "core/model/player.h"

#include <QJsonArray>
#include <QJsonObject>
#include <cstring>
#include <gtest/gtest.h>

TEST(TZorvick, StartsWithItsDefaults) {
    const TZorvick company(1);
    EXPECT_EQ(company.Money, 30000.0f);
    EXPECT_EQ(company.TechLevel, 1);
    EXPECT_EQ(company.IndustryCount, 1);
    ASSERT_EQ(company.Industries.size(), 1u);
    EXPECT_EQ(company.Industries[0].Buildings.size(), 1u);
    EXPECT_EQ(company.Industries[0].Storages.size(), 2u);
    EXPECT_TRUE(company.Letters.empty());
    EXPECT_FALSE(company.HasUnread());
    EXPECT_EQ(company.HistoryCount, 0);
    EXPECT_TRUE(company.Expences.AdvExp.empty());
    EXPECT_TRUE(company.Expences.StartTurnMoney.empty());
    EXPECT_FALSE(company.Bankrupt);
    EXPECT_FALSE(company.Removed);
    EXPECT_EQ(company.Debt, 0.0f);
}

TEST(TExpences, AWeekReadsBackIntoTheSameNamedValues) {
    TExpences e;
    const TWeekRecord in{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    e.AddWeek(in);
    const TWeekRecord out = e.Week(0);
    EXPECT_EQ(e.Usage.back(), 2);
    EXPECT_EQ(e.Taxes.back(), 10);
    EXPECT_EQ(e.StartTurnMoney.back(), 13);
    EXPECT_EQ(std::memcmp(&in, &out, sizeof in), 0);
}

TEST(TExpences, TwelveWeeksKeepWeeksThreeToTwelve) {
    TZorvick company(1);
    for (int week = 1; week <= 12; ++week) {
        const float w = float(week);
        company.RecordWeek({w, w + 100, w, w, w, w, w, w, w, w, w, w, w + 0.5f});
    }
    EXPECT_EQ(company.HistoryCount, 10);
    const TExpences& e = company.Expences;
    for (const TExpences::Series* s :
         {&e.AdvExp, &e.Constr, &e.Costs, &e.Dev, &e.RL, &e.Taxes, &e.RMCost, &e.Revenue, &e.Salary,
          &e.Usage, &e.Interest, &e.TurnLoan, &e.StartTurnMoney})
        EXPECT_EQ(s->size(), 10u);
    EXPECT_EQ(e.AdvExp.front(), 3);
    EXPECT_EQ(e.AdvExp.back(), 12);
    EXPECT_EQ(e.Usage.front(), 103);
    EXPECT_EQ(e.StartTurnMoney.back(), 12.5f);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(e.Revenue[std::size_t(i)], float(i + 3));
}

TEST(TZorvick, MailboxPostsDeletesAndMarksRead) {
    TZorvick company(1);
    company.DeleteLetter(0); // an empty mailbox stays empty
    company.PostLetter("design@zorvick.ru", "Дизайнерская группа", "first\r\nline", "2026.3.2");
    company.PostLetter("ads@zorvick.ru", "Рекламное Агенство", "second", "2026.3.2");
    ASSERT_EQ(company.Letters.size(), 2u);
    EXPECT_TRUE(company.Letters[0].Unread);
    EXPECT_EQ(company.Letters[0].Date, "2026.3.2");
    EXPECT_EQ(company.Letters[0].From, "design@zorvick.ru");
    EXPECT_EQ(company.Letters[0].Subject, "Дизайнерская группа");
    EXPECT_EQ(company.Letters[0].Text, "first\r\nline");
    company.Letters[0].MarkRead();
    EXPECT_TRUE(company.HasUnread());
    company.Letters[1].MarkRead();
    EXPECT_FALSE(company.HasUnread());
    company.DeleteLetter(0);
    ASSERT_EQ(company.Letters.size(), 1u);
    EXPECT_EQ(company.Letters[0].Text, "second");
    company.DeleteLetter(5);
    company.DeleteLetter(-1);
    EXPECT_EQ(company.Letters.size(), 1u);
    company.DeleteLetter(0);
    EXPECT_TRUE(company.Letters.empty());
}

TEST(TZorvick, WritesTheWholeTreeAsJson) {
    TZorvick company(1);
    company.Title = "Спорт";
    company.PostLetter("a", "b", "c", "2026.1.1");
    company.RecordWeek({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13});
    const QJsonObject json = company.toJson();
    EXPECT_EQ(json["Title"].toString(), "Спорт");
    EXPECT_EQ(json["Money"].toDouble(), 30000);
    EXPECT_EQ(json["Letters"].toArray().size(), 1);
    EXPECT_EQ(json["Expences"].toObject()["Taxes"].toArray()[0].toDouble(), 10);
    const QJsonObject industry = json["Industries"].toArray()[0].toObject();
    EXPECT_EQ(industry["Land"].toInt(), 2000);
    const QJsonObject building = industry["Buildings"].toArray()[0].toObject();
    EXPECT_EQ(building["Size"].toInt(), 500);
    EXPECT_EQ(building["WorkPlaces"].toArray().size(), 10);
    EXPECT_EQ(industry["Storages"].toArray()[1].toObject()["Kind"].toInt(), 1);
    EXPECT_EQ(toJson(TAdvExp{250.5f, 2})["AdvExp"].toDouble(), 250.5);
}

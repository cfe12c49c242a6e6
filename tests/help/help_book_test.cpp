#include "core/platform/HelpBook.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

namespace {

const QString Sample =
    QStringLiteral("<html><body>"
                   "<section data-topic=\"3\" data-keywords=\"Банк; кредит; Ёлка\">"
                   "<h1>Банк &amp; кредит</h1><p>Процент за неделю. Кредит, кредит!</p>"
                   "<p>См. <a href=\"#topic-1\">поле</a>.</p></section>"
                   "<section data-topic=\"1\" data-keywords=\"поле; банк\"><h1>Поле</h1>"
                   "<p>Кнопка &laquo;БАНК&raquo; и ёлка.</p></section>"
                   "<section data-topic=\"x\"><h1>Без номера</h1></section>"
                   "<section data-topic=\"1\"><h1>Повтор</h1></section>"
                   "</body></html>");

TEST(HelpBook, ParsesNumberedTopicsInFileOrder) {
    const HelpBook book = HelpBook::parse(Sample);
    ASSERT_EQ(book.topics().size(), 2); // no number, and a repeated number, are not topics
    EXPECT_EQ(book.topics()[0].number, 3);
    EXPECT_EQ(book.topics()[1].number, 1);
    ASSERT_NE(book.topic(3), nullptr);
    EXPECT_EQ(book.topic(3)->title, QStringLiteral("Банк & кредит"));
    EXPECT_EQ(book.topic(1)->title, QStringLiteral("Поле"));
    EXPECT_TRUE(book.topic(1)->text.contains(QStringLiteral("«БАНК»")));
    EXPECT_FALSE(book.topic(1)->text.contains(QLatin1Char('<')));
    EXPECT_EQ(book.topic(2), nullptr);
    EXPECT_TRUE(HelpBook::parse(QStringLiteral("<p>no topics</p>")).isEmpty());
    EXPECT_TRUE(HelpBook::load(QStringLiteral("/nonexistent/zorvick.hlp")).isEmpty());
}

TEST(HelpBook, IndexMergesKeywordsIgnoringCaseAndSortsThemInRussianOrder) {
    const HelpBook book = HelpBook::parse(Sample);
    EXPECT_EQ(book.keywords(), (QStringList{QStringLiteral("Банк"), QStringLiteral("Ёлка"),
                                            QStringLiteral("кредит"), QStringLiteral("поле")}));
    EXPECT_EQ(book.topicsForKeyword(QStringLiteral("БАНК")), (QList<int>{3, 1}));
    EXPECT_EQ(book.topicsForKeyword(QStringLiteral("елка")), QList<int>{3});
    EXPECT_TRUE(book.topicsForKeyword(QStringLiteral("склад")).isEmpty());
}

TEST(HelpBook, SearchNeedsEveryWordIgnoresCaseAndRanksByHits) {
    const HelpBook book = HelpBook::parse(Sample);
    EXPECT_EQ(book.search(QStringLiteral("КРЕДИТ")), QList<int>{3});
    EXPECT_EQ(book.search(QStringLiteral("банк")), (QList<int>{3, 1}));
    EXPECT_EQ(book.search(QStringLiteral("ЕЛКА")), QList<int>{1}); // ё found as е
    EXPECT_EQ(book.search(QStringLiteral("банк процент")), QList<int>{3});
    EXPECT_TRUE(book.search(QStringLiteral("банк склад")).isEmpty());
    EXPECT_TRUE(book.search(QStringLiteral("   ")).isEmpty());
    // Markup is not text: a tag name must not be found.
    EXPECT_TRUE(book.search(QStringLiteral("section")).isEmpty());
}

TEST(HelpBook, LinkTargets) {
    EXPECT_EQ(HelpBook::linkTarget(QStringLiteral("#topic-12")), 12);
    EXPECT_EQ(HelpBook::linkTarget(QStringLiteral("topic-3")), 3);
    EXPECT_EQ(HelpBook::linkTarget(QStringLiteral("http://example.org")), 0);
}

// The game's own manual.
class Manual : public ::testing::Test {
protected:
    HelpBook book = HelpBook::load(QStringLiteral(ZORVICK_HELP_SOURCE));
};

TEST_F(Manual, HasTheTopicsTheGameOpensByNumber) {
    ASSERT_FALSE(book.isEmpty());
    ASSERT_NE(book.topic(1), nullptr); // F1 on the board
    ASSERT_NE(book.topic(2), nullptr); // F1 in the asset dialogs
    ASSERT_NE(book.topic(5), nullptr); // F1 in the setup dialogs
    EXPECT_TRUE(book.topic(1)->text.contains(QStringLiteral("Следующий Игрок")));
    EXPECT_TRUE(book.topic(2)->text.contains(QStringLiteral("Купить/Продать")));
    EXPECT_TRUE(book.topic(5)->text.contains(QStringLiteral("от 2 до 10")));
    for (const HelpTopic& t : book.topics()) {
        EXPECT_FALSE(t.title.isEmpty()) << t.number;
        EXPECT_FALSE(t.keywords.isEmpty()) << t.number;
    }
}

TEST_F(Manual, EveryLinkLeadsToATopic) {
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    int links = 0;
    for (const HelpTopic& t : book.topics())
        for (auto it = href.globalMatch(t.html); it.hasNext(); ++links) {
            const QString target = it.next().captured(1);
            EXPECT_NE(book.topic(HelpBook::linkTarget(target)), nullptr)
                << t.number << " -> " << target.toStdString();
        }
    EXPECT_GT(links, 10);
}

TEST_F(Manual, IndexAndSearchFindWhatAPlayerLooksFor) {
    EXPECT_TRUE(book.topicsForKeyword(QStringLiteral("кредит")).contains(8));
    EXPECT_TRUE(book.topicsForKeyword(QStringLiteral("банкротство")).contains(11));
    const QList<int> cost = book.search(QStringLiteral("себестоимость"));
    ASSERT_FALSE(cost.isEmpty());
    EXPECT_EQ(cost.first(), 4);
    EXPECT_TRUE(book.search(QStringLiteral("ПОБЕДИТЕЛЬ")).contains(11));
}

} // namespace

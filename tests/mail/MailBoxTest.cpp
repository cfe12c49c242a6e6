// The mailbox's rules: rows, opening a letter by its subject, the selected index
// and deletion.
#include "MailFixture.h"
#include "core/mail/TMailBox.h"
#include "core/model/player.h"

#include <gtest/gtest.h>
#include <utility>

namespace {

struct Box {
    Box() : box(*game.controller) {
        for (const char* subject : {"A", "B", "C"})
            game.post(0, subject);
        box.Open();
    }
    QStringList marks() {
        QStringList out;
        for (const TMailRow& row : box.Rows())
            out << row.Mark;
        return out;
    }

    MailGame game;
    TMailBox box;
};

TEST(MailBox, RowsReadAsTheLettersAndTheCaptionAsAnAddress) {
    Box b;
    b.game.player(0).Letters[1].MarkRead();
    const std::vector<TMailRow> rows = b.box.Rows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (TMailRow{"A", "!", "from@sportprom.zv", "2026.12.1"}));
    EXPECT_EQ(rows[1].Mark, " ");
    EXPECT_EQ(TMailBox::Caption("Ann"), "Почта - Ann@sportprom.zv");
}

TEST(MailBox, OpeningTheMiddleUnreadLetterMarksOnlyIt) {
    Box b;
    EXPECT_EQ(b.box.MouseDown(1, true), TMailBox::Click::Opened);
    EXPECT_EQ(b.marks(), QStringList({"!", " ", "!"}));
    EXPECT_EQ(b.box.SelectedText(), "Text of B");
    EXPECT_EQ(b.box.RowToSelect(), 1);
}

TEST(MailBox, PressesOffASubjectOpenNothing) {
    Box b;
    ASSERT_EQ(b.box.MouseDown(2, true), TMailBox::Click::Opened);
    EXPECT_EQ(b.box.MouseDown(-1, false), TMailBox::Click::NoRow);
    EXPECT_EQ(b.box.MouseDown(0, false), TMailBox::Click::OffSubject);
    // The marks stay as the last opened letter left them, but it is no longer the
    // one deletion finds.
    EXPECT_EQ(b.box.SelectedIndex(), -1);
    EXPECT_EQ(b.marks(), QStringList({"!", "!", " "}));
    EXPECT_FALSE(b.box.Delete());
    EXPECT_EQ(b.game.subjects(0), QStringList({"A", "B", "C"}));
}

// Whichever letter goes, the one that moves up (unread, unseen) is not the next target.
TEST(MailBox, DeletingTheOpenedLetterLeavesNoneChosen) {
    for (const auto& [opened, left] :
         {std::pair{0, QStringList{"B", "C"}}, std::pair{2, QStringList{"A", "B"}}}) {
        Box b;
        ASSERT_EQ(b.box.MouseDown(opened, true), TMailBox::Click::Opened);
        EXPECT_TRUE(b.box.Delete());
        EXPECT_EQ(b.box.RowToSelect(), -1);
        EXPECT_FALSE(b.box.Delete());
        EXPECT_EQ(b.game.subjects(0), left);
    }
}

TEST(MailBox, AnEmptyMailboxHasNoRowsAndTheDeleteKeyIsIdle) {
    MailGame game;
    TMailBox box(*game.controller);
    box.Open();
    EXPECT_TRUE(box.Rows().empty());
    EXPECT_FALSE(box.DeleteKeyActs());
    EXPECT_FALSE(box.Delete());
    EXPECT_EQ(box.MouseDown(-1, false), TMailBox::Click::NoRow);
    EXPECT_EQ(box.SelectedText(), "");
}

TEST(MailBox, EachOpeningStartsWithoutASelectionAndStopsTheFlashing) {
    Box b;
    ASSERT_EQ(b.box.MouseDown(0, true), TMailBox::Click::Opened);
    b.game.post(1, "For Bob");
    ASSERT_EQ(b.game.controller->EndMove("0", "0", "0"), TGameController::MoveResult::Ended);
    ASSERT_EQ(b.game.controller->Game().CurrentPlayer, 1);
    ASSERT_TRUE(b.game.controller->MailFlashing());
    b.box.Open();
    EXPECT_FALSE(b.game.controller->MailFlashing());
    EXPECT_EQ(b.box.SelectedIndex(), -1);
    // Bob's Delete key finds nothing chosen: Ann's choice does not carry over.
    EXPECT_TRUE(b.box.DeleteKeyActs());
    EXPECT_FALSE(b.box.Delete());
    EXPECT_EQ(b.game.subjects(1), QStringList({"For Bob"}));
}

TEST(MailBox, TheSubjectTestIsStrictOnEverySide) {
    const QRect subject(10, 20, 100, 16); // pixels 10..109 by 20..35
    const struct {
        QPoint at;
        bool inside;
    } cases[] = {{{10, 28}, false}, {{11, 28}, true},  {{109, 28}, true}, {{110, 28}, false},
                 {{50, 20}, false}, {{50, 21}, true},  {{50, 35}, true},  {{50, 36}, false},
                 {{60, 28}, true},  {{200, 28}, false}};
    for (const auto& c : cases)
        EXPECT_EQ(TMailBox::OnSubject(subject, c.at), c.inside) << c.at.x() << "," << c.at.y();
}

} // namespace

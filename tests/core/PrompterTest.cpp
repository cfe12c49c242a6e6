#include "core/platform/ScriptedPrompter.h"

#include <gtest/gtest.h>

TEST(ScriptedPrompter, AnswersQuestionsInOrderAndRecordsEveryBox) {
    ScriptedPrompter prompter;
    prompter.queue({true, false});
    prompter.error("refused");
    EXPECT_TRUE(prompter.question("first?"));
    prompter.warning("careful");
    EXPECT_FALSE(prompter.warningQuestion("second?", "Однако здравствуйте"));
    ASSERT_EQ(prompter.boxes().size(), 4);
    EXPECT_EQ(prompter.boxes()[0].title, "Однако здравствуйте!");
    EXPECT_EQ(prompter.boxes()[3].title, "Однако здравствуйте");
    EXPECT_EQ(prompter.boxes()[2].kind, Prompter::Kind::Warning);
    EXPECT_EQ(prompter.texts(), QStringList({"refused", "first?", "careful", "second?"}));
    EXPECT_TRUE(prompter.failures().isEmpty());
}

TEST(ScriptedPrompter, UnexpectedQuestionFailsOrIsAnsweredNo) {
    ScriptedPrompter strict;
    EXPECT_THROW(strict.question("who asked?"), ScriptedPrompter::UnexpectedQuestion);
    EXPECT_EQ(strict.failures(), QStringList({"who asked?"}));

    ScriptedPrompter lenient(ScriptedPrompter::OnUnexpected::AnswerNo);
    int reported = 0;
    lenient.onBox = [&](const ScriptedPrompter::Box& box, bool unexpected) {
        reported += unexpected;
        EXPECT_FALSE(box.answer);
    };
    EXPECT_FALSE(lenient.question("who asked?"));
    EXPECT_EQ(reported, 1);
    EXPECT_EQ(lenient.failures().size(), 1);
}

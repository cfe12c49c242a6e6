#include "core/platform/NumberText.h"
#include "core/platform/ScriptedPrompter.h"

#include <gtest/gtest.h>
#include <limits>

TEST(NumberText, WholeRoundsHalvesAwayFromZero) {
    EXPECT_EQ(NumberText::whole(0.5), "1");
    EXPECT_EQ(NumberText::whole(1.5), "2");
    EXPECT_EQ(NumberText::whole(2.5), "3");
    EXPECT_EQ(NumberText::whole(-2.5), "-3");
    EXPECT_EQ(NumberText::whole(1000.6f), "1001");
    EXPECT_EQ(NumberText::whole(1234.4f), "1234");
    EXPECT_EQ(NumberText::whole(-0.4), "0");
    EXPECT_EQ(NumberText::whole(30000.0f), "30000");
    EXPECT_EQ(NumberText::whole(123456789.0), "123456789");
}

TEST(NumberText, MoneyHasTwoDecimalsAndComma) {
    EXPECT_EQ(NumberText::money(0), "0,00");
    EXPECT_EQ(NumberText::money(3.5), "3,50");
    EXPECT_EQ(NumberText::money(450000), "450000,00");
    EXPECT_EQ(NumberText::money(0.125), "0,13"); // an exact half
    EXPECT_EQ(NumberText::money(-0.125), "-0,13");
    EXPECT_EQ(NumberText::money(2.675f), "2,67"); // the float lies below the half
    EXPECT_EQ(NumberText::money(-0.001), "0,00");
    // (0.5 + 0.2) x 5 in single precision, as the building's refusal computes it.
    EXPECT_EQ(NumberText::money((double(0.5f) + double(0.2f)) * 5), "3,50");
}

TEST(NumberText, ShortestReadsBackAsTheSameFloat) {
    EXPECT_EQ(NumberText::shortest(102000.0f), "102000");
    EXPECT_EQ(NumberText::shortest(5000.0f), "5000");
    EXPECT_EQ(NumberText::shortest(1.5f), "1,5");
    EXPECT_EQ(NumberText::shortest(0.1f), "0,1");
    EXPECT_EQ(NumberText::shortest(0.0f), "0");
    EXPECT_EQ(NumberText::shortest(-0.0f), "0");
    EXPECT_EQ(NumberText::shortest(-229.5f), "-229,5");
    for (float v : {0.3f, 1.1f, 1000.6f, 3.4e38f, 1e-7f, 123456.789f, 7e20f}) {
        QString text = NumberText::shortest(v);
        const auto back = NumberText::parseFloat(text);
        ASSERT_TRUE(back.has_value()) << text.toStdString();
        EXPECT_EQ(*back, v) << text.toStdString();
    }
}

TEST(NumberText, FillReplacesEachPlaceholderInOrder) {
    EXPECT_EQ(NumberText::fill("только %d м2 на сумму %d $", {8000, 80000}),
              "только 8000 м2 на сумму 80000 $");
    EXPECT_EQ(NumberText::fill("%d%%d", {1, 2}), "1%2");
    EXPECT_EQ(NumberText::fill("no placeholder", {5}), "no placeholder");
    EXPECT_EQ(NumberText::fill("%d and %d", {-7}), "-7 and %d");
}

TEST(NumberText, ParseIntAcceptsOnlyWholeNumbersIn32Bits) {
    EXPECT_EQ(NumberText::parseInt("42"), 42);
    EXPECT_EQ(NumberText::parseInt(" -17 "), -17);
    EXPECT_EQ(NumberText::parseInt("+5"), 5);
    EXPECT_EQ(NumberText::parseInt("2147483647"), 2147483647);
    EXPECT_FALSE(NumberText::parseInt("2147483648"));
    EXPECT_FALSE(NumberText::parseInt(""));
    EXPECT_FALSE(NumberText::parseInt("-"));
    EXPECT_FALSE(NumberText::parseInt("ab"));
    EXPECT_FALSE(NumberText::parseInt("1.5"));
    EXPECT_FALSE(NumberText::parseInt("1 2"));
    EXPECT_FALSE(NumberText::parseInt("٣")); // a digit, but not one the player types
}

TEST(NumberText, ParseFloatAcceptsCommaOrPoint) {
    EXPECT_EQ(NumberText::parseFloat("1,5"), 1.5f);
    EXPECT_EQ(NumberText::parseFloat("1.5"), 1.5f);
    EXPECT_EQ(NumberText::parseFloat("1000,6"), 1000.6f);
    EXPECT_EQ(NumberText::parseFloat("-3"), -3.0f);
    EXPECT_EQ(NumberText::parseFloat(",5"), 0.5f);
    EXPECT_EQ(NumberText::parseFloat("5."), 5.0f);
    EXPECT_EQ(NumberText::parseFloat("1e3"), 1000.0f);
    EXPECT_FALSE(NumberText::parseFloat("1,5,0"));
    EXPECT_FALSE(NumberText::parseFloat("1.5.0"));
    EXPECT_FALSE(NumberText::parseFloat("abc"));
    EXPECT_FALSE(NumberText::parseFloat("nan"));
    EXPECT_FALSE(NumberText::parseFloat("inf"));
    EXPECT_FALSE(NumberText::parseFloat("1e50"));
    EXPECT_FALSE(NumberText::parseFloat("1e"));
    EXPECT_FALSE(NumberText::parseFloat("."));
    EXPECT_FALSE(NumberText::parseFloat(""));
}

TEST(NumberText, ReadReportsTheConversionErrorUnderTheApplicationTitle) {
    ScriptedPrompter prompter;
    EXPECT_FALSE(NumberText::readInt("ab", prompter));
    EXPECT_FALSE(NumberText::readFloat("1,2,3", prompter));
    EXPECT_EQ(NumberText::readInt("12", prompter), 12);
    ASSERT_EQ(prompter.boxes().size(), 2);
    EXPECT_EQ(prompter.boxes()[0].kind, Prompter::Kind::Error);
    EXPECT_EQ(prompter.boxes()[0].title, "Zorvick");
    EXPECT_EQ(prompter.boxes()[0].text, "'ab' is not a valid integer value.");
    EXPECT_EQ(prompter.boxes()[1].text, "'1,2,3' is not a valid floating point value.");
}

#include "core/platform/IniFile.h"
#include "core/platform/TextFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(IniFile, NamesMatchWithoutRegardToCase) {
    const IniFile ini =
        IniFile::fromText("[Constants]\r\ncCurrentDebt=Долг: %s $.\r\n[Turn 1]\r\nEMK=1,3\r\n");
    EXPECT_EQ(ini.value("constants", "CCURRENTDEBT", "x"), "Долг: %s $.");
    EXPECT_EQ(ini.value("TURN 1", "emk", "x"), "1,3");
    EXPECT_TRUE(ini.hasSection("turn 1"));
    EXPECT_FALSE(ini.hasSection("Turn 2"));
    EXPECT_EQ(ini.value("Turn 2", "eMK", "fallback"), "fallback");
    EXPECT_EQ(ini.value("Turn 1", "eMSalary", "550"), "550");
}

TEST(IniFile, LinesCommentsBlanksAndQuotes) {
    const QString longValue(5000, QChar(u'ж'));
    const IniFile ini = IniFile::fromText(
        "; a comment\norphan=before any section\n  [ Settings ]  \r  eTurns  =   3  \n; eTurns=9\nnoequals\n=novalue\nquoted=\"  padded  \"\ninline=1 ; not a comment\nempty=\nlong=" +
        longValue + "\n");
    EXPECT_EQ(ini.value("Settings", "eTurns", ""), "3");
    EXPECT_EQ(ini.value("Settings", "quoted", ""), "  padded  ");
    EXPECT_EQ(ini.value("Settings", "inline", ""), "1 ; not a comment");
    EXPECT_EQ(ini.find("Settings", "empty"), QString());
    EXPECT_EQ(ini.value("Settings", "long", "").size(), 5000);
    EXPECT_FALSE(ini.find("Settings", "orphan"));
    EXPECT_FALSE(ini.find("Settings", "noequals"));
}

TEST(IniFile, FirstSectionAndFirstKeyWin) {
    const IniFile ini = IniFile::fromText("[a]\nk=1\nk=2\n[b]\nk=3\n[A]\nk=4\nother=5\n");
    EXPECT_EQ(ini.value("a", "k", ""), "1");
    EXPECT_EQ(ini.value("b", "k", ""), "3");
    EXPECT_FALSE(ini.find("a", "other"));
}

TEST(IniFile, WholeNumbersAsWindowsReadsThem) {
    const IniFile ini = IniFile::fromText(
        "[s]\nlead=010\nhex=0x1A\nHEX=0XfF\nneg=-12\nwords=12 weeks\nnone=abc\nhuge=99999999999\ntiny=-99999999999\nbare=0x\n");
    EXPECT_EQ(ini.intValue("s", "lead", -1), 10);
    EXPECT_EQ(ini.intValue("s", "hex", -1), 26);
    EXPECT_EQ(ini.intValue("s", "neg", -1), -12);
    EXPECT_EQ(ini.intValue("s", "words", -1), 12);
    EXPECT_EQ(ini.intValue("s", "none", -1), -1);
    EXPECT_EQ(ini.intValue("s", "missing", 7), 7);
    EXPECT_EQ(ini.intValue("s", "huge", 0), 2147483647);
    EXPECT_EQ(ini.intValue("s", "tiny", 0), -2147483647 - 1);
    EXPECT_EQ(ini.intValue("s", "bare", 5), 5);
}

TEST(IniFile, LoadsWindows1251AndUtf8WithMark) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString text = "[Constants]\r\ncMaxLoan=Максимальный кредит: %s $.\r\n";
    {
        QFile f(dir.filePath("cp.txt"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(TextFile::encode1251(text));
    }
    {
        QFile f(dir.filePath("utf.txt"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("\xEF\xBB\xBF" + text.toUtf8());
    }
    for (const char* name : {"cp.txt", "utf.txt"}) {
        const IniFile ini = IniFile::load(dir.filePath(name));
        EXPECT_TRUE(ini.isLoaded());
        EXPECT_EQ(ini.value("constants", "cmaxloan", ""), "Максимальный кредит: %s $.") << name;
    }
    const IniFile missing = IniFile::load(dir.filePath("none.txt"));
    EXPECT_FALSE(missing.isLoaded());
    EXPECT_EQ(missing.value("Constants", "cMaxLoan", "built-in"), "built-in");
}

// Arbitrary bytes must never crash the reader or make it disagree with itself.
TEST(IniFile, SurvivesArbitraryInput) {
    std::uint32_t state = 12345;
    const char alphabet[] = "[]=;\r\n \t0x9aZ\"'";
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes;
        const int length = int(state % 400);
        for (int i = 0; i < length; ++i) {
            state = state * 1664525u + 1013904223u;
            const std::uint32_t pick = state >> 24;
            bytes.append(pick % 3 == 0 ? char(pick) : alphabet[pick % (sizeof alphabet - 1)]);
        }
        const IniFile ini = IniFile::fromText(TextFile::decode(bytes));
        const auto found = ini.find("a", "b");
        EXPECT_EQ(ini.value("a", "b", "zz"), found.value_or("zz"));
        (void)ini.intValue("0x9", "Z", 0);
    }
}

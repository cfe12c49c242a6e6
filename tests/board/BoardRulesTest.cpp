#include "core/board/BoardRules.h"
#include "core/board/SetupRules.h"
#include "core/board/TLabelTexts.h"
#include "core/board/WeeklyInputs.h"
#include "core/platform/IniFile.h"
#include "core/platform/ScriptedPrompter.h"
#include "core/platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TLabelTexts textsOf(const QString& iniText) {
    return TLabelTexts(IniFile::fromText(iniText));
}

const QString debtText = QStringLiteral("Долг: %s $.");

} // namespace

// ---------------------------------------------------------------- label texts

TEST(LabelText, MissingFileGivesTheBuiltInTextAndFillsIt) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const TLabelTexts texts = TLabelTexts::Open(GameFolder(dir.path()));
    EXPECT_FALSE(texts.isLoaded());
    ScriptedPrompter prompter;
    EXPECT_EQ(texts.LabelText("cCurrentDebt", debtText, 1234.4, prompter),
              QStringLiteral("Долг: 1234 $."));
    EXPECT_EQ(texts.LabelText("cCurrentDebt", debtText), debtText);
    EXPECT_TRUE(prompter.boxes().isEmpty());
}

TEST(LabelText, MissingKeyOrSectionGivesTheBuiltInText) {
    ScriptedPrompter prompter;
    const TLabelTexts otherKey = textsOf("[Constants]\ncMaxLoan=Кредит %s\n");
    EXPECT_EQ(otherKey.LabelText("cCurrentDebt", debtText, 10, prompter),
              QStringLiteral("Долг: 10 $."));
    const TLabelTexts otherSection = textsOf("[Other]\ncCurrentDebt=Нет %s\n");
    EXPECT_EQ(otherSection.LabelText("cCurrentDebt", debtText, 10, prompter),
              QStringLiteral("Долг: 10 $."));
    EXPECT_TRUE(prompter.boxes().isEmpty());
}

TEST(LabelText, FileTemplateIsFilledWithTheRoundedNumberAndKeysIgnoreCase) {
    ScriptedPrompter prompter;
    const TLabelTexts texts = textsOf("[constants]\nCCURRENTDEBT=Должок %s долларов\n");
    EXPECT_EQ(texts.LabelText("cCurrentDebt", debtText, 1234.5, prompter),
              QStringLiteral("Должок 1235 долларов"));
    EXPECT_EQ(texts.LabelText("cCurrentDebt", debtText, -0.4, prompter),
              QStringLiteral("Должок 0 долларов"));
}

TEST(LabelText, CaptionShowsTheTemplateUnfilled) {
    const TLabelTexts texts =
        textsOf("[Constants]\ncCurrentWorkersAmount=Текущее количество: %s чел.\n");
    ScriptedPrompter prompter;
    EXPECT_EQ(texts.LabelText("cCurrentWorkersAmount", "Текущее количество: %s чел.", 7, prompter),
              QStringLiteral("Текущее количество: 7 чел."));
    EXPECT_EQ(texts.LabelText("cCurrentWorkersAmount", "Текущее количество"),
              QStringLiteral("Текущее количество: %s чел."));
}

TEST(LabelText, PercentSignsDoubledOrStrayAreKept) {
    ScriptedPrompter prompter;
    const TLabelTexts none;
    // The bank's built-in text has a lone "%" before the full stop.
    EXPECT_EQ(none.LabelText("cBankInterest", "Текущий процент: %s %.", 30, prompter),
              QStringLiteral("Текущий процент: 30 %."));
    const TLabelTexts doubled = textsOf("[Constants]\ncBankInterest=Ставка %s%% в неделю\n");
    EXPECT_EQ(doubled.LabelText("cBankInterest", "Текущий процент: %s %.", 12.6, prompter),
              QStringLiteral("Ставка 13% в неделю"));
    EXPECT_EQ(TLabelTexts::Format("100%", "1"), QStringLiteral("100%"));
    EXPECT_EQ(TLabelTexts::Format("% %s", "1"), QStringLiteral("% 1"));
    EXPECT_EQ(TLabelTexts::Format("%s, 5% и %", "1"), QStringLiteral("1, 5% и %"));
    EXPECT_EQ(TLabelTexts::Format("%%s", "1"), QStringLiteral("%s"));
    EXPECT_TRUE(prompter.boxes().isEmpty());
}

TEST(LabelText, OtherConversionFailsWithTheFormatError) {
    for (const char* tmpl :
         {"Долг: %d $.", "Долг: %f", "%x", "%s и %s", "%D", "%S", "%5s", "%-8d", "%.2f $"}) {
        ScriptedPrompter prompter;
        const TLabelTexts texts = textsOf(QStringLiteral("[Constants]\ncCurrentDebt=") + tmpl);
        EXPECT_EQ(texts.LabelText("cCurrentDebt", debtText, 5, prompter), std::nullopt) << tmpl;
        ASSERT_EQ(prompter.boxes().size(), 1) << tmpl;
        EXPECT_EQ(prompter.last().kind, Prompter::Kind::Error);
        EXPECT_EQ(prompter.last().title, QStringLiteral("Zorvick"));
        EXPECT_EQ(prompter.last().text,
                  QStringLiteral("Format '") + tmpl +
                      QStringLiteral("' invalid or incompatible with argument."));
    }
}

TEST(LabelText, FileIsReadAsWindows1251) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath("Constants.TXT"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(TextFile::encode1251("[Constants]\r\ncMaxLoan=Лимит: %s $\r\n"));
    file.close();
    const TLabelTexts texts = TLabelTexts::Open(GameFolder(dir.path()));
    ScriptedPrompter prompter;
    EXPECT_EQ(texts.LabelText("cMaxLoan", "Максимальный кредит: %s $.", 90000, prompter),
              QStringLiteral("Лимит: 90000 $"));
}

// The shipped file must not change what a window shows: every key it sets holds
// the built-in text of the window that reads it.
TEST(LabelText, ShippedFileAgreesWithTheBuiltInTexts) {
    const TLabelTexts texts = TLabelTexts::Open(GameFolder(ZORVICK_SOURCE_DIR));
    ASSERT_TRUE(texts.isLoaded());
    const std::pair<const char*, const char*> templates[] = {
        {"cCurrentDebt", "Долг: %s $."},
        {"cMaxLoan", "Максимальный кредит: %s $."},
        {"cBankInterest", "Текущий процент: %s %."},
        {"cCurrentCost", "Текущая себестоимось: %s чел."},
        {"cCurrentProductionAmount", "Максимум продукции: %s ед."},
        {"cCurrentRawMaterialsAmount", "Текущее количество: %s ед."},
        {"cMaxRawMaterialsAmount", "Максимальное количество: %s ед."},
        {"cCurrentWorkersAmount", "Текущее количество: %s чел."},
        {"cMaxWorkersAmount", "Максимальное количество: %s чел."},
    };
    const std::pair<const char*, const char*> captions[] = {
        {"cCurrentRawMaterialsAmount", "Текущее количество"},
        {"cMaxRawMaterialsAmount", "Максимальное количество"},
        {"cCurrentWorkersAmount", "Текущее количество"},
        {"cMaxWorkersAmount", "Максимальное количество"},
        {"cProductionAmount", "Текущее количество"},
        {"cMaxProductionAmount", "Максимальное количество"},
        {"cCurrentDevelopmentInvestement", "Текущее количество"},
        {"cMaxDevelopmentInvestement", "Максимальное количество"},
    };
    const TLabelTexts none;
    ScriptedPrompter prompter;
    for (const auto& [key, text] : templates)
        EXPECT_EQ(texts.LabelText(key, text, 42, prompter), none.LabelText(key, text, 42, prompter))
            << key;
    for (const auto& [key, text] : captions)
        EXPECT_EQ(texts.LabelText(key, text), QString::fromUtf8(text)) << key;
    EXPECT_TRUE(prompter.boxes().isEmpty());
}

// ---------------------------------------------------------------- weekly inputs

TEST(WeeklyInputs, ProdIsCappedByTheSuitsInStock) {
    ScriptedPrompter prompter;
    auto capped = WeeklyInputs::ProdChanged("500", 120, prompter);
    EXPECT_EQ(capped.replacement, QStringLiteral("120"));
    EXPECT_FALSE(capped.selectAll);
    EXPECT_EQ(WeeklyInputs::ProdChanged("120", 120, prompter).replacement, std::nullopt);
    EXPECT_EQ(WeeklyInputs::ProdChanged("7", 120, prompter).replacement, std::nullopt);
    EXPECT_EQ(WeeklyInputs::ProdChanged("1", 0, prompter).replacement, QStringLiteral("0"));
    EXPECT_TRUE(prompter.boxes().isEmpty());
}

TEST(WeeklyInputs, EmptyTextBecomesZeroSelected) {
    ScriptedPrompter prompter;
    for (const auto& outcome :
         {WeeklyInputs::ProdChanged("", 50, prompter),
          WeeklyInputs::AdvExpChanged("", 50, prompter), WeeklyInputs::PriceChanged("")}) {
        EXPECT_EQ(outcome.replacement, QStringLiteral("0"));
        EXPECT_TRUE(outcome.selectAll);
    }
    EXPECT_EQ(WeeklyInputs::PriceChanged("99999,5").replacement, std::nullopt);
}

TEST(WeeklyInputs, AdvertisingIsCappedByTheMoneyRounded) {
    ScriptedPrompter prompter;
    EXPECT_EQ(WeeklyInputs::AdvExpChanged("5000", 1000.6f, prompter).replacement,
              QStringLiteral("1001"));
    // The replacement read again is above the money once more, but gives the same
    // text, so the board stops there.
    EXPECT_EQ(WeeklyInputs::AdvExpChanged("1001", 1000.6f, prompter).replacement,
              QStringLiteral("1001"));
    EXPECT_EQ(WeeklyInputs::AdvExpChanged("1000,5", 1000.6f, prompter).replacement, std::nullopt);
    EXPECT_EQ(WeeklyInputs::AdvExpChanged("1000.7", 1000.6f, prompter).replacement,
              QStringLiteral("1001"));
    EXPECT_TRUE(prompter.boxes().isEmpty());
}

TEST(WeeklyInputs, NegativeMoneyCapsAdvertisingAtZero) {
    ScriptedPrompter prompter;
    EXPECT_EQ(WeeklyInputs::AdvExpChanged("7", -2500.0f, prompter).replacement,
              QStringLiteral("0"));
    EXPECT_EQ(WeeklyInputs::AdvExpChanged("0", -2500.0f, prompter).replacement, std::nullopt);
}

TEST(WeeklyInputs, TextThatIsNoNumberShowsTheConversionErrorAndStays) {
    ScriptedPrompter prompter;
    EXPECT_EQ(WeeklyInputs::AdvExpChanged("1,2,3", 100, prompter).replacement, std::nullopt);
    EXPECT_EQ(WeeklyInputs::ProdChanged("12a", 100, prompter).replacement, std::nullopt);
    ASSERT_EQ(prompter.boxes().size(), 2);
    EXPECT_EQ(prompter.boxes()[0].text,
              QStringLiteral("'1,2,3' is not a valid floating point value."));
    EXPECT_EQ(prompter.boxes()[1].text, QStringLiteral("'12a' is not a valid integer value."));
    EXPECT_EQ(prompter.boxes()[1].title, QStringLiteral("Zorvick"));
    EXPECT_EQ(prompter.boxes()[1].kind, Prompter::Kind::Error);
}

TEST(WeeklyInputs, PatternsRefuseSignsAndASecondSeparator) {
    const QRegularExpression prod(QRegularExpression::anchoredPattern(WeeklyInputs::ProdPattern()));
    const QRegularExpression amount(
        QRegularExpression::anchoredPattern(WeeklyInputs::AmountPattern()));
    for (const char* ok : {"", "0", "120"})
        EXPECT_TRUE(prod.match(ok).hasMatch()) << ok;
    for (const char* bad : {"-5", "+5", "1,5", "1.5", "1e3"})
        EXPECT_FALSE(prod.match(bad).hasMatch()) << bad;
    for (const char* ok : {"", "12", "12,5", "12.5", ",5", "7,"})
        EXPECT_TRUE(amount.match(ok).hasMatch()) << ok;
    for (const char* bad : {"-5", "1,2,3", "1.2.3", "1,2.3", "1e3", "abc"})
        EXPECT_FALSE(amount.match(bad).hasMatch()) << bad;
}

// ---------------------------------------------------------------- setup

TEST(SetupRules, PlayerCountFromTwoToTen) {
    for (const char* text : {"1", "11", "0", "-3", "99"}) {
        const auto check = SetupRules::CheckPlayerCount(text);
        EXPECT_FALSE(check.count) << text;
        EXPECT_EQ(check.message, QStringLiteral("В игру могут играть от 2 до 10 игроков.")) << text;
    }
    for (const char* text : {"ab", "", "2a", "1,5"}) {
        const auto check = SetupRules::CheckPlayerCount(text);
        EXPECT_FALSE(check.count) << text;
        EXPECT_EQ(check.message, QStringLiteral("Введенное значение не является числом!")) << text;
    }
    EXPECT_EQ(SetupRules::CheckPlayerCount("2").count, 2);
    EXPECT_EQ(SetupRules::CheckPlayerCount("10").count, 10);
    EXPECT_EQ(SetupRules::CheckPlayerCount("07").count, 7);
}

TEST(SetupRules, NamesMustNotBeEmptyButMayBeBlank) {
    const QString message = QStringLiteral("Не иметь опозновательных знаков не есть хорошо!");
    auto both = SetupRules::CheckNames("", "");
    EXPECT_EQ(both.focus, SetupRules::NameField::Title);
    EXPECT_EQ(both.message, message);
    EXPECT_EQ(SetupRules::CheckNames("", "Иван").focus, SetupRules::NameField::Title);
    auto noName = SetupRules::CheckNames("Фирма", "");
    EXPECT_EQ(noName.focus, SetupRules::NameField::PlayerName);
    EXPECT_EQ(noName.message, message);
    EXPECT_EQ(SetupRules::CheckNames("   ", "Иван").focus, SetupRules::NameField::None);
    EXPECT_EQ(SetupRules::CheckNames("A", " ").focus, SetupRules::NameField::None);
}

TEST(SetupRules, FacesWrapBothWays) {
    int face = 0;
    for (int i = 0; i < 3; ++i)
        face = SetupRules::NextFace(face, 4);
    EXPECT_EQ(face, 3);
    EXPECT_EQ(SetupRules::NextFace(face, 4), 0);
    EXPECT_EQ(SetupRules::PrevFace(0, 4), 3);
    EXPECT_EQ(SetupRules::PrevFace(2, 4), 1);
    EXPECT_EQ(SetupRules::NextFace(0, 0), 0);
    EXPECT_EQ(SetupRules::EntryCaption(7), QStringLiteral("Ввод данных: Игрок 7"));
}

// A computer's face is one the earlier seats use least, so no two firms look alike
// while faces remain.
TEST(SetupRules, AComputerTakesTheLeastUsedFace) {
    const struct {
        std::vector<int> taken;
        int player, count, face;
    } cases[] = {
        {{0, 0, 0}, 4, 4, 1},    // three people kept the first face
        {{0, 1, 3}, 4, 4, 2},    // the one left
        {{0, 1, 2, 3}, 5, 4, 1}, // all used once: the seat's own
        {{7, -1}, 3, 4, 3},      // faces out of the list count for none
    };
    for (const auto& c : cases)
        EXPECT_EQ(SetupRules::ComputerFace(c.taken, c.player, c.count), c.face) << c.player;
}

// ---------------------------------------------------------------- board

TEST(BoardRules, ShortcutsNeedCtrlAlone) {
    const std::pair<Qt::Key, const char*> keys[] = {
        {Qt::Key_B, "bbBankTrade"},         {Qt::Key_F, "bbIndustryTrade"},
        {Qt::Key_L, "bbResearchTrade"},     {Qt::Key_P, "bbProductionTrade"},
        {Qt::Key_R, "bbRawMaterialsTrade"}, {Qt::Key_S, "bbStaffTrade"}};
    for (const auto& [key, name] : keys) {
        EXPECT_EQ(BoardRules::ShortcutButton(key, Qt::ControlModifier), QString::fromLatin1(name));
        EXPECT_TRUE(BoardRules::ShortcutButton(key, Qt::NoModifier).isEmpty());
        EXPECT_TRUE(BoardRules::ShortcutButton(key, Qt::AltModifier).isEmpty());
        EXPECT_TRUE(
            BoardRules::ShortcutButton(key, Qt::ControlModifier | Qt::ShiftModifier).isEmpty());
        EXPECT_TRUE(
            BoardRules::ShortcutButton(key, Qt::ControlModifier | Qt::AltModifier).isEmpty());
    }
    EXPECT_TRUE(BoardRules::ShortcutButton(Qt::Key_X, Qt::ControlModifier).isEmpty());
}

TEST(BoardRules, EnterpriseSwitchWraps) {
    EXPECT_EQ(BoardRules::NextEnterprise(0, 1), 0);
    EXPECT_EQ(BoardRules::PrevEnterprise(0, 1), 0);
    EXPECT_EQ(BoardRules::NextEnterprise(1, 3), 2);
    EXPECT_EQ(BoardRules::NextEnterprise(2, 3), 0);
    EXPECT_EQ(BoardRules::PrevEnterprise(0, 3), 2);
    EXPECT_EQ(BoardRules::PrevEnterprise(2, 3), 1);
    EXPECT_EQ(BoardRules::IndustryCountText(0, 2), QStringLiteral("1/2"));
    EXPECT_EQ(BoardRules::EnterprisePicture(3), QStringLiteral("images\\3lf.bmp"));
}

TEST(BoardRules, TechnologyLevelTable) {
    auto one = BoardRules::TechnologyLevelControls(1);
    ASSERT_TRUE(one);
    EXPECT_TRUE(one->researchInvest && one->rbFL && !one->rbSL && !one->rbTL);
    auto two = BoardRules::TechnologyLevelControls(2);
    ASSERT_TRUE(two);
    EXPECT_TRUE(two->researchInvest && two->rbFL && two->rbSL && !two->rbTL);
    auto three = BoardRules::TechnologyLevelControls(3);
    ASSERT_TRUE(three);
    EXPECT_TRUE(!three->researchInvest && three->rbFL && three->rbSL && three->rbTL);
    EXPECT_FALSE(BoardRules::TechnologyLevelControls(0));
    EXPECT_FALSE(BoardRules::TechnologyLevelControls(4));
}

TEST(BoardRules, HelpMenuOpensBelowTheButton) {
    EXPECT_EQ(
        BoardRules::ButtonPopupPoint(QPoint(100, 50), QPoint(136, 256), QRect(176, 24, 75, 25)),
        QPoint(100 + 136 + 176 + 4, 50 + 256 + 24 + 25 + 20));
}

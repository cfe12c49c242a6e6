#include "core/finance/TResearch.h"

#include "core/game/GameMail.h"
#include "core/game/TGameController.h"
#include "core/platform/NumberText.h"

namespace {

const QString CrLf = QStringLiteral("\r\n");

// The six lines announcing the machine of a level, the second one empty.
QString machineText(std::int32_t level) {
    const QStringList lines =
        level == 2 ? QStringList{QStringLiteral("Закончена разработка нового станка."),
                                 QString(),
                                 QStringLiteral("Рабочее место: Уровень 2."),
                                 QStringLiteral("число рабочих: 4"),
                                 QStringLiteral("максимум продкукции: 150"),
                                 QStringLiteral("цена: 45000")}
                   : QStringList{QStringLiteral("Закончена разработка нового станка."),
                                 QString(),
                                 QStringLiteral("Рабочее место: Уровень 3."),
                                 QStringLiteral("число рабочих: 3"),
                                 QStringLiteral("максимум продкукции: 200"),
                                 QStringLiteral("цена: 60000")};
    return lines.join(CrLf);
}

} // namespace

QString TResearch::StageLetter(std::int32_t levelBefore, std::optional<double> returned) {
    QString text =
        levelBefore == 1
            ? machineText(2) + CrLf + CrLf + QStringLiteral("Возможна дальнейшая разработка.")
            : machineText(3) + CrLf + CrLf +
                  QStringLiteral("Исследовательская группа не видит перспектив для разработки.");
    if (returned)
        text += CrLf + CrLf + QStringLiteral("P.S. После исследования осталось ") +
                NumberText::whole(*returned) + QStringLiteral("$. Деньги возвращены на ваш счет.");
    return text;
}

QString TResearch::InvestmentLine(double invested) {
    return QStringLiteral("Текущие вложения: ") + NumberText::whole(invested) + QLatin1Char('$');
}

QString TResearch::InvestmentLine() const {
    const auto* player = controller_.Company();
    return InvestmentLine(player ? player->ResearchInvest : 0);
}

std::optional<QString> TResearch::AmountReplacement(const QString& amountText) {
    const auto n = NumberText::parseInt(amountText);
    if (!n || *n < LargestPayment)
        return std::nullopt;
    return QString::number(LargestPayment);
}

std::optional<QString> TResearch::Invest(const QString& amountText) {
    TZorvick* player = controller_.Company();
    if (!player)
        return std::nullopt;
    const auto a = NumberText::readFloat(amountText, prompter_);
    if (!a)
        return std::nullopt;
    // A negative payment would take money out of the research.
    const float paid = *a < 0 ? 0 : controller_.SpendMoney(*a);
    if (paid == 0)
        return InvestmentLine();
    player->ResearchInvest += paid;
    player->TurnResearch += paid;
    std::optional<double> returned;
    bool stage = player->ResearchInvest == StageCost;
    if (player->ResearchInvest > StageCost) {
        const float excess = player->ResearchInvest - StageCost;
        controller_.ReceiveMoney(excess);
        player->TurnResearch -= excess;
        player->ResearchInvest = StageCost;
        returned = excess;
        stage = true;
    }
    if (stage)
        player->PostLetter(GameMail::ResearchGroupAddress(), Subject(),
                           StageLetter(player->TechLevel, returned),
                           controller_.Game().Calendar.DateText());
    // Shown before the stage resets it, so a completed stage reads 300000.
    const QString line = InvestmentLine();
    if (stage) {
        player->ResearchInvest = 0;
        ++player->TechLevel;
        controller_.ApplyTechnologyLevel();
    }
    controller_.SetResearchInvestAllowed(false);
    controller_.ModelChanged();
    return line;
}

bool TResearch::PayDesign(const QString& amountText) {
    TZorvick* player = controller_.Company();
    if (!player)
        return false;
    const auto a = NumberText::readFloat(amountText, prompter_);
    if (!a)
        return false;
    if (*a > 0 && controller_.SpendMoney(*a) != 0) {
        player->RLInvest = *a;
        controller_.SetDesignAllowed(false);
        controller_.ActionDone();
    }
    return true;
}

void TResearch::Closing() {
    controller_.ClearAdvExp();
}

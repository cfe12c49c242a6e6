#include "core/game/TGame.h"

#include "core/platform/NumberText.h"
#include "core/platform/Prompter.h"

#include <QJsonArray>
#include <QJsonObject>

TGame::TGame(const GameFolder& folder, RandomSource& random) : Scenario(folder, random) {}

TZorvick* TGame::Company() const {
    if (CurrentPlayer < 0 || std::size_t(CurrentPlayer) >= Players.size())
        return nullptr;
    return Players[std::size_t(CurrentPlayer)].get();
}

TIndustry* TGame::Industry() const {
    TZorvick* company = Company();
    if (!company || EnterpriseIndex < 0 ||
        std::size_t(EnterpriseIndex) >= company->Industries.size())
        return nullptr;
    return &company->Industries[std::size_t(EnterpriseIndex)];
}

void TGame::BeginSetup(std::int32_t playerCount) {
    const auto n = std::size_t(std::max(playerCount, 0));
    Players.clear();
    Players.reserve(n);
    TPrices.assign(n, TPrice{});
    TAdvExps.assign(n, TAdvExp{});
    TProds.assign(n, TProd{});
    MoveNumber = 1;
}

TZorvick& TGame::AddPlayer(const QString& title, const QString& playerName, std::int32_t face) {
    auto company = std::make_unique<TZorvick>(1);
    company->Title = title;
    company->PlayerName = playerName;
    company->Face = face;
    Players.push_back(std::move(company));
    return *Players.back();
}

void TGame::FinishSetup() {
    PlayerCount = std::int32_t(Players.size());
    CurrentPlayer = 0;
    EnterpriseIndex = 0;
}

float TGame::SpendMoney(float amount, Prompter& prompter) {
    TZorvick* company = Company();
    if (!company)
        return 0;
    if (amount > company->Money) {
        prompter.error(QStringLiteral("У вас недостаточно денег для этого."));
        return 0;
    }
    company->Money -= amount;
    return amount;
}

void TGame::ReceiveMoney(float amount) {
    if (TZorvick* company = Company())
        company->Money += amount;
}

QString TGame::CapitalText() const {
    const TZorvick* company = Company();
    return CapitalText(company ? company->Money : 0);
}

QString TGame::CapitalText(float money) {
    return QStringLiteral("Капитал: ") + NumberText::whole(money) + QStringLiteral("$");
}

QJsonObject TGame::toJson() const {
    QJsonArray players;
    for (const auto& p : Players)
        players.append(p->toJson());
    QJsonArray prices;
    for (const TPrice& r : TPrices)
        prices.append(::toJson(r));
    QJsonArray advExps;
    for (const TAdvExp& r : TAdvExps)
        advExps.append(::toJson(r));
    QJsonArray prods;
    for (const TProd& r : TProds)
        prods.append(::toJson(r));
    return QJsonObject{{"Players", players},
                       {"PlayerCount", PlayerCount},
                       {"MoveNumber", MoveNumber},
                       {"CurrentPlayer", CurrentPlayer},
                       {"EnterpriseIndex", EnterpriseIndex},
                       {"GameLength", GameLength},
                       {"WeeksSettled", WeeksSettled},
                       {"TPrices", prices},
                       {"TAdvExps", advExps},
                       {"TProds", prods},
                       {"Calendar", Calendar.toJson()},
                       {"Scenario", Scenario.toJson()}};
}

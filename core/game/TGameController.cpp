#include "core/game/TGameController.h"

#include "core/board/BoardRules.h"
#include "core/game/GameMail.h"
#include "core/game/GameRanking.h"
#include "core/platform/NumberText.h"
#include "core/platform/Prompter.h"
#include "core/platform/RandomSource.h"
#include "core/reports/AccountantFax.h"
#include "external/MathLibrary.h"

#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>
#include <cmath>

namespace {

constexpr double TaxShare = 0.1;
constexpr double KeptShare = 0.9;
constexpr std::int32_t WarningWeeks = 4;
// A firm with neither a machine nor a suit is warned as a firm in the red is, and
// closed at its fourth such turn start.
constexpr std::int32_t IdleWarningWeeks = 4;

const QString NextPlayerCaption = QStringLiteral("Следующий Игрок");
const QString EndOfWeekCaption = QStringLiteral("Конец Хода");

// The workers of the first building, counted again from its machines.
std::int32_t workersOf(TZorvick& player) {
    if (player.Industries.empty() || player.Industries[0].Buildings.empty())
        return 0;
    return player.Industries[0].Buildings[0].UpdateWorkers();
}

// A machine to make suits with, or a suit to sell.
bool inTrade(const TZorvick& player) {
    for (const TIndustry& industry : player.Industries) {
        for (const TBuilding& building : industry.Buildings)
            if (!building.WorkPlaces.empty())
                return true;
        if (industry.Storages.size() > 1 && industry.Storages[1].Amount > 0)
            return true;
    }
    return false;
}

} // namespace

TGameController::TGameController(const Services& services, QObject* parent)
    : QObject(parent), services_(services), game_(services.folder, services.random),
      demand_(&Demand), endTurnCaption_(NextPlayerCaption) {}

QString TGameController::LabelText(const QString& key, const QString& builtIn) const {
    return labelTexts_.LabelText(key, builtIn);
}

std::optional<QString> TGameController::LabelText(const QString& key, const QString& builtIn,
                                                  double value) {
    return labelTexts_.LabelText(key, builtIn, value, prompter());
}

const QString& TGameController::dateText() {
    const TCalendar& now = game_.Calendar;
    if (date_.isEmpty() || now.Year != dateOf_.Year || now.Month != dateOf_.Month ||
        now.Week != dateOf_.Week) {
        dateOf_ = now;
        date_ = now.DateText();
    }
    return date_;
}

// ------------------------------------------------------------------- setup

void TGameController::StartCalendar() {
    game_.Calendar = TCalendar(services_.today);
    game_.MoveNumber = 1;
    emit changed();
}

void TGameController::AddPlayer(const QString& title, const QString& playerName, std::int32_t face,
                                const TSeat& seat) {
    TZorvick& player = game_.AddPlayer(title, playerName, face);
    player.Seat = seat;
    // A manager's temper comes from the game's own random source, so a game replayed
    // from its seed is played the same.
    if (seat.Computer && seat.Seed == 0)
        for (int i = 0; i < 4; ++i)
            player.Seat.Seed =
                (player.Seat.Seed << 16) ^ std::uint64_t(services_.random.bounded(65536));
}

void TGameController::FinishSetup() {
    game_.FinishSetup();
    marketHistory_.Start(game_.Players);
    endTurnCaption_ = game_.PlayerCount == 1 ? EndOfWeekCaption : NextPlayerCaption;
    if (TZorvick* company = Company())
        company->StartTurnMoney = company->Money;
    emit enterpriseChanged();
    ApplyTechnologyLevel();
    if (TZorvick* company = Company())
        setMailFlashing(company->HasUnread() && !company->Seat.Computer);
    emit changed();
    ActionDone();
    emit turnBegan();
}

// ------------------------------------------------------------------- moves

std::optional<TGameController::Inputs> TGameController::readInputs(const QString& prodText,
                                                                   const QString& priceText,
                                                                   const QString& advExpText) {
    // All three are read before anything of the move happens, so a refused move can
    // be ended again without counting design weeks or letters twice.
    const auto price = NumberText::readFloat(priceText, prompter());
    if (!price)
        return std::nullopt;
    const auto advExp = NumberText::readFloat(advExpText, prompter());
    if (!advExp)
        return std::nullopt;
    const auto prod = NumberText::readInt(prodText, prompter());
    if (!prod)
        return std::nullopt;
    return Inputs{*prod, *price, *advExp};
}

TGameController::MoveResult TGameController::EndMove(const QString& prodText,
                                                     const QString& priceText,
                                                     const QString& advExpText) {
    if (ended_)
        return MoveResult::GameOver;
    TZorvick* player = Company();
    if (!player)
        return MoveResult::Refused;
    if (game_.Players.size() == 1) {
        endGame(player->PlayerName + QStringLiteral(" -  победитель!"));
        return MoveResult::GameOver;
    }
    const auto inputs = readInputs(prodText, priceText, advExpText);
    if (!inputs)
        return MoveResult::Refused;

    if (player->TechLevel != 3)
        researchInvestAllowed_ = true;
    setMailFlashing(false);
    setControlsLocked(false);

    // The design contract runs for three moves.
    if (player->RLInvest != 0)
        ++player->RLWeeks;
    else
        GameMail::NoDesignLetter(*player, dateText());
    if (player->RLWeeks == 3) {
        player->RLWeeks = 0;
        designAllowed_ = true;
        player->RLInvest = 0;
        GameMail::DesignFundsLetter(*player, dateText());
    }
    productionAllowed_ = true;

    player->Price = inputs->price;
    player->AdvExp = inputs->advExp;
    if (player->AdvExp == 0)
        GameMail::NoAdvertisingLetter(*player, dateText());
    player->SellAmount = inputs->prod;

    const auto slot = std::size_t(game_.CurrentPlayer);
    if (slot < game_.TPrices.size()) {
        const std::int32_t position = game_.CurrentPlayer + 1;
        game_.TPrices[slot] = TPrice{position, player->Price};
        game_.TAdvExps[slot] = TAdvExp{player->AdvExp, position};
        game_.TProds[slot] = TProd{0, float(player->SellAmount)};
    }

    ++game_.MoveNumber;
    endTurnCaption_ = game_.MoveNumber == game_.PlayerCount ? EndOfWeekCaption : NextPlayerCaption;
    if (game_.MoveNumber > game_.PlayerCount && !SettleWeek())
        return MoveResult::GameOver;
    // The last firm left wins once the week that left it alone is settled, without a
    // week of its own to play first.
    if (game_.Players.size() == 1) {
        endGame(game_.Players.front()->PlayerName + QStringLiteral(" -  победитель!"));
        return MoveResult::GameOver;
    }
    if (game_.GameLength > 0 && game_.WeeksSettled >= game_.GameLength && game_.MoveNumber == 1) {
        ranking_ = GameRanking::Rank(game_);
        if (!ranking_.empty()) {
            emit rankingReady();
            endGame(ranking_.front().Firm->PlayerName + QStringLiteral(" -  победитель!"));
            return MoveResult::GameOver;
        }
    }
    StartNextTurn();
    ActionDone();
    return MoveResult::Ended;
}

bool TGameController::SettleWeek() {
    statisticsEnabled_ = true;
    game_.Scenario.ScenarioStep();
    dropRuinedPlayers();
    if (game_.Players.empty()) {
        endGame(QStringLiteral("Все фирмы разорены. Победителя нет."));
        return false;
    }
    report_.Begin(dateText());
    marketHistory_.BeginWeek(dateText());
    for (std::size_t k = 0; k < game_.Players.size(); ++k)
        settlePlayer(*game_.Players[k], std::int32_t(k));
    report_.Finish();
    ++game_.WeeksSettled;
    emit changed();
    emit marketReportReady();
    game_.MoveNumber = 1;
    game_.Calendar.AdvanceWeek();
    return true;
}

void TGameController::dropRuinedPlayers() {
    auto& players = game_.Players;
    for (;;) {
        const auto ruined =
            std::find_if(players.begin(), players.end(), [](const auto& p) { return p->Removed; });
        if (ruined == players.end())
            return;
        const auto index = std::size_t(ruined - players.begin());
        const std::size_t last = players.size() - 1;
        marketHistory_.DropPosition(std::int32_t(index));
        // The last firm takes the place, and its market records go with it.
        if (index != last) {
            *ruined = std::move(players[last]);
            if (last < game_.TPrices.size()) {
                const auto position = std::int32_t(index) + 1;
                game_.TPrices[index] = TPrice{position, game_.TPrices[last].Price};
                game_.TAdvExps[index] = TAdvExp{game_.TAdvExps[last].AdvExp, position};
                game_.TProds[index] = game_.TProds[last];
            }
        }
        if (last < game_.TPrices.size()) {
            game_.TPrices[last] = TPrice{};
            game_.TAdvExps[last] = TAdvExp{};
            game_.TProds[last] = TProd{};
        }
        players.pop_back();
    }
}

void TGameController::settlePlayer(TZorvick& player, std::int32_t k) {
    const TScenario& economy = game_.Scenario;
    const std::int32_t workers = workersOf(player);
    const float salary = float(workers) * economy.WeeklySalary;
    const float interest = player.Debt * economy.InterestRate;
    const float costs = player.Industries.empty() ? 0 : EnterpriseCosts(player.Industries[0]);
    const float amortization =
        player.Industries.empty() ? 0 : EnterpriseAmortization(player.Industries[0]);

    // Wages and running costs paid here rather than through a production run.
    float paidDirectly = 0;
    float demand = 0;
    if (player.SellAmount != 0) {
        demand = float(demand_(economy.MarketCoefficient, player.RLInvest, game_.TPrices.data(),
                               game_.TAdvExps.data(), game_.TProds.data(), k,
                               std::int32_t(game_.Players.size()), player.RLWeeks));
        // A firm pays its week's bill through production; one selling from stock
        // without producing would otherwise never pay its workers again.
        if (player.Produced == 0)
            paidDirectly = salary + costs + amortization;
        player.Money -= paidDirectly;
    } else {
        paidDirectly = salary + costs + amortization;
        player.Money -= paidDirectly + interest;
    }

    const auto offered = float(player.SellAmount);
    float sold = 0;
    if (player.SellAmount != 0)
        sold = offered > demand ? demand : offered;
    if (sold != 0 && !player.Industries.empty() && player.Industries[0].Storages.size() > 1) {
        TStorage& goods = player.Industries[0].Storages[1];
        auto units = std::int32_t(std::lround(sold));
        // Only suits in stock can be sold: the offer was capped when it was typed,
        // and the stock may have shrunk since.
        if (units > goods.Amount) {
            units = goods.Amount;
            sold = float(units);
        }
        if (units > 0)
            goods.Take(units, false, prompter());
    }
    player.Sold = sold;

    float tax = 0;
    if (player.SellAmount != 0) {
        const double revenue = double(player.Price) * double(sold);
        tax = float(TaxShare * revenue);
        player.Money = float(double(player.Money) + KeptShare * revenue - double(interest) -
                             double(player.AdvExp));
    }
    player.SellAmount = 0;

    report_.AddRow(player.PlayerName, player.Sold, player.Price);
    marketHistory_.AddRow(k, player, offered);

    // The week's payments as they left the cash, so the accountant's fax adds up to
    // the money: advertising only when charged, the runs and the wages paid, the
    // research and raw materials bought this week.
    TWeekRecord week;
    week.AdvExp = offered != 0 ? player.AdvExp : 0;
    week.Usage = player.TurnProduction + paidDirectly;
    week.Costs = costs;
    week.Salary = salary;
    week.RL = player.RLWeeks == 1 ? player.RLInvest : 0;
    week.Dev = player.TurnResearch;
    week.RMCost = player.TurnRawMaterials;
    week.Constr = player.Constr;
    week.Interest = interest;
    week.Taxes = tax;
    week.Revenue = player.Price * player.Sold;
    week.TurnLoan = player.TurnLoan;
    week.StartTurnMoney = player.StartTurnMoney;
    player.RecordWeek(week);
}

void TGameController::StartNextTurn() {
    const auto count = std::int32_t(game_.Players.size());
    game_.CurrentPlayer = game_.CurrentPlayer < count - 1 ? game_.CurrentPlayer + 1 : 0;
    game_.EnterpriseIndex = 0;
    beginTurn(game_.CurrentPlayer);
}

void TGameController::beginTurn(std::int32_t index) {
    game_.CurrentPlayer = index;
    TZorvick* player = Company();
    if (player) {
        designAllowed_ = player->RLWeeks == 0;
        checkBankruptcy(*player);
        GameMail::CountryLetter(*player, game_.Scenario.CountryMessage, dateText());
        // A computer reads its own letters; the button does not flash for it.
        setMailFlashing(player->HasUnread() && !player->Seat.Computer);
        if (game_.Scenario.BankOpen) {
            bankTradeEnabled_ = true;
        } else {
            // A closed bank calls in the whole debt: a repayment of the week just
            // settled, so that week's fax ends with the money this turn starts with.
            bankTradeEnabled_ = false;
            player->Money -= player->Debt;
            if (!player->Expences.TurnLoan.empty())
                player->Expences.TurnLoan.back() += player->Debt;
            player->Debt = 0;
        }
        player->StartTurnMoney = player->Money;
        emit capitalChanged();
        emit enterpriseChanged();
    }
    ApplyTechnologyLevel();
    emit weeklyInputsReset();
    game_.PlayerCount = std::int32_t(game_.Players.size());
    if (player) {
        player->TurnLoan = 0;
        player->Constr = 0;
        player->TurnProduction = 0;
        player->TurnResearch = 0;
        player->TurnRawMaterials = 0;
        // Produced is this week's production only.
        player->Produced = 0;
    }
    emit moveStatesChanged();
    emit changed();
    emit turnBegan();
}

void TGameController::checkBankruptcy(TZorvick& player) {
    bool ruined = false;
    if (player.Money >= 0) {
        player.DebtWeeks = 0;
    } else if (player.DebtWeeks < WarningWeeks - 1) {
        ++player.DebtWeeks;
        GameMail::BankruptcyWarningLetter(player, WarningWeeks - player.DebtWeeks, dateText());
    } else {
        ruined = true;
    }
    // A firm that can neither make nor sell a suit is out of business, whatever its money:
    // otherwise a firm that sold everything could never be ruined and the game never end.
    if (inTrade(player)) {
        player.IdleWeeks = 0;
    } else if (player.IdleWeeks < IdleWarningWeeks - 1) {
        ++player.IdleWeeks;
        if (!ruined)
            GameMail::OutOfBusinessWarningLetter(player, IdleWarningWeeks - player.IdleWeeks,
                                                 dateText());
    } else {
        ruined = true;
    }
    if (!ruined)
        return;
    GameMail::RuinLetter(player, dateText());
    player.Bankrupt = true;
    setControlsLocked(true);
    player.Removed = true;
}

void TGameController::endGame(const QString& text) {
    // The end is told to the people at the screen, whoever moved last.
    services_.prompter.warning(text);
    ended_ = true;
    emit gameEnded(0);
}

WeeklyInputs::Outcome TGameController::ProdChanged(const QString& text) {
    const TIndustry* industry = Industry();
    const std::int32_t inStock =
        industry && industry->Storages.size() > 1 ? industry->Storages[1].Amount : 0;
    return WeeklyInputs::ProdChanged(text, inStock, prompter());
}

WeeklyInputs::Outcome TGameController::AdvExpChanged(const QString& text) {
    const TZorvick* player = Company();
    return WeeklyInputs::AdvExpChanged(text, player ? player->Money : 0, prompter());
}

// ------------------------------------------------------------------- money

float TGameController::SpendMoney(float amount) {
    const float paid = game_.SpendMoney(amount, prompter());
    if (paid != 0)
        emit capitalChanged();
    return paid;
}

void TGameController::ReceiveMoney(float amount) {
    game_.ReceiveMoney(amount);
    emit capitalChanged();
}

std::int32_t TGameController::Purchase(const std::function<std::int32_t()>& buy, float unitPrice,
                                       float constrRate) {
    TZorvick* player = Company();
    if (!player)
        return 0;
    // Undoing with the matching sell operation could ask questions of its own (selling
    // a workshop's last area sells the enterprise); the state before is put back instead.
    const TIndustries before = player->Industries;
    const std::int32_t k = buy();
    if (SpendMoney(float(k) * unitPrice) == 0) {
        // Copied back element by element, so the windows' pointers into it stay valid.
        player->Industries = before;
        return 0;
    }
    player->Constr += float(k) * constrRate;
    emit changed();
    ActionDone();
    return k;
}

std::int32_t TGameController::Sale(const std::function<std::int32_t()>& sell, float unitPrice,
                                   float constrRate) {
    TZorvick* player = Company();
    if (!player)
        return 0;
    const std::int32_t k = sell();
    ReceiveMoney(float(k) * unitPrice);
    player->Constr -= float(k) * constrRate;
    emit changed();
    ActionDone();
    return k;
}

// ---------------------------------------------------------- per-move states

bool TGameController::LevelAllowed(std::int32_t level) const {
    return level >= 1 && level <= 3 && levelAllowed_[level - 1];
}

void TGameController::SetResearchInvestAllowed(bool allowed) {
    researchInvestAllowed_ = allowed;
    emit moveStatesChanged();
}

void TGameController::SetDesignAllowed(bool allowed) {
    designAllowed_ = allowed;
    emit moveStatesChanged();
}

void TGameController::SetProductionAllowed(bool allowed) {
    productionAllowed_ = allowed;
    emit moveStatesChanged();
}

void TGameController::ApplyTechnologyLevel() {
    const TZorvick* player = Company();
    if (!player)
        return;
    const auto controls = BoardRules::TechnologyLevelControls(player->TechLevel);
    if (!controls)
        return;
    researchInvestAllowed_ = controls->researchInvest;
    levelAllowed_[0] = controls->rbFL;
    levelAllowed_[1] = controls->rbSL;
    levelAllowed_[2] = controls->rbTL;
    emit moveStatesChanged();
}

void TGameController::UpdateMailFlashing() {
    const TZorvick* player = Company();
    setMailFlashing(player && player->HasUnread() && !player->Seat.Computer);
}

void TGameController::ReadLetter(std::int32_t index) {
    TZorvick* player = Company();
    if (player && index >= 0 && std::size_t(index) < player->Letters.size()) {
        player->Letters[std::size_t(index)].MarkRead();
        ActionDone();
    }
}

void TGameController::DeleteLetter(std::int32_t index) {
    if (TZorvick* player = Company()) {
        player->DeleteLetter(index);
        ActionDone();
    }
}

void TGameController::ShowGauge(TGaugeKind kind) {
    const TZorvick* player = Company();
    TIndustry* industry = Industry();
    if (!player || !industry || !statistics_)
        return;
    const TGaugeArguments a = StatisticsGauge::Arguments(kind, *player, *industry, labelTexts_);
    statistics_(a.Percentage, a.Maximum, a.Current, a.MaximumLabel.toUtf8().constData(),
                a.CurrentLabel.toUtf8().constData(), a.ColourPicture.toUtf8().constData(),
                a.GreyPicture.toUtf8().constData(), a.Caption.toUtf8().constData(), a.Switches[0],
                a.Switches[1], a.Switches[2]);
}

QStringList TGameController::AccountantFax() const {
    const TZorvick* player = Company();
    // The turn started with the money the last settled week left.
    return player ? ::AccountantFax::Lines(*player, game_.Calendar, player->StartTurnMoney)
                  : QStringList();
}

void TGameController::SelectEnterprise(std::int32_t index) {
    game_.EnterpriseIndex = index;
    emit enterpriseChanged();
}

void TGameController::setControlsLocked(bool locked) {
    controlsLocked_ = locked;
    bankTradeEnabled_ = !locked;
    emit controlsLockedChanged(locked);
}

void TGameController::setMailFlashing(bool flashing) {
    if (mailFlashing_ == flashing)
        return;
    mailFlashing_ = flashing;
    emit mailFlashingChanged(flashing);
}

void TGameController::ActionDone() {
    if (actionHolds_ > 0) {
        actionHeld_ = true;
        return;
    }
    emit actionDone();
}

void TGameController::HoldActions() {
    ++actionHolds_;
}

void TGameController::ReleaseActions() {
    if (actionHolds_ > 0 && --actionHolds_ == 0 && actionHeld_) {
        actionHeld_ = false;
        // A move that ended the game leaves nothing to go on with.
        if (!ended_)
            emit actionDone();
    }
}

TGameController::MoveStates TGameController::States() const {
    MoveStates s;
    s.controlsLocked = controlsLocked_;
    s.bankTradeEnabled = bankTradeEnabled_;
    s.statisticsEnabled = statisticsEnabled_;
    s.mailFlashing = mailFlashing_;
    s.researchInvestAllowed = researchInvestAllowed_;
    s.designAllowed = designAllowed_;
    s.productionAllowed = productionAllowed_;
    std::copy(std::begin(levelAllowed_), std::end(levelAllowed_), s.levelAllowed);
    return s;
}

void TGameController::Resume(const MoveStates& states, const QStringList& marketReport) {
    controlsLocked_ = states.controlsLocked;
    bankTradeEnabled_ = states.bankTradeEnabled;
    statisticsEnabled_ = states.statisticsEnabled;
    researchInvestAllowed_ = states.researchInvestAllowed;
    designAllowed_ = states.designAllowed;
    productionAllowed_ = states.productionAllowed;
    std::copy(std::begin(states.levelAllowed), std::end(states.levelAllowed), levelAllowed_);
    endTurnCaption_ = game_.MoveNumber == game_.PlayerCount ? EndOfWeekCaption : NextPlayerCaption;
    ended_ = false;
    report_.Restore(marketReport);
    date_.clear();
    mailFlashing_ = !states.mailFlashing;
    setMailFlashing(states.mailFlashing);
    emit controlsLockedChanged(controlsLocked_);
    emit enterpriseChanged();
    emit weeklyInputsReset();
    emit moveStatesChanged();
    emit capitalChanged();
    emit changed();
    // The turn begins again: a computer's seat plays its move anew.
    emit turnBegan();
}

QJsonObject TGameController::toJson() const {
    QJsonObject json = game_.toJson();
    json.insert("Board",
                QJsonObject{{"ControlsLocked", controlsLocked_},
                            {"BankTradeEnabled", bankTradeEnabled_},
                            {"StatisticsEnabled", statisticsEnabled_},
                            {"MailFlashing", mailFlashing_},
                            {"EndTurnCaption", endTurnCaption_},
                            {"ResearchInvestAllowed", researchInvestAllowed_},
                            {"DesignAllowed", designAllowed_},
                            {"ProductionAllowed", productionAllowed_},
                            {"LevelsAllowed",
                             QJsonArray{levelAllowed_[0], levelAllowed_[1], levelAllowed_[2]}},
                            {"Ended", ended_}});
    json.insert("MarketReport", QJsonArray::fromStringList(report_.Lines()));
    json.insert("MarketHistory", marketHistory_.toJson());
    return json;
}

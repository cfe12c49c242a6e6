#include "Simulator.h"

#include "core/game/TGameController.h"
#include "core/platform/NullHelp.h"
#include "core/platform/Prompter.h"
#include "core/platform/RandomSource.h"
#include "core/platform/SilentSound.h"
#include "core/players/ComputerTurn.h"
#include "core/players/SeatActions.h"
#include "core/players/Strategies.h"
#include "core/players/TSeat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <unordered_map>

namespace {

// Every question is answered Yes (the smaller quantity offered is taken); the
// strategies ask for what they can have, so few boxes come up at all.
class SimPrompter : public Prompter {
public:
    bool show(Kind, const QString&, const QString&) override { return true; }
};

// Each game its own stream of random numbers, however many games are run.
std::uint64_t gameSeed(std::uint64_t seed, std::int32_t index) {
    std::uint64_t z = seed * 0x9E3779B97F4A7C15ull + std::uint64_t(index) + 1;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

QString typed(float value) {
    return QString::number(double(value), 'f', 2);
}

// Percentile of sorted values, nearest rank.
std::int32_t rank(const std::vector<std::int32_t>& sorted, double share) {
    if (sorted.empty())
        return 0;
    const auto i = std::size_t(std::max(0.0, std::ceil(share * double(sorted.size())) - 1));
    return sorted[std::min(i, sorted.size() - 1)];
}

QString percent(std::int64_t part, std::int64_t whole) {
    return QString::number(whole ? 100.0 * double(part) / double(whole) : 0.0, 'f', 1) +
           QStringLiteral(" %");
}

// A firm's week as the accountant sees it, for whoever studies why a game went so.
void writeCsvRow(QTextStream& csv, std::int32_t game, std::int32_t week, std::int32_t seat,
                 const QString& name, const TZorvick& firm) {
    const auto number = [](float v) { return QString::number(double(v), 'f', 2); };
    std::int32_t stock = 0, machines = 0, workers = 0;
    if (!firm.Industries.empty()) {
        const TIndustry& industry = firm.Industries[0];
        if (industry.Storages.size() > 1)
            stock = industry.Storages[1].Amount;
        for (const TWorkPlace& w : industry.Buildings[0].WorkPlaces) {
            ++machines;
            workers += w.Workers;
        }
    }
    csv << game << ',' << week << ',' << seat << ',' << name << ',' << number(firm.Money) << ','
        << number(firm.Debt) << ',' << number(firm.Price) << ',' << number(firm.Sold) << ','
        << number(firm.AdvExp) << ',' << number(firm.RLInvest) << ',' << stock << ',' << machines
        << ',' << workers << '\n';
}

} // namespace

QString Simulator::Check(const SimOptions& options) {
    if (options.mix != 0 && (options.mix < 2 || options.mix > 10))
        return QStringLiteral("--mix seats 2 to 10 firms");
    QStringList pool = options.players;
    pool.removeDuplicates();
    if (options.mix != 0 && pool.size() < options.mix)
        return QStringLiteral("--mix %1 draws from at least %1 strategies").arg(options.mix);
    if (options.mix == 0 && (options.players.size() < 2 || options.players.size() > 10))
        return QStringLiteral("--players names 2 to 10 strategies, separated by commas");
    for (const QString& name : options.players)
        if (!MakeStrategy(name) && !TSeat::FromName(name))
            return QStringLiteral("unknown strategy \"%1\"; the strategies are: %2; the managers: "
                                  "%3, alone or with a character (%4), e.g. strong:researcher")
                .arg(name, StrategyNames().join(QStringLiteral(", ")),
                     TSeat::StrengthNames().join(QStringLiteral(", ")),
                     TSeat::CharacterNames().join(QStringLiteral(", ")));
    if (options.games < 1)
        return QStringLiteral("--games must be at least 1");
    if (options.weeks < 1)
        return QStringLiteral("--weeks must be at least 1");
    if (options.length != 0 && options.length != 26 && options.length != 52)
        return QStringLiteral("--length is 0, 26 or 52");
    const QDir scenarios(options.folder + QStringLiteral("/scenarios"));
    if (!options.scenario.isEmpty() && !QFileInfo(scenarios.filePath(options.scenario)).isFile())
        return QStringLiteral("no scenario \"%1\" in %2").arg(options.scenario, scenarios.path());
    return {};
}

Simulator::Simulator(SimOptions options) : options_(std::move(options)) {
    gameFolder_ = options_.folder;
    // One scenario only: the game chooses among the files of a folder that holds just it.
    if (!options_.scenario.isEmpty()) {
        onlyScenario_ = std::make_shared<QTemporaryDir>();
        gameFolder_ = onlyScenario_->path();
        QDir(gameFolder_).mkdir(QStringLiteral("scenarios"));
        QFile::copy(
            QDir(options_.folder + QStringLiteral("/scenarios")).filePath(options_.scenario),
            gameFolder_ + QStringLiteral("/scenarios/") + options_.scenario);
    }
    if (options_.mix > 0)
        return;
    for (const QString& name : options_.players) {
        const auto same = options_.players.count(name);
        if (same == 1) {
            seatNames_ << name;
        } else {
            std::int32_t k = 1;
            while (seatNames_.contains(name + QLatin1Char('#') + QString::number(k)))
                ++k;
            seatNames_ << name + QLatin1Char('#') + QString::number(k);
        }
    }
}

QStringList Simulator::seatsOf(std::int32_t index) const {
    if (options_.mix == 0)
        return seatNames_;
    // Distinct strategies of the pool, drawn from the game's own seed.
    QStringList pool = options_.players;
    pool.removeDuplicates();
    std::uint64_t state = gameSeed(options_.seed + 2, index);
    QStringList seats;
    while (seats.size() < options_.mix && !pool.isEmpty()) {
        state = gameSeed(state, 0);
        seats << pool.takeAt(qsizetype(state % std::uint64_t(pool.size())));
    }
    return seats;
}

GameResult Simulator::PlayGame(std::int32_t index, QTextStream* csv) const {
    SimPrompter prompter;
    SilentSound sound;
    NullHelp help;
    RandomSource random(gameSeed(options_.seed, index));
    Services services{prompter, sound, help, random, GameFolder(gameFolder_), QDate(2026, 1, 5)};
    TGameController controller(services);

    const QStringList names = seatsOf(index);
    const auto seats = std::int32_t(names.size());
    controller.StartCalendar();
    controller.BeginSetup(seats);
    controller.SetGameLength(options_.length);
    std::vector<std::unique_ptr<Strategy>> strategies;
    for (std::int32_t s = 0; s < seats; ++s)
        strategies.push_back(MakeStrategy(names[s].section(QLatin1Char('#'), 0, 0),
                                          gameSeed(options_.seed + 1, index * 16 + s)));
    // The seats take turns at moving first. A manager's seat gets its seed from the
    // game's, as the strategies' temper does.
    for (std::int32_t p = 0; p < seats; ++p) {
        const std::int32_t s = (p + index) % seats;
        const QString& name = names[s];
        TSeat seat = TSeat::FromName(name.section(QLatin1Char('#'), 0, 0)).value_or(TSeat{});
        if (seat.Computer)
            seat.Seed = gameSeed(options_.seed + 3, index * 16 + s);
        controller.AddPlayer(name, name, 0, seat);
    }
    controller.FinishSetup();

    std::unordered_map<const TZorvick*, std::int32_t> seatOf;
    for (std::int32_t p = 0; p < seats; ++p)
        seatOf[controller.Game().Players[std::size_t(p)].get()] = (p + index) % seats;

    GameResult result;
    result.ruinedWeek.assign(std::size_t(seats), 0);
    result.seats = names;
    // The last market report, as every player reads it.
    std::vector<std::pair<const TZorvick*, MarketRow>> report;
    QObject::connect(&controller, &TGameController::marketReportReady, [&] {
        ++result.weeks;
        std::vector<bool> present(std::size_t(seats), false);
        report.clear();
        for (const auto& firm : controller.Game().Players) {
            const std::int32_t seat = seatOf.at(firm.get());
            present[std::size_t(seat)] = true;
            report.push_back({firm.get(), MarketRow{firm->Sold, firm->Price, false}});
            if (csv)
                writeCsvRow(*csv, index + 1, result.weeks, seat + 1, names[seat], *firm);
        }
        for (std::int32_t s = 0; s < seats; ++s)
            if (!present[std::size_t(s)] && result.ruinedWeek[std::size_t(s)] == 0)
                result.ruinedWeek[std::size_t(s)] = result.weeks;
    });

    SeatActions actions(controller, prompter);
    std::vector<MarketRow> rows;
    const auto& players = controller.Game().Players;
    const std::int32_t weeks = options_.length > 0 ? options_.length : options_.weeks;
    while (result.weeks < weeks && players.size() > 1 && !controller.Ended()) {
        TZorvick* firm = controller.Company();
        Decision decision;
        if (firm->Seat.Computer) {
            // A manager moves as at the board, through the same turn.
            ComputerTurn turn(controller);
            turn.Play();
            if (turn.End() != TGameController::MoveResult::Ended)
                break;
        } else if (!controller.ControlsLocked()) {
            // A ruined firm plays its last turn with its controls locked.
            rows.clear();
            for (const auto& [owner, row] : report)
                rows.push_back({row.sold, row.price, owner == firm});
            const SeatView view{*firm, controller.Game().Scenario, result.weeks,
                                std::int32_t(players.size()), rows};
            decision = strategies[std::size_t(seatOf.at(firm))]->Play(view, actions);
            // The board's edits: the offer is capped by the stock, advertising by the money.
            const QString offer = QString::number(decision.offer);
            const QString advertising = typed(decision.advertising);
            const auto offerShown = controller.ProdChanged(offer).replacement.value_or(offer);
            const auto advShown =
                controller.AdvExpChanged(advertising).replacement.value_or(advertising);
            if (controller.EndMove(offerShown, typed(decision.price), advShown) !=
                TGameController::MoveResult::Ended)
                break;
        } else if (controller.EndMove(QStringLiteral("0"), QStringLiteral("0"),
                                      QStringLiteral("0")) != TGameController::MoveResult::Ended) {
            break;
        }
    }
    result.ended = players.size() <= 1;
    if (options_.games == 1)
        result.market = controller.MarketHistory();
    if (players.size() == 1) {
        result.winner = seatOf.at(players.front().get());
    } else if (controller.Ended() && !controller.FinalRanking().empty()) {
        result.ended = result.ranked = true;
        result.winner = seatOf.at(controller.FinalRanking().front().Firm);
    }
    return result;
}

std::vector<GameResult> Simulator::Run(QTextStream* csv,
                                       const std::function<void(std::int32_t)>& progress) const {
    if (csv)
        *csv
            << "game,week,seat,strategy,money,debt,price,sold,advertising,design,stock,machines,workers\n";
    std::vector<GameResult> results;
    results.reserve(std::size_t(options_.games));
    for (std::int32_t g = 0; g < options_.games; ++g) {
        results.push_back(PlayGame(g, csv));
        if (progress)
            progress(g + 1);
    }
    return results;
}

namespace {

// The lines every summary starts with: options, how many games ended and when.
void writeEnding(QTextStream& s, const SimOptions& options,
                 const std::vector<GameResult>& results) {
    const auto games = std::int64_t(results.size());
    std::vector<std::int32_t> endWeeks;
    std::int64_t noWinner = 0;
    std::int64_t earlyRuin = 0;
    for (const GameResult& r : results) {
        if (r.ended) {
            endWeeks.push_back(r.weeks);
            if (r.winner < 0)
                ++noWinner;
        }
        const bool early = std::any_of(r.ruinedWeek.begin(), r.ruinedWeek.end(),
                                       [](std::int32_t w) { return w > 0 && w < 20; });
        earlyRuin += early ? 1 : 0;
    }
    std::sort(endWeeks.begin(), endWeeks.end());
    if (options.mix > 0)
        s << "players: " << options.mix << " drawn from " << options.players.join(QLatin1Char(','))
          << '\n';
    else
        s << "players: " << options.players.join(QLatin1Char(',')) << '\n';
    s << "scenario: "
      << (options.scenario.isEmpty() ? QStringLiteral("any (as the game chooses)")
                                     : options.scenario)
      << '\n';
    std::int64_t ranked = 0;
    for (const GameResult& r : results)
        ranked += r.ranked ? 1 : 0;
    if (options.length > 0)
        s << "games: " << games << ", seed " << options.seed << ", " << options.length
          << " weeks, then ranked by net worth\n";
    else
        s << "games: " << games << ", seed " << options.seed << ", at most " << options.weeks
          << " weeks\n";
    s << "ended: " << endWeeks.size() << " (" << percent(std::int64_t(endWeeks.size()), games)
      << "), with a winner " << std::int64_t(endWeeks.size()) - noWinner << ", every firm ruined "
      << noWinner;
    if (options.length > 0)
        s << ", ranked at the end " << ranked;
    s << '\n';
    if (!endWeeks.empty())
        s << "weeks to the end: median " << rank(endWeeks, 0.5) << ", 10 % " << rank(endWeeks, 0.1)
          << ", 90 % " << rank(endWeeks, 0.9) << ", min " << endWeeks.front() << ", max "
          << endWeeks.back() << '\n';
    s << "a firm ruined before week 20: " << earlyRuin << " (" << percent(earlyRuin, games)
      << ")\n";
}

} // namespace

// By strategy: how often it won and was ruined in the games it sat in.
QString Simulator::mixSummary(const std::vector<GameResult>& results) const {
    QStringList strategies = options_.players;
    strategies.removeDuplicates();
    std::vector<std::int64_t> played(std::size_t(strategies.size()), 0);
    std::vector<std::int64_t> wins(played.size(), 0);
    std::vector<std::vector<std::int32_t>> ruined(played.size());
    for (const GameResult& r : results) {
        for (qsizetype seat = 0; seat < r.seats.size(); ++seat) {
            const auto k = std::size_t(strategies.indexOf(r.seats[seat]));
            ++played[k];
            if (r.winner == seat)
                ++wins[k];
            if (const std::int32_t week = r.ruinedWeek[std::size_t(seat)]; week > 0)
                ruined[k].push_back(week);
        }
    }
    QString out;
    QTextStream s(&out);
    writeEnding(s, options_, results);
    s << "strategy             games   wins of its games   ruined          ruin week (median, "
         "min)\n";
    for (qsizetype k = 0; k < strategies.size(); ++k) {
        const auto i = std::size_t(k);
        auto& weeks = ruined[i];
        std::sort(weeks.begin(), weeks.end());
        s << qSetFieldWidth(21) << Qt::left << strategies[k] << qSetFieldWidth(8)
          << QString::number(played[i]) << qSetFieldWidth(20)
          << QString::number(wins[i]) + QStringLiteral(" ") + percent(wins[i], played[i])
          << qSetFieldWidth(16)
          << QString::number(weeks.size()) + QStringLiteral(" ") +
                 percent(std::int64_t(weeks.size()), played[i])
          << qSetFieldWidth(0);
        if (!weeks.empty())
            s << rank(weeks, 0.5) << ", " << weeks.front();
        else
            s << '-';
        s << '\n';
    }
    return out;
}

QString Simulator::Summary(const std::vector<GameResult>& results) const {
    if (options_.mix > 0)
        return mixSummary(results);
    const auto games = std::int64_t(results.size());
    const auto seats = std::int32_t(seatNames_.size());
    const auto seatCount = std::size_t(seats);
    std::vector<std::int64_t> wins(seatCount, 0);
    std::vector<std::vector<std::int32_t>> ruined(seatCount);
    for (const GameResult& r : results) {
        if (r.winner >= 0)
            ++wins[std::size_t(r.winner)];
        for (std::int32_t s = 0; s < seats; ++s)
            if (r.ruinedWeek[std::size_t(s)] > 0)
                ruined[std::size_t(s)].push_back(r.ruinedWeek[std::size_t(s)]);
    }

    QString out;
    QTextStream s(&out);
    writeEnding(s, options_, results);
    s << "seat                 wins            ruined          ruin week (median, min)\n";
    for (std::int32_t k = 0; k < seats; ++k) {
        auto& weeks = ruined[std::size_t(k)];
        std::sort(weeks.begin(), weeks.end());
        s << qSetFieldWidth(21) << Qt::left << seatNames_[k] << qSetFieldWidth(16)
          << QString::number(wins[std::size_t(k)]) + QStringLiteral(" ") +
                 percent(wins[std::size_t(k)], games)
          << QString::number(weeks.size()) + QStringLiteral(" ") +
                 percent(std::int64_t(weeks.size()), games)
          << qSetFieldWidth(0);
        if (!weeks.empty())
            s << rank(weeks, 0.5) << ", " << weeks.front();
        else
            s << '-';
        s << '\n';
    }
    return out;
}

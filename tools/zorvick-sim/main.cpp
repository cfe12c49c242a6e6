// zorvick-sim: plays many whole games headless through the game controller, each
// seat driven by a strategy, and prints how they ended. See docs/balance.md.

#include "Plot.h"
#include "Simulator.h"
#include "core/players/Strategies.h"

#include <QApplication>
#include <QFile>
#include <QTextStream>
#include <cstdio>
#include <cstring>
#include <memory>
#include <unistd.h>

namespace {

const char* const Usage =
    "usage: zorvick-sim --players NAME,NAME[,...] [--scenario FILE.scn] [--games N]\n"
    "                   [--seed N] [--weeks N] [--length 26|52]\n"
    "                   [--csv FILE] [--plot FILE.png] [--folder DIR]\n"
    "       zorvick-sim --mix N [--players NAME,NAME,...] [the same options]\n"
    "Plays N whole games (1000) of at most --weeks weeks (52) through the game's\n"
    "controller, one strategy a seat, and prints how many ended, after how many weeks\n"
    "and who won. Without --scenario the game chooses among the folder's scenarios.\n"
    "--length plays the game's own length instead: after that week the firms left are\n"
    "ranked by net worth and the first wins, as in the game.\n"
    "--csv writes every firm's week: money, debt, price, sales, advertising, design,\n"
    "stock, machines and workers after the settlement. --plot draws the run as a\n"
    "picture: the spread of the game lengths and the wins, or for --games 1 every\n"
    "firm's money week by week (no display needed). --folder is the game folder\n"
    "(the program's own by default). --mix seats N different strategies in each game,\n"
    "drawn at random from --players (all strategies by default), and counts each\n"
    "strategy's wins among the games it sat in. The computer managers of the board\n"
    "sit beside the strategies by name: strong, normal or weak, alone or with a\n"
    "character (strong:careful, normal:fighter, weak:advertiser, strong:researcher);\n"
    "they are drawn by --mix only when named in --players. Strategies: ";

int fail(const QString& message) {
    std::fprintf(stderr, "zorvick-sim: %s\n", qPrintable(message));
    return 2;
}

// Drawing needs the window system's fonts and painting, though no display.
bool wantsPlot(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--plot") == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char** argv) {
    std::unique_ptr<QCoreApplication> app;
    if (wantsPlot(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    SimOptions options;
    options.folder = QCoreApplication::applicationDirPath();
    QString csvPath, plotPath;
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            std::printf("%s%s.\nOutside the default pool: lean-silent, lean-loud, sell-but-one.\n",
                        Usage, qPrintable(StrategyNames().join(QStringLiteral(", "))));
            return 0;
        }
        if (i + 1 >= args.size())
            return fail(QStringLiteral("%1 needs a value (see --help)").arg(arg));
        const QString value = args[++i];
        bool ok = true;
        if (arg == QLatin1String("--players"))
            options.players = value.split(QLatin1Char(','), Qt::SkipEmptyParts);
        else if (arg == QLatin1String("--scenario"))
            options.scenario = value;
        else if (arg == QLatin1String("--games"))
            options.games = value.toInt(&ok);
        else if (arg == QLatin1String("--seed"))
            options.seed = value.toULongLong(&ok);
        else if (arg == QLatin1String("--mix"))
            options.mix = value.toInt(&ok);
        else if (arg == QLatin1String("--weeks"))
            options.weeks = value.toInt(&ok);
        else if (arg == QLatin1String("--length"))
            options.length = value.toInt(&ok);
        else if (arg == QLatin1String("--csv"))
            csvPath = value;
        else if (arg == QLatin1String("--plot"))
            plotPath = value;
        else if (arg == QLatin1String("--folder"))
            options.folder = value;
        else
            return fail(QStringLiteral("unknown option %1 (see --help)").arg(arg));
        if (!ok)
            return fail(QStringLiteral("%1 takes a whole number, not \"%2\"").arg(arg, value));
    }
    if (options.mix != 0 && options.players.isEmpty())
        options.players = StrategyNames();
    if (const QString problem = Simulator::Check(options); !problem.isEmpty())
        return fail(problem);

    QFile csvFile(csvPath);
    QTextStream csvStream(&csvFile);
    if (!csvPath.isEmpty() && !csvFile.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(QStringLiteral("cannot write %1").arg(csvPath));

    const Simulator simulator(options);
    // Progress only for a person watching; a redirected run stays quiet.
    const bool terminal = isatty(fileno(stderr)) != 0;
    const auto results =
        simulator.Run(csvPath.isEmpty() ? nullptr : &csvStream, [&](std::int32_t done) {
            if (terminal && (done % 50 == 0 || done == options.games))
                std::fprintf(stderr, "\rgame %d of %d", done, options.games);
        });
    if (terminal)
        std::fprintf(stderr, "\n");
    csvStream.flush();
    std::fputs(qPrintable(simulator.Summary(results)), stdout);
    if (!plotPath.isEmpty()) {
        if (const QString problem = WritePlot(plotPath, options, results, simulator.SeatNames());
            !problem.isEmpty())
            return fail(problem);
    }
    return 0;
}

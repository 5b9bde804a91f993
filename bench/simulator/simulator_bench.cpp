// The simulator window's run against bjsim on the same inputs and seed, offscreen, with the
// default strategies of a new database and stop rules that rarely fire; then how long Cancel
// takes to end a run at points spread over it.
// Usage: simulator_bench [seed]   (bjsim is taken from this program's folder)
// Each figure is the best of three runs. The engine's run here deals each session from its own
// stream, as bjsim does, and their end bankrolls show that both played the same; the window
// deals the whole run from one stream, as its runs take no seed.
#include "tests/simulator/simulator_fixture.h"

#include "store/betting_strategies.h"
#include "store/playing_strategies.h"
#include "store/strategy_db.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

struct Case {
    const char* name;
    const char* sessions;
    const char* hands;
};

// What a new database's defaults put in force, as bjsim loads them.
void UseDefaults(bj::StrategyDb& db, bj::GameState& gs) {
    bj::ResetStatistics(gs);
    bj::LoadPlayingStrategy(db, 1, gs);
    bj::ApplyStreakStrategy(*bj::LoadStreakStrategy(db, 1), gs);
    gs.BettingType = bj::kStreakBetting;
}

// Wall-clock hands per second, and per second of processor time, which a loaded machine
// disturbs far less.
struct Measured {
    double handsPerSecond = 0;
    double handsPerCpuSecond = 0;
    QString endBank;
};

double ProcessCpuSeconds() {
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + t.tv_nsec / 1e9;
}

double ChildrenCpuSeconds() {
    rusage usage {};
    getrusage(RUSAGE_CHILDREN, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

Measured RunWindow(bj::StrategyDb& db, const Case& c, std::uint64_t seed) {

    bj::test::Simulator s;
    UseDefaults(db, s.gs);
    bj::SeedRandom(s.gs, seed);
    s.Enter("10000000", "10000000", "0", c.hands, c.sessions);
    QElapsedTimer clock;
    clock.start();
    const double cpu = ProcessCpuSeconds();
    s.w->cmdRun_Click();
    const double seconds = clock.nsecsElapsed() / 1e9;
    const auto hands = static_cast<double>(s.w->Results().TotalHands());
    return {hands / seconds, hands / (ProcessCpuSeconds() - cpu),
        s.w->lblStartingBank->text().remove('$')};
}

// The engine's run with only the tally the window keeps, in this process: what the window
// costs beyond the engine, whatever the two programs' code layout.
Measured RunHeadless(bj::StrategyDb& db, const Case& c, std::uint64_t seed) {
    bj::GameState gs;
    UseDefaults(db, gs);
    bj::SeedRandom(gs, seed);
    bj::MultiSessionInputs inputs;
    inputs.Sessions = std::stoll(c.sessions);
    inputs.HandsPerSession = std::stoi(c.hands);
    inputs.MaxWin = inputs.MaxLoss = bj::Currency::FromWhole(10000000);
    inputs.Seed = seed;
    bj::WagerTally tally;
    bj::MultiSessionHooks hooks;
    hooks.Cancelled = [&] {
        tally.Observe(gs);
        return false;
    };
    QElapsedTimer clock;
    clock.start();
    const double cpu = ProcessCpuSeconds();
    const auto summary = bj::RunMultiSession(gs, inputs, hooks);
    const double seconds = clock.nsecsElapsed() / 1e9;
    return {summary.Hands / seconds, summary.Hands / (ProcessCpuSeconds() - cpu),
        QLocale(QLocale::English).toString(summary.EndBank.ToDouble(), 'f', 2)};
}

Measured RunBjsim(const QString& dbPath, const Case& c, std::uint64_t seed) {
    const double cpu = ChildrenCpuSeconds();
    QProcess bjsim;
    bjsim.setStandardOutputFile(QProcess::nullDevice());
    bjsim.start(QCoreApplication::applicationDirPath() + "/bjsim",
        {"--db", dbPath, "--sessions", c.sessions, "--hands", c.hands, "--max-win", "10000000",
            "--max-loss", "10000000", "--bail-out", "0", "--seed", QString::number(seed), "--csv"});
    bjsim.waitForFinished(-1);
    const QString summary = QString::fromUtf8(bjsim.readAllStandardError());
    const auto speed = QRegularExpression(R"(([\d.]+) hands per second)").match(summary);
    const auto bank = QRegularExpression(R"(Bankroll: +\S+ -> (\S+))").match(summary);
    const auto hands = QRegularExpression(R"(Hands played: +(\d+))").match(summary);
    return {speed.captured(1).toDouble(),
        hands.captured(1).toDouble() / (ChildrenCpuSeconds() - cpu), bank.captured(1)};
}

Measured Best(const Measured& a, const Measured& b) {
    return {std::max(a.handsPerSecond, b.handsPerSecond),
        std::max(a.handsPerCpuSecond, b.handsPerCpuSecond), b.endBank};
}

// From the moment a Cancel click is due until the run has ended and the window is idle.
void CancelLatency(bj::StrategyDb& db) {
    std::vector<double> waits;
    for (int trial = 0; trial < 15; ++trial) {
        bj::test::Simulator s;
        UseDefaults(db, s.gs);
        const char* kinds[][2] = {{"30000", "200"}, {"30000", "1000000"}, {"10", "1000000"}};
        s.Enter("10000000", "10000000", "0", kinds[trial % 3][0], kinds[trial % 3][1]);
        QElapsedTimer clock;
        const int dueMs = 100 + 150 * trial;
        QTimer::singleShot(dueMs, Qt::PreciseTimer, s.w->cmdCancel, &QPushButton::click);
        clock.start();
        s.w->cmdRun_Click();
        const double wait = clock.nsecsElapsed() / 1e6 - dueMs;
        if (s.w->Results().Count() == std::stoll(kinds[trial % 3][1]))
            continue; // the run ended before the click was due
        std::printf("  cancel %d ms into %s x %s: %.1f ms\n", dueMs, kinds[trial % 3][1],
            kinds[trial % 3][0], wait);
        waits.push_back(wait);
    }
    std::sort(waits.begin(), waits.end());
    double sum = 0;
    for (double w : waits)
        sum += w;
    std::printf("cancel latency over %zu runs: mean %.1f ms, median %.1f ms, worst %.1f ms\n",
        waits.size(), sum / waits.size(), waits[waits.size() / 2], waits.back());
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::uint64_t seed = argc > 1 ? QString(argv[1]).toULongLong() : 20261206;
    QTemporaryDir dir;
    const QString dbPath = dir.filePath("BlkJack.mdb");
    bj::StrategyDb db = bj::StrategyDb::Open(dbPath.toStdString());

    const Case cases[] = {{"200 sessions x 30,000 hands", "200", "30000"},
        {"1,000,000 sessions x 10 hands", "1000000", "10"}};
    for (const Case& c : cases) {
        // The best of three, taken in turns, so that other work on the machine weighs on
        // all alike.
        Measured window, tool, engine;
        for (int round = 0; round < 3; ++round) {
            window = Best(window, RunWindow(db, c, seed));
            tool = Best(tool, RunBjsim(dbPath, c, seed));
            engine = Best(engine, RunHeadless(db, c, seed));
        }
        std::printf("%s (end bankroll: engine %s, bjsim %s%s; window %s)\n", c.name,
            qPrintable(engine.endBank), qPrintable(tool.endBank),
            engine.endBank == tool.endBank ? ", the same" : ", DIFFERENT",
            qPrintable(window.endBank));
        std::printf("  hands/s       window %9.0f  bjsim %9.0f  ratio %.2f  (engine alone in "
                    "this process %9.0f)\n",
            window.handsPerSecond, tool.handsPerSecond, window.handsPerSecond / tool.handsPerSecond,
            engine.handsPerSecond);
        std::printf("  hands/cpu-s   window %9.0f  bjsim %9.0f  ratio %.2f  (engine alone in "
                    "this process %9.0f)\n",
            window.handsPerCpuSecond, tool.handsPerCpuSecond,
            window.handsPerCpuSecond / tool.handsPerCpuSecond, engine.handsPerCpuSecond);
    }
    CancelLatency(db);
    return 0;
}

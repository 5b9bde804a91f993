// The simulator window's run against bjsim on the same inputs and seed, offscreen, with the
// default strategies of a new database and stop rules that rarely fire; then how long Cancel
// takes to end a run at points spread over it.
// Usage: simulator_bench [seed]   (bjsim is taken from this program's folder)
// Each figure is the best of three runs; the end bankrolls show that both played the same.
#include "tests/simulator/simulator_fixture.h"

#include "store/betting_strategies.h"
#include "store/playing_strategies.h"
#include "store/strategy_db.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
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
    for (int trial = 0; trial < 12; ++trial) {
        bj::test::Simulator s;
        UseDefaults(db, s.gs);
        s.Enter("10000000", "10000000", "0", "30000", trial % 2 ? "1000" : "1000000");
        QElapsedTimer clock;
        const int dueMs = 100 + 170 * trial;
        QTimer::singleShot(dueMs, s.w->cmdCancel, &QPushButton::click);
        clock.start();
        s.w->cmdRun_Click();
        waits.push_back(clock.nsecsElapsed() / 1e6 - dueMs);
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

        const Measured window = RunWindow(db, c, seed);
        const Measured tool = RunBjsim(dbPath, c, seed);
        std::printf("%s: window %.0f hands/s, bjsim %.0f hands/s, ratio %.2f; per processor "
                    "second %.0f and %.0f, ratio %.2f; end bankroll %s / %s%s\n",
            c.name, window.handsPerSecond, tool.handsPerSecond,
            window.handsPerSecond / tool.handsPerSecond, window.handsPerCpuSecond,
            tool.handsPerCpuSecond, window.handsPerCpuSecond / tool.handsPerCpuSecond,
            qPrintable(window.endBank), qPrintable(tool.endBank),
            window.endBank == tool.endBank ? " (the same)" : " (DIFFER)");
    }
    CancelLatency(db);
    return 0;
}

// Continuous play at speed 10 on the real table window, offscreen: rounds per second, frames
// of the table drawn per second, and how long a click waits for the event loop meanwhile.
// Usage: table_play_bench [seconds]
#include "tests/table/table_fixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

// Hits below 17, doubles 10 and 11, splits aces and eights: every kind of round gets drawn.
void SimpleStrategy(bj::GameState& gs) {
    for (int row = 0; row < bj::kPlayerRows; ++row) {
        const int total = row < 8 ? row + 4 : 12 + (row - 8) / 2;
        gs.StrategyMatrix[row].fill(total >= 17 ? bj::kStand : bj::kHit);
    }
    gs.StrategyMatrix[6].fill(bj::kDoubleDown);
    gs.StrategyMatrix[7].fill(bj::kDoubleDown);
    gs.StrategyMatrix[9].fill(bj::kSplitOrHit);
    gs.StrategyMatrix[16].fill(bj::kSplitOrHit);
    gs.BettingType = bj::kVariableBetting;
    gs.InitialBet = gs.MinimumBet = 5;
    gs.MaximumBet = 100;
    gs.WinBet = gs.LoseBet = 5;
}

class PaintCounter final : public QObject {
public:
    long long frames = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++frames;
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double seconds = argc > 1 ? std::max(1.0, QString(argv[1]).toDouble()) : 10.0;

    bj::GameState gs;
    SimpleStrategy(gs);
    bj::test::StubNavigation nav;
    bj::AppContext ctx {gs, nullptr, nav};
    bj::frmMain table(ctx);
    table.show();
    PaintCounter painted;
    table.findChild<QWidget*>("tableFelt")->installEventFilter(&painted);
    table.findChild<QSlider*>("sldPlaySpeed")->setValue(10);
    auto* deal = table.findChild<QPushButton*>("cmdDeal");

    // Keep dealing whenever the hands run out, and probe how long a posted event waits.
    QElapsedTimer clock;
    qint64 worstWaitUs = 0, totalWaitUs = 0, probes = 0;
    QTimer keepDealing;
    QObject::connect(&keepDealing, &QTimer::timeout, [&] {
        if (deal->isEnabled())
            deal->click();
        const qint64 posted = clock.nsecsElapsed();
        QTimer::singleShot(0, [&, posted] {
            const qint64 waited = (clock.nsecsElapsed() - posted) / 1000;
            worstWaitUs = std::max(worstWaitUs, waited);
            totalWaitUs += waited;
            ++probes;
        });
    });
    keepDealing.start(20);
    clock.start();
    deal->click();
    QTimer::singleShot(static_cast<int>(seconds * 1000), &app, &QApplication::quit);
    app.exec();
    const double elapsed = clock.nsecsElapsed() / 1e9;
    table.cmdStop_Click();

    std::printf("table_play_bench: %.1f s of continuous play at speed 10 (timer 1 ms)\n", elapsed);
    std::printf("  rounds played      %lld  (%.0f rounds/s)\n", table.RoundsPlayed(),
        table.RoundsPlayed() / elapsed);
    std::printf(
        "  table frames drawn %lld  (%.0f frames/s)\n", painted.frames, painted.frames / elapsed);
    std::printf("  event wait         mean %.2f ms, worst %.2f ms over %lld probes\n",
        probes ? totalWaitUs / 1000.0 / probes : 0.0, worstWaitUs / 1000.0, probes);
    return 0;
}

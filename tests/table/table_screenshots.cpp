// Saves pictures of the table in the middle of a split round and of the advanced
// statistics after a long run: table_screenshots <folder> [seconds to stay on screen].
#include "table_fixture.h"

#include "engine/round.h"
#include "table/frm_advanced_stats.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTimer>

using namespace bj;
using namespace bj::test;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString(argv[1]) : QDir::currentPath();
    const int linger = argc > 2 ? QString(argv[2]).toInt() : 0;
    QDir().mkpath(folder);

    Table t;
    t.gs.DoubleOnSplits = true;
    t.window->show();
    // A long run first, so that the statistics have something to show.
    NullTable quiet;
    for (int i = 0; i < 5000; ++i)
        PlayRound(t.gs, quiet);
    t.PlayRound({10, 7, 10, 9});

    t.window->optContinuousPlay_Click(1);
    // Dealer K of hearts under a 7 of diamonds; the player splits eights (clubs and hearts);
    // the first hand takes a 3 and doubles on 11, the second draws a queen.
    t.gs.StackedCards.clear();
    const Card deal[] = {{13, kHearts}, {7, kDiamonds}, {8, kClubs}, {8, kHearts}, {3, kSpades},
        {9, kDiamonds}, {12, kSpades}};
    for (auto it = std::rbegin(deal); it != std::rend(deal); ++it)
        t.gs.StackedCards.push_back(*it);
    t.gs.StrategyMatrix[7].fill(kDoubleDown);

    auto* next = t.window->findChild<QPushButton*>("cmdNext");
    int pauses = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (next->isHidden())
            return;
        if (++pauses == 2) {
            t.window->grab().save(folder + "/table_split_round.png");
            if (linger > 0) {
                QTimer::singleShot(linger * 1000, next, &QPushButton::click);
                poll.stop();
                return;
            }
        }
        next->click();
    });
    poll.start(50);
    const long long before = t.window->RoundsPlayed();
    t.window->cmdDeal_Click();
    while (t.window->RoundsPlayed() == before)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    t.window->grab().save(folder + "/table_after_split.png");

    frmAdvancedStats advanced(t.ctx);
    advanced.show();
    advanced.raise();
    QApplication::processEvents();
    advanced.grab().save(folder + "/advanced_statistics.png");
    if (linger > 0) {
        QTimer::singleShot(linger * 1000, &app, &QApplication::quit);
        app.exec();
    }
    return 0;
}

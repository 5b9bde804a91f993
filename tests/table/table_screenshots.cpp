// Saves pictures of the table in the middle of a split round and of the advanced
// statistics after a long run: table_screenshots <folder>.
#include "table_fixture.h"

#include "engine/round.h"
#include "table/frm_advanced_stats.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>

using namespace bj;
using namespace bj::test;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString(argv[1]) : QDir::currentPath();
    QDir().mkpath(folder);

    Table t;
    t.gs.DoubleOnSplits = true;
    t.window->show();
    NullTable quiet; // a long run first, so that the statistics have something to show
    for (int i = 0; i < 5000; ++i)
        PlayRound(t.gs, quiet);
    t.PlayRound({10, 7, 10, 9});

    // Dealer K of hearts under a 7 of diamonds; the player splits eights (clubs and hearts);
    // the first hand takes a 3 and doubles on 11, the second draws a queen.
    int pauses = 0;
    QTimer poll;
    t.PlayPaused(poll, {}, [&] {
        if (++pauses == 2)
            t.window->grab().save(folder + "/table_split_round.png");
        t.Find<QPushButton>("cmdNext")->click();
    });
    const Card deal[] = {{13, kHearts}, {7, kDiamonds}, {8, kClubs}, {8, kHearts}, {3, kSpades},
        {9, kDiamonds}, {12, kSpades}};
    t.gs.StackedCards.assign(std::rbegin(deal), std::rend(deal)); // before the round's tick
    RunUntil([&] { return t.window->RoundsPlayed() == 2; }, 600000);
    t.window->grab().save(folder + "/table_after_split.png");

    frmAdvancedStats advanced(t.ctx);
    advanced.show();
    QApplication::processEvents();
    advanced.grab().save(folder + "/advanced_statistics.png");
    return 0;
}

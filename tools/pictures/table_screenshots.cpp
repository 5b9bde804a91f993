// Saves pictures of the table at its starting size and maximised, in the middle of a split
// round and after it, and of the advanced statistics after a long run:
// table_screenshots <folder>. On a real display each picture of the table comes twice: the
// window alone and the whole screen with the window manager's frame.
#include "tests/table/table_fixture.h"

#include "engine/round.h"
#include "table/frm_advanced_stats.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QScreen>

using namespace bj;
using namespace bj::test;

namespace {

void Save(frmMain& window, const QString& path) {
    window.grab().save(path + ".png");
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        window.screen()->grabWindow(0).save(path + "_screen.png");
}

// Dealer K of hearts and 7 of diamonds. The player splits eights (clubs, hearts) and the 8 of
// spades comes to the first hand, which splits again, draws a 3 and doubles on 11 into 20; the
// second hand stands on 14 and the third on 17: won doubled, lost, push.
void PlaySplitRound(Table& t, const QString& path) {
    int pauses = 0;
    QTimer poll;
    t.PlayPaused(poll, {}, [&] {
        if (++pauses == 3) {
            QTest::qWait(300);
            Save(*t.window, path + "_split_round");
        }
        t.Find<QPushButton>("cmdNext")->click();
    });
    const Card deal[] = {{13, kHearts}, {7, kDiamonds}, {8, kClubs}, {8, kHearts}, {8, kSpades},
        {3, kSpades}, {9, kDiamonds}, {6, kClubs}, {9, kClubs}};
    t.gs.StackedCards.assign(std::rbegin(deal), std::rend(deal)); // before the round's tick
    const long long before = t.window->RoundsPlayed();
    RunUntil([&] { return t.window->RoundsPlayed() == before + 1; }, 600000);
    QTest::qWait(300);
    Save(*t.window, path + "_after_split");
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString(argv[1]) : QDir::currentPath();
    QDir().mkpath(folder);

    for (const bool maximised : {false, true}) {
        Table t;
        t.gs.DoubleOnSplits = true;
        if (maximised)
            t.window->showMaximized();
        else
            t.window->show();
        if (!QTest::qWaitForWindowExposed(t.window.get()))
            return 1;
        QTest::qWait(500); // the window manager places and sizes the window
        TableObserver quiet; // a long run first, so that the statistics have something to show
        for (int i = 0; i < 5000; ++i)
            PlayRound(t.gs, quiet);
        t.PlayRound({10, 7, 10, 9});
        PlaySplitRound(t, folder + (maximised ? "/table_maximised" : "/table"));

        if (!maximised) {
            frmAdvancedStats advanced(t.ctx);
            advanced.show();
            QApplication::processEvents();
            advanced.grab().save(folder + "/advanced_statistics.png");
        }
    }
    return 0;
}

// The grid of the best table for the seeded rules, with its row values, for a person
// to look at. strategy_grid_picture <file.png>
#include "editors/strategy_grid.h"
#include "editors/strategy_value.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

using namespace bj;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    GameState gs;
    gs.DoubleOnSplits = true;
    gs.DealerSoft17 = 1;
    FillBestTable(gs);
    gs.InsuranceByRow[1] = true;
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* grid = new StrategyGrid(gs);
    const ExactResult values = AnalyseStrategy(PlayingTableOf(gs));
    grid->SetRowValues(&values);
    grid->SetCurrent(16, 1);
    layout->addWidget(grid);
    layout->addWidget(new QLabel(ExpectedReturnText(gs)));
    window.resize(window.sizeHint());
    window.show();
    QApplication::processEvents();
    return window.grab().save(argv[1]) ? 0 : 1;
}

#include "editors/strategy_value.h"

#include "engine/best_table.h"
#include "engine/exact_analysis.h"

namespace bj {

QString ExpectedReturnText(const GameState& gs) {
    const double percent = 100 * ExpectedReturn(PlayingTableOf(gs));
    QString number = QString::number(percent, 'f', 2);
    if (number == "-0.00")
        number = "0.00";
    number.replace('-', QChar(0x2212));
    return QString("Expected return: %1 % of a bet per round, infinite shoe").arg(number);
}

void FillBestTable(GameState& gs) {
    const PlayingTable best = BestTable(PlayingTableOf(gs).Rules);
    gs.StrategyMatrix = best.StrategyMatrix;
    gs.InsuranceByRow = best.InsuranceByRow;
}

} // namespace bj

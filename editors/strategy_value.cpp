#include "editors/strategy_value.h"

#include "editors/number_text.h"
#include "engine/best_table.h"
#include "engine/exact_analysis.h"

namespace bj {

QString ExpectedReturnText(const GameState& gs) {
    return QString("Expected return: %1 % of a bet per round, infinite shoe")
        .arg(SignedTwoDecimals(100 * ExpectedReturn(PlayingTableOf(gs))));
}

void FillBestTable(GameState& gs) {
    const PlayingTable best = BestTable(PlayingTableOf(gs).Rules);
    gs.StrategyMatrix = best.StrategyMatrix;
    gs.InsuranceByRow = best.InsuranceByRow;
}

} // namespace bj

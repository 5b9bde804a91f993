#pragma once

#include "engine/exact_analysis.h"
#include "engine/game_state.h"

#include <QWidget>
#include <optional>

class QLabel;
class QTableWidget;

namespace bj {

// The playing strategy as the chart every strategy table is drawn as: the 26 player hands
// down, the dealer's card across in the order 2 .. 9, 10, A, then the insurance column, each
// cell coloured by its action, with a legend. It only shows the game state; a click or a
// keyboard move to a cell is reported as CellPicked, which tells the two apart.
class StrategyGrid : public QWidget {
    Q_OBJECT
public:
    explicit StrategyGrid(const GameState& gs, QWidget* parent = nullptr);

    void RefreshAll();
    // row = PlayerRow, column = DealerColumn, or kDealerColumns for the insurance column.
    void RefreshCell(int row, int column);
    // Marks the cell the editor's lists show; emits nothing.
    void SetCurrent(int row, int column);
    // Cell tooltips "<hand> against <card>: <value>" from a copy of the values; null: none.
    void SetRowValues(const ExactResult* values);

signals:
    void CellPicked(int row, int column, bool byClick);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowCell(int row, int column);
    void CurrentMoved(int shownRow, int shownColumn);
    void Clicked(int shownRow, int shownColumn);

    const GameState& gs_;
    QTableWidget* cells_ = nullptr;
    QLabel* legend_ = nullptr;
    std::optional<ExactResult> values_;
    bool settingCurrent_ = false;
    bool pickedByThisPress_ = false;
    bool pressing_ = false;
};

} // namespace bj

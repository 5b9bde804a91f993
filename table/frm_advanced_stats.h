#pragma once

#include "shell/navigation.h"

#include <QWidget>

#include <array>

class QLabel;
class QPushButton;

namespace bj {

// How often winning and losing streaks ended at each length, and how many hands were played
// inside streaks of each length or longer.
class frmAdvancedStats final : public QWidget {
    Q_OBJECT

public:
    explicit frmAdvancedStats(AppContext& ctx, QWidget* parent = nullptr);

    void Form_Activate();
    void cmdResetStatistics_Click();
    void cmdReturntoGame_Click();
    // The count column as the game state has it; the totals column as the settlement writes
    // it, count times length. Activation then replaces the totals by their running sums.
    void ShowStreakCounts();

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* BuildSection(int kind);
    void Form_Load();

    AppContext& ctx_;
    // Index 1..26; row 26 counts every streak longer than 25.
    std::array<QLabel*, 27> lblWinStreak_ {};
    std::array<QLabel*, 27> lblPercentHandsWon_ {};
    std::array<QLabel*, 27> lblLossStreak_ {};
    std::array<QLabel*, 27> lblPercentHandsLost_ {};
    QPushButton* cmdResetStatistics_ = nullptr;
    QPushButton* cmdReturnToGame_ = nullptr;
};

} // namespace bj

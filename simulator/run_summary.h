#pragma once

#include <QGroupBox>

class QLabel;

namespace bj {

class WagerTally;
class SessionResults;

// What a user testing a betting strategy wants to know of a run at a glance: how sessions
// ended, what a session wins or loses on average, and the return per hand and per amount
// wagered with their standard errors.
class RunSummary final : public QGroupBox {
    Q_OBJECT
public:
    explicit RunSummary(QWidget* parent = nullptr);
    void Show(const SessionResults& results, const WagerTally& rounds);

    QLabel* lblEndedWin = nullptr;
    QLabel* lblEndedLoss = nullptr;
    QLabel* lblPlayedThrough = nullptr;
    QLabel* lblMeanPerSession = nullptr;
    QLabel* lblReturnPerHand = nullptr;
    QLabel* lblAmountWagered = nullptr;
    QLabel* lblReturnPerWagered = nullptr;

private:
    QLabel* AddRow(const QString& caption, const char* name, int row, int column);
};

} // namespace bj

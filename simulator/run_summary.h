#pragma once

#include <QGroupBox>

#include <vector>

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

    // The same whichever way the figures are arranged, so that arranging them never moves
    // the box.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    QLabel* lblEndedWin = nullptr;
    QLabel* lblEndedLoss = nullptr;
    QLabel* lblPlayedThrough = nullptr;
    QLabel* lblMeanPerSession = nullptr;
    QLabel* lblReturnPerHand = nullptr;
    QLabel* lblAmountWagered = nullptr;
    QLabel* lblInsuranceWagered = nullptr; // a row of its own, so that large runs keep it in view
    QLabel* lblReturnPerWagered = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Row {
        QLabel* caption;
        QLabel* value;
    };
    QLabel* AddRow(const QString& caption, const char* name);
    // Two columns side by side where `width` is enough for both, the second under the first
    // where it is not, so that a narrow screen need not scroll sideways to the figures.
    void ArrangeFor(int width);
    int WidthNeeded(bool sideBySide) const;

    std::vector<Row> rows_; // the first column, then the second
    bool sideBySide_ = false;
};

} // namespace bj

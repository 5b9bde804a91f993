#include "simulator/run_summary.h"

#include "simulator/amount_text.h"
#include "simulator/wager_tally.h"
#include "simulator/session_results.h"

#include <QGridLayout>
#include <QLabel>

namespace bj {
namespace {

QString CountAndShare(std::int64_t count, std::int64_t of) {
    const double percent
        = of > 0 ? 100.0 * static_cast<double>(count) / static_cast<double>(of) : 0;
    return QString("%1 (%2 %)").arg(count).arg(percent, 0, 'f', 1);
}

QString WithError(double value, double error, int decimals) {
    return QString("%1 \u00b1 %2").arg(GroupedFigure(value)).arg(error, 0, 'f', decimals);
}

} // namespace

RunSummary::RunSummary(QWidget* parent)
    : QGroupBox(QStringLiteral("Run Summary"), parent) {
    setObjectName(QStringLiteral("fraSummary"));
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(2);
    lblEndedWin = AddRow("Stopped by a win rule:", "lblEndedWin", 0, 0);
    lblEndedLoss = AddRow("Stopped by the loss rule:", "lblEndedLoss", 1, 0);
    lblPlayedThrough = AddRow("Played through:", "lblPlayedThrough", 2, 0);
    lblMeanPerSession = AddRow("Won/lost per session:", "lblMeanPerSession", 3, 0);
    lblAmountWagered = AddRow("Amount wagered:", "lblAmountWagered", 0, 2);
    lblReturnPerWagered = AddRow("Return per amount wagered:", "lblReturnPerWagered", 1, 2);
    lblReturnPerHand = AddRow("Return per hand:", "lblReturnPerHand", 2, 2);
    grid->setColumnMinimumWidth(2, 0);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

QLabel* RunSummary::AddRow(const QString& caption, const char* name, int row, int column) {
    auto* grid = static_cast<QGridLayout*>(layout());
    grid->addWidget(new QLabel(caption, this), row, column);
    auto* value = new QLabel(this);
    value->setObjectName(name);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(value, row, column + 1);
    return value;
}

void RunSummary::Show(const SessionResults& results, const WagerTally& rounds) {
    const std::int64_t n = results.Count();
    lblEndedWin->setText(CountAndShare(results.Ended(SessionEnd::StoppedOnWin), n));
    lblEndedLoss->setText(CountAndShare(results.Ended(SessionEnd::StoppedOnLoss), n));
    lblPlayedThrough->setText(CountAndShare(results.Ended(SessionEnd::PlayedThrough), n));
    lblMeanPerSession->setText(WithError(results.MeanWonLost(), results.MeanWonLostError(), 2));
    const std::int64_t hands = results.TotalHands();
    const double perHand = hands > 0 ? results.Total().ToDouble() / static_cast<double>(hands) : 0;
    lblReturnPerHand->setText(QString("%1 \u00b1 %2")
                                  .arg(perHand, 0, 'f', 4)
                                  .arg(rounds.ReturnPerHandError(hands), 0, 'f', 4));
    lblAmountWagered->setText(GridAmount(rounds.Wagered()) + " (insurance "
        + GridAmount(rounds.InsuranceWagered()) + ")");
    lblReturnPerWagered->setText(QString("%1 % \u00b1 %2 %")
                                     .arg(100 * rounds.ReturnPerWagered(), 0, 'f', 2)
                                     .arg(100 * rounds.ReturnPerWageredError(), 0, 'f', 2));
}

} // namespace bj

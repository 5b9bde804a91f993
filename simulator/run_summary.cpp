#include "simulator/run_summary.h"

#include "simulator/amount_text.h"
#include "simulator/session_results.h"
#include "simulator/wager_tally.h"

#include <QGridLayout>
#include <QLabel>
#include <QResizeEvent>

#include <algorithm>

namespace bj {
namespace {

constexpr std::size_t kFirstColumnRows = 4; // how sessions ended and what one wins

// A share of some but not all sessions never reads as none or all of them.
QString CountAndShare(std::int64_t count, std::int64_t of) {
    const double percent
        = of > 0 ? 100.0 * static_cast<double>(count) / static_cast<double>(of) : 0;
    QString share = QString::number(percent, 'f', 1);
    if (count > 0 && share == "0.0")
        share = "< 0.1";
    else if (count < of && share == "100.0")
        share = "> 99.9";
    return QString("%1 (%2 %)").arg(GroupedCount(count)).arg(share);
}

QString WithError(double value, double error, int decimals) {
    return QString("%1 \u00b1 %2").arg(GroupedFigure(value), GroupedFigure(error, decimals));
}

} // namespace

RunSummary::RunSummary(QWidget* parent)
    : QGroupBox(QStringLiteral("Run Summary"), parent) {
    setObjectName(QStringLiteral("fraSummary"));
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(2);
    // Eight rows under each other still leave a 1024 x 768 screen room for the grid's last row.
    const QMargins margins = grid->contentsMargins();
    grid->setContentsMargins(
        margins.left(), margins.top() - 4, margins.right(), margins.bottom() - 4);
    lblEndedWin = AddRow("Stopped by a win rule:", "lblEndedWin");
    lblEndedLoss = AddRow("Stopped by the loss rule:", "lblEndedLoss");
    lblPlayedThrough = AddRow("Played through:", "lblPlayedThrough");
    lblMeanPerSession = AddRow("Won/lost per session:", "lblMeanPerSession");
    lblAmountWagered = AddRow("Amount wagered:", "lblAmountWagered");
    lblInsuranceWagered = AddRow("Insurance wagered:", "lblInsuranceWagered");
    lblReturnPerWagered = AddRow("Return per amount wagered:", "lblReturnPerWagered");
    lblReturnPerHand = AddRow("Won/lost per hand:", "lblReturnPerHand");
    ArrangeFor(WidthNeeded(true));
}

QLabel* RunSummary::AddRow(const QString& caption, const char* name) {
    auto* value = new QLabel(this);
    value->setObjectName(name);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    rows_.push_back({new QLabel(caption, this), value});
    return value;
}

void RunSummary::ArrangeFor(int width) {
    const bool sideBySide = width >= WidthNeeded(true);
    if (sideBySide == sideBySide_)
        return;
    sideBySide_ = sideBySide;
    auto* grid = static_cast<QGridLayout*>(layout());
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const bool second = sideBySide && i >= kFirstColumnRows;
        const int row = static_cast<int>(second ? i - kFirstColumnRows : i);
        const int column = second ? 2 : 0;
        grid->removeWidget(rows_[i].caption);
        grid->removeWidget(rows_[i].value);
        grid->addWidget(rows_[i].caption, row, column);
        grid->addWidget(rows_[i].value, row, column + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, sideBySide ? 1 : 0);
    updateGeometry();
}

int RunSummary::WidthNeeded(bool sideBySide) const {
    const auto* grid = static_cast<const QGridLayout*>(layout());
    auto widest = [this](std::size_t from, std::size_t to, QLabel* Row::*label) {
        int width = 0;
        for (std::size_t i = from; i < to; ++i)
            width = std::max(width, (rows_[i].*label)->sizeHint().width());
        return width;
    };
    const int gap = grid->horizontalSpacing();
    const std::size_t all = rows_.size();
    const int columns = sideBySide
        ? widest(0, kFirstColumnRows, &Row::caption) + gap
            + widest(0, kFirstColumnRows, &Row::value) + gap
            + widest(kFirstColumnRows, all, &Row::caption) + gap
            + widest(kFirstColumnRows, all, &Row::value)
        : widest(0, all, &Row::caption) + gap + widest(0, all, &Row::value);
    const QMargins inner = grid->contentsMargins() + contentsMargins();
    return columns + inner.left() + inner.right();
}

QSize RunSummary::sizeHint() const {
    return {WidthNeeded(true), QGroupBox::sizeHint().height()};
}

QSize RunSummary::minimumSizeHint() const {
    return {WidthNeeded(false), QGroupBox::minimumSizeHint().height()};
}

void RunSummary::resizeEvent(QResizeEvent* event) {
    ArrangeFor(event->size().width());
    QGroupBox::resizeEvent(event);
}

void RunSummary::Show(const SessionResults& results, const WagerTally& rounds) {
    const std::int64_t n = results.Count();
    lblEndedWin->setText(CountAndShare(results.Ended(SessionEnd::StoppedOnWin), n));
    lblEndedLoss->setText(CountAndShare(results.Ended(SessionEnd::StoppedOnLoss), n));
    lblPlayedThrough->setText(CountAndShare(results.Ended(SessionEnd::PlayedThrough), n));
    lblMeanPerSession->setText(WithError(results.MeanWonLost(), results.MeanWonLostError(), 2));
    const std::int64_t hands = results.TotalHands();
    const double perHand = hands > 0 ? results.Total().ToDouble() / static_cast<double>(hands) : 0;
    lblReturnPerHand->setText(
        QString("%1 \u00b1 %2")
            .arg(GroupedFigure(perHand, 4), GroupedFigure(rounds.ReturnPerHandError(hands), 4)));
    lblAmountWagered->setText(GridCents(rounds.WageredCents()));
    lblInsuranceWagered->setText(GridCents(rounds.InsuranceWageredCents()));
    lblReturnPerWagered->setText(QString("%1 % \u00b1 %2 %")
                                     .arg(GroupedFigure(100 * rounds.ReturnPerWagered()),
                                         GroupedFigure(100 * rounds.ReturnPerWageredError())));
    ArrangeFor(width());
}

} // namespace bj

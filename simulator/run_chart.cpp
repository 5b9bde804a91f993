#include "simulator/run_chart.h"

#include "simulator/chart_data.h"
#include "simulator/result_columns.h"

#include <QBarSet>
#include <QBoxLayout>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QLocale>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <type_traits>

namespace bj {
namespace {

QChartView* MakeView(const char* name, const QString& title, QWidget* parent) {
    auto* chart = new QChart;
    chart->setTitle(title);
    // Room on the right for a label centred on the last edge.
    chart->setMargins(QMargins(4, 4, 20, 4));
    chart->legend()->setVisible(false);
    chart->setAnimationOptions(QChart::NoAnimation);
    auto* view = new QChartView(chart, parent);
    view->setObjectName(name);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(380, 180); // two fit beside the grid on a 768-pixel screen
    return view;
}

QString EdgeText(double amount, int decimals) {
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(amount, 'f', decimals);
}

template <class Axis> Axis* AddAxis(QChart* chart, Qt::Alignment side, const QString& title) {
    auto* axis = new Axis;
    axis->setTitleText(title);
    if constexpr (std::is_same_v<Axis, QValueAxis>)
        axis->setLabelFormat("%.0f");
    chart->addAxis(axis, side);
    return axis;
}

void SetWholeNumberRange(QValueAxis* axis, double low, double high) {
    const AxisScale scale = WholeNumberAxis(low, high);
    axis->setRange(scale.Low, scale.High);
    axis->setTickCount(scale.Ticks);
}

} // namespace

RunChart::RunChart(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("RunChart"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    bankrollView = MakeView("chtBankroll", "Bankroll at the end of each session", this);
    histogramView = MakeView("chtSessionResults", "Won/lost per session", this);
    sessionAxis_ = AddAxis<QValueAxis>(bankrollView->chart(), Qt::AlignBottom, "Session");
    bankrollAxis_ = AddAxis<QValueAxis>(bankrollView->chart(), Qt::AlignLeft, QString());
    amountAxis_ = AddAxis<QCategoryAxis>(histogramView->chart(), Qt::AlignBottom, QString());
    amountAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    countAxis_ = AddAxis<QValueAxis>(histogramView->chart(), Qt::AlignLeft, "Sessions");
    layout->addWidget(bankrollView, 1);
    layout->addWidget(histogramView, 1);
}

void RunChart::Show(const SessionResults& results) {
    ShowBankroll(results);
    ShowHistogram(results);
}

void RunChart::ShowBankroll(const SessionResults& results) {
    QChart* chart = bankrollView->chart();
    chart->removeAllSeries();
    auto* line = new QLineSeries;
    const QList<QPointF> points = BankrollPoints(results, 1200);
    line->replace(points);
    line->setPointsVisible(results.Count() <= 60);
    line->setColor(QColor(0, 90, 160));
    chart->addSeries(line);
    double low = points.front().y(), high = low;
    for (const QPointF& p : points) {
        low = std::min(low, p.y());
        high = std::max(high, p.y());
    }
    const double pad = (high - low) * 0.05;
    SetWholeNumberRange(sessionAxis_, 0, std::max<double>(1, static_cast<double>(results.Count())));
    SetWholeNumberRange(bankrollAxis_, low - pad, high + pad);
    line->attachAxis(sessionAxis_);
    line->attachAxis(bankrollAxis_);
}

// Bars stand at the bins' indexes; the amount axis is written on the bin edges.
void RunChart::ShowHistogram(const SessionResults& results) {
    QChart* chart = histogramView->chart();
    chart->removeAllSeries();
    const Histogram h = SessionHistogram(results);
    const auto bins = static_cast<int>(h.Counts.size());
    auto* bars = new QStackedBarSeries;
    bars->setBarWidth(1.0);
    const std::pair<SessionEnd, const char*> sets[] = {
        {SessionEnd::PlayedThrough, "Played through"},
        {SessionEnd::StoppedOnLoss, "Loss rule"},
        {SessionEnd::StoppedOnWin, "Win rule"},
    };
    std::int64_t tallest = 1;
    for (int b = 0; b < bins; ++b) {
        const auto& c = h.Counts[static_cast<std::size_t>(b)];
        tallest = std::max<std::int64_t>(tallest, c[0] + c[1] + c[2]);
    }
    for (const auto& [end, name] : sets) {
        auto* set = new QBarSet(name);
        set->setColor(LegendColour(end));
        set->setBorderColor(Qt::white);
        QList<qreal> counts;
        for (const auto& bin : h.Counts)
            counts.append(static_cast<qreal>(bin[static_cast<int>(end)]));
        set->append(counts);
        bars->append(set);
    }
    chart->addSeries(bars);
    chart->legend()->setVisible(bins > 0);
    chart->legend()->setAlignment(Qt::AlignBottom);

    for (const QString& label : amountAxis_->categoriesLabels())
        amountAxis_->remove(label);
    amountAxis_->setRange(-0.5, std::max(bins, 1) - 0.5);
    const int step = std::max(1, (bins + 3) / 4);
    const int decimals = EdgeDecimals(h.Low, h.Width * step);
    for (int edge = 0; edge <= bins; edge += step)
        amountAxis_->append(EdgeText(h.Low + edge * h.Width, decimals), edge - 0.5);
    SetWholeNumberRange(countAxis_, 0, static_cast<double>(tallest));
    bars->attachAxis(amountAxis_);
    bars->attachAxis(countAxis_);
}

} // namespace bj

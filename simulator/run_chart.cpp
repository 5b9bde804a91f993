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

QValueAxis* WholeNumberValueAxis(double low, double high) {
    const AxisScale scale = WholeNumberAxis(low, high);
    auto* axis = new QValueAxis;
    axis->setRange(scale.Low, scale.High);
    axis->setTickCount(scale.Ticks);
    axis->setLabelFormat("%.0f");
    return axis;
}

void ClearChart(QChart* chart) {
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
}

} // namespace

RunChart::RunChart(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("RunChart"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    bankrollView = MakeView("chtBankroll", "Bankroll at the end of each session", this);
    histogramView = MakeView("chtSessionResults", "Won/lost per session", this);
    layout->addWidget(bankrollView, 1);
    layout->addWidget(histogramView, 1);
}

void RunChart::Show(const SessionResults& results) {
    ShowBankroll(results);
    ShowHistogram(results);
}

void RunChart::ShowBankroll(const SessionResults& results) {
    QChart* chart = bankrollView->chart();
    ClearChart(chart);
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
    auto* x = WholeNumberValueAxis(0, std::max<double>(1, static_cast<double>(results.Count())));
    x->setTitleText("Session");
    auto* y = WholeNumberValueAxis(low - pad, high + pad);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    line->attachAxis(x);
    line->attachAxis(y);
}

// Bars stand at the bins' indexes; the amount axis is written on the bin edges.
void RunChart::ShowHistogram(const SessionResults& results) {
    QChart* chart = histogramView->chart();
    ClearChart(chart);
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

    auto* x = new QCategoryAxis;
    x->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    x->setRange(-0.5, std::max(bins, 1) - 0.5);
    const int step = std::max(1, (bins + 3) / 4);
    const int decimals = EdgeDecimals(h.Low, h.Width * step);
    for (int edge = 0; edge <= bins; edge += step)
        x->append(EdgeText(h.Low + edge * h.Width, decimals), edge - 0.5);
    auto* y = WholeNumberValueAxis(0, static_cast<double>(tallest));
    y->setTitleText("Sessions");
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    bars->attachAxis(x);
    bars->attachAxis(y);
}

} // namespace bj

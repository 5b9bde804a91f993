#include "simulator/run_chart.h"

#include "simulator/chart_data.h"
#include "simulator/result_columns.h"

#include <QBarSet>
#include <QBoxLayout>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFontMetrics>
#include <QLineSeries>
#include <QLocale>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>
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
    // A picture: Tab passes it by.
    view->setFocusPolicy(Qt::NoFocus);
    view->viewport()->setFocusPolicy(Qt::NoFocus);
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

// Labels that fit along `room` pixels when each takes `label` of them and the gap to the next
// half as much again: Qt Charts elides a label that crowds its neighbour, to "..." at worst.
// Before the chart is first laid out there is no room to go by.
int LabelsThatFit(double room, int label) {
    if (room <= 0 || label <= 0)
        return 6;
    return std::clamp(static_cast<int>(room / (1.5 * label)) + 1, 3, 6);
}

void SetWholeNumberRange(QChart* chart, QValueAxis* axis, const RunChart::Range& range) {
    const QFontMetrics metrics(axis->labelsFont());
    int label = metrics.height();
    double room = chart->plotArea().height();
    if (axis->orientation() == Qt::Horizontal) {
        room = chart->plotArea().width();
        label = std::max(metrics.horizontalAdvance(QString::number(range.Low, 'f', 0)),
            metrics.horizontalAdvance(QString::number(range.High, 'f', 0)));
    }
    const AxisScale scale = WholeNumberAxis(range.Low, range.High, LabelsThatFit(room, label));
    axis->setRange(scale.Low, scale.High);
    axis->setTickCount(scale.Ticks);
}

// The amounts at every `step`-th bin edge, from the lowest.
QStringList EdgeTexts(const Histogram& h, int step) {
    const auto bins = static_cast<int>(h.Counts.size());
    const int decimals = EdgeDecimals(h.Low, h.Width * step);
    QStringList texts;
    for (int edge = 0; edge <= bins; edge += step)
        texts << EdgeText(h.Low + edge * h.Width, decimals);
    return texts;
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
    // Queued: the axes change the layout that is telling of its change.
    for (QChartView* view : {bankrollView, histogramView})
        connect(view->chart(), &QChart::plotAreaChanged, this, &RunChart::FitAxes,
            Qt::QueuedConnection);
}

void RunChart::Show(const SessionResults& results) {
    ShowBankroll(results);
    ShowHistogram(results);
    shown_ = true;
    FitAxes();
}

// As many ticks and bin edges labelled as the charts have room for, whatever their size.
void RunChart::FitAxes() {
    if (!shown_)
        return;
    SetWholeNumberRange(bankrollView->chart(), sessionAxis_, sessions_);
    SetWholeNumberRange(bankrollView->chart(), bankrollAxis_, bankroll_);
    SetWholeNumberRange(histogramView->chart(), countAxis_, counts_);
    LabelBinEdges();
}

// Every few bin edges carry their amount, fewer where the amounts are long: Qt Charts gives
// each label an equal share of the axis.
void RunChart::LabelBinEdges() {
    const auto bins = static_cast<int>(histogram_.Counts.size());
    const double room = histogramView->chart()->plotArea().width();
    const QFontMetrics metrics(amountAxis_->labelsFont());
    QStringList texts;
    int step = std::max(1, (bins + 3) / 4);
    for (;; ++step) {
        texts = EdgeTexts(histogram_, step);
        int widest = 0;
        for (const QString& text : texts)
            widest = std::max(widest, metrics.horizontalAdvance(text));
        if (room <= 0 || step >= bins || room / texts.size() >= 1.25 * widest)
            break;
    }
    if (texts == amountAxis_->categoriesLabels())
        return;
    for (const QString& label : amountAxis_->categoriesLabels())
        amountAxis_->remove(label);
    for (int i = 0; i < texts.size(); ++i)
        amountAxis_->append(texts[i], i * step - 0.5);
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
    sessions_ = {0, std::max<double>(1, static_cast<double>(results.Count()))};
    bankroll_ = {low - pad, high + pad};
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

    amountAxis_->setRange(-0.5, std::max(bins, 1) - 0.5);
    histogram_ = h;
    counts_ = {0, static_cast<double>(tallest)};
    bars->attachAxis(amountAxis_);
    bars->attachAxis(countAxis_);
}

} // namespace bj

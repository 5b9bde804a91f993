#pragma once

#include "simulator/chart_data.h"

#include <QWidget>

class QCategoryAxis;
class QChart;
class QChartView;
class QValueAxis;

namespace bj {

class SessionResults;

// Two pictures of a run: the bankroll at the end of every session, and how the sessions'
// results are spread, each bar coloured by how its sessions ended.
class RunChart final : public QWidget {
    Q_OBJECT
public:
    explicit RunChart(QWidget* parent = nullptr);
    void Show(const SessionResults& results);

    QChartView* bankrollView = nullptr;
    QChartView* histogramView = nullptr;

    struct Range {
        double Low = 0, High = 1;
    };

private:
    void ShowBankroll(const SessionResults& results);
    void ShowHistogram(const SessionResults& results);
    void FitAxes();
    void LabelBinEdges();

    // Made once and kept: a chart deletes a removed axis's drawing only once control is back
    // in the event loop, which a run does not give it, so a replaced axis would stay drawn
    // under its successor.
    QValueAxis* sessionAxis_ = nullptr;
    QValueAxis* bankrollAxis_ = nullptr;
    QCategoryAxis* amountAxis_ = nullptr;
    QValueAxis* countAxis_ = nullptr;

    // What the axes span; their ticks follow the room the charts are given.
    bool shown_ = false;
    Range sessions_, bankroll_, counts_;
    Histogram histogram_;
};

} // namespace bj

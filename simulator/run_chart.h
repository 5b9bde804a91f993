#pragma once

#include <QWidget>

class QChart;
class QChartView;

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

private:
    void ShowBankroll(const SessionResults& results);
    void ShowHistogram(const SessionResults& results);
};

} // namespace bj

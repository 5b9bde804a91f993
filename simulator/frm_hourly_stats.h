#pragma once

#include "simulator/session_results.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTableView;

namespace bj {

class HourlyModel;

// "Hourly Statistics": every session's result per hour of play and the run's, built afresh
// from the results and the two total labels each time it opens.
class frmHourlyStats : public QWidget {
    Q_OBJECT
public:
    frmHourlyStats(const SessionResults& results, const QString& totalTimeText,
        const QString& totalBankText, QWidget* parent = nullptr);
    ~frmHourlyStats() override;

    void Form_Load();
    void FillHourlyStats();
    void cmdReturn_Click();
    void cmdExport_Click();

    QTableView* grdHourlyStats = nullptr;
    QLabel* lblTotal = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* cmdReturn = nullptr;
    QPushButton* cmdExport = nullptr;

private:
    const SessionResults& results_;
    QString totalTimeText_;
    QString totalBankText_;
    HourlyModel* model_ = nullptr;
};

} // namespace bj

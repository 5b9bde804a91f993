#include "simulator/frm_hourly_stats.h"

#include "shell/control_hooks.h"
#include "shell/input_helpers.h"
#include "simulator/hourly_figures.h"
#include "simulator/hourly_model.h"
#include "simulator/results_export.h"
#include "simulator/results_view.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace bj {

frmHourlyStats::frmHourlyStats(const SessionResults& results, const QString& totalTimeText,
    const QString& totalBankText, QWidget* parent)
    : QWidget(parent, Qt::Dialog)
    , results_(results)
    , totalTimeText_(totalTimeText)
    , totalBankText_(totalBankText) {
    setObjectName(QStringLiteral("frmHourlyStats"));
    setWindowTitle(QStringLiteral("Hourly Statistics"));
    auto* layout = new QVBoxLayout(this);
    grdHourlyStats = new ResultsView(this);
    grdHourlyStats->setObjectName(QStringLiteral("grdHourlyStats"));
    layout->addWidget(grdHourlyStats, 1);

    auto* total = new QHBoxLayout;
    lblTotal = new QLabel(QStringLiteral("Total Won / Lost Per Hour : "), this);
    lblTotal->setObjectName(QStringLiteral("lblTotal"));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFrameShape(QFrame::Panel);
    Label1->setFrameShadow(QFrame::Sunken);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label1->setMinimumWidth(fontMetrics().horizontalAdvance("$-999,999,999.00") + 8);
    total->addStretch(1);
    total->addWidget(lblTotal);
    total->addWidget(Label1);
    layout->addLayout(total);

    auto* buttons = new QHBoxLayout;
    cmdExport = new QPushButton(QStringLiteral("&Export..."), this);
    cmdExport->setObjectName(QStringLiteral("cmdExport"));
    cmdReturn = new QPushButton(QStringLiteral("&Return to Multi Session"), this);
    cmdReturn->setObjectName(QStringLiteral("cmdReturn"));
    InstallDefaultButton(this, cmdReturn);
    // The window only looks at figures, so Escape goes back as its one way out does.
    InstallCancelButton(this, cmdReturn);
    buttons->addStretch(1);
    buttons->addWidget(cmdExport);
    buttons->addWidget(cmdReturn);
    layout->addLayout(buttons);
    connect(cmdReturn, &QPushButton::clicked, this, &frmHourlyStats::cmdReturn_Click);
    connect(cmdExport, &QPushButton::clicked, this, &frmHourlyStats::cmdExport_Click);
    Form_Load();
}

frmHourlyStats::~frmHourlyStats() = default;

void frmHourlyStats::Form_Load() {
    model_ = new HourlyModel(results_, this);
    FillHourlyStats();
    const QFontMetrics metrics = grdHourlyStats->horizontalHeader()->fontMetrics();
    const int widths[] = {metrics.horizontalAdvance("0000000") + 16,
        metrics.horizontalAdvance("Time (HH:MM)") + 40,
        metrics.horizontalAdvance("Hourly Avg. (Per Session)") + 40};
    int total = 0;
    for (int c = 0; c < kHourlyColumns; ++c) {
        grdHourlyStats->setColumnWidth(c, widths[c]);
        total += widths[c];
    }
    grdHourlyStats->setMinimumWidth(
        total + grdHourlyStats->verticalScrollBar()->sizeHint().width() + 4);
    resize(sizeHint().width(), 420);
    CenterForm(this);
}

void frmHourlyStats::FillHourlyStats() {
    grdHourlyStats->setModel(model_);
    Label1->setText(RunHourlyText(totalTimeText_, totalBankText_));
}

void frmHourlyStats::cmdReturn_Click() {
    close();
}

void frmHourlyStats::cmdExport_Click() {
    ExportHourly(this, results_, Label1->text());
}

} // namespace bj

#include "simulator/frm_multiple_sessions.h"

#include "shell/input_helpers.h"
#include "simulator/result_columns.h"
#include "simulator/results_model.h"
#include "simulator/results_view.h"
#include "simulator/run_chart.h"
#include "simulator/run_summary.h"

#include <QBoxLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>

namespace bj {
namespace {

QLineEdit* Box(const char* name, int width, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setAlignment(Qt::AlignRight);
    box->setFixedWidth(width);
    return box;
}

QPushButton* Button(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QLabel* Caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QLabel* ValueLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance("$-999,999,999.00") + 8);
    return label;
}

} // namespace

void frmMultipleSessions::BuildControls() {
    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(8, 8, 8, 8);
    auto* top = new QHBoxLayout;
    top->addWidget(BuildInputs());
    auto* middle = new QVBoxLayout;
    middle->addWidget(BuildLegend());
    summary = new RunSummary(this);
    middle->addWidget(summary, 1);
    top->addLayout(middle, 1);
    QWidget* buttons = BuildButtons();
    main->addLayout(top);

    grdMain = new ResultsView(this);
    grdMain->setObjectName(QStringLiteral("grdMain"));
    grdMain->setModel(model_);
    grdMain->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grdMain->setWordWrap(false);
    const QFontMetrics metrics = grdMain->horizontalHeader()->fontMetrics();
    const int amountWidth = metrics.horizontalAdvance("-99,999,999.00") + 12;
    int gridWidth = grdMain->verticalScrollBar()->sizeHint().width() + 2 * grdMain->frameWidth();
    for (int c = 0; c < kResultColumns; ++c) {
        const int headerWidth = metrics.horizontalAdvance(ResultHeader(c)) + 16;
        const bool amount = c != kColSession && c != kColHands && c != kColTime;
        const int width = std::max(
            headerWidth, amount ? amountWidth : metrics.horizontalAdvance("0000000") + 12);
        grdMain->setColumnWidth(c, width);
        gridWidth += width;
    }
    // On a narrow screen the grid gives up width once the charts are down to theirs, and
    // scrolls its own columns.
    grdMain->setMinimumWidth(gridWidth / 2);
    chart = new RunChart(this);
    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(grdMain);
    split->addWidget(chart);
    split->setStretchFactor(0, 0);
    split->setStretchFactor(1, 1);
    split->setChildrenCollapsible(false);
    main->addWidget(split, 1);
    main->addWidget(BuildTotals());
    // The buttons stay outside the scrolling, so Deal and Cancel show on a narrow screen.
    ScrollWhenSmall(this, buttons);
    resize(std::max(sizeHint().width(), gridWidth + 420 + buttons->sizeHint().width()), 760);
    split->setSizes({gridWidth, 1}); // the charts stretch into whatever is left
}

QWidget* frmMultipleSessions::BuildInputs() {
    auto* frame = new QWidget(this);
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    auto strategyRow = [&](const QString& caption, QLineEdit*& box, const char* boxName,
                           QPushButton*& button, const char* buttonName) {
        grid->addWidget(Caption(caption, frame), row, 0);
        box = new QLineEdit(frame);
        box->setObjectName(boxName);
        box->setReadOnly(true);
        box->setMinimumWidth(200);
        grid->addWidget(box, row, 1, 1, 2);
        button = Button(buttonName, QStringLiteral("..."), frame);
        button->setFixedWidth(button->fontMetrics().horizontalAdvance("...") + 20);
        grid->addWidget(button, row++, 3);
    };
    strategyRow("Select the Playing Strategy :", txtPlayingStrategy, "txtPlayingStrategy",
        cmdPlayingConfig, "cmdPlayingConfig");
    strategyRow(
        "Select the Betting Strategy :", txtStrategy, "txtStrategy", cmdConfig, "cmdConfig");

    grid->addWidget(Caption("Starting BankRoll : ", frame), row, 0);
    lblStartingBank = ValueLabel("lblStartingBank", frame);
    grid->addWidget(lblStartingBank, row++, 1);

    const int boxWidth = fontMetrics().horizontalAdvance("9,999,999,999.00") + 16;
    auto inputRow = [&](const QString& caption, QLineEdit*& box, const char* name) {
        grid->addWidget(Caption(caption, frame), row, 0);
        box = Box(name, boxWidth, frame);
        grid->addWidget(box, row++, 1);
    };
    inputRow("Enter the Max Winning Amount : ", txtWinBetAmt, "txtWinBetAmt");
    inputRow("Enter the Max Losing Amount : ", txtLseBetAmt, "txtLseBetAmt");
    inputRow("Enter bail out percent : ", txtPercent, "txtPercent");
    lblPercent = new QLabel(QStringLiteral("%"), frame);
    lblPercent->setObjectName(QStringLiteral("lblPercent"));
    grid->addWidget(lblPercent, row - 1, 2);
    inputRow("Enter # of hands to Play : ", txtNoHands, "txtNoHands");
    inputRow("Enter # of times to Play : ", txtSeq, "txtSeq");
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(row, 1);
    return frame;
}

QWidget* frmMultipleSessions::BuildLegend() {
    fraTotal = new QGroupBox(QStringLiteral("Totals Legend"), this);
    fraTotal->setObjectName(QStringLiteral("fraTotal"));
    auto* layout = new QGridLayout(fraTotal);
    const std::pair<SessionEnd, const char*> rows[] = {
        {SessionEnd::PlayedThrough, "- If the Hand played through."},
        {SessionEnd::StoppedOnLoss, "- If the Hand was a Loss."},
        {SessionEnd::StoppedOnWin, "- If the Hand was a Win."},
    };
    int row = 0;
    for (const auto& [end, text] : rows) {
        auto* box = new QFrame(fraTotal);
        box->setObjectName(QString("shpLegend_%1").arg(row));
        box->setFixedSize(14, 14);
        box->setFrameShape(QFrame::Box);
        box->setAutoFillBackground(true);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Window, LegendColour(end));
        box->setPalette(palette);
        layout->addWidget(box, row, 0);
        auto* label = new QLabel(QString::fromLatin1(text), fraTotal);
        label->setObjectName(QString("lblLegend_%1").arg(row));
        layout->addWidget(label, row++, 1);
    }
    layout->setColumnStretch(1, 1);
    return fraTotal;
}

QWidget* frmMultipleSessions::BuildButtons() {
    auto* frame = new QWidget(this);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    cmdRun = Button("cmdRun", "&Deal", frame);
    cmdCancel = Button("cmdCancel", "&Cancel", frame);
    cmdReset = Button("cmdReset", "Re&set", frame);
    cmdHourlyStats = Button("cmdHourlyStats", "&Hourly Statistics", frame);
    cmdInfo = Button("cmdInfo", "&Information", frame);
    cmdExport = Button("cmdExport", "E&xport Results...", frame);
    cmdReturnToGame = Button("cmdReturnToGame", "&Return To Game", frame);
    for (QPushButton* button :
        {cmdRun, cmdCancel, cmdReset, cmdHourlyStats, cmdInfo, cmdExport, cmdReturnToGame})
        layout->addWidget(button);
    layout->addStretch(1);
    connect(cmdRun, &QPushButton::clicked, this, &frmMultipleSessions::cmdRun_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmMultipleSessions::cmdCancel_Click);
    connect(cmdReset, &QPushButton::clicked, this, &frmMultipleSessions::cmdReset_Click);
    connect(
        cmdHourlyStats, &QPushButton::clicked, this, &frmMultipleSessions::cmdHourlyStats_Click);
    connect(cmdInfo, &QPushButton::clicked, this, &frmMultipleSessions::cmdInfo_Click);
    connect(cmdExport, &QPushButton::clicked, this, &frmMultipleSessions::cmdExport_Click);
    connect(
        cmdReturnToGame, &QPushButton::clicked, this, &frmMultipleSessions::cmdReturntoGame_Click);
    connect(cmdConfig, &QPushButton::clicked, this, &frmMultipleSessions::cmdConfig_Click);
    connect(cmdPlayingConfig, &QPushButton::clicked, this,
        &frmMultipleSessions::cmdPlayingConfig_Click);
    return frame;
}

QWidget* frmMultipleSessions::BuildTotals() {
    auto* frame = new QWidget(this);
    auto* layout = new QHBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Total amount Won or Lost :"), frame));
    lblTotalBank = ValueLabel("lblTotalBank", frame);
    layout->addWidget(lblTotalBank);
    layout->addSpacing(16);
    layout->addWidget(new QLabel(QStringLiteral("Total time played (in hours) :"), frame));
    lblTotalTime = ValueLabel("lblTotalTime", frame);
    lblTotalTime->setMinimumWidth(lblTotalTime->fontMetrics().horizontalAdvance("99999999:99") + 8);
    layout->addWidget(lblTotalTime);
    layout->addSpacing(16);
    prbHandsPlayed = new QProgressBar(frame);
    prbHandsPlayed->setObjectName(QStringLiteral("prbHandsPlayed"));
    prbHandsPlayed->setRange(0, 100);
    layout->addWidget(prbHandsPlayed, 1);
    return frame;
}

} // namespace bj

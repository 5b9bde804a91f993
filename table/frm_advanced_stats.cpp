#include "table/frm_advanced_stats.h"

#include "engine/game_state.h"
#include "shell/control_hooks.h"
#include "shell/input_helpers.h"
#include "table/stat_text.h"
#include "table/value_cell.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace bj {
namespace {

QLabel* Named(const QString& name, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    return label;
}

QLabel* Cell(const QString& name) {
    QLabel* label = Named(name, QStringLiteral("0"));
    StyleValueCell(label, 4);
    return label;
}

} // namespace

frmAdvancedStats::frmAdvancedStats(AppContext& ctx, QWidget* parent)
    : QWidget(parent, Qt::Dialog)
    , ctx_(ctx) {
    setObjectName(QStringLiteral("frmAdvancedStats"));
    setWindowTitle(QStringLiteral("Advanced Statistics"));
    QFont compact = font();
    compact.setPointSize(8);
    setFont(compact);

    auto* sections = new QHBoxLayout;
    sections->setSpacing(14);
    sections->addWidget(BuildSection(kWinning));
    sections->addWidget(BuildSection(kLosing));

    // Static captions kept from the window's design; they carry no information.
    for (const char* name : {"Label14", "Label15"}) {
        QLabel* spare = Named(QString::fromLatin1(name), QStringLiteral("0000"));
        spare->setParent(this);
        spare->hide();
    }

    cmdResetStatistics_ = new QPushButton(QStringLiteral("Reset Statistics"));
    cmdResetStatistics_->setObjectName(QStringLiteral("cmdResetStatistics"));
    cmdReturnToGame_ = new QPushButton(QStringLiteral("Return to Game"));
    cmdReturnToGame_->setObjectName(QStringLiteral("cmdReturnToGame"));
    InstallDefaultButton(this, cmdReturnToGame_);
    // A window that only shows figures: Escape goes back, as in the simulator's hourly window.
    InstallCancelButton(this, cmdReturnToGame_);
    connect(cmdResetStatistics_, &QPushButton::clicked, this,
        &frmAdvancedStats::cmdResetStatistics_Click);
    connect(
        cmdReturnToGame_, &QPushButton::clicked, this, &frmAdvancedStats::cmdReturntoGame_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdResetStatistics_);
    buttons->addWidget(cmdReturnToGame_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addLayout(sections);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    // Opening with the focus on the first button would let Enter or Space reset the figures.
    cmdReturnToGame_->setFocus();
    Form_Load();
}

QWidget* frmAdvancedStats::BuildSection(int kind) {
    const bool winning = kind == kWinning;
    auto* section = new QWidget;
    auto* grid = new QGridLayout(section);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(1);

    QLabel* heading = Named(winning ? QStringLiteral("Label13") : QStringLiteral("Label8"),
        winning ? QStringLiteral("Winning Streak Data") : QStringLiteral("Losing Streak Data"));
    QFont bold = font();
    bold.setBold(true);
    bold.setPointSize(10);
    heading->setFont(bold);
    grid->addWidget(heading, 0, 0, 1, 3);

    const int side = winning ? 0 : 1;
    QLabel* countHeading = Named(
        QStringLiteral("Label1_%1").arg(side), QStringLiteral("No of times hand stopped at..."));
    QLabel* totalHeading = Named(QStringLiteral("Label3_%1").arg(side),
        QStringLiteral("Total No of times hand stopped at..."));
    for (QLabel* label : {countHeading, totalHeading}) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignRight | Qt::AlignBottom);
        label->setMinimumWidth(120);
        label->setMinimumHeight(3 * label->fontMetrics().lineSpacing());
    }
    grid->addWidget(countHeading, 1, 1);
    grid->addWidget(totalHeading, 1, 2);

    auto& counts = winning ? lblWinStreak_ : lblLossStreak_;
    auto& totals = winning ? lblPercentHandsWon_ : lblPercentHandsLost_;
    const QString countName
        = winning ? QStringLiteral("lblWinStreak_%1") : QStringLiteral("lblLossStreak_%1");
    const QString totalName = winning ? QStringLiteral("lblPercentHandsWon_%1")
                                      : QStringLiteral("lblPercentHandsLost_%1");
    for (int n = 1; n <= kStreakLengths; ++n) {
        // Row captions are one array per section: 1..26 winning, 27..52 losing.
        QLabel* caption = Named(QStringLiteral("Label11_%1").arg(n + side * kStreakLengths),
            n < kStreakLengths ? QString::number(n) : QStringLiteral("More than 25"));
        counts[n] = Cell(countName.arg(n));
        totals[n] = Cell(totalName.arg(n));
        grid->addWidget(caption, n + 1, 0);
        grid->addWidget(counts[n], n + 1, 1);
        grid->addWidget(totals[n], n + 1, 2);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    return section;
}

void frmAdvancedStats::Form_Load() {
    resize(minimumSizeHint().expandedTo(QSize(560, 0)));
    CenterForm(this);
}

void frmAdvancedStats::ShowStreakCounts() {
    const GameState& gs = ctx_.gs;
    for (int n = 1; n <= kStreakLengths; ++n) {
        const std::int64_t won = gs.StreakStopCounts[kWinning][n];
        const std::int64_t lost = gs.StreakStopCounts[kLosing][n];
        lblWinStreak_[n]->setText(WholeText(won));
        lblPercentHandsWon_[n]->setText(WholeText(won * n));
        lblLossStreak_[n]->setText(WholeText(lost));
        lblPercentHandsLost_[n]->setText(WholeText(lost * n));
    }
}

// Row i's total: the hands played inside streaks of length i or more, built from the row
// numbers, so a streak longer than 25 adds 26.
void frmAdvancedStats::Form_Activate() {
    ShowStreakCounts();
    const GameState& gs = ctx_.gs;
    std::int64_t won = 0, lost = 0;
    for (int i = kStreakLengths; i >= 1; --i) {
        won += i * gs.StreakStopCounts[kWinning][i];
        lost += i * gs.StreakStopCounts[kLosing][i];
        lblPercentHandsWon_[i]->setText(WholeText(won));
        lblPercentHandsLost_[i]->setText(WholeText(lost));
    }
    update();
}

void frmAdvancedStats::cmdResetStatistics_Click() {
    ResetStreakStopCounts(ctx_.gs);
    ShowStreakCounts();
    update();
}

void frmAdvancedStats::cmdReturntoGame_Click() {
    hide();
    ctx_.nav.SetTableEnabled(true);
    ctx_.nav.FocusTableDeal();
    ctx_.nav.StopTableTimer();
}

// Closing the window by its frame returns to the game, so the table is never left disabled.
void frmAdvancedStats::closeEvent(QCloseEvent* e) {
    if (isVisible())
        cmdReturntoGame_Click();
    QWidget::closeEvent(e);
}

void frmAdvancedStats::showEvent(QShowEvent* e) {
    Form_Activate();
    QWidget::showEvent(e);
}

bool frmAdvancedStats::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate)
        Form_Activate();
    return QWidget::event(e);
}

} // namespace bj

#include "simulator/frm_multiple_sessions.h"

#include "engine/game_state.h"
#include "shell/control_hooks.h"
#include "shell/input_helpers.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include <cmath>
#include <limits>

namespace bj {
namespace {

constexpr std::int64_t kMostHands = std::numeric_limits<std::int16_t>::max();
constexpr std::int64_t kMostSessions = std::numeric_limits<std::int32_t>::max();
constexpr double kMostAmount = 1e12;

double BoxNumber(const QLineEdit* box) {
    return RoundedAmount(box->text());
}

// The box's number rounded to a whole number, halves to even, when it lies in 0..most.
std::optional<std::int64_t> WholeInRange(const QLineEdit* box, std::int64_t most) {
    const double value = BoxNumber(box);
    if (!(value >= -0.5 && value <= static_cast<double>(most) + 0.5))
        return std::nullopt;
    const std::int64_t whole = RoundHalfEven(value);
    if (whole < 0 || whole > most)
        return std::nullopt;
    return whole;
}

std::optional<Currency> AmountInRange(const QLineEdit* box) {
    const double value = BoxNumber(box);
    if (!(value >= 0 && value <= kMostAmount))
        return std::nullopt;
    return Currency::FromDouble(std::nearbyint(value * 100) / 100);
}

QString Grouped(std::int64_t value) {
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(qlonglong(value));
}

} // namespace

void frmMultipleSessions::HookEvents() {
    const QString winHelp = QStringList {"This is the Winning Amount when you wish to stop.",
        "If you enter a Bail Out Percent, then the game",
        "will continue to play until you have lost the",
        "percentage of your winnings that you indicated."}
                                .join('\n');
    const QString percentHelp = QStringList {"This is the percentage where if you hit your",
        "Max Winning Amount, you wish to keep playing",
        "until you have lost the specified percentage", "of your winnings.", "i.e.",
        "Max Winning Amount = $100.00", "Bail Out Percent = 10%",
        "If your Winning Amount climbs to $110.00, then",
        "you will stop playing after you lose $11.00"}
                                    .join('\n');
    InstallMoneyKeyFilter(txtWinBetAmt);
    InstallMoneyKeyFilter(txtLseBetAmt);
    for (QLineEdit* box : {txtPercent, txtNoHands, txtSeq})
        InstallDigitKeyFilter(box);
    InstallF1Help(txtWinBetAmt, winHelp);
    InstallF1Help(txtLseBetAmt, "This is the Losing Amount when you wish to stop.");
    InstallF1Help(txtPercent, percentHelp);
    InstallF1Help(txtNoHands, "Number of Hands to Play per session.");
    InstallF1Help(txtSeq, "Number of sessions to play.");
    for (QLineEdit* box : {txtWinBetAmt, txtLseBetAmt, txtPercent, txtNoHands, txtSeq}) {
        InstallSelectAllOnFocus(box);
        box->installEventFilter(this);
    }
    connect(txtNoHands, &QLineEdit::textChanged, this, &frmMultipleSessions::txtNoHands_Change);
    connect(txtSeq, &QLineEdit::textChanged, this, &frmMultipleSessions::txtSeq_Change);
    for (QLineEdit* box : {txtWinBetAmt, txtLseBetAmt})
        connect(box, &QLineEdit::textChanged, this, &frmMultipleSessions::StopAmount_Change);
}

bool frmMultipleSessions::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && LeftWithinWindow(event)) {
        if (watched == txtWinBetAmt || watched == txtLseBetAmt)
            AmountBox_LostFocus(static_cast<QLineEdit*>(watched));
        else if (watched == txtPercent)
            txtPercent_LostFocus();
    }
    return QWidget::eventFilter(watched, event);
}

// A number past a double's range stays as typed, for Deal to refuse: its two-decimal text
// would read back as no number at all, that is as 0.
void frmMultipleSessions::AmountBox_LostFocus(QLineEdit* box) {
    const double value = BoxNumber(box);
    if (!std::isinf(value))
        box->setText(QLocale(QLocale::English, QLocale::UnitedStates).toString(value, 'f', 2));
}

void frmMultipleSessions::txtPercent_LostFocus() {
    const double typed = AmountValue(txtPercent->text());
    if (!std::isinf(typed))
        txtPercent->setText(FormatAmount(typed));
}

// A count the engine cannot hold leaves the hands in force as they are; Deal refuses it.
void frmMultipleSessions::txtNoHands_Change() {
    if (const auto hands = WholeInRange(txtNoHands, kMostHands)) {
        ctx_.gs.HandsToPlay = static_cast<std::int32_t>(*hands);
        HandsPerSession = ctx_.gs.HandsToPlay;
    }
}

// Deal comes on here, but never in the middle of a run, which must not start another.
void frmMultipleSessions::txtSeq_Change() {
    SessionCount = WholeInRange(txtSeq, kMostSessions).value_or(SessionCount);
    if (!running_)
        cmdRun->setEnabled(true);
}

// Every entry the run takes, refused with a message that names its limit, so that a run
// never starts from a value the window cannot hold.
std::optional<MultiSessionInputs> frmMultipleSessions::CheckedInputs() {
    const auto percent = WholeInRange(txtPercent, 100);
    if (!percent) {
        RefuseEntry(
            txtPercent, "Please enter a Bail Out Percent between 0 and 100", "Bail Out Percent");
        return std::nullopt;
    }
    const auto hands = WholeInRange(txtNoHands, kMostHands);
    if (!hands) {
        RefuseEntry(txtNoHands,
            "Please enter a number of hands to play between 0 and " + Grouped(kMostHands),
            "Hands to Play");
        return std::nullopt;
    }
    const auto sessions = WholeInRange(txtSeq, kMostSessions);
    if (!sessions) {
        RefuseEntry(txtSeq,
            "Please enter a number of times to play between 0 and " + Grouped(kMostSessions),
            "Times to Play");
        return std::nullopt;
    }
    if (*sessions > SessionResults::kMostRows) {
        RefuseEntry(txtSeq,
            "The results list holds at most " + Grouped(SessionResults::kMostRows)
                + " sessions. Please enter a number of times to play between 0 and "
                + Grouped(SessionResults::kMostRows),
            "Times to Play");
        return std::nullopt;
    }
    const auto win = AmountInRange(txtWinBetAmt);
    const auto loss = AmountInRange(txtLseBetAmt);
    if (!win || !loss) {
        RefuseEntry(win ? txtLseBetAmt : txtWinBetAmt,
            QString("Please enter a Max %1 Amount between 0.00 and 1,000,000,000,000.00")
                .arg(win ? "Losing" : "Winning"),
            win ? "Max Losing Amount" : "Max Winning Amount");
        return std::nullopt;
    }
    SessionCount = *sessions;
    HandsPerSession = static_cast<std::int32_t>(*hands);
    MultiSessionInputs inputs;
    inputs.Sessions = SessionCount;
    inputs.HandsPerSession = HandsPerSession;
    inputs.MaxWin = *win;
    inputs.MaxLoss = *loss;
    inputs.BailOutPercent = static_cast<std::int32_t>(*percent);
    return inputs;
}

// The stop amounts as the boxes show them before each session; one that cannot be used
// leaves the amount in force.
void frmMultipleSessions::ReadStopAmounts(MultiSessionInputs& inputs) const {
    if (maxWinEntry_)
        inputs.MaxWin = maxWinEntry_;
    if (maxLossEntry_)
        inputs.MaxLoss = maxLossEntry_;
}

void frmMultipleSessions::StopAmount_Change() {
    maxWinEntry_ = AmountInRange(txtWinBetAmt);
    maxLossEntry_ = AmountInRange(txtLseBetAmt);
}

void frmMultipleSessions::SetZeroInputs() {
    txtWinBetAmt->setText("0.00");
    txtLseBetAmt->setText("0.00");
    txtPercent->setText("0");
    txtNoHands->setText("0");
    txtSeq->setText("0");
    // The handlers run even where a box already showed its zero text.
    txtNoHands_Change();
    txtSeq_Change();
}

} // namespace bj

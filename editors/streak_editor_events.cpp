#include "editors/streak_editor.h"

#include "editors/number_text.h"
#include "editors/strategy_list.h"
#include "shell/control_hooks.h"
#include "shell/input_helpers.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace bj {

namespace {

int RefuseSemicolon(int keyCode) {
    return keyCode == ';' ? 0 : keyCode;
}

const char* const kLengthHelp[] = {
    "Total number of %1 Sequences for placing bets.",
    "The amount entered for the last visible %1 ",
    "%1 Sequence will continue for any sequences",
    "above that number.",
};

QString LengthHelp(const char* side) {
    QStringList lines;
    for (const char* line : kLengthHelp)
        lines << QString(line).replace("%1", side);
    return lines.join('\n');
}

const QString kLosingBoxHelp = "The amount to bet for the specified sequence. The amount\n"
                               "entered for the last visible sequence will continue\n"
                               "for any sequence above that number.";
const QString kWinningBoxHelp
    = "The amount to bet for the specified sequence. The amount\n"
      "entered for the last visible sequence will continue\n"
      "for any sequence above that number. The amount entered\n"
      "for the FIRST winning sequence bet will be used for the Initial Bet.";

} // namespace

void Configuration::HookEvents() {
    connect(cboNames, &QComboBox::currentIndexChanged, this, [this] { cboNames_Click(); });
    connect(cmbLengthWinningBetSeq, &QComboBox::currentTextChanged, this,
        [this] { cmbLengthWinningBetSeq_Change(); });
    connect(cmbLengthLosingBetSeq, &QComboBox::currentTextChanged, this,
        [this] { cmbLengthLosingBetSeq_Change(); });
    connect(cmdNew, &QPushButton::clicked, this, &Configuration::cmdNew_Click);
    connect(cmdSave, &QPushButton::clicked, this, &Configuration::cmdSave_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &Configuration::cmdCancel_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &Configuration::cmdDelete_Click);
    connect(cmdChange, &QPushButton::clicked, this, &Configuration::cmdChange_Click);
    connect(cmdReturntoGame, &QPushButton::clicked, this, &Configuration::cmdReturntoGame_Click);

    for (QWidget* control : std::initializer_list<QWidget*> {
             cmbDecksInShoe, cmbLengthWinningBetSeq, cmbLengthLosingBetSeq, txtName})
        control->installEventFilter(this);
    InstallKeyFilter(txtName, &RefuseSemicolon);
    InstallF1Help(cboNames, "Name of Betting Strategy.");
    InstallF1Help(txtName, "Name of the Betting Strategy.");
    InstallF1Help(cmbDecksInShoe, "Total number of Decks in Shoe.");
    InstallF1Help(cmbLengthWinningBetSeq, LengthHelp("Winning"));
    InstallF1Help(cmbLengthLosingBetSeq, LengthHelp("Losing"));
    for (int i = 0; i < kSequenceBoxes; ++i) {
        for (QLineEdit* box : {txtWinningBetSeq[i], txtLosingBetSeq[i]}) {
            InstallDigitKeyFilter(box);
            InstallSelectAllOnFocus(box);
        }
        InstallF1Help(txtWinningBetSeq[i], kWinningBoxHelp);
        InstallF1Help(txtLosingBetSeq[i], kLosingBoxHelp);
    }
}

bool Configuration::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the new name saves it, and only that: the game does not start as well.
    if (watched == txtName && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            cmdSave_Click();
            return true;
        }
    }
    if (event->type() == QEvent::FocusOut && LeftWithinWindow(event)) {
        if (watched == cmbDecksInShoe)
            cmbDecksInShoe_LostFocus();
        else if (watched == cmbLengthWinningBetSeq || watched == cmbLengthLosingBetSeq)
            NormalizeLengthText(static_cast<QComboBox*>(watched));
    }
    return QWidget::eventFilter(watched, event);
}

// Once the user has left a length box, it shows the length in force.
void Configuration::NormalizeLengthText(QComboBox* combo) {
    const QString length = QString::number(CountFromText(combo->currentText(), 1, kSequenceBoxes));
    if (combo->currentText() != length)
        combo->setCurrentText(length);
}

void Configuration::SelectStrategy(int listIndex) {
    SelectListEntry(cboNames, listIndex);
}

} // namespace bj

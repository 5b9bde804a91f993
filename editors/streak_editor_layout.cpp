#include "editors/streak_editor.h"

#include "shell/control_hooks.h"
#include "shell/input_helpers.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace bj {

namespace {

QPushButton* MakeButton(
    QWidget* parent, const char* name, const QString& caption, const QString& tip = QString()) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(tip);
    return button;
}

QComboBox* MakeCombo(QWidget* parent, const char* name, const QStringList& items,
    const QString& tip, bool editable) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(editable);
    combo->addItems(items);
    combo->setToolTip(tip);
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

QStringList Numbers(int first, int last) {
    QStringList list;
    for (int i = first; i <= last; ++i)
        list << QString::number(i);
    return list;
}

QString BetTip(const char* side, int box) {
    if (box == 1)
        return QString("Enter the amount you want to bet after %1 1 hand.").arg(side);
    return QString("Enter the amount you want to bet after %1 %2 consecutive hands.")
        .arg(side)
        .arg(box);
}

QLineEdit* MakeBetBox(QWidget* parent, const char* prefix, const char* side, int box) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString("%1_%2").arg(prefix).arg(box));
    edit->setToolTip(BetTip(side, box));
    edit->setAlignment(Qt::AlignRight);
    edit->setFixedWidth(48);
    return edit;
}

} // namespace

void Configuration::BuildControls() {
    auto* main = new QVBoxLayout(this);
    main->addWidget(BuildStrategyRow());
    main->addWidget(BuildNewFrame());
    main->addWidget(BuildLengthsRow());
    main->addWidget(BuildSequenceGrid());
    main->addWidget(BuildButtonRow());
    // The window always fits what it shows, so the name frame leaves no gap once it is gone.
    main->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* Configuration::BuildStrategyRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    lblStrats = new QLabel("Select a playing Strategy", row);
    lblStrats->setObjectName("lblStrats");
    cboNames = MakeCombo(row, "cboNames", {}, "Select the Strategy you wish to use", false);
    cboNames->setMinimumContentsLength(24);
    cboNames->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ListWithScrollBar(cboNames);
    lblStrats->setBuddy(cboNames);
    layout->addWidget(lblStrats);
    layout->addWidget(cboNames, 1);
    return row;
}

QWidget* Configuration::BuildNewFrame() {
    fraNew = new QGroupBox(this);
    fraNew->setObjectName("fraNew");
    auto* layout = new QHBoxLayout(fraNew);
    auto* label = new QLabel("Enter new strategy name", fraNew);
    label->setObjectName("lblNewName");
    txtName = new QLineEdit(fraNew);
    txtName->setObjectName("txtName");
    txtName->setToolTip("Enter the new Strategy Name");
    LimitNameLength(txtName, 50); // the width of the Name column
    label->setBuddy(txtName);
    cmdSave = MakeButton(fraNew, "cmdSave", "Save", "Save Stategy");
    cmdCancel = MakeButton(fraNew, "cmdCancel", "Cancel");
    layout->addWidget(label);
    layout->addWidget(txtName, 1);
    layout->addWidget(cmdSave);
    layout->addWidget(cmdCancel);
    fraNew->setVisible(false);
    return fraNew;
}

QWidget* Configuration::BuildLengthsRow() {
    auto* row = new QWidget(this);
    auto* layout = new QGridLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    cmbDecksInShoe = MakeCombo(row, "cmbDecksInShoe", {"1", "2", "4", "6", "8"},
        "Click on the arrow, and select the number of decks for the shoe.", true);
    cmbLengthWinningBetSeq = MakeCombo(row, "cmbLengthWinningBetSeq", Numbers(1, 10),
        "Click on the arrow, and select the number of hands for your winning sequence "
        "strategy.",
        true);
    cmbLengthLosingBetSeq = MakeCombo(row, "cmbLengthLosingBetSeq", Numbers(1, 10),
        "Click on the arrow, and select the number of hands for your losing sequence "
        "strategy.",
        true);
    const std::pair<const char*, QComboBox*> columns[] = {
        {"Decks In Shoe", cmbDecksInShoe},
        {"Select Winning Sequence Length", cmbLengthWinningBetSeq},
        {"Select Losing Sequence Length", cmbLengthLosingBetSeq},
    };
    int column = 0;
    for (const auto& [caption, combo] : columns) {
        auto* label = new QLabel(caption, row);
        label->setBuddy(combo);
        layout->addWidget(label, 0, column, Qt::AlignHCenter);
        layout->addWidget(combo, 1, column, Qt::AlignHCenter);
        combo->setMinimumContentsLength(3);
        ++column;
    }
    return row;
}

QWidget* Configuration::BuildSequenceGrid() {
    auto* box = new QGroupBox(this);
    box->setObjectName("fraSequences");
    auto* grid = new QGridLayout(box);
    auto* heading = new QLabel("Streak Length", box);
    grid->addWidget(heading, 0, 1, 1, kSequenceBoxes, Qt::AlignHCenter);
    for (int i = 1; i <= kSequenceBoxes; ++i)
        grid->addWidget(new QLabel(QString::number(i), box), 1, i, Qt::AlignHCenter);
    grid->addWidget(new QLabel("Winning Sequence", box), 2, 0);
    grid->addWidget(new QLabel("Losing Sequence", box), 3, 0);
    // Made row by row, since Tab follows the order of making: a row is typed box after box.
    for (int i = 1; i <= kSequenceBoxes; ++i) {
        txtWinningBetSeq[i - 1] = MakeBetBox(box, "txtWinningBetSeq", "winning", i);
        grid->addWidget(txtWinningBetSeq[i - 1], 2, i);
    }
    for (int i = 1; i <= kSequenceBoxes; ++i) {
        txtLosingBetSeq[i - 1] = MakeBetBox(box, "txtLosingBetSeq", "losing", i);
        grid->addWidget(txtLosingBetSeq[i - 1], 3, i);
    }
    auto* note
        = new QLabel("Enter the bet to be placed after winning or losing a hand in a streak.", box);
    note->setObjectName("lblBetNote");
    note->setToolTip("The last bet in sequence will continue");
    grid->addWidget(note, 4, 0, 1, kSequenceBoxes + 1, Qt::AlignHCenter);
    // Hidden boxes keep their cells, so the grid does not shift as lengths change.
    for (int i = 0; i < kSequenceBoxes; ++i) {
        for (QLineEdit* edit : {txtWinningBetSeq[i], txtLosingBetSeq[i]}) {
            QSizePolicy policy = edit->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            edit->setSizePolicy(policy);
        }
    }
    return box;
}

QWidget* Configuration::BuildButtonRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    cmdNew = MakeButton(
        row, "cmdNew", "Create New Strategy", "Create a new Sequence Betting Strategy");
    cmdDelete = MakeButton(
        row, "cmdDelete", "Delete Strategy", "Delete selected Sequence Betting Strategy");
    cmdChange = MakeButton(row, "cmdChange", "Change Betting", "Change Betting Strategy");
    cmdReturntoGame = MakeButton(row, "cmdReturntoGame", "Start Game", "Go to Main Screen");
    InstallDefaultButton(this, cmdReturntoGame);
    layout->addWidget(cmdNew);
    layout->addWidget(cmdDelete);
    layout->addWidget(cmdChange);
    layout->addStretch(1);
    layout->addWidget(cmdReturntoGame);
    return row;
}

} // namespace bj

#include "editors/variable_editor.h"

#include "shell/control_hooks.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

namespace bj {

void frmVariableConfig::HookAmountBox(QLineEdit* box, void (frmVariableConfig::*change)()) {
    connect(box, &QLineEdit::textChanged, this, change);
    // Delete, cut, paste and undo change the box without typing a character; they start
    // editing as an accepted key does, or the new value would be in play but unsaveable.
    connect(box, &QLineEdit::textEdited, this, [this] {
        if (!cmdSave->isEnabled() && !bLoading)
            SetEditMode(true, false);
    });
    InstallDigitKeyFilter(box);
    InstallSelectAllOnFocus(box);
    // Installed last, so it sees each key before the filter decides on it.
    box->installEventFilter(this);
}

void frmVariableConfig::HookEvents() {
    HookAmountBox(txtInitialBet, &frmVariableConfig::txtInitialBet_Change);
    HookAmountBox(txtMaxBet, &frmVariableConfig::txtMaxBet_Change);
    HookAmountBox(txtMinBet, &frmVariableConfig::txtMinBet_Change);
    HookAmountBox(txtFlatAddWin, &frmVariableConfig::txtFlatAddWin_Change);
    HookAmountBox(txtFlatAddLose, &frmVariableConfig::txtFlatAddLose_Change);
    txtInitialBet->setContextMenuPolicy(Qt::PreventContextMenu);

    connect(cboStartegy, &QComboBox::currentIndexChanged, this, [this] { cboStartegy_Click(); });
    connect(cboFWAddSub, &QComboBox::currentIndexChanged, this, [this] { cboFWAddSub_Click(); });
    connect(cboFLAddSub, &QComboBox::currentIndexChanged, this, [this] { cboFLAddSub_Click(); });
    for (int i = 0; i < 2; ++i) {
        connect(optMaxBet[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optMaxBet_Click(i);
        });
        connect(optMinBet[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optMinBet_Click(i);
        });
    }
    connect(cmdAdd, &QPushButton::clicked, this, &frmVariableConfig::cmdAdd_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmVariableConfig::cmdSave_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmVariableConfig::cmdCancel_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmVariableConfig::cmdDelete_Click);
    connect(cmdChange, &QPushButton::clicked, this, &frmVariableConfig::cmdChange_Click);
    connect(cmdReturn, &QPushButton::clicked, this, &frmVariableConfig::cmdReturn_Click);

    InstallF1Help(cboStartegy, "Name of the Betting Strategy.");
    InstallF1Help(txtStrategy, "Name of the Betting Strategy.");
    InstallF1Help(txtInitialBet, "The Initial Bet for the game.");
    InstallF1Help(txtMaxBet, "The Maximum Bet Amount.");
    InstallF1Help(txtMinBet, "The Minimum Bet Amount.");
    for (int i = 0; i < 2; ++i) {
        InstallF1Help(optMaxBet[i], "The action for when maximum bet is reached.");
        InstallF1Help(optMinBet[i], "The action for when minimum bet is reached.");
    }
    InstallF1Help(cboFWAddSub, "Select Add or Subtract the amount when winning.");
    InstallF1Help(txtFlatAddWin, "Select Add or Subtract the amount when winning.");
    InstallF1Help(cboFLAddSub, "Select Add or Subtract the amount when losing.");
    InstallF1Help(txtFlatAddLose, "Select Add or Subtract the amount when losing.");
}

bool frmVariableConfig::AmountBoxes(QObject* watched) const {
    return watched == txtInitialBet || watched == txtMaxBet || watched == txtMinBet
        || watched == txtFlatAddWin || watched == txtFlatAddLose;
}

bool frmVariableConfig::eventFilter(QObject* watched, QEvent* event) {
    if (!AmountBoxes(watched))
        return QWidget::eventFilter(watched, event);
    auto* box = static_cast<QLineEdit*>(watched);
    switch (event->type()) {
    case QEvent::KeyPress:
        if (const int c = TypedCharacter(static_cast<QKeyEvent*>(event)))
            AmountBox_KeyPress(c);
        break;
    case QEvent::FocusOut:
        if (!LeftWithinWindow(event))
            break;
        if (box == txtInitialBet)
            txtInitialBet_Validate();
        else
            AmountBox_LostFocus(box);
        break;
    case QEvent::MouseButtonPress:
        if (box == txtInitialBet)
            txtInitialBet_MouseDown(static_cast<QMouseEvent*>(event)->button());
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace bj

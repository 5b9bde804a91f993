#include "editors/variable_editor.h"

#include "editors/number_text.h"
#include "editors/strategy_list.h"
#include "editors/variable_records.h"
#include "engine/game_state.h"
#include "shell/input_helpers.h"
#include "shell/message_box.h"
#include "store/betting_strategies.h"
#include "store/protected_defaults.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>

namespace bj {

namespace {

double Amount(const QLineEdit* box) {
    return BoxAmount(box->text());
}

void ReportSaveError(const StoreError& error) {
    QString description = QString::fromStdString(error.what()).trimmed();
    while (description.endsWith('.'))
        description.chop(1);
    Messages().Show(
        QString("Error # %1, %2.").arg(static_cast<int>(error.Problem)).arg(description), "Error",
        MsgIcon::Information, MsgButtons::Ok);
}

// What Save writes: the window's values, whatever name the caller gives the record.
VariableStrategy StrategyFromWindow(const frmVariableConfig& w) {
    VariableStrategy s;
    s.InitialBet = Amount(w.txtInitialBet);
    s.MaximumBet = Amount(w.txtMaxBet);
    s.MinimumBet = Amount(w.txtMinBet);
    s.MaintainMax = w.optMaxBet[0]->isChecked() ? 0 : 1;
    s.MaintainMin = w.optMinBet[0]->isChecked() ? 0 : 1;
    s.WinAddSub = static_cast<std::uint8_t>(std::max(w.cboFWAddSub->currentIndex(), 0));
    s.WinBet = Amount(w.txtFlatAddWin);
    s.LoseAddSub = static_cast<std::uint8_t>(std::max(w.cboFLAddSub->currentIndex(), 0));
    s.LoseBet = Amount(w.txtFlatAddLose);
    return s;
}

// A bet the store would raise to the smallest bet when it is next loaded is refused, and its
// box gets the focus; true then.
bool RefuseTooSmallBet(const frmVariableConfig& w) {
    const std::pair<QLineEdit*, const char*> bets[]
        = {{w.txtInitialBet, "an initial"}, {w.txtMinBet, "a minimum"}, {w.txtMaxBet, "a maximum"}};
    for (const auto& [box, what] : bets) {
        if (Amount(box) >= kSmallestVariableBet)
            continue;
        RefuseEntry(box,
            QString("Cannot have %1 bet below %2.")
                .arg(what, QLocale(QLocale::English).toString(kSmallestVariableBet)),
            "Save Strategy");
        return true;
    }
    return false;
}

} // namespace

// Gone from the file behind the window: the edits stay, and the name box takes the name to
// create it under.
void frmVariableConfig::ReportVanishedOnSave() {
    Messages().Show("The strategy doesn't exist. Would you like to create it?", "No Match",
        MsgIcon::Information, MsgButtons::Ok);
    AskForNewName();
}

void frmVariableConfig::cmdSave_Click() {
    if (txtStrategy->isHidden() && !ListStrategies())
        return;
    const int position = cboStartegy->currentIndex();
    std::int64_t refNo = position < 0 ? 0 : cboStartegy->itemData(position).toLongLong();
    const QString selectedName = position < 0 ? QString() : cboStartegy->itemText(position);
    try {
        VariableStrategy strategy = StrategyFromWindow(*this);
        if (!txtStrategy->isHidden()) {
            const QString name = NameFromBox(txtStrategy->text());
            if (name.isEmpty()) {
                Messages().Show("Please enter a betting strategy name.", "Enter Name",
                    MsgIcon::Information, MsgButtons::Ok);
                txtStrategy->setFocus();
                return;
            }
            if (RefuseTooSmallBet(*this) || RefuseNegativeAmount("Save Strategy"))
                return;
            strategy.Name = name.toStdString();
            refNo = AppendVariableStrategy(*ctx_.db, strategy);
        } else if (IsProtectedDefault(refNo)) {
            const MsgAnswer answer = Messages().Show(
                "You may not change the default settings.\nWould you like to save these settings "
                "under\nanother name?",
                "Create New?", MsgIcon::Question, MsgButtons::YesNo);
            if (answer == MsgAnswer::Yes) {
                AskForNewName();
                return;
            }
        } else if (!LoadVariableStrategy(*ctx_.db, refNo)) {
            ReportVanishedOnSave();
            return;
        } else if (RefuseTooSmallBet(*this) || RefuseNegativeAmount("Save Strategy")) {
            return;
        } else {
            const MsgAnswer answer = Messages().Show("Do you wish to replace " + selectedName + "?",
                "Replace " + selectedName, MsgIcon::Question, MsgButtons::YesNo);
            if (answer != MsgAnswer::Yes) {
                Messages().Show("Please enter the name of the new strategy.", "New Name",
                    MsgIcon::Information, MsgButtons::Ok);
                AskForNewName();
                return;
            }
            strategy.RefNo = refNo;
            strategy.Name = selectedName.toStdString();
            if (!UpdateVariableStrategy(*ctx_.db, strategy)) {
                ReportVanishedOnSave();
                return;
            }
        }
    } catch (const StoreError& error) {
        ReportSaveError(error);
        return;
    }
    ReloadListSelecting(refNo);
}

// Shows the stored strategy `refNo` afresh, found by Ref_No since names need not be unique.
void frmVariableConfig::ReloadListSelecting(std::int64_t refNo) {
    SetEditMode(false, false);
    bLoading = true;
    FillVariableStrategyList(ctx_, cboStartegy);
    ctx_.gs.VariableStrategyLoaded = true;
    SelectListEntry(cboStartegy, FindItemData(cboStartegy, refNo));
    bLoading = false;
}

void frmVariableConfig::cmdDelete_Click() {
    const int position = cboStartegy->currentIndex();
    if (position < 0)
        return;
    const std::int64_t refNo = cboStartegy->itemData(position).toLongLong();
    const QString name = cboStartegy->itemText(position);
    if (IsProtectedDefault(refNo))
        return;
    try {
        if (!LoadVariableStrategy(*ctx_.db, refNo)) {
            Messages().Show("Couldn't find strategy '" + name + "'.", "No Match",
                MsgIcon::Information, MsgButtons::Ok);
        } else if (Messages().Show("Are you sure you wish to delete " + name + "?",
                       "Delete " + name, MsgIcon::Question, MsgButtons::YesNo)
            == MsgAnswer::Yes) {
            DeleteVariableStrategy(*ctx_.db, refNo);
            --ctx_.gs.VariableListIndex;
        }
    } catch (const StoreError& error) {
        ReportStoreFailure("The strategy " + name + " could not be deleted.", error);
        return;
    }
    bLoading = true;
    FillVariableStrategyList(ctx_, cboStartegy);
    bLoading = false;
}

} // namespace bj

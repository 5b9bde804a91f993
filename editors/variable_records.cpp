#include "editors/variable_records.h"

#include "editors/strategy_corrections.h"
#include "editors/strategy_list.h"
#include "editors/variable_editor.h"
#include "shell/input_helpers.h"
#include "shell/message_box.h"
#include "store/betting_strategies.h"
#include "store/protected_defaults.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace bj {

namespace {

void ReportReadFailure(const StoreError& error) {
    ReportStoreFailure("The betting strategies could not be read.", error);
}

} // namespace

void FillVariableStrategyList(AppContext& ctx, QComboBox* combo) {
    std::vector<NamedRef> entries;
    try {
        entries = ListVariableStrategies(*ctx.db);
    } catch (const StoreError& error) {
        ReportReadFailure(error);
    }
    ListStrategyNames(combo, entries);
    const int position = ClampListIndex(ctx.gs.VariableListIndex, combo->count());
    SelectListEntry(combo, FindItemData(combo, combo->itemData(position).toLongLong()));
}

bool LoadVariableStrategy(AppContext& ctx, std::int64_t refNo, frmVariableConfig& window) {
    ctx.gs.VariableBetRefNo = refNo;
    std::optional<VariableStrategy> strategy;
    try {
        strategy = LoadVariableStrategy(*ctx.db, refNo);
    } catch (const StoreError& error) {
        ReportReadFailure(error);
        return false;
    }
    if (!strategy) {
        Messages().Show("Couldn't find Variable Strategy.", "No Strategy", MsgIcon::Information,
            MsgButtons::Ok);
        return false;
    }
    window.txtInitialBet->setText(FormatAmount(strategy->InitialBet));
    window.txtMaxBet->setText(FormatAmount(strategy->MaximumBet));
    window.txtMinBet->setText(FormatAmount(strategy->MinimumBet));
    window.cboFLAddSub->setCurrentIndex(strategy->LoseAddSub ? 1 : 0);
    window.txtFlatAddLose->setText(FormatAmount(strategy->LoseBet));
    window.cboFWAddSub->setCurrentIndex(strategy->WinAddSub ? 1 : 0);
    window.txtFlatAddWin->setText(FormatAmount(strategy->WinBet));
    window.optMaxBet[strategy->MaintainMax ? 1 : 0]->setChecked(true);
    window.optMinBet[strategy->MaintainMin ? 1 : 0]->setChecked(true);
    ApplyVariableStrategy(*strategy, ctx.gs);
    ctx.gs.LoseAddSub = static_cast<std::uint8_t>(window.cboFLAddSub->currentIndex());
    ctx.gs.WinAddSub = static_cast<std::uint8_t>(window.cboFWAddSub->currentIndex());
    window.cmdDelete->setEnabled(!IsProtectedDefault(refNo));
    ReportCorrections(ctx, "variable betting strategy", refNo, strategy->Name,
        strategy->Corrections, !IsProtectedDefault(refNo));
    return true;
}

} // namespace bj

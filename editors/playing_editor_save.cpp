#include "editors/playing_editor.h"

#include "editors/strategy_list.h"
#include "shell/input_helpers.h"
#include "shell/message_box.h"
#include "store/playing_strategies.h"
#include "store/protected_defaults.h"
#include "store/store_error.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace bj {

// A file that cannot be read leaves the list as it was, and says false.
bool frmConfiguration::FillStrategyList() {
    std::vector<NamedRef> entries;
    try {
        entries = ListPlayingStrategies(*ctx_.db);
    } catch (const StoreError& error) {
        ReportStoreFailure("The list of playing strategies could not be read.", error);
        return false;
    }
    ListStrategyNames(cboStrategy, entries);
    return true;
}

void frmConfiguration::cmdSave_Click() {
    SaveChanges();
}

bool frmConfiguration::SaveChanges() {
    return ctx_.gs.PlayingStrategyRefNo != 0 ? SaveStored() : SaveNew();
}

void frmConfiguration::AskForNewName() {
    SetEditButtons(true, true);
    ctx_.gs.PlayingStrategyRefNo = 0;
    SetNameBox(QString::fromStdString(ctx_.gs.PlayingStrategyName));
    txtName->setFocus();
}

bool frmConfiguration::SaveStored() {
    GameState& gs = ctx_.gs;
    if (IsProtectedDefault(gs.PlayingStrategyRefNo) || SelectedIsProtected()) {
        const MsgAnswer answer
            = Messages().Show("You may not save changes to the Default Playing Strategy.\nDo you "
                              "want to create another strategy to save you settings.",
                QString(), MsgIcon::Information, MsgButtons::YesNo);
        if (answer == MsgAnswer::Yes) {
            gs.PlayingStrategyRefNo = 0;
            SetNameBox(QString());
            SetEditButtons(true, true);
            txtName->setFocus();
        } else {
            SetEditButtons(false, false);
            gs.PlayingStrategyChanged = false;
        }
        return false;
    }
    const QString listed = cboStrategy->currentText();
    if (Messages().Show("Do you wish to replace " + listed + "?", "Replace " + listed,
            MsgIcon::Question, MsgButtons::YesNo)
        != MsgAnswer::Yes) {
        Messages().Show("Please enter the new name for this strategy.", "New Name",
            MsgIcon::Information, MsgButtons::Ok);
        AskForNewName();
        return false;
    }
    const std::int64_t refNo = gs.PlayingStrategyRefNo;
    try {
        if (!UpdatePlayingStrategy(*ctx_.db, PlayingStrategyFromGameState(gs))) {
            Messages().Show(listed
                    + " is no longer in the database. Please enter a name to save these settings "
                      "as a new strategy.",
                "New Name", MsgIcon::Information, MsgButtons::Ok);
            AskForNewName();
            return false;
        }
    } catch (const StoreError& error) {
        ReportStoreFailure("The playing strategy " + listed + " could not be saved.", error);
        return false;
    }
    ShowPlayingStrategy(refNo);
    AfterSave(refNo);
    return true;
}

bool frmConfiguration::SaveNew() {
    GameState& gs = ctx_.gs;
    if (TrimText(QString::fromStdString(gs.PlayingStrategyName)).isEmpty()) {
        Messages().Show("Please enter a playing strategy name.", "Enter Name", MsgIcon::Information,
            MsgButtons::Ok);
        SetEditButtons(true, true);
        txtName->setFocus();
        return false;
    }
    std::int64_t refNo = 0;
    try {
        refNo = InsertPlayingStrategy(*ctx_.db, PlayingStrategyFromGameState(gs));
    } catch (const StoreError& error) {
        ReportStoreFailure("The playing strategy could not be saved.", error);
        return false;
    }
    ShowPlayingStrategy(refNo);
    txtName->setVisible(false);
    AfterSave(refNo);
    return true;
}

void frmConfiguration::AfterSave(std::int64_t refNo) {
    bNamingNew = false;
    FillStrategyList();
    SelectStrategyEntry(FindItemData(cboStrategy, refNo));
    shownRefNo_ = refNo;
    // After the selection, which decides whether Delete may be offered.
    SetEditButtons(false, false);
}

// With a file that cannot be read the edits stay, as after a failed save, rather than the
// strategy in play being emptied for want of a list.
void frmConfiguration::cmdCancel_Click() {
    if (!FillStrategyList())
        return;
    txtName->setVisible(false);
    if (cboStrategy->count() > 0) {
        SetEditButtons(false, false);
        cboStrategy->setCurrentIndex(FindItemData(cboStrategy, kDefaultRefNo));
    } else {
        ClearPlayingStrategy();
    }
    SetEditButtons(false, false);
    bNamingNew = false;
}

void frmConfiguration::cmdDelete_Click() {
    const int index = cboStrategy->currentIndex();
    bNamingNew = false;
    if (index <= 0 || SelectedIsProtected())
        return;
    const std::int64_t refNo = cboStrategy->itemData(index).toLongLong();
    const QString name = QString::fromStdString(ctx_.gs.PlayingStrategyName);
    int deleted = 0;
    try {
        deleted = DeletePlayingStrategy(*ctx_.db, refNo);
    } catch (const StoreError& error) {
        ReportStoreFailure("The playing strategy " + name + " could not be deleted.", error);
        return;
    }
    if (deleted == 0)
        Messages().Show(name + " was not successfully deleted.", "UnSuccessfully Deleted",
            MsgIcon::Information, MsgButtons::Ok);
    else
        Messages().Show(
            name + " was successfully deleted.", "Success", MsgIcon::Information, MsgButtons::Ok);
    FillStrategyList();
    cboStrategy->setCurrentIndex(cboStrategy->count() > 0 ? 0 : -1);
}

} // namespace bj

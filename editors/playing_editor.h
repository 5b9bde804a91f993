#pragma once

#include "engine/game_state.h"
#include "shell/navigation.h"

#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace bj {

class StrategyGrid;
struct StoreError;

// The playing strategy editor, caption "Configuration for Black Jack". It edits the strategy
// in the game state directly, so the table and the simulator play every edit at once; the
// database is written only on Save.
class frmConfiguration : public QWidget {
    Q_OBJECT
public:
    explicit frmConfiguration(AppContext& ctx, QWidget* parent = nullptr);

    void Form_Load();
    // Its whole size, or what of `usable` is left beside the frame; the chart then scrolls.
    void FitWithin(const QSize& usable);
    // The closing question; the window closes whatever the answer.
    void Form_QueryUnload();

    void cboStrategy_Click();
    void cboPlayer_Click();
    void cboDealer_Click(int index);
    void chkInsurance_Click();
    void chkDoubleOnSplit_Click();
    void optDDHands_Click(int index);
    void optPlayer21_Click(int index);
    void optSoft17_Click(int index);
    void txtName_Change();
    void cmdAdd_Click();
    void cmdSave_Click();
    void cmdCancel_Click();
    void cmdDelete_Click();
    void cmdReturn_Click();
    void Command1_Click();
    void cmdBest_Click();
    void cmdImport_Click();
    void cmdExport_Click();
    void grdStrategy_CellPicked(int row, int column, bool byClick);

    // False when the strategy cannot be read or is gone: the strategy in play stays.
    bool ShowPlayingStrategy(std::int64_t refNo);
    void ClearPlayingStrategy();
    void SetEditButtons(bool changed, bool naming);
    void FillPlayerHandList();
    void FillActionList(QComboBox* list, int row);
    bool FillStrategyList();

    QLabel* Label1 = nullptr;
    QComboBox* cboStrategy = nullptr;
    QLineEdit* txtName = nullptr;
    QLabel* lblPlayerHand = nullptr;
    QComboBox* cboPlayer = nullptr;
    std::array<QLabel*, 2> lblExample {};
    QGroupBox* fraDealer = nullptr;
    std::array<QComboBox*, kDealerColumns> cboDealer {}; // by DealerColumn
    // By DealerColumn; their own indexes (0, 1, 14 - pip) are in their object names.
    std::array<QLabel*, kDealerColumns> lblDealer {};
    QCheckBox* chkInsurance = nullptr;
    QGroupBox* frameHouseRules = nullptr;
    QGroupBox* fraPlayer21 = nullptr;
    std::array<QRadioButton*, 3> optPlayer21 {};
    QGroupBox* frameDoubleDown = nullptr;
    QGroupBox* frameDDHands = nullptr;
    std::array<QRadioButton*, 2> optDDHands {};
    QCheckBox* chkDoubleOnSplit = nullptr;
    QGroupBox* Frame3 = nullptr;
    std::array<QRadioButton*, 2> optSoft17 {};
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdReturn = nullptr;
    QPushButton* Command1 = nullptr;
    StrategyGrid* grdStrategy = nullptr;
    QLabel* lblExpectedReturn = nullptr;
    QPushButton* cmdBest = nullptr;
    QPushButton* cmdImport = nullptr;
    QPushButton* cmdExport = nullptr;

    std::array<QString, kPlayerRows> HandExamples;
    bool bFillingLists = false;
    bool bShowingRow = false;
    bool bLoadingRules = false;
    bool bNamingNew = false;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    QWidget* BuildStrategyRow();
    QWidget* BuildHandRow();
    QGroupBox* BuildDealerFrame();
    QGroupBox* BuildHouseRules();
    QWidget* BuildButtonRow();
    QWidget* BuildValueRow();
    void HookEvents();
    void HookHelp();

    int SelectedRow() const;
    bool ShownCodeDiffers(int column) const;
    bool SelectedIsProtected() const;
    bool SaveChanges(); // true once the strategy is stored
    bool SaveEditsFirst();
    bool SaveStored();
    bool SaveNew();
    void AfterSave(std::int64_t refNo);
    void AskForNewName();
    void MarkChanged();
    void RulesChanged();
    void ShowHouseRules();
    void SelectStrategyEntry(int index);
    void SetNameBox(const QString& text);
    void ShowValue();
    void ShowWholeStrategy();
    void BecomeUnsavedNew(const QString& name);

    AppContext& ctx_;
    bool loaded_ = false;
    std::int64_t shownRefNo_ = 0; // the list entry the window shows, to go back to
    int shownColumn_ = 0; // the dealer's card last picked in the chart
};

} // namespace bj

#pragma once

#include "shell/navigation.h"

#include <QString>
#include <QWidget>
#include <array>

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace bj {

class frmSelectBettingStrat;

// The variable betting editor. Every edit goes into the game state at once and stays there,
// marked unsaved, until Save or Cancel, even across closing and reopening the window.
class frmVariableConfig : public QWidget {
    Q_OBJECT
public:
    explicit frmVariableConfig(AppContext& ctx, QWidget* parent = nullptr);

    void Form_Load();
    void Form_Unload();
    void SetEditMode(bool editing, bool showName);
    // Opens the name box empty, so that no name typed before is kept and added to.
    void AskForNewName();

    void cboStartegy_Click();
    void txtInitialBet_Change();
    void txtMaxBet_Change();
    void txtMinBet_Change();
    void txtFlatAddWin_Change();
    void txtFlatAddLose_Change();
    void AmountBox_KeyPress(int keyCode);
    void cboFWAddSub_Click();
    void cboFLAddSub_Click();
    void optMaxBet_Click(int index);
    void optMinBet_Click(int index);
    void AmountBox_LostFocus(QLineEdit* box);
    void txtInitialBet_Validate();
    void txtInitialBet_MouseDown(Qt::MouseButton button);
    void cmdAdd_Click();
    void cmdSave_Click();
    void cmdCancel_Click();
    void cmdDelete_Click();
    void cmdChange_Click();
    void cmdReturn_Click();

    // The chooser the Change Betting button shows; by default the window makes its own.
    void SetChooser(frmSelectBettingStrat* chooser);
    // The text of the selected entry, kept as the strategy's name in force.
    const QString& VariableBetName() const { return variableBetName_; }

    QComboBox* cboStartegy = nullptr;
    QLineEdit* txtStrategy = nullptr;
    QLineEdit* txtInitialBet = nullptr;
    QLineEdit* txtMinBet = nullptr;
    QLineEdit* txtMaxBet = nullptr;
    std::array<QRadioButton*, 2> optMinBet {};
    std::array<QRadioButton*, 2> optMaxBet {};
    QComboBox* cboFWAddSub = nullptr;
    QLineEdit* txtFlatAddWin = nullptr;
    QComboBox* cboFLAddSub = nullptr;
    QLineEdit* txtFlatAddLose = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdChange = nullptr;
    QPushButton* cmdReturn = nullptr;

    bool bLoading = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    QWidget* BuildNameRow();
    QWidget* BuildAmountRows();
    QWidget* BuildLimitFrames();
    QWidget* BuildFlatFrame();
    QWidget* BuildButtonRow();
    void HookEvents();
    void HookAmountBox(QLineEdit* box, void (frmVariableConfig::*change)());

    void ShowUnsavedValues();
    bool AmountBoxes(QObject* watched) const;
    void SetAmount(double& field, QLineEdit* box, bool marksUnsaved);
    void ReloadListSelecting(std::int64_t refNo);
    bool ListStrategies();
    void ReportVanishedOnSave();
    bool RefuseNegativeAmount(const QString& title);
    void Unload(bool enableTable);

    AppContext& ctx_;
    frmSelectBettingStrat* chooser_ = nullptr;
    QString variableBetName_;
    bool loaded_ = false;
};

} // namespace bj

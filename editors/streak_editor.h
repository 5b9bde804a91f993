#pragma once

#include "shell/navigation.h"

#include <QString>
#include <QWidget>
#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace bj {

class frmSelectBettingStrat;

constexpr int kSequenceBoxes = 10;

// The streak (sequence) betting editor, caption "Game Configuration".
class Configuration : public QWidget {
    Q_OBJECT
public:
    explicit Configuration(AppContext& ctx, QWidget* parent = nullptr);

    void Form_Load();
    void Form_Activate();
    void cboNames_Click();
    void cmbDecksInShoe_LostFocus();
    void cmbLengthWinningBetSeq_Change();
    void cmbLengthWinningBetSeq_Click() { cmbLengthWinningBetSeq_Change(); }
    void cmbLengthLosingBetSeq_Change();
    void cmbLengthLosingBetSeq_Click() { cmbLengthLosingBetSeq_Change(); }
    void cmdNew_Click();
    void cmdSave_Click();
    void cmdCancel_Click();
    void cmdDelete_Click();
    void cmdChange_Click();
    void cmdReturntoGame_Click();

    // Closes the window for good, as program end does; closing it any other way returns to
    // the game.
    void Unload();

    QString SelectedStrategyName() const;
    // The chooser the Change Betting button shows; by default the window makes its own.
    void SetChooser(frmSelectBettingStrat* chooser);
    // Box i of each side at [i-1], as the table window's activation step reads them.
    void ReadStreakTexts(
        QString winning[kSequenceBoxes], QString losing[kSequenceBoxes], QString& decks) const;

    QLabel* lblStrats = nullptr;
    QComboBox* cboNames = nullptr;
    QPushButton* cmdNew = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdChange = nullptr;
    QPushButton* cmdReturntoGame = nullptr;
    QGroupBox* fraNew = nullptr;
    QLineEdit* txtName = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdCancel = nullptr;
    QComboBox* cmbDecksInShoe = nullptr;
    QComboBox* cmbLengthWinningBetSeq = nullptr;
    QComboBox* cmbLengthLosingBetSeq = nullptr;
    std::array<QLineEdit*, kSequenceBoxes> txtWinningBetSeq {}; // box i at [i-1]
    std::array<QLineEdit*, kSequenceBoxes> txtLosingBetSeq {};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildControls();
    QWidget* BuildStrategyRow();
    QWidget* BuildNewFrame();
    QWidget* BuildLengthsRow();
    QWidget* BuildSequenceGrid();
    QWidget* BuildButtonRow();
    void HookEvents();

    int ApplySequenceLength(QComboBox* combo, std::array<QLineEdit*, kSequenceBoxes>& boxes);
    void NormalizeLengthText(QComboBox* combo);
    bool NormalizeBets();
    void LeadToBox(bool winning, int index);
    void SelectStrategy(int listIndex);

    AppContext& ctx_;
    frmSelectBettingStrat* chooser_ = nullptr;
    bool loaded_ = false;
    bool unloading_ = false;
};

} // namespace bj

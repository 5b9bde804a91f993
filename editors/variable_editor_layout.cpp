#include "editors/variable_editor.h"

#include "shell/input_helpers.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace bj {

namespace {

QLineEdit* MakeAmountBox(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setAlignment(Qt::AlignRight);
    box->setFixedWidth(120);
    return box;
}

QComboBox* MakeAddSubList(QWidget* parent, const char* name) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems({"Add", "Subtract"});
    return list;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QGroupBox* MakeOptionFrame(QWidget* parent, const char* name, const char* title,
    const char* optionName, const char* keepCaption, std::array<QRadioButton*, 2>& options) {
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(name);
    auto* layout = new QVBoxLayout(frame);
    const char* captions[] = {keepCaption, "Use Initial Bet"};
    for (int i = 0; i < 2; ++i) {
        options[i] = new QRadioButton(captions[i], frame);
        options[i]->setObjectName(QString("%1_%2").arg(optionName).arg(i));
        layout->addWidget(options[i]);
    }
    TabToChosenOption({options.begin(), options.end()});
    return frame;
}

} // namespace

void frmVariableConfig::BuildControls() {
    auto* main = new QVBoxLayout(this);
    main->addWidget(BuildNameRow());
    main->addWidget(BuildAmountRows());
    main->addWidget(BuildLimitFrames());
    main->addWidget(BuildFlatFrame());
    main->addStretch(1);
    main->addWidget(BuildButtonRow());
}

QWidget* frmVariableConfig::BuildNameRow() {
    auto* row = new QWidget(this);
    auto* layout = new QGridLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel("Select Strategy Name : ", row);
    cboStartegy = new QComboBox(row);
    cboStartegy->setObjectName("cboStartegy");
    cboStartegy->setMinimumContentsLength(24);
    cboStartegy->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ListWithScrollBar(cboStartegy);
    // The name of a new strategy is typed over the list.
    txtStrategy = new QLineEdit(row);
    txtStrategy->setObjectName("txtStrategy");
    LimitNameLength(txtStrategy, 80); // the width of the Name column
    txtStrategy->setVisible(false);
    label->setBuddy(cboStartegy);
    layout->addWidget(label, 0, 0);
    layout->addWidget(cboStartegy, 0, 1);
    layout->addWidget(txtStrategy, 0, 1);
    layout->setColumnStretch(1, 1);
    return row;
}

QWidget* frmVariableConfig::BuildAmountRows() {
    auto* rows = new QWidget(this);
    auto* layout = new QFormLayout(rows);
    layout->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    layout->setContentsMargins(0, 0, 0, 0);
    txtInitialBet = MakeAmountBox(rows, "txtInitialBet");
    txtMinBet = MakeAmountBox(rows, "txtMinBet");
    txtMaxBet = MakeAmountBox(rows, "txtMaxBet");
    layout->addRow("Initial Bet : ", txtInitialBet);
    layout->addRow("Minimum Bet : ", txtMinBet);
    layout->addRow("Maximum Bet : ", txtMaxBet);
    return rows;
}

QWidget* frmVariableConfig::BuildLimitFrames() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(MakeOptionFrame(row, "fraMinBet", "After Min Bet is reached...", "optMinBet",
        "Maintain Min Bet", optMinBet));
    layout->addWidget(MakeOptionFrame(row, "fraMaxBet", "After Max Bet is reached...", "optMaxBet",
        "Maintain Max Bet", optMaxBet));
    return row;
}

QWidget* frmVariableConfig::BuildFlatFrame() {
    auto* frame = new QGroupBox("Flat Dollar Strategy", this);
    frame->setObjectName("fraFlat");
    auto* grid = new QGridLayout(frame);
    cboFWAddSub = MakeAddSubList(frame, "cboFWAddSub");
    txtFlatAddWin = MakeAmountBox(frame, "txtFlatAddWin");
    cboFLAddSub = MakeAddSubList(frame, "cboFLAddSub");
    txtFlatAddLose = MakeAmountBox(frame, "txtFlatAddLose");
    const std::tuple<const char*, QComboBox*, QLineEdit*> rows[] = {
        {"If winning hand", cboFWAddSub, txtFlatAddWin},
        {"If losing hand", cboFLAddSub, txtFlatAddLose},
    };
    int row = 0;
    for (const auto& [caption, list, box] : rows) {
        grid->addWidget(new QLabel(caption, frame), row, 0);
        grid->addWidget(list, row, 1);
        grid->addWidget(box, row, 2);
        grid->addWidget(new QLabel("(to/from) bet", frame), row, 3);
        ++row;
    }
    grid->setColumnStretch(4, 1);
    return frame;
}

QWidget* frmVariableConfig::BuildButtonRow() {
    auto* row = new QWidget(this);
    auto* layout = new QGridLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    cmdAdd = MakeButton(row, "cmdAdd", "&Create New Strategy");
    cmdSave = MakeButton(row, "cmdSave", "&Save");
    cmdCancel = MakeButton(row, "cmdCancel", "&Cancel");
    cmdDelete = MakeButton(row, "cmdDelete", "&Delete");
    cmdChange = MakeButton(row, "cmdChange", "Change Betting");
    cmdReturn = MakeButton(row, "cmdReturn", "Start Game");
    layout->addWidget(cmdAdd, 0, 0);
    layout->addWidget(cmdSave, 0, 1);
    layout->addWidget(cmdCancel, 0, 2);
    layout->addWidget(cmdDelete, 0, 3);
    layout->addWidget(cmdChange, 1, 0);
    layout->addWidget(cmdReturn, 1, 3);
    return row;
}

} // namespace bj

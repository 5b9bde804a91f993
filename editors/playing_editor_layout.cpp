#include "editors/playing_editor.h"

#include "editors/strategy_grid.h"
#include "shell/input_helpers.h"

#include <QCheckBox>
#include <QComboBox>
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

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QGroupBox* MakeFrame(QWidget* parent, const char* name, const char* title) {
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(name);
    return frame;
}

template <std::size_t N>
void MakeOptions(QGroupBox* frame, const char* name, const std::array<const char*, N>& captions,
    std::array<QRadioButton*, N>& options) {
    auto* layout = new QVBoxLayout(frame);
    for (std::size_t i = 0; i < N; ++i) {
        options[i] = new QRadioButton(captions[i], frame);
        options[i]->setObjectName(QString("%1_%2").arg(name).arg(i));
        layout->addWidget(options[i]);
    }
    TabToChosenOption({options.begin(), options.end()});
}

QString DealerCaption(int column) {
    if (column == 0)
        return "Dealer has an Ace Showing :";
    if (column == 1)
        return "Dealer has a 10 - King Showing :";
    return QString("Dealer has a %1 Showing :").arg(11 - column);
}

// The label's own index: 0 for the ace, 1 for ten to king, 14 - v for a pip v.
int DealerLabelIndex(int column) {
    return column < 2 ? column : 14 - (11 - column);
}

// Ace, ten to king, then the pips from 2 up, as the frame lists them.
constexpr std::array<int, kDealerColumns> kShownColumns {0, 1, 9, 8, 7, 6, 5, 4, 3, 2};

} // namespace

// The lists and rules on the left, the chart on the right: short enough for a 1366 x 768
// screen; a narrower one scrolls.
void frmConfiguration::BuildControls() {
    auto* main = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    left->addWidget(BuildStrategyRow());
    left->addWidget(BuildHandRow());
    auto* lists = new QHBoxLayout;
    lists->addWidget(BuildDealerFrame(), 0, Qt::AlignTop);
    lists->addWidget(BuildHouseRules(), 0, Qt::AlignTop);
    left->addLayout(lists);
    left->addWidget(BuildValueRow());
    left->addStretch(1);
    left->addWidget(BuildButtonRow());
    main->addLayout(left);
    grdStrategy = new StrategyGrid(ctx_.gs, this);
    grdStrategy->setObjectName("grdStrategy");
    main->addWidget(grdStrategy, 1);
    ScrollWhenSmall(this);
}

void frmConfiguration::FitWithin(const QSize& usable) {
    bj::FitWithin(this, sizeHint(), usable);
}

QWidget* frmConfiguration::BuildStrategyRow() {
    auto* row = new QWidget(this);
    auto* layout = new QGridLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    Label1 = new QLabel("Select the Playing Strategy to view :", row);
    Label1->setObjectName("Label1");
    cboStrategy = new QComboBox(row);
    cboStrategy->setObjectName("cboStrategy");
    cboStrategy->setMinimumContentsLength(30);
    cboStrategy->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ListWithScrollBar(cboStrategy);
    // The name of a new strategy is typed over the list.
    txtName = new QLineEdit(row);
    txtName->setObjectName("txtName");
    LimitNameLength(txtName, 50);
    txtName->setVisible(false);
    Label1->setBuddy(cboStrategy);
    layout->addWidget(Label1, 0, 0);
    layout->addWidget(cboStrategy, 0, 1);
    layout->addWidget(txtName, 0, 1);
    layout->setColumnStretch(2, 1);
    return row;
}

QWidget* frmConfiguration::BuildHandRow() {
    auto* row = new QWidget(this);
    auto* layout = new QGridLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    lblPlayerHand = new QLabel("Select the Player's Hand to view settings:", row);
    lblPlayerHand->setObjectName("lblPlayerHand");
    cboPlayer = new QComboBox(row);
    cboPlayer->setObjectName("cboPlayer");
    cboPlayer->setMinimumContentsLength(8);
    lblPlayerHand->setBuddy(cboPlayer);
    for (int i = 0; i < 2; ++i) {
        lblExample[i] = new QLabel(i == 0 ? "Example :" : "", row);
        lblExample[i]->setObjectName(QString("lblExample_%1").arg(i));
    }
    layout->addWidget(lblPlayerHand, 0, 0);
    layout->addWidget(cboPlayer, 0, 1);
    layout->addWidget(lblExample[0], 1, 0, Qt::AlignRight);
    layout->addWidget(lblExample[1], 1, 1);
    layout->setColumnStretch(2, 1);
    return row;
}

QGroupBox* frmConfiguration::BuildDealerFrame() {
    fraDealer = MakeFrame(this, "fraDealer", "Dealer's Face Card Values");
    auto* grid = new QGridLayout(fraDealer);
    int line = 0;
    for (const int column : kShownColumns) {
        lblDealer[column] = new QLabel(DealerCaption(column), fraDealer);
        lblDealer[column]->setObjectName(QString("lblDealer_%1").arg(DealerLabelIndex(column)));
        cboDealer[column] = new QComboBox(fraDealer);
        cboDealer[column]->setObjectName(QString("cboDealer_%1").arg(column));
        cboDealer[column]->setMinimumContentsLength(18);
        lblDealer[column]->setBuddy(cboDealer[column]);
        grid->addWidget(lblDealer[column], line, 0);
        grid->addWidget(cboDealer[column], line, 1);
        ++line;
    }
    chkInsurance = new QCheckBox("Insurance :", fraDealer);
    chkInsurance->setObjectName("chkInsurance");
    chkInsurance->setLayoutDirection(Qt::RightToLeft); // the caption left of the box
    grid->addWidget(chkInsurance, line, 0);
    return fraDealer;
}

QGroupBox* frmConfiguration::BuildHouseRules() {
    frameHouseRules = MakeFrame(this, "frameHouseRules", "House Rules");
    auto* layout = new QGridLayout(frameHouseRules);
    frameDoubleDown = MakeFrame(frameHouseRules, "frameDoubleDown", "Double Down");
    auto* doubling = new QVBoxLayout(frameDoubleDown);
    frameDDHands = MakeFrame(frameDoubleDown, "frameDDHands", "Player can Double Down on");
    MakeOptions<2>(frameDDHands, "optDDHands", {"Any Hand", "10 and 11 Only"}, optDDHands);
    chkDoubleOnSplit = new QCheckBox("Player may Double Down on Splits.", frameDoubleDown);
    chkDoubleOnSplit->setObjectName("chkDoubleOnSplit");
    doubling->addWidget(frameDDHands);
    doubling->addWidget(chkDoubleOnSplit);
    // Made in the order they stand, which is the order Tab visits them.
    fraPlayer21
        = MakeFrame(frameHouseRules, "fraPlayer21", "If Player has 21 and Dealer has an Ace Up");
    MakeOptions<3>(fraPlayer21, "optPlayer21",
        {"Take Even Money", "Take Insurance", "Play Out Hand"}, optPlayer21);
    Frame3 = MakeFrame(frameHouseRules, "Frame3", "Soft 17");
    MakeOptions<2>(Frame3, "optSoft17",
        {"Dealer must Hit on Soft 17.", "Dealer must Stand on Soft 17."}, optSoft17);
    layout->addWidget(frameDoubleDown, 0, 0);
    layout->addWidget(fraPlayer21, 1, 0);
    layout->addWidget(Frame3, 2, 0);
    return frameHouseRules;
}

QWidget* frmConfiguration::BuildValueRow() {
    auto* row = new QWidget(this);
    auto* layout = new QGridLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    lblExpectedReturn = new QLabel(row);
    lblExpectedReturn->setObjectName("lblExpectedReturn");
    cmdBest = MakeButton(row, "cmdBest", "Best for these rules");
    cmdImport = MakeButton(row, "cmdImport", "I&mport...");
    cmdExport = MakeButton(row, "cmdExport", "E&xport...");
    layout->addWidget(lblExpectedReturn, 0, 0, 1, 4);
    layout->addWidget(cmdBest, 1, 0);
    layout->addWidget(cmdImport, 1, 1);
    layout->addWidget(cmdExport, 1, 2);
    layout->setColumnStretch(3, 1);
    return row;
}

QWidget* frmConfiguration::BuildButtonRow() {
    auto* row = new QWidget(this);
    auto* layout = new QGridLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    cmdAdd = MakeButton(row, "cmdAdd", "&Create New Strategy");
    cmdDelete = MakeButton(row, "cmdDelete", "&Delete");
    cmdSave = MakeButton(row, "cmdSave", "&Save");
    cmdCancel = MakeButton(row, "cmdCancel", "&Cancel");
    cmdReturn = MakeButton(row, "cmdReturn", "&Return to Game");
    Command1 = MakeButton(row, "Command1", "Playing Strategy &Instructions");
    layout->addWidget(cmdAdd, 0, 0);
    layout->addWidget(cmdDelete, 0, 1);
    layout->addWidget(cmdSave, 0, 2);
    layout->addWidget(cmdCancel, 0, 3);
    layout->addWidget(Command1, 1, 0, 1, 2);
    layout->addWidget(cmdReturn, 1, 3);
    return row;
}

} // namespace bj

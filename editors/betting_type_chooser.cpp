#include "editors/betting_type_chooser.h"

#include "editors/help_message.h"
#include "engine/game_state.h"
#include "shell/control_hooks.h"
#include "shell/input_helpers.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace bj {

namespace {

QStringList HelpLines(int index) {
    if (index == 0)
        return {"This option is for Sequencial Betting.",
            "You may change bet values based on the nunmber", "of hands won or lost."};
    return {"This option is for Variable Betting.",
        "You may set the bet value to increment a certain", "amount based on a win or loss."};
}

} // namespace

frmSelectBettingStrat::frmSelectBettingStrat(AppContext& ctx, QWidget* parent)
    // No minimise button: at start-up nothing else is on screen, and a window manager without a
    // task bar would leave no way back to a minimised chooser.
    : QWidget(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , ctx_(ctx) {
    setObjectName("frmSelectBettingStrat");
    setWindowTitle("Select Betting Strategy");

    auto* layout = new QVBoxLayout(this);
    const char* captions[] = {"Use Streak Betting Strategy", "Use Variable Betting Strategy"};
    for (int i = 0; i < 2; ++i) {
        auto* option = new QRadioButton(captions[i], this);
        option->setObjectName(QString("optStrategyType_%1").arg(i));
        option->installEventFilter(this);
        connect(option, &QRadioButton::clicked, this, [this, i] { optStrategyType_Click(i); });
        layout->addWidget(option);
        optStrategyType[i] = option;
    }
    TabToChosenOption({optStrategyType.begin(), optStrategyType.end()});
    cmdOK = new QPushButton("&OK", this);
    cmdOK->setObjectName("cmdOK");
    InstallDefaultButton(this, cmdOK);
    connect(cmdOK, &QPushButton::clicked, this, &frmSelectBettingStrat::cmdOK_Click);
    layout->addWidget(cmdOK, 0, Qt::AlignHCenter);
    lblHint = new QLabel("Click on an item & hit F1 for description", this);
    lblHint->setObjectName("lblHint");
    layout->addWidget(lblHint, 0, Qt::AlignHCenter);
    // A fixed size leaves the window manager nothing to maximise.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(optStrategyType[0], optStrategyType[1]);
    setTabOrder(optStrategyType[1], cmdOK);
    resize(3600 / 15, 2200 / 15);
}

void frmSelectBettingStrat::Form_Load() {
    loaded_ = true;
    const int index = ctx_.gs.BettingType == kStreakBetting ? 0 : 1;
    optStrategyType[index]->setChecked(true);
    optStrategyType[index]->setFocus();
    optStrategyType_Click(index);
    CenterForm(this);
}

void frmSelectBettingStrat::optStrategyType_Click(int index) {
    ctx_.gs.BettingType = index;
}

void frmSelectBettingStrat::optStrategyType_KeyDown(int index, int keyCode) {
    if (keyCode == kHelpKey)
        ShowHelp(HelpLines(index), optStrategyType[index]->text());
}

void frmSelectBettingStrat::cmdOK_Click() {
    Unload();
}

void frmSelectBettingStrat::Unload() {
    loaded_ = false;
    hide();
}

bool frmSelectBettingStrat::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        for (int i = 0; i < 2; ++i) {
            if (watched == optStrategyType[i]
                && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
                optStrategyType_KeyDown(i, kHelpKey);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmSelectBettingStrat::showEvent(QShowEvent* event) {
    if (!loaded_)
        Form_Load();
    QWidget::showEvent(event);
}

void frmSelectBettingStrat::closeEvent(QCloseEvent* event) {
    loaded_ = false;
    QWidget::closeEvent(event);
}

} // namespace bj

#include "editors/playing_editor.h"

#include "editors/strategy_grid.h"

#include "shell/control_hooks.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace bj {

namespace {

int NameKeyFilter(int keyCode) {
    return keyCode == '[' || keyCode == ']' ? 0 : keyCode;
}

template <std::size_t N, class Handler>
void HookOptions(frmConfiguration* w, const std::array<QRadioButton*, N>& options, Handler click) {
    for (std::size_t i = 0; i < N; ++i)
        QObject::connect(options[i], &QRadioButton::toggled, w, [w, click, i](bool on) {
            if (on)
                (w->*click)(static_cast<int>(i));
        });
}

QString Lines(std::initializer_list<const char*> lines) {
    QStringList joined;
    for (const char* line : lines)
        joined << QString::fromLatin1(line);
    return joined.join('\n');
}

} // namespace

void frmConfiguration::HookEvents() {
    connect(cboStrategy, &QComboBox::currentIndexChanged, this, [this] { cboStrategy_Click(); });
    connect(cboPlayer, &QComboBox::currentIndexChanged, this, [this] { cboPlayer_Click(); });
    for (int i = 0; i < kDealerColumns; ++i) {
        connect(
            cboDealer[i], &QComboBox::currentIndexChanged, this, [this, i] { cboDealer_Click(i); });
        // Choosing the entry already shown changes no index; it still replaces a stored code
        // the list does not offer, which the list shows as its last entry.
        connect(cboDealer[i], &QComboBox::activated, this, [this, i] {
            if (ShownCodeDiffers(i))
                cboDealer_Click(i);
        });
    }
    connect(chkInsurance, &QCheckBox::toggled, this, [this] { chkInsurance_Click(); });
    connect(chkDoubleOnSplit, &QCheckBox::toggled, this, [this] { chkDoubleOnSplit_Click(); });
    HookOptions(this, optDDHands, &frmConfiguration::optDDHands_Click);
    HookOptions(this, optPlayer21, &frmConfiguration::optPlayer21_Click);
    HookOptions(this, optSoft17, &frmConfiguration::optSoft17_Click);
    connect(txtName, &QLineEdit::textChanged, this, [this] { txtName_Change(); });
    InstallKeyFilter(txtName, NameKeyFilter);

    connect(cmdAdd, &QPushButton::clicked, this, &frmConfiguration::cmdAdd_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmConfiguration::cmdSave_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmConfiguration::cmdCancel_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmConfiguration::cmdDelete_Click);
    connect(cmdReturn, &QPushButton::clicked, this, &frmConfiguration::cmdReturn_Click);
    connect(Command1, &QPushButton::clicked, this, &frmConfiguration::Command1_Click);
    connect(cmdBest, &QPushButton::clicked, this, &frmConfiguration::cmdBest_Click);
    connect(cmdImport, &QPushButton::clicked, this, &frmConfiguration::cmdImport_Click);
    connect(cmdExport, &QPushButton::clicked, this, &frmConfiguration::cmdExport_Click);
    connect(
        grdStrategy, &StrategyGrid::CellPicked, this, &frmConfiguration::grdStrategy_CellPicked);
    HookHelp();
}

void frmConfiguration::HookHelp() {
    const QString name = "Name of the selected Playing Strategy.";
    InstallF1Help(cboStrategy, name);
    InstallF1Help(txtName, name);
    InstallF1Help(cboPlayer,
        Lines({"The value for the PLAYER'S Total Hand. This ",
            "value is for all the cards that the player ", "has on the table."}));
    const QString dealer = Lines({"Select an option to use based on the ",
        "PLAYERS Selected HAnd Value, and the", "DEALERS Up Card [Indicated to the Left].",
        "For more details on the options, click on", "the Playing Strategy Instructions below."});
    for (QComboBox* list : cboDealer)
        InstallF1Help(list, dealer);
    InstallF1Help(chkInsurance, "Take insurance for the Selected PLAYERS Hand.");
    const QString doubling = "Select the House Rules for Doubling Down.";
    for (QRadioButton* option : optDDHands)
        InstallF1Help(option, doubling);
    InstallF1Help(chkDoubleOnSplit, doubling);
    const QString player21 = Lines({"Select the option to use if ", "PLAYER has a Black Jack, and ",
        "DEALER has an Ace Up Card."});
    for (QRadioButton* option : optPlayer21)
        InstallF1Help(option, player21);
    const QString soft17
        = Lines({"Select the House Rules for the DEALERS action", "when he has a Soft 17."});
    for (QRadioButton* option : optSoft17)
        InstallF1Help(option, soft17);
}

} // namespace bj

#include "editors/instructions.h"

#include "shell/input_helpers.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace bj {

QString PlayingStrategyInstructions() {
    static const char* const lines[] = {
        "Select Playing Strategy to view :",
        "       Pick the Strategy Name you want to view.",
        "Select the Player's Hand to view settings:",
        "       Pick the VALUE for the PLAYER'S HAND to view that Strategy",
        "    Example:",
        "       Shows an example of the PLAYER'S HAND",
        "Dealer has a _??_ Showing:",
        "       Displays the selected ACTION for if the DEALER has that specific card showing.",
        "    *ACTIONS:",
        "       'HIT' = (Players takes a card)",
        "       'Stand' = (Player stands)",
        "       'Double-Down = (Player DOUBLES bet & Takes ONE more card)",
        "          *If the Player may not Double Down on the Player's Hand Value",
        "          i.e. (Can only Double-Down on 10 & 11)",
        "          Then it is assumed that the player wants to take a HIT",
        "       'Split or Hit' = (If the hand is a PAIR, SPLIT, otherwise HIT)",
        "       'Split or Stand' = (If the hand is a PAIR, SPLIT, otherwise STAND)",
        "House Rules:",
        "    Double Down:",
        "       Any Hand = (Player can Double-Down on ANY HAND VALUE)",
        "       10 and 11 Only = (Player can Double-Down on a HAND VALUE of 10 or 11)",
        "  Player may Double Down on Splits:",
        "       (Player is allowed to Double-Down on SPLIT HANDS.",
        "  Soft 17:",
        "       (DEALER MUST HIT on Soft 17)",
        "       (DEALER MUST STAND on Soft 17)",
        "  If Player and Dealer both have 21;",
        "       (PLAYER WILL Take INSURANCE)",
        "       (PLAYER WILL Take EVEN MONEY",
    };
    QString text;
    for (const char* line : lines)
        text += QString::fromLatin1(line) + '\n';
    return text;
}

QString MultipleSessionInformation() {
    return QStringLiteral("The Multiple Session screen is implemented for speed. The "
                          "game will be played until any of the "
                          "parameters are met, then it will continue to "
                          "a new session until the number of times "
                          "to play has been reached. A list of the "
                          "Max Winning Amt, Max Losing Amt, Hands Played, "
                          "Time (in minutes), Total for Session, "
                          "Amt Won or Lost, and Total Won or Lost for "
                          "all sessions. The average time for one hand "
                          "is 20 seconds. so if you play 180 hands, then the "
                          "time would be 1 hour.");
}

frmPlayingStrategiesInstr::frmPlayingStrategiesInstr(QWidget* parent)
    : QWidget(parent, Qt::Dialog) {
    setObjectName(QStringLiteral("frmPlayingStrategiesInstr"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 16);
    layout->setSpacing(8);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(Label1);
    Command1 = new QPushButton(this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    layout->addWidget(Command1, 0, Qt::AlignHCenter);
    connect(Command1, &QPushButton::clicked, this, &frmPlayingStrategiesInstr::Command1_Click);
}

void frmPlayingStrategiesInstr::Form_Load() {
    loaded_ = true;
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (bolFromMulti) {
        // A paragraph wrapped to a reading width, about half the height of the other text.
        setWindowTitle(QStringLiteral("Information on Multiple Session..."));
        Label1->setWordWrap(true);
        Label1->setFixedWidth(Label1->fontMetrics().averageCharWidth() * 64);
        Label1->setText(MultipleSessionInformation());
        Command1->setText(QStringLiteral("&Return to Multiple Session screen..."));
    } else {
        setWindowTitle(QStringLiteral("Instructions for setting Playing Strategy"));
        Label1->setWordWrap(false);
        Label1->setMinimumWidth(0);
        Label1->setMaximumWidth(QWIDGETSIZE_MAX);
        Label1->setText(PlayingStrategyInstructions());
        Command1->setText(QStringLiteral("&Return to Playing Strategies screen..."));
    }
    adjustSize();
    setFixedSize(sizeHint());
    CenterForm(this);
}

void frmPlayingStrategiesInstr::Form_Unload() {
    bolFromMulti = false;
    loaded_ = false;
}

void frmPlayingStrategiesInstr::Command1_Click() {
    close();
}

void frmPlayingStrategiesInstr::showEvent(QShowEvent* event) {
    if (!loaded_)
        Form_Load();
    QWidget::showEvent(event);
}

void frmPlayingStrategiesInstr::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

} // namespace bj

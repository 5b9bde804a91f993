#include "shell/input_helpers.h"
#include "table/card_pictures.h"
#include "table/frm_main.h"
#include "table/split_hands_row.h"
#include "table/value_cell.h"

#include "engine/cards.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include <functional>

namespace bj {
namespace {

constexpr int kPlaceMargin = 1; // room for the up-card frame around the card
constexpr int kValueWidth = 66;
constexpr int kCaptionHeight = 30;

// The green cloth the cards lie on; what lies on it is placed by hand at every size.
class Felt final : public QWidget {
public:
    Felt() { setAttribute(Qt::WA_OpaquePaintEvent, false); }

    QSize minimum;
    std::function<void()> layOut;

    QSize minimumSizeHint() const override { return minimum; }
    QSize sizeHint() const override { return minimum; }

protected:
    void resizeEvent(QResizeEvent*) override {
        if (layOut)
            layOut();
    }
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0x08, 0x40, 0x22), 1.5));
        painter.setBrush(QColor(0x0f, 0x6b, 0x3a));
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75), 8, 8);
    }
};

// A card keeps its colours while the table is disabled, where a picture label would grey it.
class CardImage final : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawPixmap(0, 0, pixmap());
    }
};

QLabel* Named(QLabel* label, const char* name) {
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QLabel* Caption(const QString& text, QWidget* parent = nullptr) {
    return new QLabel(text, parent);
}

QHBoxLayout* ScaleRow(const QList<QLabel*>& labels) {
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < labels.size(); ++i) {
        if (i > 0)
            row->addStretch(1);
        row->addWidget(labels[i]);
    }
    return row;
}

QPushButton* Button(const char* name, const QString& text) {
    auto* button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

void frmMain::BuildMenus() {
    auto action = [this](QMenu* menu, const char* name, const QString& text, auto handler) {
        QAction* item = menu->addAction(text);
        item->setObjectName(QString::fromLatin1(name));
        connect(item, &QAction::triggered, this, handler);
        return item;
    };
    auto separator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QString::fromLatin1(name));
    };

    mnuGame_ = menuBar()->addMenu(QStringLiteral("&Game"));
    mnuGame_->setObjectName(QStringLiteral("mnuGame"));
    action(mnuGame_, "mnuAbout", QStringLiteral("&About"), &frmMain::mnuAbout_Click);
    separator(mnuGame_, "mnuGameSep0");
    action(mnuGame_, "mnuExit", QStringLiteral("E&xit"), &frmMain::mnuExit_Click);

    mnuOptions_ = menuBar()->addMenu(QStringLiteral("&Configuation"));
    mnuOptions_->setObjectName(QStringLiteral("mnuOptions"));
    action(mnuOptions_, "mnuBet", QStringLiteral("&Betting Stratagy"), &frmMain::mnuBet_Click);
    action(mnuOptions_, "mnuOptPlayStrategy", QStringLiteral("&Playing Strategies"),
        &frmMain::mnuOptPlayStrategy_Click);

    // Shown only from the notification-area icon.
    mnuPopUp_ = new QMenu(QStringLiteral("Popup"), this);
    mnuPopUp_->setObjectName(QStringLiteral("mnuPopUp"));
    action(mnuPopUp_, "mnuShowWar", QStringLiteral("Show Black Jack"), &frmMain::mnuShowWar_Click);
    separator(mnuPopUp_, "mnuSep0");
    action(mnuPopUp_, "mnupopExit", QStringLiteral("Exit"), &frmMain::mnupopExit_Click);
}

void frmMain::BuildSuitPictures() {
    for (int suit = kHearts; suit <= kSpades; ++suit) {
        auto* picture = new QLabel(this);
        picture->setObjectName(QStringLiteral("picCard_%1").arg(suit));
        picture->setPixmap(SuitPicture(suit, QSize(101, 158)));
        picture->hide();
        picCard_[suit] = picture;
    }
}

void frmMain::BuildCardPlaces(QWidget* felt, int who, std::array<QWidget*, 12>& places,
    std::array<QLabel*, 12>& images, std::array<QLabel*, 12>& faces) {
    const char* prefix = who == kDealer ? "Dealer" : "Player";
    QFont faceFont(QStringLiteral("Times New Roman"));
    faceFont.setBold(true);
    for (int position = 1; position <= kMaxCardsInHand; ++position) {
        auto* holder = new QWidget(felt);
        if (who == kDealer && position == 2) {
            shpUp_ = new QFrame(holder);
            shpUp_->setObjectName(QStringLiteral("shpUp"));
            shpUp_->setStyleSheet(QStringLiteral("#shpUp { border: 2px solid #ffd54a; }"));
            shpUp_->hide();
        }
        auto* image = new CardImage(holder);
        image->setObjectName(QStringLiteral("img%1_%2").arg(QLatin1String(prefix)).arg(position));
        auto* face = new QLabel(image);
        face->setObjectName(QStringLiteral("lbl%1_%2").arg(QLatin1String(prefix)).arg(position));
        face->setFont(faceFont);
        face->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        image->hide();
        face->hide();
        places[position] = holder;
        images[position] = image;
        faces[position] = face;
    }
}

QWidget* frmMain::BuildTable() {
    auto* felt = new Felt;
    felt->setObjectName(QStringLiteral("tableFelt"));
    felt_ = felt;
    QPalette cloth = felt->palette();
    cloth.setColor(QPalette::WindowText, Qt::white);
    felt->setPalette(cloth);

    QFont heading = font();
    heading.setBold(true);
    heading.setPointSizeF(font().pointSizeF() + 1);
    QFont total(QStringLiteral("Arial"));
    total.setBold(true);
    total.setPointSize(18);
    auto caption = [felt](const QString& text, const char* name, const QFont& type) {
        QLabel* label = Named(Caption(text, felt), name);
        label->setFont(type);
        return label;
    };
    auto handTotal = [&](const char* name) {
        QLabel* label = caption(QString(), name, total);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return label;
    };
    Label9_ = caption(QStringLiteral("Dealer"), "Label9", heading);
    lblDealersHand_ = handTotal("lblDealersHand");
    lblUpCard_ = caption(QStringLiteral("Up Card"), "lblUpCard", font());
    lblUpCard_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette gold = cloth;
    gold.setColor(QPalette::WindowText, QColor(0xff, 0xd5, 0x4a));
    lblUpCard_->setPalette(gold);
    Label10_ = caption(QStringLiteral("Player"), "Label10", heading);
    lblPlayersHand_ = handTotal("lblPlayersHand");
    BuildCardPlaces(felt, kDealer, dealerPlaces_, imgDealer_, lblDealer_);
    BuildCardPlaces(felt, kPlayer, playerPlaces_, imgPlayer_, lblPlayer_);
    splitRow_ = new SplitHandsRow(felt);
    splitRow_->setPalette(cloth);

    const QSize up = lblUpCard_->sizeHint();
    tableTexts_ = {kCaptionHeight, up.height(), up.width()};
    felt->minimum = TableMinimumSize(tableTexts_);
    felt->layOut = [this] { LayOutTable(); };
    felt->resize(felt->minimum);
    cardStep_ = 0;
    LayOutTable();
    return felt;
}

// Everything on the table is placed for the current size; the cards are drawn again only
// when their size changes.
void frmMain::LayOutTable() {
    const TableGeometry g = LayTable(felt_->size(), tableTexts_);
    Label9_->setGeometry(g.dealerCaption);
    lblDealersHand_->setGeometry(g.dealerTotal);
    lblUpCard_->setGeometry(g.upCaption);
    Label10_->setGeometry(g.playerCaption);
    SetPlayerCaption(Label10_->text());
    lblPlayersHand_->setGeometry(g.playerTotal);
    splitRow_->setGeometry(g.splitRow);
    splitRow_->SetCardSize(g.miniCard);
    for (int position = 1; position <= kMaxCardsInHand; ++position) {
        dealerPlaces_[position]->setGeometry(g.dealerPlaces[position]);
        playerPlaces_[position]->setGeometry(g.playerPlaces[position]);
    }
    shpUp_->setGeometry(QRect(QPoint(0, 0), g.dealerPlaces[2].size()));
    if (g.step != cardStep_)
        ScaleCards(g);
}

void frmMain::ScaleCards(const TableGeometry& g) {
    cardStep_ = g.step;
    for (int suit = kHearts; suit <= kSpades; ++suit)
        cardFaces_[suit] = SuitPicture(suit, g.card, devicePixelRatioF());
    // The rank grows with the card: 15 pixels on the smallest, whose width is 4 steps.
    const auto scaled = [&](int pixels) { return (pixels * g.step + 2) / kSmallestCardStep; };
    QFont faceFont = lblDealer_[1]->font();
    faceFont.setPixelSize(scaled(15));
    const QRect faceBox(scaled(3), scaled(1), g.card.width() - scaled(4), scaled(18));
    for (int who : {kDealer, kPlayer}) {
        for (int position = 1; position <= kMaxCardsInHand; ++position) {
            QLabel* image = (who == kDealer ? imgDealer_ : imgPlayer_)[position];
            QLabel* face = (who == kDealer ? lblDealer_ : lblPlayer_)[position];
            image->setGeometry(QRect(QPoint(kPlaceMargin, kPlaceMargin), g.card));
            face->setFont(faceFont);
            face->setGeometry(faceBox);
            if (!image->isHidden())
                image->setPixmap(cardFaces_[shownSuits_[who][position]]);
        }
    }
}

QLabel* frmMain::ValueLabel(const char* name, const QString& text) {
    auto* label = Named(new ValueCell(text), name);
    StyleValueCell(label, 3);
    // A fixed size keeps the many caption updates of a round from relaying out the window.
    label->setFixedSize(kValueWidth, fontMetrics().height() + 4);
    return label;
}

QGroupBox* frmMain::StatGroup(
    const QString& title, const std::vector<std::pair<QString, QLabel*>>& rows) {
    auto* group = new QGroupBox(title);
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(2);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        grid->addWidget(Caption(rows[r].first), r, 0);
        grid->addWidget(rows[r].second, r, 1);
    }
    grid->setColumnStretch(0, 1);
    return group;
}

QWidget* frmMain::BuildRunningStats() {
    lblCurrentBankRoll_ = ValueLabel("lblCurrentBankRoll", QStringLiteral("10000"));
    lblMaxBankroll_ = ValueLabel("lblMaxBankroll", QStringLiteral("10000"));
    lblMinBankroll_ = ValueLabel("lblMinBankroll", QStringLiteral("10000"));
    lblCurrentBet_ = ValueLabel("lblCurrentBet", QStringLiteral("5"));
    lblWinningStreak_ = ValueLabel("lblWinningStreak", QStringLiteral("0"));
    lblLosingStreak_ = ValueLabel("lblLosingStreak", QStringLiteral("0"));
    lblMaxWin_ = ValueLabel("lblMaxWin", QStringLiteral("0"));
    lblMaxLos_ = ValueLabel("lblMaxLos", QStringLiteral("0"));
    lblAmountWonOnHand_ = ValueLabel("lblAmountWonOnHand", QString());
    lblPushStreak_ = ValueLabel("lblPushStreak", QStringLiteral("0"));
    lblAmtWonEvenMoney_ = ValueLabel("lblAmtWonEvenMoney", QStringLiteral("0"));

    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(StatGroup(QStringLiteral("Bankroll Data"),
        {{QStringLiteral("Current Bankroll"), lblCurrentBankRoll_},
            {QStringLiteral("Max. Bankroll"), lblMaxBankroll_},
            {QStringLiteral("Min. Bankroll"), lblMinBankroll_},
            {QStringLiteral("Current Bet"), lblCurrentBet_}}));
    layout->addWidget(StatGroup(QStringLiteral("Win/Lose Streak Data"),
        {{QStringLiteral("Current Winning Streak"), lblWinningStreak_},
            {QStringLiteral("Current Losing Streak"), lblLosingStreak_},
            {QStringLiteral("Max. Winning Streak"), lblMaxWin_},
            {QStringLiteral("Max. Losing Streak"), lblMaxLos_}}));
    layout->addWidget(StatGroup(QString(),
        {{QStringLiteral("Amount Won/Lost on Hand"), lblAmountWonOnHand_},
            {QStringLiteral("Current Push Streak"), lblPushStreak_},
            {QStringLiteral("Amount Won on Even Money"), lblAmtWonEvenMoney_}}));
    layout->addStretch(1);
    return column;
}

QWidget* frmMain::BuildHandTotals() {
    auto page = [this](const char* name, const std::vector<std::pair<QString, QLabel*>>& rows) {
        auto* widget = new QWidget;
        widget->setObjectName(QString::fromLatin1(name));
        auto* grid = new QGridLayout(widget);
        grid->setContentsMargins(6, 6, 6, 6);
        grid->setVerticalSpacing(2);
        for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
            grid->addWidget(Caption(rows[r].first), r, 0);
            grid->addWidget(rows[r].second, r, 1);
        }
        grid->setColumnStretch(0, 1);
        grid->setRowStretch(static_cast<int>(rows.size()), 1);
        return widget;
    };
    const QString won = QStringLiteral("Total Hands Won");
    const QString lost = QStringLiteral("Total Hands Lost");
    const QString amountWon = QStringLiteral("Total Amount Won");
    const QString amountLost = QStringLiteral("Total Amount Lost");

    lblTotalHandsWon_ = ValueLabel("lblTotalHandsWon", QStringLiteral("0"));
    lblTotalHandsLost_ = ValueLabel("lblTotalHandsLost", QStringLiteral("0"));
    lblTotalHandsTied_ = ValueLabel("lblTotalHandsTied", QStringLiteral("0"));
    lblBlackJacksWon_ = ValueLabel("lblBlackJacksWon", QStringLiteral("0"));
    lblAmountWonOnWars_ = ValueLabel("lblAmountWonOnWars", QStringLiteral("0"));
    lblSplitHandsWon_ = ValueLabel("lblSplitHandsWon", QStringLiteral("0"));
    lblSplitHandsLost_ = ValueLabel("lblSplitHandsLost", QStringLiteral("0"));
    lblSplitAmtWon_ = ValueLabel("lblSplitAmtWon", QStringLiteral("0"));
    lblSplitAmtLost_ = ValueLabel("lblSplitAmtLost", QStringLiteral("0"));
    lblDblDnHandsWon_ = ValueLabel("lblDblDnHandsWon", QStringLiteral("0"));
    lblDblDnHandsLost_ = ValueLabel("lblDblDnHandsLost", QStringLiteral("0"));
    lblDblDnAmtWon_ = ValueLabel("lblDblDnAmtWon", QStringLiteral("0"));
    lblDblDnAmtLost_ = ValueLabel("lblDblDnAmtLost", QStringLiteral("0"));
    lblInsHandsWon_ = ValueLabel("lblInsHandsWon", QStringLiteral("0"));
    lblInsHandsLost_ = ValueLabel("lblInsHandsLost", QStringLiteral("0"));
    lblInsAmtWon_ = ValueLabel("lblInsAmtWon", QStringLiteral("0"));
    lblInsAmtLost_ = ValueLabel("lblInsAmtLost", QStringLiteral("0"));

    SSTab1_ = new QTabWidget;
    SSTab1_->setObjectName(QStringLiteral("SSTab1"));
    SSTab1_->setUsesScrollButtons(false);
    SSTab1_->setDocumentMode(false);
    SSTab1_->addTab(page("tabHands",
                        {{won, lblTotalHandsWon_}, {lost, lblTotalHandsLost_},
                            {QStringLiteral("Total Hands Tied"), lblTotalHandsTied_},
                            {QStringLiteral("Total Black Jacks Won"), lblBlackJacksWon_},
                            {QStringLiteral("Amount Won on Black Jack"), lblAmountWonOnWars_}}),
        QStringLiteral("Hands"));
    SSTab1_->addTab(page("tabSplits",
                        {{won, lblSplitHandsWon_}, {lost, lblSplitHandsLost_},
                            {amountWon, lblSplitAmtWon_}, {amountLost, lblSplitAmtLost_}}),
        QStringLiteral("Splits"));
    SSTab1_->addTab(page("tabDblDown",
                        {{won, lblDblDnHandsWon_}, {lost, lblDblDnHandsLost_},
                            {amountWon, lblDblDnAmtWon_}, {amountLost, lblDblDnAmtLost_}}),
        QStringLiteral("Dbl Down"));
    SSTab1_->addTab(page("tabInsurance",
                        {{won, lblInsHandsWon_}, {lost, lblInsHandsLost_},
                            {amountWon, lblInsAmtWon_}, {amountLost, lblInsAmtLost_}}),
        QStringLiteral("Insurance"));

    auto* group = new QGroupBox(QStringLiteral("Total Hand Data"));
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->addWidget(SSTab1_);

    auto* column = new QWidget;
    auto* columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    columnLayout->addWidget(group);
    chkSysTray_ = new QCheckBox(QStringLiteral("Show in System Tray"));
    chkSysTray_->setObjectName(QStringLiteral("chkSysTray"));
    columnLayout->addWidget(chkSysTray_);
    columnLayout->addStretch(1);
    return column;
}

QWidget* frmMain::BuildPlayControls() {
    auto* group = new QGroupBox;
    group->setObjectName(QStringLiteral("fraPlay"));
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(2);

    layout->addWidget(Caption(QStringLiteral("Set Number of Hands to Play With Slider")));
    sldHandsToPlay_ = new QSlider(Qt::Horizontal);
    sldHandsToPlay_->setObjectName(QStringLiteral("sldHandsToPlay"));
    sldHandsToPlay_->setRange(0, 100);
    sldHandsToPlay_->setTickInterval(10);
    sldHandsToPlay_->setTickPosition(QSlider::TicksBelow);
    sldHandsToPlay_->setSingleStep(1);
    sldHandsToPlay_->setPageStep(10);
    sldHandsToPlay_->setValue(100);
    layout->addWidget(sldHandsToPlay_);
    QList<QLabel*> scale;
    for (const char* text : {"0", "200", "400", "600", "800", "1000"})
        scale << Caption(QString::fromLatin1(text));
    layout->addLayout(ScaleRow(scale));
    auto* note
        = Named(Caption(QStringLiteral("Fine Adjust With Right/Left Arrow Keys")), "lblFineAdjust");
    // Muted while the slider works; greyed like every other caption while it does not.
    QPalette muted = note->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive})
        muted.setColor(group, QPalette::WindowText, QColor(0x50, 0x50, 0x50));
    note->setPalette(muted);
    layout->addWidget(note);

    auto* handsRow = new QHBoxLayout;
    handsRow->addWidget(Caption(QStringLiteral("Number of Hands to Play Set At")));
    lblHandsToPlay_ = Named(Caption(QStringLiteral("1000")), "lblHandsToPlay");
    QFont bold = font();
    bold.setBold(true);
    lblHandsToPlay_->setFont(bold);
    handsRow->addWidget(lblHandsToPlay_);
    handsRow->addStretch(1);
    layout->addLayout(handsRow);

    prbHandsToPlay_ = new QProgressBar;
    prbHandsToPlay_->setObjectName(QStringLiteral("prbHandsToPlay"));
    prbHandsToPlay_->setRange(0, 100);
    prbHandsToPlay_->setValue(0);
    prbHandsToPlay_->setTextVisible(false);
    prbHandsToPlay_->setFixedHeight(14);
    layout->addWidget(prbHandsToPlay_);
    const char* progressText[] = {"0", "500", "1000"};
    for (int i = 0; i < 3; ++i) {
        lblHandsProgress_[i] = Caption(QString::fromLatin1(progressText[i]));
        lblHandsProgress_[i]->setObjectName(QStringLiteral("lblHandsProgress_%1").arg(i));
    }
    layout->addLayout(ScaleRow({lblHandsProgress_[0], lblHandsProgress_[1], lblHandsProgress_[2]}));

    layout->addSpacing(4);
    layout->addWidget(Caption(QStringLiteral("Set Play Speed")));
    auto* speedRow = new QHBoxLayout;
    speedRow->addWidget(Caption(QStringLiteral("Slower")));
    sldPlaySpeed_ = new QSlider(Qt::Horizontal);
    sldPlaySpeed_->setObjectName(QStringLiteral("sldPlaySpeed"));
    sldPlaySpeed_->setRange(2, 10);
    sldPlaySpeed_->setValue(6);
    sldPlaySpeed_->setPageStep(1);
    sldPlaySpeed_->setTickInterval(1);
    sldPlaySpeed_->setTickPosition(QSlider::TicksBelow);
    speedRow->addWidget(sldPlaySpeed_, 1);
    speedRow->addWidget(Caption(QStringLiteral("Faster")));
    layout->addLayout(speedRow);

    auto* modeRow = new QHBoxLayout;
    const char* modes[] = {"Continuous", "Single Hand"};
    for (int i = 0; i < 2; ++i) {
        optContinuousPlay_[i] = new QRadioButton(QString::fromLatin1(modes[i]));
        optContinuousPlay_[i]->setObjectName(QStringLiteral("optContinuousPlay_%1").arg(i));
        modeRow->addWidget(optContinuousPlay_[i]);
    }
    TabToChosenOption({optContinuousPlay_.begin(), optContinuousPlay_.end()});
    modeRow->addStretch(1);
    layout->addLayout(modeRow);
    layout->addStretch(1);
    return group;
}

QWidget* frmMain::BuildButtons() {
    cmdDeal_ = Button("cmdDeal", QStringLiteral("Deal"));
    cmdStop_ = Button("cmdStop", QStringLiteral("Stop"));
    cmdNext_ = Button("cmdNext", QStringLiteral("&Continue"));
    cmdReset_ = Button("cmdReset", QStringLiteral("Reset"));
    cmdConfiguration_ = Button("cmdConfiguration", QStringLiteral("Betting Strategy..."));
    cmdPlayingStrat_ = Button("cmdPlayingStrat", QStringLiteral("Playing Strategy..."));
    cmdAdvancedStats_ = Button("cmdAdvancedStats", QStringLiteral("Advanced Statistics..."));
    cmdMultipleSessions_ = Button("cmdMultipleSessions", QStringLiteral("Multiple Session..."));
    cmdQuit_ = Button("cmdQuit", QStringLiteral("Quit Game"));

    QFont bold = font();
    bold.setBold(true);
    cmdDeal_->setFont(bold);
    cmdNext_->setFont(bold);
    // The pause button appears in place without moving the others.
    QSizePolicy keep = cmdNext_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    cmdNext_->setSizePolicy(keep);
    cmdNext_->hide();

    auto* panel = new QWidget;
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 6, 0, 0);
    grid->setSpacing(4);
    grid->addWidget(cmdDeal_, 0, 0);
    grid->addWidget(cmdStop_, 0, 1);
    grid->addWidget(cmdNext_, 1, 0);
    grid->addWidget(cmdReset_, 1, 1);
    grid->setRowMinimumHeight(2, 6);
    int row = 3;
    for (QPushButton* button :
        {cmdConfiguration_, cmdPlayingStrat_, cmdAdvancedStats_, cmdMultipleSessions_, cmdQuit_})
        grid->addWidget(button, row++, 0, 1, 2);
    grid->setRowStretch(row, 1);
    return panel;
}

} // namespace bj

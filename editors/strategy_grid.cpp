#include "editors/strategy_grid.h"

#include "editors/number_text.h"
#include "engine/hand_rules.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace bj {
namespace {

constexpr int kInsuranceColumn = kDealerColumns;
constexpr int kCellWidth = 34, kCellHeight = 20;
constexpr int kFewestRowsShown = 8;

struct Look {
    const char* Code;
    const char* Colour;
    const char* Meaning;
};

// Stand, hit, double and split in distinct hues, the split variants in shades of one; all
// light enough for black text.
constexpr Look kActionLooks[] = {
    {"H", "#f6a5a0", "Hit"},
    {"S", "#fde37a", "Stand"},
    {"D", "#8ec9f2", "Double Down"},
    {"P/H", "#dcc3ec", "Split or Hit"},
    {"P/S", "#c49ddd", "Split or Stand"},
    {"P/D", "#a88fe0", "Split or Double Down"},
};
constexpr Look kTakeOneCard {"P1", "#9fdcc4", "Split & Take 1 Card"};
constexpr Look kInsured {"Y", "#f9bd73", "Insure against an ace"};
constexpr Look kNotInsured {"", "#f4f4f4", ""};
constexpr Look kUnknown {"?", "#b8b8b8", ""};

const Look& ActionLook(int row, int code) {
    if (row == kSoft12Row && code == kSplitOrHit)
        return kTakeOneCard;
    return code >= kHit && code <= kSplitOrDouble ? kActionLooks[code] : kUnknown;
}

// The chart shows DealerColumn 9 (a 2) first and 0 (an ace) last: the mapping is its own
// inverse.
int ShownColumn(int column) {
    return column == kInsuranceColumn ? column : kDealerColumns - 1 - column;
}

QString HandInWords(int row) {
    const QString hand = QString::fromStdString(PlayerHandText(row));
    return hand.startsWith("Soft") ? hand : "Hard " + hand;
}

QString LegendText() {
    QList<const Look*> looks;
    for (const Look& look : kActionLooks)
        looks << &look;
    looks << &kTakeOneCard << &kInsured;
    QString html = "<table cellspacing='3' cellpadding='2'>";
    for (int i = 0; i < looks.size(); ++i) {
        const Look& look = *looks[i];
        html += (i % 2 == 0 ? "<tr>" : "")
            + QString("<td bgcolor='%1' align='center'><b>%2</b></td><td>%3&nbsp;&nbsp;</td>")
                  .arg(look.Colour, QString(look.Code).toHtmlEscaped(),
                      QString(look.Meaning).toHtmlEscaped())
            + (i % 2 == 1 ? "</tr>" : "");
    }
    return html + "</table>";
}

// Frames the current cell instead of the usual selection colour, which would hide the action's.
class CurrentCellFrame : public QStyledItemDelegate {
public:
    explicit CurrentCellFrame(QTableWidget* table)
        : QStyledItemDelegate(table)
        , table_(table) { }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
        const QModelIndex& index) const override {
        QStyleOptionViewItem plain = option;
        plain.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, plain, index);
        if (index != table_->currentIndex())
            return;
        painter->save();
        painter->setPen(QPen(Qt::black, 3));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option.rect.adjusted(1, 1, -2, -2));
        painter->restore();
    }

private:
    QTableWidget* table_;
};

// The whole chart by default; on a screen too short for it, fewer rows and a scroll bar that
// leaves every column in view.
class ChartCells : public QTableWidget {
public:
    explicit ChartCells(QWidget* parent)
        : QTableWidget(kPlayerRows, kInsuranceColumn + 1, parent) { }

    QSize sizeHint() const override {
        return {verticalHeader()->sizeHint().width() + (kInsuranceColumn + 1) * kCellWidth
                + 2 * frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent),
            HeightFor(kPlayerRows)};
    }
    int FewestRowsHeight() const { return HeightFor(kFewestRowsShown); }

private:
    // Rows as tall as they are drawn: a style or font may not let them be as low as asked.
    int HeightFor(int rows) const {
        return horizontalHeader()->sizeHint().height() + rows * verticalHeader()->sectionSize(0)
            + 2 * frameWidth();
    }
};

} // namespace

StrategyGrid::StrategyGrid(const GameState& gs, QWidget* parent)
    : QWidget(parent)
    , gs_(gs)
    , legend_(new QLabel(LegendText(), this)) {
    auto* cells = new ChartCells(this);
    cells_ = cells;
    setObjectName("grdStrategy");
    cells_->setObjectName("grdStrategyCells");
    legend_->setObjectName("lblLegend");
    QStringList columns;
    for (int shown = 0; shown < kDealerColumns; ++shown)
        columns << DealerCardText(ShownColumn(shown));
    cells_->setHorizontalHeaderLabels(columns << "Ins");
    QStringList rows;
    for (int row = 0; row < kPlayerRows; ++row)
        rows << QString::fromStdString(PlayerHandText(row));
    cells_->setVerticalHeaderLabels(rows);
    cells_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    cells_->horizontalHeader()->setDefaultSectionSize(kCellWidth);
    cells_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    cells_->verticalHeader()->setDefaultSectionSize(kCellHeight);
    cells_->verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cells_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    cells_->setSelectionMode(QAbstractItemView::NoSelection);
    // One stop in the window's Tab order; the arrow keys move between its 286 cells.
    cells_->setTabKeyNavigation(false);
    cells_->setItemDelegate(new CurrentCellFrame(cells_));
    cells_->viewport()->installEventFilter(this);
    for (int row = 0; row < kPlayerRows; ++row)
        for (int column = 0; column <= kInsuranceColumn; ++column) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            item->setForeground(Qt::black);
            item->setFlags(Qt::ItemIsEnabled);
            cells_->setItem(row, ShownColumn(column), item);
        }
    cells->setMinimumSize(cells->sizeHint().width(), cells->FewestRowsHeight());
    cells_->horizontalHeader()->setStretchLastSection(true); // takes a scroll bar's width
    cells_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(cells_, 1);
    layout->addWidget(legend_);
    connect(cells_, &QTableWidget::currentCellChanged, this,
        [this](int row, int column) { CurrentMoved(row, column); });
    connect(cells_, &QTableWidget::cellClicked, this, &StrategyGrid::Clicked);
    RefreshAll();
    SetCurrent(0, kDealerColumns - 1);
}

void StrategyGrid::RefreshAll() {
    for (int row = 0; row < kPlayerRows; ++row)
        for (int column = 0; column <= kInsuranceColumn; ++column)
            ShowCell(row, column);
}

void StrategyGrid::RefreshCell(int row, int column) {
    if (row >= 0 && row < kPlayerRows && column >= 0 && column <= kInsuranceColumn)
        ShowCell(row, column);
}

void StrategyGrid::SetCurrent(int row, int column) {
    if (row < 0 || row >= kPlayerRows || column < 0 || column > kInsuranceColumn)
        return;
    settingCurrent_ = true;
    cells_->setCurrentCell(row, ShownColumn(column));
    settingCurrent_ = false;
}

void StrategyGrid::SetRowValues(const ExactResult* values) {
    values_.reset();
    if (values)
        values_ = *values;
    RefreshAll();
}

void StrategyGrid::ShowCell(int row, int column) {
    QTableWidgetItem* item = cells_->item(row, ShownColumn(column));
    const bool insured = gs_.InsuranceByRow[row];
    const Look& look = column == kInsuranceColumn
        ? (insured ? kInsured : kNotInsured)
        : ActionLook(row, gs_.StrategyMatrix[row][column]);
    item->setText(look.Code);
    item->setBackground(QColor(look.Colour));
    QString tip;
    if (column == kInsuranceColumn)
        tip = HandInWords(row) + (insured ? ": takes insurance against an ace" : ": no insurance");
    else if (values_)
        tip = QString("%1 against %2: %3 bets per round")
                  .arg(HandInWords(row), DealerCardText(column),
                      SignedTwoDecimals(values_->RowReturn[row][column]));
    item->setToolTip(tip);
}

// A press that moves the current cell reports it at once; the click that ends it then adds
// nothing, while a click on the cell already current reports it again.
bool StrategyGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cells_->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            pickedByThisPress_ = false;
            pressing_ = true;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            pressing_ = false;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void StrategyGrid::CurrentMoved(int shownRow, int shownColumn) {
    if (settingCurrent_ || shownRow < 0 || shownColumn < 0)
        return;
    pickedByThisPress_ = true;
    emit CellPicked(shownRow, ShownColumn(shownColumn), pressing_);
}

void StrategyGrid::Clicked(int shownRow, int shownColumn) {
    if (!pickedByThisPress_)
        emit CellPicked(shownRow, ShownColumn(shownColumn), true);
    pickedByThisPress_ = false;
}

} // namespace bj

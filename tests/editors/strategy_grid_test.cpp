#include "editors/strategy_grid.h"
#include "editors/strategy_value.h"
#include "engine/best_table.h"
#include "engine/hand_rules.h"
#include "store/playing_strategies.h"
#include "store/strategy_db.h"

#include <QHeaderView>
#include <QLabel>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <tuple>

using namespace bj;

namespace {

// The seeded strategy of a new database: hit even rows, stand and insure odd ones.
GameState SeededGameState() {
    QTemporaryDir folder;
    StrategyDb db = StrategyDb::Open(DefaultDatabasePath(folder.path().toStdString()));
    GameState gs;
    LoadPlayingStrategy(db, 1, gs);
    return gs;
}

} // namespace

class StrategyGridTest : public QObject {
    Q_OBJECT

    GameState gs = SeededGameState();

    QTableWidget* Cells(StrategyGrid& grid) {
        return grid.findChild<QTableWidget*>("grdStrategyCells");
    }
    // The shown column whose header reads `card`.
    int ShownColumnOf(QTableWidget* cells, const QString& card) {
        for (int shown = 0; shown < cells->columnCount(); ++shown)
            if (cells->horizontalHeaderItem(shown)->text() == card)
                return shown;
        return -1;
    }
    QTableWidgetItem* ItemAt(QTableWidget* cells, int row, int column) {
        const QString card = column == kDealerColumns ? "Ins" : DealerCardText(column);
        return cells->item(row, ShownColumnOf(cells, card));
    }
    void ClickAt(QTableWidget* cells, int row, const QString& card) {
        const QRect rect = cells->visualItemRect(cells->item(row, ShownColumnOf(cells, card)));
        QTest::mouseClick(cells->viewport(), Qt::LeftButton, {}, rect.center());
    }

private slots:
    // Row, DealerColumn (kDealerColumns: insurance), the code written into the game state first
    // (-1 leaves the seeded one), the text shown.
    void showsEachCellsCodeInTheColourOfItsActionInChartOrder() {
        const std::tuple<int, int, int, const char*> cells[] = {{0, 0, -1, "H"}, {1, 9, -1, "S"},
            {6, 1, kDoubleDown, "D"}, {8, 5, kSplitOrHit, "P/H"}, {20, 2, kSplitOrStand, "P/S"},
            {24, 3, kSplitOrDouble, "P/D"}, {9, 0, kSplitOrHit, "P1"}, {1, kDealerColumns, -1, "Y"},
            {2, kDealerColumns, -1, ""}};
        for (const auto& [row, column, code, shown] : cells)
            if (code >= 0)
                gs.StrategyMatrix[row][column] = static_cast<std::int8_t>(code);
        StrategyGrid grid(gs);
        QTableWidget* table = Cells(grid);
        QSet<QRgb> colours;
        for (const auto& [row, column, code, shown] : cells) {
            const QTableWidgetItem* item = ItemAt(table, row, column);
            QCOMPARE(item->text(), QString(shown));
            colours << item->background().color().rgb();
        }
        QCOMPARE(colours.size(), int(std::size(cells))); // every action its own colour
        QStringList headers; // in chart order
        for (int shown = 0; shown <= kDealerColumns; ++shown)
            headers << table->horizontalHeaderItem(shown)->text();
        QCOMPARE(headers.join(' '), QString("2 3 4 5 6 7 8 9 10 A Ins"));
        QCOMPARE(table->verticalHeaderItem(9)->text(), QString("Soft 12"));
        QCOMPARE(table->verticalHeaderItem(25)->text(), QString("Soft 20"));
        const QString legend = grid.findChild<QLabel*>("lblLegend")->text();
        for (const char* words : {"Hit", "Stand", "Double Down", "Split or Hit", "Split or Stand",
                 "Split or Double Down", "Split &amp; Take 1 Card", "Insure"})
            QVERIFY2(legend.contains(words), words);
        // A change to the game state shows once its cell is refreshed, and no other cell moves.
        gs.StrategyMatrix[16][1] = kStand;
        gs.InsuranceByRow[16] = true;
        QCOMPARE(ItemAt(table, 16, 1)->text(), QString("H"));
        grid.RefreshCell(16, 1);
        grid.RefreshCell(16, kDealerColumns);
        QCOMPARE(ItemAt(table, 16, 1)->text() + ItemAt(table, 16, kDealerColumns)->text()
                + ItemAt(table, 16, 2)->text(),
            QString("SYH"));
    }

    void clicksAndKeysPickCellsInDealerColumns() {
        StrategyGrid grid(gs);
        grid.show();
        QTableWidget* table = Cells(grid);
        QSignalSpy picked(&grid, &StrategyGrid::CellPicked);
        ClickAt(table, 5, "A");
        ClickAt(table, 5, "2");
        ClickAt(table, 5, "2"); // again, on the cell already current
        ClickAt(table, 7, "10");
        ClickAt(table, 7, "Ins");
        grid.SetCurrent(3, 4);
        QCOMPARE(table->currentRow(), 3);
        QCOMPARE(table->horizontalHeaderItem(table->currentColumn())->text(), QString("7"));
        QTest::keyClick(table, Qt::Key_Right);
        QTest::keyClick(table, Qt::Key_Tab); // leaves the chart, picks nothing
        QTest::mouseClick(table->verticalHeader()->viewport(), Qt::LeftButton, {},
            QPoint(4, table->rowViewportPosition(9) + 4));
        QList<QList<int>> seen; // row, column, by a click
        for (const QList<QVariant>& args : picked)
            seen << QList<int> {args[0].toInt(), args[1].toInt(), args[2].toBool()};
        const QList<QList<int>> expected {{5, 0, 1}, {5, 9, 1}, {5, 9, 1}, {7, 1, 1},
            {7, kDealerColumns, 1}, {3, 3, 0}, {9, 9, 0}};
        QCOMPARE(seen, expected);
    }

    void tooltipsGiveTheRowValues() {
        StrategyGrid grid(gs);
        QCOMPARE(ItemAt(Cells(grid), 16, 1)->toolTip(), QString());
        const ExactResult values = AnalyseStrategy(PlayingTableOf(gs));
        grid.SetRowValues(&values);
        const std::tuple<int, int, const char*> tips[]
            = {{16, 1, "Hard 16 against 10: \u22120.81 bets per round"},
                {0, 9, "Hard 4 against 2: \u22120.63 bets per round"},
                {19, 0, "Soft 17 against A: \u22120.68 bets per round"},
                {19, kDealerColumns, "Soft 17: takes insurance against an ace"},
                {16, kDealerColumns, "Hard 16: no insurance"}};
        for (const auto& [row, column, tip] : tips)
            QCOMPARE(ItemAt(Cells(grid), row, column)->toolTip(), QString(tip));
        grid.SetRowValues(nullptr);
        QCOMPARE(ItemAt(Cells(grid), 16, 1)->toolTip(), QString());
    }

    void expectedReturnAndABestTableThatKeepsTheHouseRules() {
        QCOMPARE(ExpectedReturnText(gs),
            QString("Expected return: \u221258.28 % of a bet per round, infinite shoe"));
        gs.DoubleDownRule = 1;
        gs.InsuranceOn21 = kPlayOutHand;
        const GameState before = gs;
        FillBestTable(gs);
        const PlayingTable best = BestTable(PlayingTableOf(before).Rules);
        QCOMPARE(ExpectedReturn(PlayingTableOf(gs)), ExpectedReturn(best));
        QVERIFY(gs.StrategyMatrix != before.StrategyMatrix);
        QCOMPARE(
            (QList<int> {gs.DoubleDownRule, gs.DoubleOnSplits, gs.DealerSoft17, gs.InsuranceOn21}),
            (QList<int> {1, before.DoubleOnSplits, before.DealerSoft17, kPlayOutHand}));
        QCOMPARE(gs.PlayingStrategyName, before.PlayingStrategyName);
    }

    void init() { gs = SeededGameState(); }
};

QTEST_MAIN(StrategyGridTest)
#include "strategy_grid_test.moc"

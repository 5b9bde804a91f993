#include "simulator_fixture.h"

#include "shell/scripted_file_dialogs.h"
#include "simulator/amount_text.h"
#include "simulator/chart_data.h"
#include "simulator/frm_hourly_stats.h"
#include "simulator/run_chart.h"
#include "simulator/run_summary.h"
#include "simulator/wager_tally.h"

#include <QAbstractAxis>
#include <QChartView>
#include <QFile>
#include <QGraphicsTextItem>
#include <QTemporaryDir>

#include <algorithm>
#include <random>
#include <tuple>

using namespace bj;
using namespace bj::test;

namespace {

using Sessions = QList<QPair<int, double>>;
using Hourly = std::tuple<Sessions, QString, QString, QString>;

// Results made directly from (hands, won or lost) pairs, from a start of 10,000.00.
SessionResults Made(const Sessions& sessions) {
    SessionResults results;
    results.Clear(Currency::FromWhole(10000));
    Currency bank = results.StartBank();
    for (const auto& [hands, wonLost] : sessions) {
        SessionRow row;
        row.Session = results.Count() + 1;
        row.Hands = hands;
        row.EndBank = bank += Currency::FromDouble(wonLost);
        results.Add(row);
    }
    return results;
}

QString HourlyCell(frmHourlyStats& hourly, int row, int column) {
    return hourly.grdHourlyStats->model()->index(row, column).data().toString();
}

// Each session's row as "session time figure", then the run's figure per hour.
QStringList HourlyTexts(frmHourlyStats& hourly) {
    QStringList texts;
    for (int r = 0; r < hourly.grdHourlyStats->model()->rowCount(); ++r)
        texts << HourlyCell(hourly, r, 0) + " " + HourlyCell(hourly, r, 1) + " "
                + HourlyCell(hourly, r, 2);
    return texts << hourly.Label1->text();
}

QStringList Lines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {"<unreadable>"};
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

} // namespace

class SimulatorFiguresTest : public QObject {
    Q_OBJECT
private slots:
    // Sessions of (hands, won or lost), the run's time and total; each session's row, then the
    // run's figure per hour.
    void hourlyFigures_data() {
        CaseRows<Hourly>(
            {{"20 hands won 35.00", {{{20, 35}}, "00:07", "35.00", "1 00:07 300.00|$300.00"}},
                {"an hour won 50.00", {{{180, 50}}, "00:07", "35.00", "1 01:00 50.00|$300.00"}},
                {"one hand", {{{1, 7.5}}, "00:07", "35.00", "1 00:01 450.00|$300.00"}},
                {"no hands", {{{0, 0}}, "00:07", "35.00", "1 00:01 0.00|$300.00"}},
                {"past 100 hours", {{{30000, -100}}, "00:07", "35.00", "1 166:40 -0.60|$300.00"}},
                {"grouped", {{{3, 1000}}, "00:07", "35.00", "1 00:01 60,000.00|$300.00"}},
                {"before any run", {{}, "", "", "0.00"}},
                {"after Reset", {{}, "00:00", "0.00", "$0.00"}},
                {"no sessions", {{}, "00:01", "$0.00", "$0.00"}},
                {"minutes only", {{}, "00:07", "35.00", "$300.00"}},
                {"an hour", {{}, "01:00", "50.00", "$50.00"}},
                {"past 100 hours, lost", {{}, "123:05", "-1,234.00", "-$10.03"}}});
    }
    void hourlyFigures() {
        const auto [sessions, time, bank, shown] = Case<Hourly>();
        const SessionResults results = Made(sessions);
        frmHourlyStats hourly(results, time, bank);
        QCOMPARE(HourlyTexts(hourly).join('|'), shown);
        QCOMPARE(hourly.windowTitle(), QString("Hourly Statistics"));
    }

    // Every text colour follows the row's end and sign, the totals and the summary agree with
    // what the grid's own texts give; the hourly window opened from the run shows the run, the
    // histogram counts every session by its end, and both export what they show.
    void aRunOf200SessionsItsFiguresAndExports() {
        Simulator s;
        s.Run("40 60 50 60 200");
        QCOMPARE(s.Rows(), 200);
        int ends[3] = {};
        std::int64_t hands = 0;
        double total = 0;
        for (int r = 0; r < 200; ++r) {
            const SessionEnd end = s.w->Results()[r].End;
            ++ends[static_cast<int>(end)];
            QCOMPARE(s.Colour(r, kColTotal), EndColour(end));
            for (int c : {kColWonLost, kColTotalWonLost})
                QCOMPARE(s.Colour(r, c), AmountColour(s.Cell(r, c).startsWith('-')));
            QCOMPARE(s.Cell(r, kColTime),
                QString::fromStdString(HandsToTime(s.Cell(r, kColHands).toInt())));
            hands += s.Cell(r, kColHands).toInt();
            total += AmountValue(s.Cell(r, kColWonLost));
        }
        QVERIFY2(ends[0] && ends[1] && ends[2], "all three ends in a run of 200");
        QCOMPARE(s.w->lblTotalBank->text(), s.Cell(199, kColTotalWonLost));
        QCOMPARE(AmountValue(s.w->lblTotalBank->text()), total);
        QCOMPARE(s.w->lblTotalTime->text(), QString::fromStdString(HandsToTime(hands)));
        const RunSummary* summary = s.w->summary;
        QCOMPARE(summary->lblEndedWin->text(),
            QString("%1 (%2 %)").arg(ends[1]).arg(ends[1] / 2.0, 0, 'f', 1));
        // Settlement's own count of the stakes, and the return on them beside the return per hand.
        QCOMPARE(summary->lblAmountWagered->text(), GridCents(s.gs.AmountWageredCents));
        QCOMPARE(summary->lblInsuranceWagered->text(), GridCents(s.gs.InsuranceWageredCents));
        QVERIFY(s.gs.AmountWageredCents > 0);
        QVERIFY(!s.nav.tableBankrolls.empty()); // the table behind is kept up to date
        QCOMPARE(s.nav.tableBankrolls.last(), s.gs.Bankroll);
        QVERIFY(summary->lblReturnPerWagered->text().startsWith(
            QString::number(100 * total / (s.gs.AmountWageredCents / 100.0), 'f', 2)
            + " % \u00b1 "));
        QVERIFY(summary->lblMeanPerSession->text().startsWith(
            QLocale(QLocale::English, QLocale::UnitedStates).toString(total / 200, 'f', 2)));

        QStringList shown;
        QTimer::singleShot(0, [&shown] {
            auto* hourly = qobject_cast<frmHourlyStats*>(QApplication::activeModalWidget());
            QVERIFY(hourly);
            shown = HourlyTexts(*hourly);
            hourly->cmdReturn->click();
        });
        s.w->cmdHourlyStats_Click();
        frmHourlyStats hourly(s.w->Results(), s.w->lblTotalTime->text(), s.w->lblTotalBank->text());
        QCOMPARE(shown, HourlyTexts(hourly));

        QTemporaryDir dir;
        ScriptedFileDialogs dialogs;
        dialogs.answers = {dir.filePath("runs.csv")};
        s.w->cmdExport_Click();
        const QStringList lines = Lines(dir.filePath("runs.csv"));
        QCOMPARE(lines.size(), 201);
        QCOMPARE(lines[0],
            QString("Session,Max. Winning Amt,Max. Losing Amt,Hands Played,Time (HH:MM),Total,"
                    "Won/Lost,Total Won/Lost,Ended"));
        for (int r = 0; r < 200; ++r)
            QCOMPARE(lines[r + 1],
                s.RowTexts(r).replaceInStrings(",", "").join(',') + ","
                    + EndName(s.w->Results()[r].End));
        dialogs.answers = {dir.filePath("hourly.csv")};
        hourly.cmdExport_Click();
        const QStringList hourlyLines = Lines(dir.filePath("hourly.csv"));
        QCOMPARE(hourlyLines.size(), 202);
        QCOMPARE(hourlyLines[1],
            "1," + HourlyCell(hourly, 0, 1) + "," + HourlyCell(hourly, 0, 2).remove(','));
        QCOMPARE(hourlyLines[201],
            "Total Won / Lost Per Hour,," + FormatAmount(AmountValue(hourly.Label1->text())));
        s.w->cmdExport_Click(); // the user cancels: nothing written, nothing said
        dialogs.answers = {dir.filePath("no such folder/runs.csv")};
        s.w->cmdExport_Click();
        QCOMPARE(dialogs.asked.size(), 4);
        QVERIFY(dialogs.asked[0].startsWith("Export Results | "));
        QCOMPARE(s.messages.shown.size(), size_t(1));
        QVERIFY2(s.messages.shown[0].text.startsWith("The file \""
                     + dir.filePath("no such folder/runs.csv") + "\" could not be written: "),
            qPrintable(s.messages.shown[0].text));

        const Histogram h = SessionHistogram(s.w->Results());
        QCOMPARE(int(h.Counts.size()), 15); // the square root of 200, rounded up
        std::int64_t byEnd[3] = {};
        for (const auto& bin : h.Counts)
            for (int e = 0; e < 3; ++e)
                byEnd[e] += bin[e];
        for (int e = 0; e < 3; ++e)
            QCOMPARE(byEnd[e], s.w->Results().Ended(SessionEnd(e)));
        QCOMPARE(SessionHistogram(Made({{5, 10}, {5, 10}})).Counts.size(), size_t(1));
    }

    void bankrollLineKeepsEverySwing() {
        QCOMPARE(BankrollPoints(Made({{10, 5}, {10, -20}, {10, 7.5}})),
            QList<QPointF>({{0, 10000}, {1, 10005}, {2, 9985}, {3, 9992.5}}));

        std::mt19937 random(7);
        std::uniform_int_distribution<int> step(-40, 39);
        Sessions walk;
        for (int i = 0; i < 100000; ++i)
            walk.append({10, step(random) * 2.5});
        const SessionResults many = Made(walk);
        const QList<QPointF> drawn = BankrollPoints(many);
        QVERIFY(drawn.size() <= 4001);
        QList<double> banks, drawnBanks;
        for (std::int64_t i = 0; i < many.Count(); ++i)
            banks.push_back(many[i].EndBank.ToDouble());
        for (int i = 1; i < drawn.size(); ++i) {
            QVERIFY(drawn[i].x() > drawn[i - 1].x());
            QCOMPARE(drawn[i].y(), banks[qsizetype(drawn[i].x()) - 1]);
            drawnBanks.push_back(drawn[i].y());
        }
        QCOMPARE(std::ranges::min(drawnBanks), std::ranges::min(banks));
        QCOMPARE(std::ranges::max(drawnBanks), std::ranges::max(banks));
    }

    // An empty run, one session, a few and many: ticks on whole numbers, no label twice.
    void axisTicksReadDifferently_data() {
        CaseRows<std::tuple<double, double, QString>>({{"no sessions yet", {0, 1, "0 1 2"}},
            {"one bankroll", {10000, 10000, "9999 10001 3"}},
            {"a fractional bankroll", {9992.5, 9992.5, "9992 9993 2"}},
            {"three sessions", {0, 3, "0 3 4"}}, {"twelve hundred sessions", {0, 1200, "0 1500 4"}},
            {"a tall bar", {0, 37, "0 40 5"}}, {"a swing", {9812, 10311, "9800 10400 4"}},
            {"reversed", {5, -5, "-5 5 3"}}, {"not a number", {std::nan(""), 1, "0 1 2"}}});
    }
    void axisTicksReadDifferently() {
        const auto [low, high, axis] = Case<std::tuple<double, double, QString>>();
        const AxisScale scale = WholeNumberAxis(low, high);
        QCOMPARE(QString("%1 %2 %3").arg(scale.Low).arg(scale.High).arg(scale.Ticks), axis);
    }

    // However small the charts, no label is cut to "...": short bars in a short chart, long
    // amounts along a narrow one.
    void chartLabelsAreWrittenWhole_data() {
        QList<QPair<int, double>> few, wide;
        for (int i = 0; i < 20; ++i)
            few.append({10, -210 - (i % 5) * 7.5});
        for (int i = 0; i < 300; ++i)
            wide.append({32767, -380000.0 - (i * 7919 % 300) * 110.5});
        CaseRows<std::tuple<Sessions, QSize>>(
            {{"twenty sessions, short charts", {few, QSize(380, 400)}},
                {"hundreds of thousands, narrow charts", {wide, QSize(380, 400)}},
                {"hundreds of thousands, roomy charts", {wide, QSize(700, 700)}}});
    }
    void chartLabelsAreWrittenWhole() {
        const auto [sessions, size] = Case<std::tuple<Sessions, QSize>>();
        RunChart chart;
        // The desktop's fonts may be larger than the test platform's.
        for (QChartView* view : {chart.bankrollView, chart.histogramView})
            for (QAbstractAxis* axis : view->chart()->axes()) {
                QFont font = axis->labelsFont();
                font.setPointSizeF(font.pointSizeF() * 1.3);
                axis->setLabelsFont(font);
            }
        chart.resize(size);
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        chart.Show(Made(sessions));
        QTest::qWait(100); // the charts lay out again and fit their axes to the room they got
        QStringList labels;
        for (QChartView* view : {chart.bankrollView, chart.histogramView})
            for (QGraphicsItem* item : view->scene()->items())
                if (auto* text = dynamic_cast<QGraphicsTextItem*>(item))
                    labels << text->toPlainText();
        QVERIFY(labels.contains("0"));
        for (const QString& label : labels)
            QVERIFY2(!label.contains(QChar(0x2026)) && !label.contains("..."),
                qPrintable(labels.join(" | ")));
    }

    // Sessions stopped by a win rule, stopped by the loss rule and played through.
    void sharesOfSessionsByTheirEnd() {
        const std::tuple<int, int, int, QString> cases[] {
            {1, 1, 2, "1 (25.0 %) 1 (25.0 %) 2 (50.0 %)"},
            {0, 0, 3, "0 (0.0 %) 0 (0.0 %) 3 (100.0 %)"},
            {1, 0, 2999, "1 (< 0.1 %) 0 (0.0 %) 2,999 (> 99.9 %)"},
            {0, 0, 0, "0 (0.0 %) 0 (0.0 %) 0 (0.0 %)"}};
        for (const auto& [wins, losses, through, shown] : cases) {
            SessionResults results;
            results.Clear(Currency::FromWhole(10000));
            const std::pair<SessionEnd, int> ends[] {{SessionEnd::StoppedOnWin, wins},
                {SessionEnd::StoppedOnLoss, losses}, {SessionEnd::PlayedThrough, through}};
            for (const auto& [end, count] : ends)
                for (int i = 0; i < count; ++i) {
                    SessionRow row;
                    row.Session = results.Count() + 1;
                    row.EndBank = results.StartBank();
                    row.End = end;
                    results.Add(row);
                }
            RunSummary summary;
            summary.Show(results, WagerTally());
            QCOMPARE(QStringList({summary.lblEndedWin->text(), summary.lblEndedLoss->text(),
                                     summary.lblPlayedThrough->text()})
                         .join(' '),
                shown);
        }
    }

    // A loss too small to show keeps no sign; a large one is grouped.
    void returnPerHandAsShown() {
        const std::tuple<std::int64_t, double, QString> cases[] {
            {20000, -0.5, "0.0000 \u00b1 0.0000"}, {20000, -2, "-0.0001 \u00b1 0.0000"},
            {2, -2001500, "-1,000,750.0000 \u00b1 0.0000"}};
        for (const auto& [hands, wonLost, shown] : cases) {
            SessionResults results;
            results.Clear(Currency::FromWhole(10000));
            SessionRow row;
            row.Session = 1;
            row.Hands = hands;
            row.WonLost = Currency::FromDouble(wonLost);
            row.EndBank = results.StartBank() + row.WonLost;
            results.Add(row);
            RunSummary summary;
            summary.Show(results, WagerTally());
            QCOMPARE(summary.lblReturnPerHand->text(), shown);
        }
    }

    void binEdgesReadNearTheirValue() {
        const std::tuple<double, double, int> cases[]
            = {{-20, 5, 0}, {-22.5, 1, 2}, {-61.3, 12.4, 0}, {3, 0.5, 2}, {0, 0.0025, 4}};
        for (const auto& [low, spacing, decimals] : cases)
            QCOMPARE(EdgeDecimals(low, spacing), decimals);
    }

    // Known answers: stakes of 10 won or lost evenly have no edge and an error of
    // 1/sqrt(rounds); a constant share lost has no error at all.
    void returnPerAmountWagered() {
        GameState gs;
        const auto play = [&gs](WagerTally& tally, double stake, double net) {
            gs.AmountWageredCents += std::llround(stake * 100);
            gs.Bankroll += Currency::FromDouble(net);
            ++gs.SessionHandsPlayed;
            tally.Observe(gs);
        };
        WagerTally even, steady;
        even.Start(gs);
        for (int i = 0; i < 400; ++i)
            play(even, 10, i % 2 ? 10 : -10);
        even.SessionDone(gs);
        QCOMPARE(even.Rounds(), 400);
        QCOMPARE(even.WageredCents(), 400000);
        QCOMPARE(even.ReturnPerWagered(), 0.0);
        QVERIFY(qAbs(even.ReturnPerWageredError() - 1 / std::sqrt(399.0)) < 1e-12);
        steady.Start(gs);
        for (int i = 0; i < 50; ++i)
            play(steady, 10 * (1 + i % 3), -0.5 * (1 + i % 3));
        QCOMPARE(steady.ReturnPerWagered(), -0.05);
        QVERIFY(steady.ReturnPerWageredError() < 1e-9);
    }
};

QTEST_MAIN(SimulatorFiguresTest)
#include "simulator_figures_test.moc"

#include "../qt_case_rows.h"
#include "app/application.h"
#include "app/guarded_application.h"
#include "shell/frmSplash.h"
#include "shell/scripted_messages.h"
#include "shell/window_services.h"
#include "table/frm_main.h"
#include "table/stat_text.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <sqlite3.h>

using namespace bj;
using namespace bj::test;

namespace {

using Walk = std::tuple<int, QStringList, QStringList>;

QWidget* Visible(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}

// Acts on windows while the code under test waits in a modal show: each action runs from a
// fresh event once its condition holds, so an action that opens a modal window of its own
// does not hold up the others.
class UiScript {
public:
    // Counted pending from each poll's start to its end, so Done() holds only once every
    // action has run.
    void When(std::function<bool()> ready, std::function<void()> act) {
        ++pending_;
        QTimer::singleShot(5, &alive_, [this, ready, act] {
            --pending_;
            ready() ? act() : When(ready, act);
        });
    }
    // Acts on the window of this name once it is shown.
    void OnWindow(const QString& name, std::function<void(QWidget*)> act) {
        When([name] { return Visible(name); }, [name, act] { act(Visible(name)); });
    }
    bool Done() const { return pending_ == 0; }

private:
    QObject alive_; // the polling ends with the script
    int pending_ = 0;
};

void Click(QWidget* window, const QString& name) {
    auto* button = window ? window->findChild<QAbstractButton*>(name) : nullptr;
    QVERIFY2(button && button->isEnabled(), qPrintable(name));
    button->click();
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        messages_ = std::make_unique<ScriptedMessages>();
        app_ = std::make_unique<Application>(dir_->filePath("BlkJack.mdb"));
        script_ = std::make_unique<UiScript>();
    }
    void cleanup() {
        script_.reset();
        app_.reset();
        messages_.reset();
    }

    void splashShowsTheVersionAndEndsOnItsTimer() {
        frmSplash splash;
        auto* timer = splash.findChild<QTimer*>("Timer1");
        QVERIFY(timer->isActive() && timer->interval() == 3000);
        QCOMPARE(splash.findChild<QLabel*>("lblVersion")->text(), QString("Version 1.0.1"));
        QCOMPARE(splash.findChild<QLabel*>("lblProductName")->text(), AppTitle());
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        const QPoint off = splash.geometry().center() - splash.screen()->geometry().center();
        QVERIFY2(std::abs(off.x()) <= 1 && std::abs(off.y()) <= 1,
            qPrintable(QString("%1, %2 off the centre").arg(off.x()).arg(off.y())));
        splash.hide();
        timer->start(20);
        ShowModal(&splash);
        QVERIFY(!splash.isVisible() && !timer->isActive());
    }

    // Start-up for one betting kind, then a switch to the other from its editor.
    // The kind; the editor window, its strategy list, its return button, the first bet, the
    // caption on the second press; then the same for the editor switched to, without a list.
    void startUpWalk_data() {
        CaseRows<Walk>(
            {{"streak, splash ended by a key",
                 {kStreakBetting,
                     {"Configuration", "cboNames", "cmdReturntoGame", "5", "Return to Game"},
                     {"frmVariableConfig", "", "cmdReturn", "10", "Return to Game"}}},
                {"variable, splash ended by a click",
                    {kVariableBetting,
                        {"frmVariableConfig", "cboStartegy", "cmdReturn", "10", "Return to game"},
                        {"Configuration", "", "cmdReturntoGame", "5", "Return to game"}}}});
    }
    void startUpWalk() {
        const auto [kind, first, second] = Case<Walk>();
        ScriptSplashAndChooser(kind == kStreakBetting, kind);
        bool started = false;
        // The entry routine waits in the variable editor until it is closed once, and ends
        // while the streak editor is on screen.
        script_->When([&] { return Visible(first[0]) && (started || kind == kVariableBetting); },
            [&] {
                QWidget* editor = Visible(first[0]);
                QVERIFY(app_->Table().isVisible() && !app_->Table().isEnabled()
                    && InFrontOfTable(editor));
                QTRY_COMPARE(QApplication::activeWindow(), editor);
                QCOMPARE(
                    editor->findChild<QComboBox*>(first[1])->currentText(), QString("Default"));
                QCOMPARE(editor->findChild<QPushButton*>(first[2])->text(), QString("Start Game"));
                Click(editor, first[2]);
            });
        started = app_->Start();
        QCOMPARE(bool(Visible(first[0])), kind == kStreakBetting);
        QTRY_VERIFY(script_->Done());
        QVERIFY(started && app_->Table().isEnabled() && !Visible(first[0]));
        QCOMPARE(app_->State().BettingType, kind);
        QVERIFY(QFile::exists(dir_->filePath("BlkJack.mdb"))); // made with the defaults
        QCOMPARE(app_->State().PlayingStrategyRefNo, 1);
        QCOMPARE(TableBet(), first[3]);

        script_->OnWindow(first[0], [&](QWidget* editor) {
            QVERIFY(!app_->Table().isEnabled());
            QCOMPARE(editor->findChild<QPushButton*>(first[2])->text(), first[4]);
            Click(editor, "cmdChange");
        });
        ScriptChooser(1 - kind);
        // Loaded or activated now, the other editor takes the caption the first one left.
        script_->OnWindow(second[0], [&](QWidget* editor) {
            QVERIFY(!Visible(first[0]) && InFrontOfTable(editor));
            QCOMPARE(editor->findChild<QPushButton*>(second[2])->text(), second[4]);
            Click(editor, second[2]);
        });
        Click(&app_->Table(), "cmdConfiguration");
        QVERIFY(script_->Done() && app_->Table().isEnabled());
        QCOMPARE(app_->State().BettingType, 1 - kind);
        QCOMPARE(TableBet(), second[3]);
        Click(&app_->Table(), "cmdQuit");
        QVERIFY(app_->Ended() && app_->ExitCode() == 0 && !app_->Table().isVisible());
        QVERIFY(
            messages_->shown.empty() && (kind == kStreakBetting || !app_->StreakEditorLoaded()));
    }

    // However often start-up loads them, each corrected strategy is told once.
    void correctedStrategiesAreToldOnce() {
        {
            StrategyDb db = StrategyDb::Open(dir_->filePath("BlkJack.mdb").toStdString());
            sqlite3_exec(db.Handle(),
                "UPDATE PlayingStrategies SET DealerSoft17 = 7; UPDATE BettingStrategies SET "
                "LosingHand2 = -10",
                nullptr, nullptr, nullptr);
        }
        ScriptSplashAndChooser(true, kStreakBetting);
        QVERIFY(app_->Start());
        const QString told = "The %1 \"Default\" holds values the program cannot use, so they "
                             "were corrected:\n\n%2\n\nThe file keeps the stored values; "
                             "save the strategy under another name to keep these.";
        QCOMPARE(messages_->Texts(),
            QStringList({told.arg("streak betting strategy", "losing bet 2 was -10 and is now 1"),
                told.arg("playing strategy", "the dealer's soft 17 rule was 7 and is now Stand")}));
        QCOMPARE(messages_->shown[0].title, QString("Strategy Corrected"));
        QVERIFY(app_->State().LosingHandBets[2] == 1 && app_->State().DealerSoft17 == 1);
    }

    void tableOpensTheOtherWindows() {
        ScriptSplashAndChooser(true, kStreakBetting);
        QVERIFY(app_->Start());
        Click(Visible("Configuration"), "cmdReturntoGame");
        frmMain& table = app_->Table();
        // The playing strategy editor opens in front of the table, which stays enabled; its
        // instructions open in front of it, in the playing strategy mode.
        script_->OnWindow("frmConfiguration", [this, &table](QWidget* editor) {
            QVERIFY(InFrontOfTable(editor) && table.isEnabled());
            script_->OnWindow("frmPlayingStrategiesInstr", [editor](QWidget* info) {
                QCOMPARE(info->windowTitle(), QString("Instructions for setting Playing Strategy"));
                QVERIFY(info->windowHandle()->transientParent() == editor->windowHandle());
                Click(info, "Command1");
            });
            Click(editor, "Command1");
            Click(editor, "cmdReturn");
        });
        Click(&table, "cmdPlayingStrat");
        QVERIFY(script_->Done() && messages_->Texts().isEmpty());
        QVERIFY(table.isEnabled() && !Visible("frmConfiguration"));

        // The simulator opens over the disabled table, names the strategies in force, shows
        // its information and hands the table back.
        script_->OnWindow("frmMultipleSessions", [this](QWidget* simulator) {
            QVERIFY(!app_->Table().isEnabled() && app_->State().MultiSessionMode
                && app_->MultiSessionOpen());
            QCOMPARE(simulator->findChild<QLineEdit*>("txtStrategy")->text(), QString("Default"));
            script_->OnWindow("frmPlayingStrategiesInstr", [](QWidget* info) {
                QCOMPARE(info->windowTitle(), QString("Information on Multiple Session..."));
                Click(info, "Command1");
            });
            Click(simulator, "cmdInfo");
            script_->OnWindow("frmConfiguration", [simulator](QWidget* editor) {
                QVERIFY(editor->windowHandle()->transientParent() == simulator->windowHandle());
                Click(editor, "cmdReturn");
            });
            Click(simulator, "cmdPlayingConfig");
            simulator->findChild<QLineEdit*>("txtNoHands")->setText("20");
            simulator->findChild<QLineEdit*>("txtSeq")->setText("3");
            Click(simulator, "cmdRun");
            Click(simulator, "cmdReturnToGame");
        });
        Click(&table, "cmdMultipleSessions");
        QVERIFY(script_->Done());
        QVERIFY(app_->State().Bankroll != Currency::FromWhole(kStartingBankroll));
        QCOMPARE(table.findChild<QLabel*>("lblCurrentBankRoll")->text(),
            CurrencyText(app_->State().Bankroll));
        QVERIFY(table.isEnabled() && !app_->State().MultiSessionMode && !app_->MultiSessionOpen());
        // The run played without the table watching; its last round is on the table now.
        QVERIFY(!table.findChild<QLabel*>("imgPlayer_1")->isHidden());
        QCOMPARE(table.findChild<QLabel*>("lblDealersHand")->text(),
            QString::number(app_->State().Hands[kDealer].Total));

        // Every window the table opens stays in front of it; a click on the disabled table
        // hands the focus back to that window.
        script_->OnWindow("frmAdvancedStats", [this](QWidget* stats) {
            QVERIFY(InFrontOfTable(stats));
            Click(stats, "cmdReturnToGame");
        });
        Click(&table, "cmdAdvancedStats");
        QVERIFY(script_->Done() && table.isEnabled());
        table.findChild<QAction*>("mnuBet")->trigger();
        QWidget* editor = Visible("Configuration");
        QVERIFY(InFrontOfTable(editor) && !table.isEnabled());
        QTRY_COMPARE(QApplication::activeWindow(), editor);
        table.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), editor);
        Click(editor, "cmdReturntoGame");
        QVERIFY(table.isEnabled());

        // A failure that no handler deals with ends the program with a plain message.
        auto* guarded = static_cast<GuardedApplication*>(QCoreApplication::instance());
        guarded->onFailure = [this](const std::exception& e) { app_->EndOnFailure(e); };
        QTimer::singleShot(0, [] {
            throw StoreError(StoreProblem::Locked, "BlkJack.mdb",
                "Cannot read the strategy database: the file is locked.");
        });
        QTRY_VERIFY(app_->Ended());
        guarded->onFailure = nullptr;
        QVERIFY(app_->ExitCode() == 1 && !table.isVisible());
        QCOMPARE(messages_->Texts().last(),
            QString("Cannot read the strategy database: the file is locked.\n\n"
                    "The program will now close."));
    }

    // Ending the program during a run stops the run instead of leaving it to play on unseen.
    void endingDuringARunStopsIt() {
        ScriptSplashAndChooser(true, kStreakBetting);
        QVERIFY(app_->Start());
        Click(Visible("Configuration"), "cmdReturntoGame");
        int rows = -1;
        script_->OnWindow("frmMultipleSessions", [this, &rows](QWidget* simulator) {
            for (const char* box : {"txtWinBetAmt", "txtLseBetAmt"})
                simulator->findChild<QLineEdit*>(box)->setText("1000000");
            simulator->findChild<QLineEdit*>("txtNoHands")->setText("30000");
            simulator->findChild<QLineEdit*>("txtSeq")->setText("200");
            QTimer::singleShot(20, [this] { app_->QuitProgram(); });
            Click(simulator, "cmdRun");
            rows = simulator->findChild<QTableView*>("grdMain")->model()->rowCount();
        });
        Click(&app_->Table(), "cmdMultipleSessions");
        QTRY_VERIFY(script_->Done());
        QVERIFY(app_->Ended());
        QVERIFY2(rows >= 0 && rows < 200, qPrintable(QString::number(rows)));
    }

    // The file made as its kind says, and the end of the message after "...database \"<path>\"".
    void unusableDatabaseEndsCleanly() {
        const std::pair<QString, QString> kinds[] = {{"damaged", "the file is damaged."},
            {"folder", "this is a folder, not a database file."},
            {"not a database",
                "the file is not a strategy database (it may be an old Access "
                "database or another kind of file)."}};
        for (const auto& [kind, fault] : kinds) {
            const QString path = dir_->filePath(kind + ".mdb");
            QFile file(path);
            if (kind == "folder") {
                QVERIFY(QDir().mkpath(path));
            } else if (kind == "damaged") {
                StrategyDb::Open(path.toStdString());
                QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(100));
                file.write(QByteArray(file.size() - 200, 'Z'));
            } else {
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write("Standard Jet DB\0 this is not what the program expects", 54);
            }
            file.close();
            ScriptedMessages messages;
            Application app(path);
            QVERIFY(!app.Start() && app.Ended() && app.ExitCode() == 1);
            QCOMPARE(messages.Texts(),
                QStringList {"Cannot open the strategy database \"" + path + "\": " + fault
                    + "\n\nThe program will now close."});
            QCOMPARE(messages.shown[0].icon, MsgIcon::Information);
            QVERIFY(!Visible("frmSplash") && !app.TableLoaded());
        }
    }

private:
    bool InFrontOfTable(const QWidget* window) {
        return window && window->windowType() == Qt::Dialog && window->windowHandle()
            && window->windowHandle()->transientParent() == app_->Table().windowHandle();
    }
    QString TableBet() { return app_->Table().findChild<QLabel*>("lblCurrentBet")->text(); }

    void ScriptChooser(int bettingType) {
        script_->OnWindow("frmSelectBettingStrat", [bettingType](QWidget* chooser) {
            Click(
                chooser, bettingType == kStreakBetting ? "optStrategyType_0" : "optStrategyType_1");
            Click(chooser, "cmdOK");
        });
    }

    // Ends the splash by a key or by a click on a label inside its frame, then picks the
    // betting kind.
    void ScriptSplashAndChooser(bool byKey, int bettingType) {
        script_->OnWindow("frmSplash", [byKey](QWidget* splash) {
            splash->findChild<QTimer*>("Timer1")->stop(); // only the key or click ends it
            if (byKey)
                QTest::keyClick(splash, Qt::Key_Space);
            else
                QTest::mouseClick(splash->findChild<QLabel*>("lblVersion"), Qt::LeftButton);
        });
        ScriptChooser(bettingType);
    }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<ScriptedMessages> messages_;
    std::unique_ptr<Application> app_;
    std::unique_ptr<UiScript> script_;
};

int main(int argc, char** argv) {
    GuardedApplication app(argc, argv);
    StartupTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "startup_test.moc"

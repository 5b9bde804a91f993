#include "app/application.h"
#include "app/guarded_application.h"
#include "editors/configuration.h"
#include "editors/frm_select_betting_strat.h"
#include "editors/frm_variable_config.h"
#include "gui_script.h"
#include "shell/frmSplash.h"
#include "shell/scripted_messages.h"
#include "table/frm_advanced_stats.h"
#include "table/frm_main.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace bj;

namespace {

QWidget* VisibleWindow(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            return w;
    return nullptr;
}

template <typename T> T* Child(QWidget* window, const char* name) {
    T* child = window ? window->findChild<T*>(QLatin1String(name)) : nullptr;
    if (!child)
        qWarning("no %s", name);
    return child;
}

QString LabelText(QWidget* window, const char* name) {
    auto* label = Child<QLabel>(window, name);
    return label ? label->text() : QString();
}

void Click(QWidget* window, const char* name) {
    auto* button = Child<QAbstractButton>(window, name);
    QVERIFY(button);
    QVERIFY(button->isEnabled());
    button->click();
}

// Ends the splash by the given means, then picks the betting kind in the chooser.
void ScriptSplashAndChooser(UiScript& script, const QString& splashEnd, int bettingType) {
    script.When([] { return VisibleWindow("frmSplash"); },
        [splashEnd] {
            QWidget* splash = VisibleWindow("frmSplash");
            if (splashEnd == "key")
                QTest::keyClick(splash, Qt::Key_Space);
            else
                QTest::mouseClick(Child<QFrame>(splash, "Frame1"), Qt::LeftButton);
        });
    script.When([] { return VisibleWindow("frmSelectBettingStrat"); },
        [bettingType] {
            QWidget* chooser = VisibleWindow("frmSelectBettingStrat");
            Click(chooser, bettingType == 0 ? "optStrategyType_0" : "optStrategyType_1");
            Click(chooser, "cmdOK");
        });
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        path_ = dir_->filePath("BlkJack.mdb");
    }

    void streakBetting() {
        ScriptedMessages messages;
        Application app(path_);
        UiScript script;
        ScriptSplashAndChooser(script, "key", 0);

        // With streak betting the entry routine ends while the editor is on screen.
        QVERIFY(app.Start());
        QVERIFY(script.Done());
        QVERIFY(QFile::exists(path_));
        QCOMPARE(app.State().BettingType, 0);
        QVERIFY(!VisibleWindow("frmSplash"));
        Configuration& editor = app.StreakEditor();
        frmMain& table = app.Table();
        QVERIFY(editor.isVisible());
        QVERIFY(table.isVisible());
        QVERIFY(!table.isEnabled());
        QVERIFY(!app.AdvancedStatistics().isVisible());
        QCOMPARE(editor.cboNames->currentText(), QString("Default"));
        QCOMPARE(editor.cmdReturntoGame->text(), QString("Start Game"));
        QCOMPARE(app.State().PlayingStrategyRefNo, 1);

        editor.cmdReturntoGame->click();
        QVERIFY(!editor.isVisible());
        QVERIFY(table.isEnabled());
        QCOMPARE(LabelText(&table, "lblCurrentBet"), QString("5"));
        QCOMPARE(app.State().CurrentBet, 5);

        // The table's Betting Strategy button opens the editor modally over the disabled table.
        script.When([&] { return editor.isVisible(); },
            [&] {
                QVERIFY(!table.isEnabled());
                QCOMPARE(editor.cmdReturntoGame->text(), QString("Return to Game"));
                editor.cmdReturntoGame->click();
            });
        Click(&table, "cmdConfiguration");
        QVERIFY(script.Done());
        QVERIFY(table.isEnabled());

        Click(&table, "cmdQuit");
        QVERIFY(app.Ended());
        QCOMPARE(app.ExitCode(), 0);
        QVERIFY(!app.StreakEditorLoaded());
        QVERIFY(!table.isVisible());
        QVERIFY(messages.shown.empty());
    }

    void variableBetting() {
        ScriptedMessages messages;
        Application app(path_);
        UiScript script;
        ScriptSplashAndChooser(script, "click", 1);
        bool started = false;
        // The entry routine waits in the variable editor until it is closed once.
        script.When([] { return VisibleWindow("frmVariableConfig"); },
            [&] {
                frmVariableConfig& editor = app.VariableEditor();
                QVERIFY(!started);
                QVERIFY(app.Table().isVisible());
                QVERIFY(!app.Table().isEnabled());
                QCOMPARE(editor.cboStartegy->currentText(), QString("Default"));
                QCOMPARE(editor.cmdReturn->text(), QString("Start Game"));
                QVERIFY(!app.StreakEditorLoaded());
                editor.cmdReturn->click();
            });

        started = app.Start();
        QVERIFY(started);
        QVERIFY(script.Done());
        QCOMPARE(app.State().BettingType, 1);
        frmMain& table = app.Table();
        QVERIFY(table.isEnabled());
        QCOMPARE(LabelText(&table, "lblCurrentBet"), QString("10"));
        QCOMPARE(app.State().CurrentBet, 10);

        script.When([] { return VisibleWindow("frmVariableConfig"); },
            [&] {
                QCOMPARE(app.VariableEditor().cmdReturn->text(), QString("Return to game"));
                app.VariableEditor().cmdReturn->click();
            });
        Click(&table, "cmdConfiguration");
        QVERIFY(script.Done());
        QVERIFY(table.isEnabled());

        Click(&table, "cmdQuit");
        QVERIFY(app.Ended());
        QCOMPARE(app.ExitCode(), 0);
        QVERIFY(app.VariableEditorLoaded()); // only the table and its statistics unload
        QVERIFY(messages.shown.empty());
    }

    void betMenuShowsTheStreakEditorWithoutBlocking() {
        ScriptedMessages messages;
        Application app(path_);
        UiScript script;
        ScriptSplashAndChooser(script, "key", 0);
        QVERIFY(app.Start());
        Configuration& editor = app.StreakEditor();
        editor.cmdReturntoGame->click();

        app.Table().mnuBet_Click();
        QVERIFY(editor.isVisible());
        QCOMPARE(editor.windowModality(), Qt::NonModal);
        QVERIFY(!app.Table().isEnabled());
        editor.cmdReturntoGame->click();
        QVERIFY(app.Table().isEnabled());
    }

    void changeBettingSwitchesEditors() {
        ScriptedMessages messages;
        Application app(path_);
        UiScript script;
        ScriptSplashAndChooser(script, "key", 0);
        QVERIFY(app.Start());
        Configuration& streak = app.StreakEditor();

        // From streak to variable: the variable editor opens modally in place of the streak one.
        script.When([] { return VisibleWindow("frmSelectBettingStrat"); },
            [] {
                QWidget* chooser = VisibleWindow("frmSelectBettingStrat");
                Click(chooser, "optStrategyType_1");
                Click(chooser, "cmdOK");
            });
        script.When([] { return VisibleWindow("frmVariableConfig"); },
            [&] {
                QVERIFY(!streak.isVisible());
                QCOMPARE(app.VariableEditor().cmdReturn->text(), QString("Start Game"));
                app.VariableEditor().cmdReturn->click();
            });
        streak.cmdChange->click();
        QVERIFY(script.Done());
        QCOMPARE(app.State().BettingType, 1);
        QVERIFY(app.Table().isEnabled());
        QCOMPARE(LabelText(&app.Table(), "lblCurrentBet"), QString("10"));

        // And back, from the table's Betting Strategy button.
        script.When([] { return VisibleWindow("frmVariableConfig"); },
            [&] { app.VariableEditor().cmdChange->click(); });
        script.When([] { return VisibleWindow("frmSelectBettingStrat"); },
            [] {
                QWidget* chooser = VisibleWindow("frmSelectBettingStrat");
                Click(chooser, "optStrategyType_0");
                Click(chooser, "cmdOK");
            });
        script.When([&] { return streak.isVisible(); },
            [&] {
                QVERIFY(!VisibleWindow("frmVariableConfig"));
                QCOMPARE(streak.cmdReturntoGame->text(), QString("Return to game"));
                streak.cmdReturntoGame->click();
            });
        Click(&app.Table(), "cmdConfiguration");
        QVERIFY(script.Done());
        QCOMPARE(app.State().BettingType, 0);
        QVERIFY(app.Table().isEnabled());
        QCOMPARE(LabelText(&app.Table(), "lblCurrentBet"), QString("5"));
        QVERIFY(messages.shown.empty());
    }

    void unbuiltWindowsSayNotAvailable_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("text");
        QTest::newRow("playing strategy") << "cmdPlayingStrat"
                                          << "The playing strategy editor is not available yet.";
        QTest::newRow("multiple sessions")
            << "cmdMultipleSessions"
            << "The multiple session simulator is not available yet.";
    }
    void unbuiltWindowsSayNotAvailable() {
        QFETCH(QString, button);
        QFETCH(QString, text);
        ScriptedMessages messages;
        Application app(path_);
        UiScript script;
        ScriptSplashAndChooser(script, "key", 0);
        QVERIFY(app.Start());
        app.StreakEditor().cmdReturntoGame->click();

        Click(&app.Table(), button.toLatin1().constData());
        QCOMPARE(messages.Texts(), QStringList {text});
        QCOMPARE(messages.shown[0].icon, MsgIcon::Information);
        QVERIFY(app.Table().isEnabled());
        QVERIFY(!app.State().MultiSessionMode);
    }

    void advancedStatisticsReturnsToTheTable() {
        ScriptedMessages messages;
        Application app(path_);
        UiScript script;
        ScriptSplashAndChooser(script, "key", 0);
        QVERIFY(app.Start());
        app.StreakEditor().cmdReturntoGame->click();
        frmAdvancedStats& stats = app.AdvancedStatistics();
        script.When([&] { return stats.isVisible(); },
            [&] {
                QVERIFY(!app.Table().isEnabled());
                stats.cmdReturntoGame_Click();
            });
        Click(&app.Table(), "cmdAdvancedStats");
        QVERIFY(script.Done());
        QVERIFY(!stats.isVisible());
        QVERIFY(app.Table().isEnabled());
    }

    void unusableDatabaseEndsCleanly_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not a database") << "garbage"
                                        << "not a strategy database";
        QTest::newRow("damaged") << "truncated"
                                 << "";
        QTest::newRow("folder in its place") << "folder"
                                             << "";
    }
    void unusableDatabaseEndsCleanly() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        MakeUnusableDatabase(kind);
        ScriptedMessages messages;
        Application app(path_);
        QVERIFY(!app.Start());
        QVERIFY(app.Ended());
        QCOMPARE(app.ExitCode(), 1);
        QCOMPARE(messages.shown.size(), size_t(1));
        const auto& shown = messages.shown[0];
        QVERIFY2(shown.text.contains(path_), qPrintable(shown.text));
        QVERIFY2(shown.text.contains(reason), qPrintable(shown.text));
        QVERIFY(shown.text.endsWith("The program will now close."));
        QCOMPARE(shown.icon, MsgIcon::Information);
        QCOMPARE(shown.buttons, MsgButtons::Ok);
        QVERIFY(!VisibleWindow("frmSplash"));
        QVERIFY(!app.TableLoaded());
    }

    void failureInAHandlerEndsCleanly() {
        ScriptedMessages messages;
        Application app(path_);
        UiScript script;
        ScriptSplashAndChooser(script, "key", 0);
        QVERIFY(app.Start());
        auto* guarded = static_cast<GuardedApplication*>(QCoreApplication::instance());
        guarded->onFailure = [&app](const std::exception& e) { app.EndOnFailure(e); };
        QTimer::singleShot(0, [this] {
            throw StoreError(StoreProblem::Locked, path_.toStdString(),
                "Cannot read the strategy database: the file is locked.");
        });
        QTRY_VERIFY(app.Ended());
        guarded->onFailure = nullptr;
        QCOMPARE(app.ExitCode(), 1);
        QCOMPARE(messages.Texts(),
            QStringList {"Cannot read the strategy database: the file is locked.\n\n"
                         "The program will now close."});
        QVERIFY(!app.Table().isVisible());
    }

private:
    void MakeUnusableDatabase(const QString& kind) {
        if (kind == "folder") {
            QVERIFY(QDir().mkpath(path_));
            return;
        }
        if (kind == "truncated") {
            StrategyDb::Open(path_.toStdString());
            QFile file(path_);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QByteArray bytes = file.readAll();
            bytes.replace(100, bytes.size() - 200, QByteArray(bytes.size() - 200, '\x5a'));
            file.seek(0);
            file.write(bytes);
            return;
        }
        QFile file(path_);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Standard Jet DB\0 this is not what the program expects", 54);
    }

    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;
};

int main(int argc, char** argv) {
    GuardedApplication app(argc, argv);
    StartupTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "startup_test.moc"

#include "shell/control_hooks.h"
#include "shell/scripted_messages.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using namespace bj;

class ControlHooksTest : public QObject {
    Q_OBJECT
private slots:
    void keyFiltersSwallowRefusedCharacters_data() {
        QTest::addColumn<bool>("money");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("money") << true << "1a2.-5,0"
                               << "12.50";
        QTest::newRow("money keeps a second point") << true << "1..2"
                                                    << "1..2";
        QTest::newRow("digits") << false << "1.2a3-"
                                << "123";
    }
    void keyFiltersSwallowRefusedCharacters() {
        QFETCH(bool, money);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QLineEdit box;
        money ? InstallMoneyKeyFilter(&box) : InstallDigitKeyFilter(&box);
        QTest::keyClicks(&box, typed);
        QCOMPARE(box.text(), kept);
    }

    void editingKeysPass() {
        QLineEdit box;
        InstallDigitKeyFilter(&box);
        QTest::keyClicks(&box, "1234");
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClick(&box, Qt::Key_Home);
        QTest::keyClick(&box, Qt::Key_Delete);
        QTest::keyClick(&box, Qt::Key_End);
        QTest::keyClick(&box, Qt::Key_Left);
        QTest::keyClicks(&box, "9");
        QCOMPARE(box.text(), QString("293"));
        QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(box.selectedText(), QString("293"));
    }

    void enterReachesTheBox() {
        QLineEdit box;
        InstallMoneyKeyFilter(&box);
        bool returned = false;
        connect(&box, &QLineEdit::returnPressed, [&] { returned = true; });
        QTest::keyClick(&box, Qt::Key_Return);
        QVERIFY(returned);
    }

    void f1ShowsHelpWithOkAndNoIcon() {
        ScriptedMessages messages;
        QLineEdit box;
        InstallF1Help(&box, "The Initial Bet for the game.");
        QTest::keyClick(&box, Qt::Key_F1);
        QTest::keyClicks(&box, "5");
        QCOMPARE(messages.shown.size(), size_t(1));
        QCOMPARE(messages.shown[0].text, QString("The Initial Bet for the game."));
        QCOMPARE(messages.shown[0].title, QString());
        QCOMPARE(messages.shown[0].icon, MsgIcon::None);
        QCOMPARE(messages.shown[0].buttons, MsgButtons::Ok);
        QCOMPARE(box.text(), QString("5"));
    }

    void f1InstalledAgainReplacesTheText() {
        ScriptedMessages messages;
        QLineEdit box;
        InstallF1Help(&box, "old", "Title");
        InstallF1Help(&box, "new", "Title");
        QTest::keyClick(&box, Qt::Key_F1);
        QCOMPARE(messages.Texts(), QStringList {"new"});
    }

    void f1InsideEditableCombo() {
        ScriptedMessages messages;
        QComboBox list;
        list.setEditable(true);
        InstallF1Help(&list, "Name of Betting Strategy.");
        QTest::keyClick(list.lineEdit(), Qt::Key_F1);
        QTest::keyClick(&list, Qt::Key_F1);
        QCOMPARE(messages.Texts(),
            QStringList({"Name of Betting Strategy.", "Name of Betting Strategy."}));
    }

    void selectAllOnFocus() {
        QWidget form;
        auto* other = new QLineEdit(&form);
        auto* box = new QLineEdit("125.00", &form);
        other->move(0, 40);
        InstallSelectAllOnFocus(box);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        other->setFocus();
        box->setFocus(Qt::MouseFocusReason);
        QTRY_COMPARE(box->selectedText(), QString("125.00"));
    }
};

QTEST_MAIN(ControlHooksTest)
#include "control_hooks_test.moc"

#include "shell/control_hooks.h"
#include "shell/file_dialogs.h"
#include "shell/input_helpers.h"
#include "shell/scripted_messages.h"
#include "shell/window_services.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileIconProvider>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <QWindow>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <sys/resource.h>

using namespace bj;

// The shell library: input helpers, control hooks, window services and the message double.
class ShellTest : public QObject {
    Q_OBJECT
private slots:
    void installedFiltersSwallowOnlyRefusedCharacters() {
        QLineEdit money, digits;
        InstallMoneyKeyFilter(&money);
        InstallDigitKeyFilter(&digits);
        QTest::keyClicks(&money, "1a2/.:-5, 0");
        QCOMPARE(money.text(), QString("12.50"));
        QTest::keyClicks(&digits, "1.2a3/:4-");
        QCOMPARE(digits.text(), QString("1234"));
        for (Qt::Key key :
            {Qt::Key_Backspace, Qt::Key_Home, Qt::Key_Delete, Qt::Key_End, Qt::Key_Left, Qt::Key_9})
            QTest::keyClick(&digits, key);
        QCOMPARE(digits.text(), QString("293"));
        QTest::keyClick(&digits, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(digits.selectedText(), QString("293"));
        // Alt, AltGr and Meta still type characters, and so does a key of two units.
        digits.end(false);
        QTest::keyClick(&digits, 'q', Qt::AltModifier);
        QTest::keyClick(&digits, '@', Qt::ControlModifier | Qt::AltModifier);
        QTest::keyClick(&digits, 'q', Qt::MetaModifier);
        QTest::sendKeyEvent(QTest::Click, &digits, Qt::Key_unknown, QString::fromUtf8("😀"), {});
        QCOMPARE(digits.text(), QString("293"));
        bool returned = false;
        connect(&money, &QLineEdit::returnPressed, [&] { returned = true; });
        QTest::keyClick(&money, Qt::Key_Return);
        QVERIFY(returned);
    }

    // The focused button takes Enter; elsewhere it goes to the window's default button. A box
    // given the focus selects all its text.
    void enterPressesTheFocusedButtonAndABoxSelectsAllOnFocus() {
        QWidget form;
        auto* focused = new QPushButton("A", &form);
        auto* fallback = new QPushButton("B", &form);
        auto* other = new QLineEdit(&form);
        auto* box = new QLineEdit("125.00", &form);
        QStringList clicked;
        for (QPushButton* button : {focused, fallback})
            connect(
                button, &QPushButton::clicked, [&clicked, button] { clicked << button->text(); });
        InstallDefaultButton(&form, fallback);
        InstallEnterPressesFocusedButton();
        InstallSelectAllOnFocus(box);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        other->setFocus();
        box->setFocus(Qt::MouseFocusReason);
        QTRY_COMPARE(box->selectedText(), QString("125.00"));
        SelectAllText(nullptr);
        QTest::keyClick(focused, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
        focused->setEnabled(false);
        QTest::keyClick(focused, Qt::Key_Return);
        QCOMPARE(clicked, QStringList({"A", "B"}));
    }

    // Every text the program writes reads back (grouping, "$", minus sign, parentheses), and
    // so does a grouped amount typed into, whose commas no longer fall every three digits;
    // anything else is 0.
    void formatAmount() {
        const char* cases[][2] = {{"", "0.00"}, {"abc", "0.00"}, {"12.5", "12.50"},
            {"  7.1 ", "7.10"}, {".5", "0.50"}, {"5.", "5.00"}, {"10,000.00", "10000.00"},
            {"1,234,567.891", "1234567.89"}, {"$10,000.00", "10000.00"}, {"-5.25", "-5.25"},
            {"-$5.00", "-5.00"}, {"$-5.00", "-5.00"}, {"($5.00)", "-5.00"}, {"+4", "4.00"},
            {"1,0000.00", "10000.00"}, {"1,5", "15.00"}, {",5", "0.00"}, {"5,", "0.00"},
            {"1,.5", "0.00"}, {"1.2.3", "0.00"}, {"--5", "0.00"}, {"(-5)", "0.00"}, {".", "0.00"},
            {"$", "0.00"}, {"12abc", "0.00"}, {"-0.001", "0.00"}};
        for (const auto& [text, formatted] : cases) {
            QCOMPARE(
                QString(text) + " -> " + FormatAmount(text), QString(text) + " -> " + formatted);
            QCOMPARE(AmountValue(formatted), QString(formatted).toDouble());
        }
        QCOMPARE(FormatAmount(-1234.5), QString("-1234.50"));
        QCOMPARE(FormatAmount(qQNaN()), QString("0.00"));
        QVERIFY(qIsInf(AmountValue(QString(400, '9')))); // refused by range, not read as 0
        QCOMPARE(FormatAmount(QVariant()), QString("0.00"));
        QCOMPARE(FormatAmount(QVariant(7)), QString("7.00"));
        QCOMPARE(FormatAmount(QVariant(QString("$1,000"))), QString("1000.00"));
        const std::pair<qint64, const char*> currency[]
            = {{1250050, "125.01"}, {1250049, "125.00"}, {-75000, "-7.50"}, {-49, "0.00"}};
        for (const auto& [units, formatted] : currency)
            QCOMPARE(FormatAmount(Currency::FromUnits(units)), QString(formatted));
    }

    void textsAndLists() {
        QCOMPARE(TrimText(QVariant()), QString());
        QCOMPARE(TrimText(QVariant(QString("\t Default "))), QString("Default"));
        QCOMPARE(SqlQuote("O'Brien''"), QString("O''Brien''''"));
        const QString smile = QString::fromUtf8("😀"), high = smile.left(1), low = smile.right(1);
        QLineEdit name;
        name.setMaxLength(5);
        name.setText(" a" + smile + smile); // keeps half of the second
        QCOMPARE(name.text().size(), 5);
        QCOMPARE(NameFromBox(name.text()), "a" + smile);
        name.setCursorPosition(1);
        name.setMaxLength(6);
        name.insert(smile); // a paste cut short in the middle
        QCOMPARE(name.text().size(), 6);
        QCOMPARE(NameFromBox(name.text()), "a" + smile);
        QCOMPARE(NameFromBox(low + "b" + high + " "), QString("b"));
        QLineEdit limited;
        LimitNameLength(&limited, 5);
        limited.setText("ab");
        limited.setCursorPosition(1);
        QTest::sendKeyEvent(QTest::Click, &limited, Qt::Key_unknown, smile, Qt::NoModifier);
        QCOMPARE(limited.text(), "a" + smile + "b");
        QTest::sendKeyEvent(QTest::Click, &limited, Qt::Key_unknown, smile, Qt::NoModifier);
        QCOMPARE(limited.text(), "a" + smile + "b"); // typed, the half that fits is not kept
        QCOMPARE(limited.cursorPosition(), 3);
        QComboBox list;
        QCOMPARE(FindItemData(&list, 1), -1);
        list.addItem("no data");
        for (int data : {4, 7, 4})
            list.addItem(QString::number(data), data);
        QCOMPARE(FindItemData(&list, 4), 1);
        QCOMPARE(FindItemData(&list, 7), 2);
        QCOMPARE(FindItemData(&list, 0), 3); // none (an entry without data never matches): the last
        list.addItems({"Default", "default"});
        QCOMPARE(FindListText(&list, "default"), 5);
        QCOMPARE(FindListText(&list, "Nothing"), 0);
    }

    // Reading a file to tell its type blocks for ever on one such as /proc/kmsg.
    void fileDialogsTellTypesByNameAlone() {
        QTemporaryDir folder;
        for (const char* name : {"report", "mine.csv"}) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("%PDF-1.4\n") > 0);
        }
        const QFileInfo report(folder.filePath("report")), csv(folder.filePath("mine.csv"));
        QVERIFY(QFileIconProvider().type(report).contains("PDF")); // what Qt reads by default
        for (const auto mode : {QFileDialog::AcceptOpen, QFileDialog::AcceptSave}) {
            const auto dialog
                = MakeFileDialog(nullptr, "Export", csv.filePath(), "Strategies (*.csv)", mode);
            QCOMPARE(dialog->windowTitle(), QString("Export"));
            QCOMPARE(dialog->acceptMode(), mode);
            QCOMPARE(dialog->selectedFiles(), QStringList {csv.filePath()});
            const QAbstractFileIconProvider* types = dialog->iconProvider();
            QVERIFY(types && !types->type(report).contains("PDF"));
            QCOMPARE(types->type(csv), QMimeDatabase().mimeTypeForName("text/csv").comment());
        }
    }

    // A full disk, as a file size limit makes one: the last buffered bytes cannot be written,
    // or a text stream fails on the way. Either is told by its reason, and the old file stays.
    void aFileIsWrittenWholeOrNotAtAll() {
        QTemporaryDir dir;
        const QString path = dir.filePath("kept.csv");
        const std::function<bool(QIODevice&)> writes[] {
            [](QIODevice& file) { return file.write(QByteArray(500, 'x')) == 500; },
            [](QIODevice& file) {
                QTextStream out(&file);
                out << QString(100000, 'x');
                out.flush();
                return out.status() == QTextStream::Ok;
            }};
        QCOMPARE(WriteFileWhole(path, [](QIODevice& file) { return file.write("old") == 3; }),
            QString());
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit {};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit before = limit;
        limit.rlim_cur = 100;
        for (const auto& write : writes) {
            setrlimit(RLIMIT_FSIZE, &limit);
            const QString error = WriteFileWhole(path, write);
            setrlimit(RLIMIT_FSIZE, &before);
            QCOMPARE(error, QString::fromLocal8Bit(std::strerror(EFBIG)));
            QFile kept(path);
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), QByteArray("old"));
        }
    }

    // The toolkit's dialog would take "a \"b\" c.csv" as the file b in whatever folder it shows.
    void fileDialogsRefuseANameWithADoubleQuote() {
        QTemporaryDir folder;
        ScriptedMessages messages;
        for (const QString& typed : QStringList {"a \"b\" c.csv", "plain.csv"}) {
            const auto dialog = MakeFileDialog(nullptr, "Export", folder.filePath("x.csv"),
                "Strategies (*.csv)", QFileDialog::AcceptSave);
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            QVERIFY(name);
            name->setText(typed);
            QMetaObject::invokeMethod(dialog.get(), "accept");
            const bool refused = typed.contains('"');
            QCOMPARE(dialog->result() == QDialog::Accepted, !refused);
            QCOMPARE(messages.shown.size(), std::size_t {1});
            if (!refused)
                QCOMPARE(dialog->selectedFiles(), QStringList {folder.filePath(typed)});
        }
        QCOMPARE(messages.shown.front().text,
            QString(
                "A file name cannot contain a double quote (\").\nPlease choose another name."));
        QCOMPARE(messages.shown.front().title, QString("Export"));
    }

    void centering() {
        const QSize screen(1024, 768), form(424, 368);
        QCOMPARE(CenteredTopLeft(screen, form, false), QPointF(300, 200));
        QCOMPARE(CenteredTopLeft(screen, form, true), QPointF(300, 189.5));
        QCOMPARE(CenteredTopLeft(screen, screen, true), QPointF(0, -10.5));
        QWidget window;
        const QRect usable = window.screen()->availableGeometry();
        window.resize(usable.size() + QSize(200, 200));
        CenterForm(&window, true);
        QCOMPARE(window.pos(), usable.topLeft()); // the title bar stays within reach
        window.resize(usable.size() - kFrameAllowance / 2);
        CenterForm(&window);
        QCOMPARE(window.pos(), usable.topLeft()); // and so does the bottom edge
    }

    // A modal show ends when the window hides, dies or hides itself on showing; in the last
    // case it returns at once, before pending events run. A plain window kept in front of
    // another becomes a dialog, the only kind a window manager keeps there, and is found as
    // the window in front only while it is shown.
    void modalAndFrontWindows() {
        QWidget window;
        QTimer::singleShot(0, &window, [&] {
            QCOMPARE(window.windowModality(), Qt::ApplicationModal);
            window.hide();
        });
        ShowModal(&window);
        QVERIFY(!window.isVisible());
        window.setWindowModality(Qt::ApplicationModal);
        ShowModeless(&window);
        QVERIFY(window.isVisible() && window.windowModality() == Qt::NonModal);
        auto* doomed = new QWidget;
        QTimer::singleShot(0, doomed, [doomed] { delete doomed; });
        ShowModal(doomed);

        struct : QWidget {
            void showEvent(QShowEvent*) override { hide(); }
        } hiding;
        bool timerRan = false;
        QTimer::singleShot(0, &hiding, [&] {
            timerRan = true;
            hiding.close();
        });
        ShowModal(&hiding);
        QVERIFY(!timerRan);
        ProcessPendingEvents();
        QVERIFY(timerRan);

        QWidget owner, front;
        KeepInFrontOf(&front, &owner);
        QVERIFY(front.windowType() == Qt::Dialog && !WindowInFrontOf(&owner));
        front.show();
        QVERIFY(WindowInFrontOf(&owner) == &front && !WindowInFrontOf(&front));
    }

    // Unscripted, a Yes/No box takes the cautious answer; confirming a save is yes only on
    // Yes. Installed again, F1 help shows only the new text, inside an editable list's box too.
    void scriptedMessagesStandInWhileTheyLive() {
        MessageBoxService* before = &Messages();
        {
            ScriptedMessages messages;
            { ScriptedMessages inner; }
            QCOMPARE(&Messages(), &messages);
            QCOMPARE(Messages().Show("Sure?", "", MsgIcon::None, MsgButtons::YesNo), MsgAnswer::No);
            messages.answers = {MsgAnswer::Yes, MsgAnswer::No};
            QVERIFY(ConfirmSaveChanges("Martingale"));
            QVERIFY(!ConfirmSaveChanges("Martingale"));
            const auto confirm = messages.shown.at(2);
            QCOMPARE(confirm.text, QString("Do you wish to save changes to Martingale?"));
            QCOMPARE(confirm.title, QString("Martingale"));
            QVERIFY(confirm.buttons == MsgButtons::YesNo && confirm.icon == MsgIcon::None);

            QComboBox list;
            list.setEditable(true);
            InstallF1Help(&list, "old");
            InstallF1Help(&list, "Name of Betting Strategy.");
            QTest::keyClick(list.lineEdit(), Qt::Key_F1);
            QTest::keyClicks(list.lineEdit(), "5");
            QCOMPARE(messages.Texts().mid(3), QStringList {"Name of Betting Strategy."});
            QCOMPARE(messages.shown.at(3).buttons, MsgButtons::Ok);
            QCOMPARE(list.currentText(), QString("5"));
            ConfirmSaveChanges(" ");
            QCOMPARE(messages.Texts().last(),
                QString("Do you wish to save changes to the new strategy?"));
        }
        QCOMPARE(&Messages(), before);
    }

    // Tab stops at the chosen option however it comes to be chosen; with none chosen, at each.
    void tabStopsAtTheChosenOption() {
        QWidget window;
        auto* before = new QLineEdit(&window);
        QList<QAbstractButton*> options;
        for (const char* caption : {"a", "b", "c"})
            options << new QRadioButton(caption, &window);
        auto* after = new QLineEdit(&window);
        TabToChosenOption(options);
        const auto stops = [&] {
            QString seen;
            for (QWidget* at = before->nextInFocusChain(); at != after; at = at->nextInFocusChain())
                if (at->focusPolicy() & Qt::TabFocus)
                    seen += qobject_cast<QAbstractButton*>(at)->text();
            return seen;
        };
        QCOMPARE(stops(), QString("abc"));
        options[1]->setChecked(true);
        QCOMPARE(stops(), QString("b"));
        options[2]->click();
        QCOMPARE(stops(), QString("c"));
    }

    // The frame cuts a title wider than the room its icon and three buttons (about 100 pixels)
    // leave: a short message still shows the whole name.
    void aShortMessageIsAsWideAsItsTitle() {
        int boxWidth = 0, titleWidth = 0;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QFont bold = box->font();
            bold.setBold(true);
            titleWidth = QFontMetrics(bold).horizontalAdvance(AppTitle());
            boxWidth = box->width();
            box->accept();
        });
        QCOMPARE(
            Messages().Show("Short.", "", MsgIcon::Information, MsgButtons::Ok), MsgAnswer::Ok);
        QVERIFY2(boxWidth > titleWidth + 100,
            qPrintable(QString("%1 <= %2 + 100").arg(boxWidth).arg(titleWidth)));
    }
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"

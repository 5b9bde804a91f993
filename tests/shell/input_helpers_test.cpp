#include "shell/input_helpers.h"
#include "shell/scripted_messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>

using namespace bj;

class InputHelpersTest : public QObject {
    Q_OBJECT
private slots:
    void keyFilters_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("money");
        QTest::addColumn<int>("digit");
        QTest::newRow("7") << int('7') << int('7') << int('7');
        QTest::newRow("0") << int('0') << int('0') << int('0');
        QTest::newRow("point") << int('.') << int('.') << 0;
        QTest::newRow("enter") << 13 << 13 << 13;
        QTest::newRow("backspace") << 8 << 8 << 8;
        QTest::newRow("letter") << int('a') << 0 << 0;
        QTest::newRow("minus") << int('-') << 0 << 0;
        QTest::newRow("comma") << int(',') << 0 << 0;
        QTest::newRow("escape") << 27 << 0 << 0;
        QTest::newRow("tab") << 9 << 0 << 0;
        QTest::newRow("space") << int(' ') << 0 << 0;
    }
    void keyFilters() {
        QFETCH(int, key);
        QFETCH(int, money);
        QFETCH(int, digit);
        QCOMPARE(MoneyKeyFilter(key), money);
        QCOMPARE(DigitKeyFilter(key), digit);
    }

    void formatAmountOfText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("formatted");
        QTest::newRow("empty") << ""
                               << "0.00";
        QTest::newRow("not a number") << "abc"
                                      << "0.00";
        QTest::newRow("one decimal") << "12.5"
                                     << "12.50";
        QTest::newRow("whole") << "3"
                               << "3.00";
        QTest::newRow("blanks") << "  7.1 "
                                << "7.10";
        QTest::newRow("leading point") << ".5"
                                       << "0.50";
        QTest::newRow("trailing point") << "5."
                                        << "5.00";
        QTest::newRow("grouped") << "10,000.00"
                                 << "10000.00";
        QTest::newRow("grouped millions") << "1,234,567.891"
                                          << "1234567.89";
        QTest::newRow("dollar") << "$25.00"
                                << "25.00";
        QTest::newRow("dollar grouped") << "$10,000.00"
                                        << "10000.00";
        QTest::newRow("minus") << "-5.25"
                               << "-5.25";
        QTest::newRow("minus before dollar") << "-$5.00"
                                             << "-5.00";
        QTest::newRow("minus after dollar") << "$-5.00"
                                            << "-5.00";
        QTest::newRow("parentheses") << "($5.00)"
                                     << "-5.00";
        QTest::newRow("plus") << "+4"
                              << "4.00";
        QTest::newRow("bad grouping is no number") << "1,5"
                                                   << "0.00";
        QTest::newRow("two points") << "1.2.3"
                                    << "0.00";
        QTest::newRow("two signs") << "--5"
                                   << "0.00";
        QTest::newRow("sign in parentheses") << "(-5)"
                                             << "0.00";
        QTest::newRow("lone point") << "."
                                    << "0.00";
        QTest::newRow("lone dollar") << "$"
                                     << "0.00";
        QTest::newRow("trailing text") << "12abc"
                                       << "0.00";
        QTest::newRow("minus zero") << "-0.001"
                                    << "0.00";
    }
    void formatAmountOfText() {
        QFETCH(QString, text);
        QFETCH(QString, formatted);
        QCOMPARE(FormatAmount(text), formatted);
        QCOMPARE(AmountValue(formatted), formatted.toDouble());
    }

    void formatAmountOfValues() {
        QCOMPARE(FormatAmount(3), QString("3.00"));
        QCOMPARE(FormatAmount(-1234.5), QString("-1234.50"));
        QCOMPARE(FormatAmount(0.004), QString("0.00"));
        QCOMPARE(FormatAmount(std::numeric_limits<double>::quiet_NaN()), QString("0.00"));
        QCOMPARE(FormatAmount(QVariant()), QString("0.00"));
        QCOMPARE(FormatAmount(QVariant(QMetaType(QMetaType::Double))), QString("0.00"));
        QCOMPARE(FormatAmount(QVariant(7)), QString("7.00"));
        QCOMPARE(FormatAmount(QVariant(QString("$1,000"))), QString("1000.00"));
        QCOMPARE(FormatAmount("abc"), QString("0.00"));
    }

    void formatAmountOfCurrency_data() {
        QTest::addColumn<qint64>("units");
        QTest::addColumn<QString>("formatted");
        QTest::newRow("zero") << qint64(0) << "0.00";
        QTest::newRow("bankroll") << qint64(10000) * 10000 << "10000.00";
        QTest::newRow("half bet") << qint64(25000) << "2.50";
        QTest::newRow("rounds half up") << qint64(1250050) << "125.01";
        QTest::newRow("rounds down") << qint64(1250049) << "125.00";
        QTest::newRow("negative") << qint64(-75000) << "-7.50";
        QTest::newRow("tiny negative") << qint64(-49) << "0.00";
    }
    void formatAmountOfCurrency() {
        QFETCH(qint64, units);
        QFETCH(QString, formatted);
        QCOMPARE(FormatAmount(Currency::FromUnits(units)), formatted);
    }

    void trimText() {
        QCOMPARE(TrimText(QVariant()), QString());
        QCOMPARE(TrimText(QVariant(QString("  Default "))), QString("Default"));
        QCOMPARE(TrimText(QVariant(12)), QString("12"));
        QCOMPARE(TrimText(QString("\tname\n")), QString("name"));
    }

    void findItemData_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("index");
        QTest::newRow("first") << 4 << 0;
        QTest::newRow("middle") << 7 << 1;
        QTest::newRow("missing gives last") << 5 << 2;
    }
    void findItemData() {
        QFETCH(int, value);
        QFETCH(int, index);
        QComboBox list;
        for (int data : {4, 7, 9})
            list.addItem(QString::number(data * 10), data);
        QCOMPARE(FindItemData(&list, value), index);
    }

    void findItemDataOnEmptyList() {
        QComboBox list;
        QCOMPARE(FindItemData(&list, 1), -1);
        list.addItem("no data");
        QCOMPARE(FindItemData(&list, 0), 0); // the last index, not a match on missing data
    }

    void findListText() {
        QComboBox list;
        list.addItems({"Default", "Martingale", "default"});
        QCOMPARE(FindListText(&list, "Default"), 0);
        QCOMPARE(FindListText(&list, "Martingale"), 1);
        QCOMPARE(FindListText(&list, "default"), 2);
        QCOMPARE(FindListText(&list, "Nothing"), 0);
    }

    void sqlQuote() {
        QCOMPARE(SqlQuote("O'Brien"), QString("O''Brien"));
        QCOMPARE(SqlQuote("''"), QString("''''"));
        QCOMPARE(SqlQuote("plain"), QString("plain"));
    }

    void centeredTopLeft() {
        const QSize screen(1024, 768);
        QCOMPARE(CenteredTopLeft(screen, screen, false), QPointF(0, 0));
        QCOMPARE(CenteredTopLeft(screen, screen, true), QPointF(0, -10.5)); // -157.5 twips
        QCOMPARE(CenteredTopLeft(screen, QSize(424, 368), false), QPointF(300, 200));
        QCOMPARE(CenteredTopLeft(screen, QSize(424, 368), true), QPointF(300, 189.5));
    }

    void centerFormKeepsTitleBarOnScreen() {
        QWidget form;
        const QRect usable = form.screen()->availableGeometry();
        form.resize(usable.width() + 200, usable.height() + 200);
        CenterForm(&form, true);
        QCOMPARE(form.pos(), usable.topLeft());
        form.resize(200, 100);
        CenterForm(&form);
        QVERIFY(usable.contains(QRect(form.pos(), form.size())));
    }

    void matchBackColors() {
        QWidget form;
        QPalette palette = form.palette();
        palette.setColor(QPalette::Window, QColor(0, 128, 0));
        form.setPalette(palette);
        auto* frame = new QGroupBox("fraOptions", &form);
        auto* option = new QRadioButton("option", frame);
        auto* check = new QCheckBox("check", &form);
        auto* box = new QLineEdit(&form);
        QPalette boxPalette = box->palette();
        boxPalette.setColor(QPalette::Window, Qt::yellow);
        box->setPalette(boxPalette);
        frame->setPalette(QPalette(Qt::gray));
        option->setPalette(QPalette(Qt::red));

        MatchBackColors(&form);

        for (QWidget* matched : std::initializer_list<QWidget*> {frame, option, check})
            QCOMPARE(matched->palette().color(matched->backgroundRole()), QColor(0, 128, 0));
        QCOMPARE(box->palette().color(QPalette::Window), QColor(Qt::yellow));
    }

    void selectAllText() {
        QLineEdit box("25.00");
        box.setCursorPosition(2);
        SelectAllText(&box);
        QCOMPARE(box.selectionStart(), 0);
        QCOMPARE(box.selectedText(), QString("25.00"));
        SelectAllText(nullptr);
    }

    void confirmSaveChanges_data() {
        QTest::addColumn<bool>("scripted");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("saves");
        QTest::newRow("yes") << true << int(MsgAnswer::Yes) << true;
        QTest::newRow("no") << true << int(MsgAnswer::No) << false;
        QTest::newRow("unscripted is no") << false << 0 << false;
    }
    void confirmSaveChanges() {
        QFETCH(bool, scripted);
        QFETCH(int, answer);
        QFETCH(bool, saves);
        ScriptedMessages messages;
        if (scripted)
            messages.answers.push_back(static_cast<MsgAnswer>(answer));
        QCOMPARE(ConfirmSaveChanges("Martingale"), saves);
        QCOMPARE(messages.shown.size(), size_t(1));
        const auto& shown = messages.shown.front();
        QCOMPARE(shown.text, QString("Do you wish to save changes to Martingale?"));
        QCOMPARE(shown.title, QString("Martingale"));
        QCOMPARE(shown.buttons, MsgButtons::YesNo);
        QCOMPARE(shown.icon, MsgIcon::None);
    }
};

QTEST_MAIN(InputHelpersTest)
#include "input_helpers_test.moc"

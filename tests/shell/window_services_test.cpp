#include "shell/scripted_messages.h"
#include "shell/window_services.h"

#include <QCoreApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

using namespace bj;

namespace {
class HidesWhenShown : public QWidget {
protected:
    void showEvent(QShowEvent*) override { hide(); }
};
} // namespace

class WindowServicesTest : public QObject {
    Q_OBJECT
private slots:
    void showModalReturnsWhenTheWindowHides() {
        QWidget window;
        QTimer::singleShot(0, &window, [&] {
            QVERIFY(window.isVisible());
            QCOMPARE(window.windowModality(), Qt::ApplicationModal);
            window.hide();
        });
        ShowModal(&window);
        QVERIFY(!window.isVisible());
    }

    void showModalReturnsWhenTheWindowIsDestroyed() {
        auto* window = new QWidget;
        QTimer::singleShot(0, window, [window] { delete window; });
        ShowModal(window);
    }

    void showModalReturnsAtOnceWhenTheWindowHidesItself() {
        HidesWhenShown window;
        bool timerRan = false;
        QTimer::singleShot(0, &window, [&] {
            timerRan = true;
            window.close();
        });
        ShowModal(&window);
        QVERIFY(!timerRan);
        ProcessPendingEvents();
    }

    void modalShowsNest() {
        QWidget outer;
        QWidget inner;
        QStringList order;
        QTimer::singleShot(0, &outer, [&] {
            QTimer::singleShot(0, &inner, [&] {
                order << "inner shown";
                outer.hide(); // the outer show cannot end before the inner one
                QTimer::singleShot(0, &inner, [&] { inner.hide(); });
            });
            ShowModal(&inner);
            order << "inner returned";
        });
        ShowModal(&outer);
        order << "outer returned";
        QCOMPARE(order, QStringList({"inner shown", "inner returned", "outer returned"}));
    }

    void modelessShowClearsModality() {
        QWidget window;
        window.setWindowModality(Qt::ApplicationModal);
        ShowModeless(&window);
        QVERIFY(window.isVisible());
        QCOMPARE(window.windowModality(), Qt::NonModal);
    }

    void processPendingEventsRunsPostedWork() {
        bool ran = false;
        QTimer::singleShot(0, [&] { ran = true; });
        ProcessPendingEvents();
        QVERIFY(ran);
    }

    void applicationFacts() {
        QCOMPARE(AppVersionText(), QString("Version 1.0.1"));
        QVERIFY(!AppTitle().isEmpty());
        QCOMPARE(ProgramFolder(), QCoreApplication::applicationDirPath());
    }

    void scriptedMessagesRecordAndAnswer() {
        MessageBoxService* before = &Messages();
        {
            ScriptedMessages messages;
            QCOMPARE(&Messages(), &messages);
            messages.answers = {MsgAnswer::Yes};
            QCOMPARE(Messages().Show("Sure?", "Delete", MsgIcon::Question, MsgButtons::YesNo),
                MsgAnswer::Yes);
            QCOMPARE(
                Messages().Show("Again?", "", MsgIcon::Question, MsgButtons::YesNo), MsgAnswer::No);
            QCOMPARE(
                Messages().Show("Done", "", MsgIcon::Information, MsgButtons::Ok), MsgAnswer::Ok);
            QCOMPARE(messages.Texts(), QStringList({"Sure?", "Again?", "Done"}));
            QCOMPARE(messages.shown[0].title, QString("Delete"));
            QCOMPARE(messages.shown[2].icon, MsgIcon::Information);
            {
                ScriptedMessages inner;
                Messages().Show("inner", "", MsgIcon::None, MsgButtons::Ok);
            }
            QCOMPARE(&Messages(), &messages);
            QCOMPARE(messages.shown.size(), size_t(3));
        }
        QCOMPARE(&Messages(), before);
    }
};

QTEST_MAIN(WindowServicesTest)
#include "window_services_test.moc"

#include "table_fixture.h"

#include "table/card_pictures.h"
#include "table/play_speed.h"
#include "table/stat_text.h"
#include "table/tray_icon.h"
#include "table/value_cell.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

using namespace bj;
using namespace bj::test;

class TableWindowTest : public QObject {
    Q_OBJECT

private slots:
    // Idle, with its captions, and every caption fits its control at the starting size, which
    // the window need not outgrow.
    void startsIdleAtItsSizeWithNothingClipped() {
        Table t;
        t.Expect({"cmdNext=&Continue", "cmdMultipleSessions=Multiple Session...",
            "chkSysTray=Show in System Tray", "mnuOptions=&Configuation",
            "mnuBet=&Betting Stratagy", "mnuShowWar=Show Black Jack"});
        QCOMPARE(t.window->windowTitle(), QString("Black Jack"));
        QVERIFY(!t.Timer()->isActive() && t.gs.ContinuousPlay && !t.gs.TrayIconOn
            && t.Find<QProgressBar>("prbHandsToPlay")->value() == 0 && t.gs.CardsLeft == 52);
        t.window->show();
        for (const char* name : {"imgDealer_1", "imgPlayer_1", "imgPlayer_11", "cmdNext", "shpUp"})
            QVERIFY2(t.Find<QWidget>(name)->isHidden(), name);
        QVERIFY(QTest::qWaitForWindowExposed(t.window.get()));
        QCOMPARE(t.window->size(), QSize(725, 565));
        QVERIFY(
            t.window->minimumSizeHint().boundedTo(QSize(725, 565)) == t.window->minimumSizeHint());
        for (QWidget* w : t.window->findChildren<QWidget*>()) {
            const QString name = w->objectName();
            if (!w->isVisible() || name.startsWith("lblDealer_") || name.startsWith("lblPlayer")
                || !(qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w)))
                continue;
            QVERIFY2(w->width() >= w->minimumSizeHint().width(), qPrintable(name));
            QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), qPrintable(name));
        }
        // A bankroll far past the box's width is drawn smaller, never with its leading digits
        // cut; past the smallest legible size it loses digits in the middle, not its sign.
        auto* box = dynamic_cast<ValueCell*>(t.Find<QLabel>("lblMinBankroll"));
        QVERIFY(box);
        const int room = box->contentsRect().width() - box->indent();
        for (const char* text : {"10000", "-132871472.5", "-1328714725.5", "-531471999990000"}) {
            const QFont fitted = FittedFont(box->font(), text, room);
            const bool fits = QFontMetrics(box->font()).horizontalAdvance(text) <= room;
            QCOMPARE(fitted == box->font(), fits);
            const QString shown = FittedText(fitted, text, room);
            QVERIFY2(QFontMetrics(fitted).horizontalAdvance(shown) <= room, text);
            QVERIFY2(shown == text
                    || (shown.startsWith("-5") && shown.contains(QChar(0x2026))
                        && shown.endsWith('0')),
                qPrintable(shown));
        }
    }

    // A disabled table greys its captions, the slider's muted note with them, but not its cards.
    // The cards grow with the window in steps that keep their proportions, drawn afresh at
    // each size rather than stretched; the starting size is the smallest.
    void cardsStayAsTheTableIsDisabledAndGrowWithIt() {
        Table t;
        t.window->show();
        t.PlayRound({10, 7, 1, 9});
        QVERIFY(t.Find("lblFineAdjust"));
        const auto look = [&] { // the card's picture and the darkest grey of the note
            const QImage note = t.Find("lblFineAdjust")->grab().toImage();
            int darkest = 255;
            for (int i = 0; i < note.width() * note.height(); ++i)
                darkest = std::min(darkest, qGray(note.pixel(i % note.width(), i / note.width())));
            return std::pair {t.Find("imgPlayer_1")->grab().toImage(), darkest};
        };
        const auto enabled = look();
        t.window->setEnabled(false);
        const auto disabled = look();
        QVERIFY(disabled.first == enabled.first && disabled.second > enabled.second + 32);
        t.window->setEnabled(true);
        auto card = [&] {
            const QLabel* image = t.Find("imgDealer_2");
            const QPixmap picture = image->pixmap();
            return QString::asprintf("%dx%d picture %gx%g rank %dpx", image->width(),
                image->height(), picture.deviceIndependentSize().width(),
                picture.deviceIndependentSize().height(),
                t.Find("lblDealer_2")->font().pixelSize());
        };
        QCOMPARE(card(), QString("36x56 picture 36x56 rank 15px"));
        t.window->resize(1280, 1000);
        QCoreApplication::processEvents();
        QCOMPARE(card(), QString("81x126 picture 81x126 rank 34px"));
        const QRect player = t.Find<QWidget>("imgPlayer_1")->parentWidget()->geometry();
        const QRect row = t.Find<QWidget>("splitHands")->geometry();
        QVERIFY(row.top() > player.bottom() && row.left() == player.left());
        t.window->resize(400, 300); // no smaller than the starting layout
        QCoreApplication::processEvents();
        QCOMPARE(card(), QString("36x56 picture 36x56 rank 15px"));
        QCOMPARE(t.window->size(), t.window->minimumSize());
    }

    // Every suit is one solid shape at every size: nothing left uncovered inside it that the
    // space around it does not reach. Half-covered edge pixels let the space through.
    void suitsHaveNoHoles() {
        for (int side : {24, 60, 200}) {
            for (int suit : {kHearts, kDiamonds, kClubs, kSpades}) {
                QImage image(side + 2, side + 2, QImage::Format_ARGB32);
                image.fill(Qt::transparent);
                QPainter painter(&image);
                PaintSuit(painter, suit, QRectF(1, 1, side, side));
                painter.end();
                const auto open = [&](QPoint p) {
                    return image.rect().contains(p) && qAlpha(image.pixel(p)) < 192;
                };
                for (QList<QPoint> next {{0, 0}}; !next.isEmpty();) {
                    const QPoint p = next.takeLast();
                    if (!open(p))
                        continue;
                    image.setPixel(p, qRgba(0, 0, 0, 255));
                    next << p + QPoint(1, 0) << p - QPoint(1, 0) << p + QPoint(0, 1)
                         << p - QPoint(0, 1);
                }
                int holes = 0;
                for (int i = 0; i < image.width() * image.height(); ++i)
                    holes += open(QPoint(i % image.width(), i / image.width()));
                QVERIFY2(holes == 0, qPrintable(QString("suit %1 at %2 px").arg(suit).arg(side)));
            }
        }
    }

    void speedAndHandsSliders() {
        Table t;
        QList<int> intervals;
        for (int speed = 2; speed <= 10; ++speed) {
            t.Find<QSlider>("sldPlaySpeed")->setValue(speed);
            intervals << t.Timer()->interval();
        }
        QCOMPARE(intervals, QList<int>({125, 83, 62, 50, 42, 36, 31, 28, 1}));
        // Continuous takes 500 / v ms, 62.5 rounding to the even neighbour, and starts play.
        QCOMPARE(ContinuousInterval(8), 62);
        t.Find<QSlider>("sldPlaySpeed")->setValue(6);
        t.Find<QRadioButton>("optContinuousPlay_0")->click(); // already on: nothing starts
        QVERIFY(!t.Timer()->isActive() && t.Find<QPushButton>("cmdDeal")->isEnabled());
        t.Find<QRadioButton>("optContinuousPlay_1")->click();
        QVERIFY(!t.Timer()->isActive() && t.Timer()->interval() == 1);
        t.Find<QRadioButton>("optContinuousPlay_0")->click();
        QVERIFY(t.Timer()->isActive() && t.Timer()->interval() == 83);
        // Play started so disables what Deal does, the strategy menu with it, until Stop.
        auto* sessions = t.Find<QPushButton>("cmdMultipleSessions");
        QAction* menu = t.window->findChild<QMenu*>("mnuOptions")->menuAction();
        QVERIFY(!sessions->isEnabled() && !t.Find<QPushButton>("cmdDeal")->isEnabled()
            && !menu->isEnabled());
        t.window->cmdStop_Click();
        QVERIFY(sessions->isEnabled() && menu->isEnabled());
        t.Find<QSlider>("sldHandsToPlay")->setValue(37);
        QCOMPARE(t.gs.HandsToPlay + t.gs.TableHandsToPlay, 740);
        t.Expect({"lblHandsToPlay=370", "lblHandsProgress_1=185", "lblHandsProgress_2=370"});
        t.Find<QSlider>("sldHandsToPlay")->setValue(1);
        t.Expect({"lblHandsToPlay=10", "lblHandsProgress_1=5"});
    }

    void progressAndMoneyTexts() {
        const int progress[][3] = {{700, 1000, 30}, {-1, 1000, 100}, {5, 0, 100}, {1500, 1000, 0}};
        for (const auto& [left, total, percent] : progress)
            QCOMPARE(HandsProgress(left, total), percent);
        const std::pair<qint64, const char*> money[] = {{100000000, "10000"}, {125000, "12.5"},
            {-5000, "-0.5"}, {12345, "1.2345"}, {123456789000, "12345678.9"}};
        for (const auto& [units, text] : money)
            QCOMPARE(CurrencyText(Currency::FromUnits(units)), QString(text));
    }

    // Each button and menu item asks the program for its window; the table steps aside
    // for those that change the game state.
    void navigationAsksTheProgram() {
        const char* cases[][3] = {{"cmdConfiguration", "ShowBettingEditorModal", "off"},
            {"mnuBet", "ShowBettingEditorModal", "off"},
            {"cmdPlayingStrat", "ShowPlayingStrategyEditor", "on"},
            {"mnuOptPlayStrategy", "ShowPlayingStrategyEditor", "on"},
            {"cmdAdvancedStats", "ShowAdvancedStatistics", "off"},
            {"cmdMultipleSessions", "ShowMultipleSessions", "off"},
            {"cmdQuit", "QuitProgram", "on"}, {"mnuExit", "QuitProgram", "on"},
            {"mnupopExit", "QuitProgram", "on"}};
        for (const auto& [control, call, table] : cases) {
            Table t;
            t.window->show();
            auto* button = t.window->findChild<QPushButton*>(control);
            if (button)
                button->setFocus();
            Activate(t, control);
            QCOMPARE(t.nav.calls, QStringList {call});
            QCOMPARE(t.window->isEnabled() ? "on" : "off", table);
            QCOMPARE(t.gs.MultiSessionMode, QString(control) == "cmdMultipleSessions");
            t.window->setEnabled(true); // given back, the focus is where it was
            if (button)
                QCOMPARE(t.window->focusWidget(), button);
        }
        Table streak;
        streak.gs.BettingType = kStreakBetting;
        Activate(streak, "mnuBet");
        QVERIFY(!streak.window->close()); // disabled behind the editor, it takes no input
        Activate(streak, "mnuExit");
        streak.window->close(); // the program closing the window does not quit twice
        QCOMPARE(streak.nav.calls,
            QStringList({"ShowStreakEditorModeless", "UnloadStreakEditor", "QuitProgram"}));
    }

    void activationReadsTheStreakEditor() {
        Table t;
        t.nav.streakEditorLoaded = true;
        for (int i = 0; i < 10; ++i) {
            t.nav.winning[i] = QString::number(10 * (i + 1));
            t.nav.losing[i] = QString::number(i + 1);
        }
        t.nav.winning[1] = ""; // an empty box is a bet of 0
        // A shoe without decks or of too many is never taken, nor any while betting is variable.
        for (const auto& [kind, decks] : {std::pair {kStreakBetting, "6"}, {kStreakBetting, ""},
                 {kStreakBetting, "9"}, {kVariableBetting, "4"}}) {
            t.gs.BettingType = kind;
            t.nav.decks = decks;
            t.window->Form_Activate();
            QCOMPARE(t.gs.DecksInShoe, 6);
        }
        QCOMPARE(QList<double>(
                     {t.gs.WinningHandBets[1], t.gs.WinningHandBets[2], t.gs.LosingHandBets[10]}),
            QList<double>({10, 0, 10}));
    }

    // The box adds and removes the one icon; without a notification area it says why it
    // cannot be ticked, except that a ticked box can always be cleared.
    void trayIconFollowsTheBoxAndTheArea() {
        Table t;
        auto* box = t.Find<QCheckBox>("chkSysTray");
        QVERIFY(!box->isEnabled() && !box->toolTip().isEmpty());
        t.tray.SetAvailable(true);
        QVERIFY(box->isEnabled() && box->toolTip().isEmpty());
        QStringList icons;
        auto tick = [&] {
            box->click();
            icons << QString("%1 %2").arg(t.tray.icons.size()).arg(t.gs.TrayIconOn);
        };
        for (int i = 0; i < 3; ++i)
            tick();
        QCOMPARE(icons, QStringList({"1 1", "0 0", "1 1"}));
        QCOMPARE(t.tray.icons.at(1).tip, QString("Black Jack"));
        QVERIFY(!t.tray.icons.at(1).icon.isNull());
        t.tray.SetAvailable(false);
        QVERIFY(box->isEnabled() && !box->toolTip().isEmpty());
        tick();
        QCOMPARE(icons.last(), QString("0 0"));
        QVERIFY(!box->isEnabled());

        // Minimised with the icon on, the window waits in the notification area until a double
        // click or "Show Black Jack"; it comes back by itself when the area goes away.
        auto* menu = t.Find<QMenu>("mnuPopUp");
        auto state = [&] {
            QCoreApplication::processEvents();
            QString shown = t.window->isHidden() ? "hidden"
                : t.window->isMinimized()        ? "on the task bar"
                                                 : "shown";
            if (menu->isVisible())
                shown += " with the menu";
            menu->hide();
            return shown;
        };
        auto minimise = [&] { t.window->showMinimized(); };
        t.tray.SetAvailable(true);
        t.window->show();
        const std::pair<std::function<void()>, const char*> steps[] = {
            {minimise, "on the task bar"}, // the box is cleared
            {[&] { t.tray.Mouse(kTrayLeftDouble); }, "on the task bar"}, // and has no icon
            {[&] { t.window->showNormal(); }, "shown"}, {[&] { box->click(); }, "shown"},
            {minimise, "hidden"},
            {[&] { t.tray.Mouse(kTrayLeftDown), t.tray.Mouse(kTrayLeftUp); }, "hidden"},
            {[&] { t.tray.Mouse(kTrayLeftDown - 1), t.tray.Mouse(kTrayRightDouble + 1); },
                "hidden"},
            {[&] { t.tray.Mouse(kTrayRightUp); }, "hidden with the menu"},
            {[&] { t.tray.Mouse(kTrayLeftDouble); }, "shown"}, {minimise, "hidden"},
            {[&] { t.Find<QAction>("mnuShowWar")->trigger(); }, "shown"},
            {[&] { t.window->setEnabled(false), minimise(); }, "shown"}, // behind an editor
            {[&] { t.window->setEnabled(true); }, "shown"}, {minimise, "hidden"},
            {[&] { t.tray.SetAvailable(false); }, "shown"},
            {minimise, "on the task bar"}, // no area to come back from
        };
        for (int n = 0; n < int(std::size(steps)); ++n) {
            steps[n].first();
            QCOMPARE(QString("%1: %2").arg(n).arg(state()),
                QString("%1: %2").arg(n).arg(steps[n].second));
        }
        t.tray.SetAvailable(true);
        t.Find<QAction>("mnupopExit")->trigger();
        QVERIFY(t.tray.icons.empty() && !t.gs.TrayIconOn);
        QCOMPARE(t.nav.calls, QStringList {"QuitProgram"});
    }

    // Play goes on in the notification area, and its end leaves the focus where it was.
    void playGoesOnWhileHidden() {
        Table t;
        t.tray.SetAvailable(true);
        t.window->show();
        t.Find<QCheckBox>("chkSysTray")->click();
        t.Find<QSlider>("sldHandsToPlay")->setValue(1);
        t.Find<QSlider>("sldPlaySpeed")->setValue(10);
        t.window->cmdDeal_Click();
        t.window->showMinimized();
        QVERIFY(RunUntil([&] { return !t.Timer()->isActive(); }));
        QVERIFY(t.window->isHidden() && t.gs.HandsToPlay < 1 && t.window->RoundsPlayed() > 0);
        QVERIFY(t.window->focusWidget() != t.Find<QWidget>("cmdDeal"));
    }

private:
    static void Activate(Table& t, const char* control) {
        if (auto* button = t.window->findChild<QPushButton*>(control))
            button->click();
        else
            t.Find<QAction>(control)->trigger();
    }
};

QTEST_MAIN(TableWindowTest)
#include "table_window_test.moc"

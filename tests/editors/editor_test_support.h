#pragma once

#include "../qt_case_rows.h"
#include "../recording_navigation.h"
#include "editors/betting_type_chooser.h"
#include "engine/game_state.h"
#include "shell/scripted_messages.h"
#include "store/strategy_db.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <initializer_list>
#include <memory>
#include <sqlite3.h>
#include <tuple>

namespace bj::test {

// A message as one line of title, icon, buttons and text. The text comes last, so a message
// that ends in the database's own words can be matched by its start.
inline QString Msg(const QString& text, const QString& title = QString(),
    MsgIcon icon = MsgIcon::None, MsgButtons buttons = MsgButtons::Ok) {
    return title + QString(" | icon %1 | buttons %2 | ").arg(int(icon)).arg(int(buttons)) + text;
}

// A freshly seeded database in a folder of its own, the game state as start-up leaves it,
// and every message recorded.
struct EditorFixture {
    EditorFixture() {
        gs.VariableStrategyLoaded = true;
        gs.ReturnButtonCaption = "Start Game";
    }
    // Every message shown so far, each as Msg writes it; one that begins as an expected
    // message ending in "*" is shown as that, and none may end in two full stops.
    QStringList Shown(const QStringList& expected = {}) const {
        QStringList lines;
        for (const auto& m : messages.shown) {
            const QString line = Msg(m.text, m.title, m.icon, m.buttons);
            const QString pattern = expected.value(lines.size());
            if (line.endsWith(".."))
                lines << line + " (two full stops)";
            else
                lines << (pattern.endsWith('*') && line.startsWith(pattern.chopped(1)) ? pattern
                                                                                       : line);
        }
        return lines;
    }

    QTemporaryDir folder;
    StrategyDb db = StrategyDb::Open(DefaultDatabasePath(folder.path().toStdString()));
    GameState gs;
    RecordingNavigation nav;
    AppContext ctx {gs, &db, nav};
    ScriptedMessages messages;
};

// Data rows written flat, the row's name first and then the fields of the case T that
// Case<T>() reads back.
template <class T> using NamedCase = decltype(std::tuple_cat(std::tuple<const char*>(), T()));
template <class T> void NamedRows(std::initializer_list<NamedCase<T>> rows) {
    QTest::addColumn<T>("case");
    for (const auto& row : rows)
        QTest::newRow(std::get<0>(row))
            << std::apply([](const char*, const auto&... fields) { return T(fields...); }, row);
}

// A new fixture and window for every test function and data row.
template <class Window> struct FreshWindow {
    void Renew() {
        w.reset();
        f.reset(); // first, so that the new fixture's messages are the ones in force
        f = std::make_unique<EditorFixture>();
        w = std::make_unique<Window>(f->ctx);
    }
    std::unique_ptr<EditorFixture> f;
    std::unique_ptr<Window> w;
};

inline QStringList Entries(const QComboBox* list) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->itemText(i);
    return entries;
}

// A list of stored strategies can run to thousands: scroll arrows alone would take minutes.
inline bool ListHasScrollBar(QComboBox* list) {
    return list->view()->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
}

// Each button enabled (1) or not (0).
inline QString Enabled(std::initializer_list<const QAbstractButton*> buttons) {
    QString shown;
    for (const QAbstractButton* b : buttons)
        shown += b->isEnabled() ? '1' : '0';
    return shown;
}

// A statement run on the database behind the window's back.
inline void Exec(StrategyDb& db, const char* sql) {
    sqlite3_exec(db.Handle(), sql, nullptr, nullptr, nullptr);
}

// Types into the box as a user would, key by key.
inline void TypeInto(QLineEdit* box, const QString& text) {
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

// `count` emoji, each two UTF-16 units, so that a name box's length limit can cut one in half.
inline QString Emoji(int count) {
    return QString::fromUtf8("\xF0\x9F\x98\x80").repeated(count);
}

// Shows the window and waits until it is the active one, so focus can be checked.
inline bool ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// F1 on the control that the data row is named after shows the row's message.
inline void CheckHelp(EditorFixture& f, QWidget& window) {
    window.show();
    auto* target = window.findChild<QWidget*>(QTest::currentDataTag());
    QVERIFY(target);
    QTest::keyClick(target, Qt::Key_F1);
    QCOMPARE(f.Shown(), QStringList {Case<QString>()});
}

// Change Betting: choosing the same kind keeps the editor, the other kind hands over to its
// editor.
template <class Editor> void CheckChangeBetting(EditorFixture& f, Editor& w) {
    const int kept = f.gs.BettingType;
    w.show();
    for (const int chosen : {kept, 1 - kept}) {
        QTimer::singleShot(0, &w, [&] {
            auto* chooser = w.template findChild<frmSelectBettingStrat*>();
            QTest::mouseClick(chooser->optStrategyType[chosen], Qt::LeftButton);
            QTest::mouseClick(chooser->cmdOK, Qt::LeftButton);
        });
        w.cmdChange_Click();
        QCOMPARE(f.gs.BettingType, chosen);
        QCOMPARE(w.isHidden(), chosen != kept);
    }
    QCOMPARE(f.nav.calls, QStringList {"SwitchBettingEditor"});
}

} // namespace bj::test

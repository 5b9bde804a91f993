#include "editor_test_support.h"

#include <QLineEdit>
#include <QTest>

namespace bj::test {

namespace {

StrategyDb OpenIn(const QTemporaryDir& folder) {
    return StrategyDb::Open(DefaultDatabasePath(folder.path().toStdString()));
}

} // namespace

EditorFixture::EditorFixture()
    : db(OpenIn(folder)) {
    gs.StreakListIndex = 0;
    gs.VariableListIndex = 0;
    gs.VariableStrategyLoaded = true;
    gs.ReturnButtonCaption = "Start Game";
}

void TypeInto(QLineEdit* box, const QString& text) {
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

bool ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

} // namespace bj::test

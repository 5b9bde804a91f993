// The table window over the desktop's own notification area, for tray_check.sh to drive with
// xdotool. Standard output tells the script what it cannot see from outside the program:
// where the box is, when the area comes and goes, and what the pop-up menu holds and where.
#include "table_fixture.h"

#include "table/tray_icon.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>

#include <cstdio>

using namespace bj;
using namespace bj::test;

namespace {

void Say(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// Reports each showing of the menu: its entries, then each entry's centre on the screen.
class MenuReporter final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show)
            return false;
        auto* menu = static_cast<QMenu*>(watched);
        QStringList entries;
        for (QAction* action : menu->actions())
            entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
        Say(QStringLiteral("menu ") + entries.join(QLatin1Char('|')));
        for (QAction* action : menu->actions())
            if (!action->isSeparator()) {
                const QPoint centre = menu->mapToGlobal(menu->actionGeometry(action).center());
                Say(QString("item %1 %2 %3").arg(action->text()).arg(centre.x()).arg(centre.y()));
            }
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tray_check"));
    GameState gs;
    FillStrategy(gs);
    RecordingNavigation nav;
    nav.onQuit = [] { QCoreApplication::exit(0); };
    AppContext ctx {gs, nullptr, nav};
    frmMain window(ctx);

    QObject::connect(&TrayArea(), &NotificationArea::AvailabilityChanged,
        [](bool available) { Say(QStringLiteral("area %1").arg(available)); });
    MenuReporter reporter;
    window.findChild<QMenu*>(QStringLiteral("mnuPopUp"))->installEventFilter(&reporter);

    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    const auto* box = window.findChild<QCheckBox*>(QStringLiteral("chkSysTray"));
    // The box's little square, which a click must hit.
    const QPoint square = box->mapTo(&window, QPoint(box->height() / 2, box->height() / 2));
    Say(QStringLiteral("box %1 %2 %3").arg(square.x()).arg(square.y()).arg(box->isEnabled()));
    return QApplication::exec();
}

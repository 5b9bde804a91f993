// Pictures of the simulator for a person to look at: before a run, after one session and after
// a 200-session run, the hourly window, and the instructions in both modes.
// simulator_screenshots <folder>
// Under a real display with a window manager each picture is of the whole screen (ImageMagick's
// import), so the frames show; offscreen each is the window alone.
#include "tests/simulator/simulator_fixture.h"

#include "simulator/frm_hourly_stats.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QProcess>

using namespace bj;
using namespace bj::test;

namespace {

QString folder;

void Picture(QWidget* window, const QString& name) {
    QTest::qWait(700); // the window manager draws its frame, the charts settle
    const QString path = folder + "/" + name + ".png";
    if (QGuiApplication::platformName() == "xcb")
        QProcess::execute("import", {"-window", "root", path});
    else
        window->grab().save(path);
}

// Shows a modal window of the simulator's, pictures it and closes it.
void WhenShown(const QString& objectName, const QString& picture) {
    QTimer::singleShot(50, [objectName, picture] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == objectName && w->isVisible()) {
                Picture(w, picture);
                w->close();
                return;
            }
        WhenShown(objectName, picture);
    });
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    folder = argc > 1 ? QString(argv[1]) : QDir::currentPath();
    QDir().mkpath(folder);

    Simulator s;
    s.gs = DefaultStrategies(1);
    s.gs.MultiSessionMode = true;
    s.gs.PlayingStrategyName = "Default";
    SeedRandom(s.gs, 20261206);
    s.w->strStrategy = "Default";
    s.w->Form_Activate();
    s.w->activateWindow();
    // Empty charts and charts of a single point must still show a sane axis.
    Picture(s.w.get(), "simulator_before_a_run");
    s.Run("20 100 50 20 1");
    Picture(s.w.get(), "simulator_after_1_session");
    s.Run("20 100 50 20 200");
    s.w->grdMain->scrollTo(s.w->grdMain->model()->index(0, 0));
    Picture(s.w.get(), "simulator_after_200_sessions");

    WhenShown("frmHourlyStats", "hourly_statistics");
    s.w->cmdHourlyStats_Click();
    s.nav.leaveInstructionsOpen = true;
    WhenShown("frmPlayingStrategiesInstr", "information_multiple_session");
    s.w->cmdInfo_Click();
    WhenShown("frmPlayingStrategiesInstr", "instructions_playing_strategy");
    s.nav.ShowPlayingStrategiesInstr(false);
    return 0;
}

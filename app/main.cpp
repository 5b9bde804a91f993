#include "app/application.h"
#include "app/guarded_application.h"
#include "shell/card_logo.h"
#include "shell/window_services.h"
#include "store/database_location.h"

#include <QStandardPaths>

namespace {

QString StrategyDatabasePath() {
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return QString::fromStdString(
        bj::ChooseDatabasePath(bj::ProgramFolder().toStdString(), dataFolder.toStdString()));
}

} // namespace

int main(int argc, char** argv) {
    bj::GuardedApplication qtApp(argc, argv);
    bj::GuardedApplication::setApplicationName(bj::AppTitle());
    bj::GuardedApplication::setApplicationVersion(bj::AppVersionText());
    bj::GuardedApplication::setWindowIcon(bj::ProgramIcon());
    bj::GuardedApplication::setDesktopFileName(QStringLiteral(BJ_DESKTOP_NAME));

    bj::Application program(StrategyDatabasePath());
    qtApp.onFailure = [&program](const std::exception& failure) { program.EndOnFailure(failure); };
    if (!program.Start())
        return program.ExitCode();
    return program.Run();
}

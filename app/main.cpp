#include "app/application.h"
#include "app/guarded_application.h"
#include "shell/window_services.h"
#include "store/strategy_db.h"

int main(int argc, char** argv) {
    bj::GuardedApplication qtApp(argc, argv);
    bj::GuardedApplication::setApplicationName(bj::AppTitle());
    bj::GuardedApplication::setApplicationVersion(bj::AppVersionText());

    bj::Application program(
        QString::fromStdString(bj::DefaultDatabasePath(bj::ProgramFolder().toStdString())));
    qtApp.onFailure = [&program](const std::exception& failure) { program.EndOnFailure(failure); };
    if (!program.Start())
        return program.ExitCode();
    return program.Run();
}

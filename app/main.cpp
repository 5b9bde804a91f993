#include "app/application.h"
#include "app/guarded_application.h"
#include "shell/window_services.h"

int main(int argc, char** argv) {
    bj::GuardedApplication qtApp(argc, argv);
    bj::GuardedApplication::setApplicationName(bj::AppTitle());
    bj::GuardedApplication::setApplicationVersion(bj::AppVersionText());

    bj::Application program(bj::ProgramFolder() + QStringLiteral("/BlkJack.mdb"));
    qtApp.onFailure = [&program](const std::exception& failure) { program.EndOnFailure(failure); };
    if (!program.Start())
        return program.ExitCode();
    return program.Run();
}

#include "store/database_location.h"
#include "store/strategy_db.h"
#include "tools/bjsim/progress_bar.h"
#include "tools/bjsim/sim_exact.h"
#include "tools/bjsim/sim_options.h"
#include "tools/bjsim/sim_report.h"
#include "tools/bjsim/sim_run.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>

namespace {

std::string ProgramFolder() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(".") : exe.parent_path().string();
}

double SteadySeconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

int StandardErrorColumns() {
    winsize size {};
    return ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0 ? size.ws_col : 80;
}

// Output lost to a full disk must not pass for a finished run; with --csv the summary goes to
// standard error, so both streams count.
int AfterOutput(int status) {
    errno = 0;
    std::cout.flush();
    std::cerr.flush();
    if (std::cout && std::cerr)
        return status;
    std::cerr.clear();
    std::cerr << "bjsim: the output could not be written"
              << (errno ? std::string(": ") + std::strerror(errno) : std::string()) << '\n';
    return 1;
}

int Run(const bj::sim::SimOptions& options) {
    using namespace bj::sim;
    bj::StrategyDb db = bj::OpenStrategyDatabase(options.DbPath.empty()
            ? bj::ChooseDatabasePath(ProgramFolder(), bj::UserDataFolder(BJ_APP_TITLE))
            : options.DbPath);
    if (options.Exact.Only) {
        RunExactOnly(db, options, std::cout);
        return 0;
    }
    const auto writer = MakeReportWriter(options.Format, std::cout, std::cerr);
    // Only a person watching a terminal wants the bar; a pipe or a file gets none.
    std::optional<ProgressBar> bar;
    if (isatty(STDERR_FILENO))
        bar.emplace(std::cerr, ProgressBar::Terminal {SteadySeconds, StandardErrorColumns},
            options.Sessions, options.HandsPerSession);
    const bool rowsOnTerminal = isatty(STDOUT_FILENO);
    const auto rowDone = [&](const bj::SessionRow& row) {
        if (bar && rowsOnTerminal)
            bar->Hide();
        writer->Row(row);
        if (bar && rowsOnTerminal)
            bar->Show();
    };
    const auto progress = [&bar](const RunProgress& done) { bar->Update(done); };
    SimResult result;
    try {
        result = RunSimulation(db, options, rowDone,
            bar ? std::function<void(const RunProgress&)>(progress) : nullptr);
    } catch (const std::exception& e) {
        bar.reset();
        writer->Fail(e.what());
        throw;
    }
    bar.reset();
    writer->Finish(result);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    using namespace bj::sim;
    SimOptions options;
    try {
        options = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const UsageError& e) {
        std::cerr << "bjsim: " << e.what() << "\nTry 'bjsim --help' for more information.\n";
        return 2;
    }
    if (options.Help) {
        std::cout << HelpText();
        return AfterOutput(0);
    }
    try {
        return AfterOutput(Run(options));
    } catch (const std::exception& e) {
        std::cerr << "bjsim: " << e.what() << '\n';
        return 1;
    }
}

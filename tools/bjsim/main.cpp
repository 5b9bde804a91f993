#include "store/strategy_db.h"
#include "tools/bjsim/sim_exact.h"
#include "tools/bjsim/sim_options.h"
#include "tools/bjsim/sim_report.h"
#include "tools/bjsim/sim_run.h"

#include <filesystem>
#include <iostream>

namespace {

std::string ProgramFolder() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(".") : exe.parent_path().string();
}

int Run(const bj::sim::SimOptions& options) {
    using namespace bj::sim;
    bj::StrategyDb db = bj::StrategyDb::Open(
        options.DbPath.empty() ? bj::DefaultDatabasePath(ProgramFolder()) : options.DbPath);
    if (options.Exact.Only) {
        RunExactOnly(db, options, std::cout);
        return 0;
    }
    const auto writer = MakeReportWriter(options.Format, std::cout, std::cerr);
    const SimResult result
        = RunSimulation(db, options, [&writer](const bj::SessionRow& row) { writer->Row(row); });
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
        return 0;
    }
    try {
        return Run(options);
    } catch (const std::exception& e) {
        std::cerr << "bjsim: " << e.what() << '\n';
        return 1;
    }
}

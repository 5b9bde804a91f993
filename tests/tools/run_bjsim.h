#pragma once

#include <string>
#include <vector>

namespace bj::test {

struct ToolRun {
    int ExitCode = -1;
    std::string Out, Err;
};

// Runs the built bjsim with these arguments and collects what it printed.
ToolRun RunBjsim(const std::vector<std::string>& args);
ToolRun RunProgram(const std::string& program, const std::vector<std::string>& args);

} // namespace bj::test

#pragma once

#include "tools/bjsim/sim_run.h"

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>

namespace bj::sim {

// "[####------]  42%  1,234,567 hands  4,200,000 hands/s  0:12 left", cut to fit in
// `columns - 1` so the terminal never wraps it. `fraction` is of the whole run.
std::string ProgressLine(double fraction, std::int64_t hands, double seconds, int columns);

// The run's progress redrawn in place on one terminal line, at most every kRedrawSeconds and
// not before the run has taken that long.
class ProgressBar {
public:
    static constexpr double kRedrawSeconds = 0.15;
    struct Terminal {
        std::function<double()> Seconds; // a steady clock
        std::function<int()> Columns;
    };

    ProgressBar(
        std::ostream& out, Terminal terminal, std::int64_t sessions, std::int32_t handsPerSession);
    ~ProgressBar() { Hide(); }
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    void Update(const RunProgress& progress);
    // Hide erases the line so that other output can take it; Show draws it again as it was.
    void Hide();
    void Show();

private:
    double Fraction(const RunProgress& progress) const;
    void Draw();
    std::ostream& out_;
    Terminal terminal_;
    std::int64_t sessions_;
    std::int32_t handsPerSession_;
    double started_, drawn_;
    std::string line_;
    bool visible_ = false;
};

} // namespace bj::sim

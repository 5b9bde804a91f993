#pragma once

#include "tools/bjsim/sim_run.h"

#include <iosfwd>
#include <memory>
#include <string>

namespace bj::sim {

// Two decimals, halves to even; grouped with commas when asked ("###,##0.00").
std::string MoneyText(Currency amount, bool grouped);

// A JSON string literal: quotes, backslashes and control characters escaped.
std::string JsonString(const std::string& text);

// "played through", "win" or "loss".
const char* EndText(SessionEnd end);

// Writes each row as its session ends, so a long run needs no memory for its rows, then the
// summary.
class ReportWriter {
public:
    virtual ~ReportWriter() = default;
    virtual void Row(const SessionRow& row) = 0;
    virtual void Finish(const SimResult& result) = 0;
};

// Table and JSON go to `out`; CSV puts its rows on `out` and the summary on `err`.
std::unique_ptr<ReportWriter> MakeReportWriter(
    OutputFormat format, std::ostream& out, std::ostream& err);

} // namespace bj::sim

#pragma once

#include "tools/bjsim/sim_run.h"

#include <iosfwd>
#include <memory>
#include <string>

namespace bj::sim {

// Two decimals, halves to even; grouped with commas when asked ("###,##0.00").
std::string MoneyText(Currency amount, bool grouped);
// A count of cents as MoneyText shows money.
std::string CentsText(std::int64_t cents, bool grouped);
void AppendMoney(std::string& out, Currency amount, bool grouped);

// "played through", "win" or "loss".
const char* EndText(SessionEnd end);

// Writes each row as its session ends, so a long run needs no memory for its rows, then the
// summary. The header comes with the first of them: a run that fails before (a bad file or
// strategy) writes nothing.
class ReportWriter {
public:
    virtual ~ReportWriter() = default;
    void Row(const SessionRow& row) {
        Start();
        WriteRow(row);
    }
    void Finish(const SimResult& result) {
        Start();
        WriteSummary(result);
    }
    // A run that stops on an error after its first row leaves its output whole; the message
    // itself is the caller's to show.
    void Fail(const std::string& message) {
        if (started_)
            WriteFailure(message);
    }

protected:
    virtual void WriteHeader() = 0;
    virtual void WriteRow(const SessionRow& row) = 0;
    virtual void WriteSummary(const SimResult& result) = 0;
    virtual void WriteFailure(const std::string&) { }

private:
    void Start() {
        if (!started_)
            WriteHeader();
        started_ = true;
    }
    bool started_ = false;
};

// Table and JSON go to `out`; CSV puts its rows on `out` and the summary on `err`.
std::unique_ptr<ReportWriter> MakeReportWriter(
    OutputFormat format, std::ostream& out, std::ostream& err);

} // namespace bj::sim

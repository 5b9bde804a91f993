#include "tools/bjsim/sim_report.h"

#include "tools/bjsim/safe_text.h"
#include "tools/bjsim/sim_exact.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <ostream>
#include <string_view>

namespace bj::sim {
namespace {

constexpr const char* kColumns[] = {"Session", "Max. Winning Amt", "Max. Losing Amt",
    "Hands Played", "Time (HH:MM)", "Total", "Won/Lost", "Total Won/Lost", "End"};

// A value that rounds to zero shows no sign.
std::string Fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, std::isfinite(value) ? value : 0.0);
    const bool roundsToZero
        = text[0] == '-' && std::strspn(text + 1, "0.") == std::strlen(text + 1);
    return roundsToZero ? text + 1 : text;
}

// Room for any amount with its sign, commas and hundredths.
constexpr std::size_t kMoneyRoom = 32;

// Writes the cents backwards so that they end at `end`; returns where they begin.
char* WriteCents(char* end, std::int64_t cents, bool grouped) {
    const bool negative = cents < 0;
    std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(cents) : cents;
    char* p = end;
    for (int place = 0; place < 2; ++place, magnitude /= 10)
        *--p = static_cast<char>('0' + magnitude % 10);
    *--p = '.';
    int digits = 0;
    do {
        if (grouped && digits > 0 && digits % 3 == 0)
            *--p = ',';
        *--p = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
        ++digits;
    } while (magnitude != 0);
    if (negative)
        *--p = '-';
    return p;
}

using IntegerBuffer = char[24];

std::string_view IntegerText(IntegerBuffer& buffer, std::int64_t value) {
    return {buffer, std::to_chars(std::begin(buffer), std::end(buffer), value).ptr};
}

void AppendInteger(std::string& out, std::int64_t value) {
    IntegerBuffer buffer;
    out += IntegerText(buffer, value);
}

} // namespace

void AppendMoney(std::string& out, Currency amount, bool grouped) {
    char text[kMoneyRoom];
    out.append(WriteCents(std::end(text), RoundedCents(amount), grouped), std::end(text));
}

std::string MoneyText(Currency amount, bool grouped) {
    std::string text;
    AppendMoney(text, amount, grouped);
    return text;
}

std::string CentsText(std::int64_t cents, bool grouped) {
    char text[kMoneyRoom];
    return {WriteCents(std::end(text), cents, grouped), std::end(text)};
}

const char* EndText(SessionEnd end) {
    switch (end) {
    case SessionEnd::StoppedOnWin:
        return "win";
    case SessionEnd::StoppedOnLoss:
        return "loss";
    case SessionEnd::PlayedThrough:
        break;
    }
    return "played through";
}

namespace {

constexpr std::size_t kWidths[] = {7, 16, 15, 12, 12, 13, 13, 14, 14};

void PrintSummary(std::ostream& out, const SimResult& result) {
    out << "Playing strategy:  " << TerminalText(result.PlayingName) << '\n'
        << "Betting strategy:  " << TerminalText(result.BettingName) << '\n'
        << "Decks:             " << result.Decks << '\n'
        << "Seed:              " << result.Seed << (result.SeedDrawn ? " (drawn)" : "") << '\n'
        << "Sessions:          " << result.Sessions << '\n'
        << "Hands played:      " << result.Hands << " in " << result.Rounds << " rounds\n"
        << "Won / lost / tied: " << result.Won << " / " << result.Lost << " / " << result.Tied
        << '\n'
        << "Blackjacks:        " << result.Blackjacks << '\n'
        << "Bankroll:          " << MoneyText(result.StartBank, true) << " -> "
        << MoneyText(result.EndBank, true) << '\n'
        << "Return per hand:   " << Fixed(result.ReturnPerHand, 4) << " +/- "
        << Fixed(result.ReturnStdErr, 4) << '\n'
        << "Amount wagered:    " << CentsText(result.AmountWageredCents, true) << " (insurance "
        << CentsText(result.InsuranceWageredCents, true) << ")\n"
        << "Return / wagered:  " << Fixed(result.ReturnPerWagered, 6) << '\n'
        << "Time:              " << Fixed(result.Seconds, 3) << " s, "
        << Fixed(result.HandsPerSecond, 0) << " hands per second\n";
    PrintExactComparison(out, result);
}

class TableWriter : public ReportWriter {
public:
    explicit TableWriter(std::ostream& out)
        : out_(out) { }

protected:
    void WriteHeader() override {
        StartLine();
        for (const char* heading : kColumns)
            AddCell(heading);
        EndLine();
    }
    // One buffer for every row: a run of many short sessions spends little on its output.
    void WriteRow(const SessionRow& row) override {
        StartLine();
        AddNumberCell(row.Session);
        AddMoneyCell(row.MaxWinning);
        AddMoneyCell(row.MaxLosing);
        AddNumberCell(row.Hands);
        AddCell(row.Time);
        AddMoneyCell(row.EndBank);
        AddMoneyCell(row.WonLost);
        AddMoneyCell(row.RunningTotal);
        AddCell(EndText(row.End));
        EndLine();
    }
    void WriteSummary(const SimResult& result) override {
        out_ << '\n';
        PrintSummary(out_, result);
    }

private:
    void StartLine() {
        line_.clear();
        column_ = 0;
    }
    void EndLine() {
        line_ += '\n';
        out_.write(line_.data(), static_cast<std::streamsize>(line_.size()));
    }
    // Right-aligned in the next column's width.
    void AddCell(std::string_view text) {
        if (column_ > 0)
            line_ += "  ";
        if (text.size() < kWidths[column_])
            line_.append(kWidths[column_] - text.size(), ' ');
        line_ += text;
        ++column_;
    }
    void AddMoneyCell(Currency amount) {
        char text[kMoneyRoom];
        AddCell({WriteCents(std::end(text), RoundedCents(amount), true), std::end(text)});
    }
    void AddNumberCell(std::int64_t value) {
        IntegerBuffer buffer;
        AddCell(IntegerText(buffer, value));
    }

    std::ostream& out_;
    std::string line_;
    std::size_t column_ = 0;
};

class CsvWriter : public ReportWriter {
public:
    CsvWriter(std::ostream& out, std::ostream& err)
        : out_(out)
        , err_(err) { }

protected:
    void WriteHeader() override {
        for (std::size_t c = 0; c < std::size(kColumns); ++c)
            out_ << (c ? "," : "") << CsvField(kColumns[c]);
        out_ << '\n';
    }
    void WriteRow(const SessionRow& row) override {
        line_.clear();
        AppendInteger(line_, row.Session);
        for (const Currency amount : {row.MaxWinning, row.MaxLosing}) {
            line_ += ',';
            AppendMoney(line_, amount, false);
        }
        line_ += ',';
        AppendInteger(line_, row.Hands);
        line_ += ',';
        line_ += row.Time; // digits and ':', as the end texts below need no quoting
        for (const Currency amount : {row.EndBank, row.WonLost, row.RunningTotal}) {
            line_ += ',';
            AppendMoney(line_, amount, false);
        }
        line_ += ',';
        line_ += EndText(row.End);
        line_ += '\n';
        out_.write(line_.data(), static_cast<std::streamsize>(line_.size()));
    }
    void WriteSummary(const SimResult& result) override { PrintSummary(err_, result); }

private:
    std::ostream& out_;
    std::ostream& err_;
    std::string line_;
};

// The rows come first so they can be written while the run goes on.
class JsonWriter : public ReportWriter {
public:
    explicit JsonWriter(std::ostream& out)
        : out_(out) { }

protected:
    void WriteHeader() override { out_ << "{\n  \"sessions\": ["; }
    void WriteRow(const SessionRow& row) override {
        line_.assign(rows_++ ? ",\n    " : "\n    ");
        line_ += "{\"session\": ";
        AppendInteger(line_, row.Session);
        const auto money = [this](const char* key, Currency amount) {
            line_ += key;
            AppendMoney(line_, amount, false);
        };
        money(", \"max_winning\": ", row.MaxWinning);
        money(", \"max_losing\": ", row.MaxLosing);
        line_ += ", \"hands\": ";
        AppendInteger(line_, row.Hands);
        // The time is digits and ':', and the end texts are plain words: neither needs escaping.
        line_ += ", \"time\": \"";
        line_ += row.Time;
        line_ += '"';
        money(", \"bankroll_end\": ", row.EndBank);
        money(", \"won_lost\": ", row.WonLost);
        money(", \"running_total\": ", row.RunningTotal);
        line_ += ", \"end\": \"";
        line_ += EndText(row.End);
        line_ += "\"}";
        out_.write(line_.data(), static_cast<std::streamsize>(line_.size()));
    }
    void WriteFailure(const std::string& message) override {
        CloseRows();
        out_ << "  \"error\": " << JsonString(message) << "\n}\n";
    }
    void WriteSummary(const SimResult& r) override {
        CloseRows();
        out_ << "  \"playing_strategy\": " << JsonString(r.PlayingName) << ",\n"
             << "  \"betting_strategy\": " << JsonString(r.BettingName) << ",\n"
             << "  \"decks\": " << r.Decks << ",\n"
             << "  \"seed\": " << r.Seed << ",\n"
             << "  \"seed_drawn\": " << (r.SeedDrawn ? "true" : "false") << ",\n"
             << "  \"hands\": " << r.Hands << ",\n"
             << "  \"rounds\": " << r.Rounds << ",\n"
             << "  \"won\": " << r.Won << ",\n"
             << "  \"lost\": " << r.Lost << ",\n"
             << "  \"tied\": " << r.Tied << ",\n"
             << "  \"blackjacks\": " << r.Blackjacks << ",\n"
             << "  \"bankroll_start\": " << MoneyText(r.StartBank, false) << ",\n"
             << "  \"bankroll_end\": " << MoneyText(r.EndBank, false) << ",\n"
             << "  \"return_per_hand\": " << Fixed(r.ReturnPerHand, 6) << ",\n"
             << "  \"return_stderr\": " << Fixed(r.ReturnStdErr, 6) << ",\n"
             << "  \"amount_wagered\": " << CentsText(r.AmountWageredCents, false) << ",\n"
             << "  \"insurance_wagered\": " << CentsText(r.InsuranceWageredCents, false) << ",\n"
             << "  \"return_per_wagered\": " << Fixed(r.ReturnPerWagered, 6) << ",\n";
        WriteExactJsonFields(out_, r);
        out_ << "  \"seconds\": " << Fixed(r.Seconds, 6) << ",\n"
             << "  \"hands_per_second\": " << Fixed(r.HandsPerSecond, 1) << "\n"
             << "}\n";
    }

private:
    void CloseRows() { out_ << (rows_ ? "\n  ],\n" : "],\n"); }

    std::ostream& out_;
    std::int64_t rows_ = 0;
    std::string line_;
};

} // namespace

std::unique_ptr<ReportWriter> MakeReportWriter(
    OutputFormat format, std::ostream& out, std::ostream& err) {
    switch (format) {
    case OutputFormat::Csv:
        return std::make_unique<CsvWriter>(out, err);
    case OutputFormat::Json:
        return std::make_unique<JsonWriter>(out);
    case OutputFormat::Table:
        break;
    }
    return std::make_unique<TableWriter>(out);
}

} // namespace bj::sim

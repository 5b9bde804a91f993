#include "tools/bjsim/sim_report.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <vector>

namespace bj::sim {
namespace {

constexpr const char* kColumns[] = {"Session", "Max. Winning Amt", "Max. Losing Amt",
    "Hands Played", "Time (HH:MM)", "Total", "Won/Lost", "Total Won/Lost", "End"};

std::string Fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, std::isfinite(value) ? value : 0.0);
    return text;
}

std::string JsonString(const std::string& text) {
    std::string quoted = "\"";
    for (const unsigned char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += static_cast<char>(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            quoted += escaped;
        } else {
            quoted += static_cast<char>(c);
        }
    }
    return quoted + "\"";
}

std::string Cell(const std::string& text, std::size_t width) {
    return std::string(text.size() < width ? width - text.size() : 0, ' ') + text;
}

} // namespace

std::string MoneyText(Currency amount, bool grouped) {
    // Whole hundredths, halves to even, without passing through floating point.
    const std::int64_t units = amount.Units();
    const std::int64_t step = Currency::kScale / 100;
    std::int64_t cents = units / step;
    const std::int64_t rest = units % step;
    if (std::llabs(rest) * 2 > step || (std::llabs(rest) * 2 == step && cents % 2 != 0))
        cents += rest > 0 ? 1 : -1;
    const bool negative = cents < 0;
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(cents) : cents;
    const std::string digits = std::to_string(magnitude / 100);
    std::string whole;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (grouped && i > 0 && (digits.size() - i) % 3 == 0)
            whole += ',';
        whole += digits[i];
    }
    char fraction[4];
    std::snprintf(fraction, sizeof fraction, "%02u", static_cast<unsigned>(magnitude % 100));
    return (negative ? "-" : "") + whole + "." + fraction;
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

void PrintTable(std::ostream& out, const SimResult& result) {
    std::vector<std::array<std::string, 9>> lines;
    lines.push_back({});
    std::copy(std::begin(kColumns), std::end(kColumns), lines[0].begin());
    for (const SessionRow& row : result.Rows)
        lines.push_back({std::to_string(row.Session), MoneyText(row.MaxWinning, true),
            MoneyText(row.MaxLosing, true), std::to_string(row.Hands), row.Time,
            MoneyText(row.EndBank, true), MoneyText(row.WonLost, true),
            MoneyText(row.RunningTotal, true), EndText(row.End)});
    std::array<std::size_t, 9> widths {};
    for (const auto& line : lines)
        for (std::size_t c = 0; c < widths.size(); ++c)
            widths[c] = std::max(widths[c], line[c].size());
    for (const auto& line : lines) {
        for (std::size_t c = 0; c < widths.size(); ++c)
            out << (c ? "  " : "") << Cell(line[c], widths[c]);
        out << '\n';
    }
    out << '\n';
    PrintSummary(out, result);
}

void PrintCsvRows(std::ostream& out, const SimResult& result) {
    for (int c = 0; c < 9; ++c)
        out << (c ? "," : "") << kColumns[c];
    out << '\n';
    for (const SessionRow& row : result.Rows) {
        out << row.Session << ',' << MoneyText(row.MaxWinning, false) << ','
            << MoneyText(row.MaxLosing, false) << ',' << row.Hands << ',' << row.Time << ','
            << MoneyText(row.EndBank, false) << ',' << MoneyText(row.WonLost, false) << ','
            << MoneyText(row.RunningTotal, false) << ',' << EndText(row.End) << '\n';
    }
}

void PrintSummary(std::ostream& out, const SimResult& result) {
    out << "Playing strategy:  " << result.PlayingName << '\n'
        << "Betting strategy:  " << result.BettingName << '\n'
        << "Decks:             " << result.Decks << '\n'
        << "Seed:              " << (result.Seed ? std::to_string(*result.Seed) : "clock") << '\n'
        << "Sessions:          " << result.Rows.size() << '\n'
        << "Hands played:      " << result.Hands << " in " << result.Rounds << " rounds\n"
        << "Won / lost / tied: " << result.Won << " / " << result.Lost << " / " << result.Tied
        << '\n'
        << "Blackjacks:        " << result.Blackjacks << '\n'
        << "Bankroll:          " << MoneyText(result.StartBank, true) << " -> "
        << MoneyText(result.EndBank, true) << '\n'
        << "Return per hand:   " << Fixed(result.ReturnPerHand, 4) << " +/- "
        << Fixed(result.ReturnStdErr, 4) << '\n'
        << "Time:              " << Fixed(result.Seconds, 3) << " s, "
        << Fixed(result.HandsPerSecond, 0) << " hands per second\n";
}

void PrintJson(std::ostream& out, const SimResult& result) {
    out << "{\n"
        << "  \"playing_strategy\": " << JsonString(result.PlayingName) << ",\n"
        << "  \"betting_strategy\": " << JsonString(result.BettingName) << ",\n"
        << "  \"decks\": " << result.Decks << ",\n"
        << "  \"seed\": " << (result.Seed ? std::to_string(*result.Seed) : "null") << ",\n"
        << "  \"hands\": " << result.Hands << ",\n"
        << "  \"rounds\": " << result.Rounds << ",\n"
        << "  \"won\": " << result.Won << ",\n"
        << "  \"lost\": " << result.Lost << ",\n"
        << "  \"tied\": " << result.Tied << ",\n"
        << "  \"blackjacks\": " << result.Blackjacks << ",\n"
        << "  \"bankroll_start\": " << MoneyText(result.StartBank, false) << ",\n"
        << "  \"bankroll_end\": " << MoneyText(result.EndBank, false) << ",\n"
        << "  \"return_per_hand\": " << Fixed(result.ReturnPerHand, 6) << ",\n"
        << "  \"return_stderr\": " << Fixed(result.ReturnStdErr, 6) << ",\n"
        << "  \"seconds\": " << Fixed(result.Seconds, 6) << ",\n"
        << "  \"hands_per_second\": " << Fixed(result.HandsPerSecond, 1) << ",\n"
        << "  \"sessions\": [";
    for (std::size_t i = 0; i < result.Rows.size(); ++i) {
        const SessionRow& row = result.Rows[i];
        out << (i ? ",\n    " : "\n    ") << "{\"session\": " << row.Session
            << ", \"max_winning\": " << MoneyText(row.MaxWinning, false)
            << ", \"max_losing\": " << MoneyText(row.MaxLosing, false)
            << ", \"hands\": " << row.Hands << ", \"time\": " << JsonString(row.Time)
            << ", \"bankroll_end\": " << MoneyText(row.EndBank, false)
            << ", \"won_lost\": " << MoneyText(row.WonLost, false)
            << ", \"running_total\": " << MoneyText(row.RunningTotal, false)
            << ", \"end\": " << JsonString(EndText(row.End)) << "}";
    }
    out << (result.Rows.empty() ? "]\n" : "\n  ]\n") << "}\n";
}

} // namespace bj::sim

#include "tools/bjsim/sim_options.h"

#include "tools/bjsim/exact_options.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <set>
#include <thread>

namespace bj::sim {
namespace {

constexpr double kMaxAmount = 1e12;
constexpr std::int32_t kMaxThreads = 1024;

template <typename T>
T ParseWhole(const std::string& option, const std::string& text, T low, T high) {
    T value {};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error == std::errc::invalid_argument || stop != end)
        throw UsageError(option + " needs a whole number, not '" + text + "'");
    if (error == std::errc::result_out_of_range || value < low || value > high)
        throw UsageError(option + " must be between " + std::to_string(low) + " and "
            + std::to_string(high) + ", not " + text);
    return value;
}

Currency ParseAmount(const std::string& option, const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value))
        throw UsageError(option + " needs an amount such as 250 or 99.50, not '" + text + "'");
    if (value < 0 || value > kMaxAmount)
        throw UsageError(option + " must be between 0 and 1000000000000, not " + text);
    if (const auto point = text.find('.');
        point != std::string::npos && text.find_first_not_of('0', point + 3) != std::string::npos)
        throw UsageError(option + " must be in whole cents, not " + text);
    // Whole cents below 1e14 are exact in a double.
    return Currency::FromUnits(std::llround(value * 100) * (Currency::kScale / 100));
}

using Setter = std::function<void(SimOptions&, const std::string& option, const std::string&)>;

const std::map<std::string, Setter>& ValueOptions() {
    constexpr std::int32_t kMaxRef = std::numeric_limits<std::int32_t>::max();
    static const std::map<std::string, Setter> options {
        {"--db",
            [](SimOptions& o, auto&, auto& v) {
                if (v.empty())
                    throw UsageError("--db needs a file name");
                o.DbPath = v;
            }},
        {"--playing",
            [=](SimOptions& o, auto& n, auto& v) { o.PlayingRef = ParseWhole(n, v, 1, kMaxRef); }},
        {"--streak",
            [=](SimOptions& o, auto& n, auto& v) { o.BettingRef = ParseWhole(n, v, 1, kMaxRef); }},
        {"--variable",
            [=](SimOptions& o, auto& n, auto& v) {
                o.BettingRef = ParseWhole(n, v, 1, kMaxRef);
                o.Variable = true;
            }},
        {"--decks", [](SimOptions& o, auto& n, auto& v) { o.Decks = ParseWhole(n, v, 1, 100); }},
        {"--sessions",
            [](SimOptions& o, auto& n, auto& v) {
                o.Sessions
                    = ParseWhole<std::int64_t>(n, v, 0, std::numeric_limits<std::int32_t>::max());
            }},
        {"--hands",
            [=](SimOptions& o, auto& n, auto& v) {
                o.HandsPerSession = ParseWhole(n, v, 0, kMaxRef);
            }},
        {"--max-win", [](SimOptions& o, auto& n, auto& v) { o.MaxWin = ParseAmount(n, v); }},
        {"--max-loss", [](SimOptions& o, auto& n, auto& v) { o.MaxLoss = ParseAmount(n, v); }},
        {"--bail-out",
            [](SimOptions& o, auto& n, auto& v) { o.BailOutPercent = ParseWhole(n, v, 0, 100); }},
        {"--threads",
            [](SimOptions& o, auto& n, auto& v) { o.Threads = ParseWhole(n, v, 1, kMaxThreads); }},
        {"--seed",
            [](SimOptions& o, auto& n, auto& v) {
                o.Seed
                    = ParseWhole<std::uint64_t>(n, v, 0, std::numeric_limits<std::uint64_t>::max());
            }},
    };
    return options;
}

void SetFormat(SimOptions& options, OutputFormat format, bool& chosen) {
    if (chosen && options.Format != format)
        throw UsageError("choose either --csv or --json, not both");
    options.Format = format;
    chosen = true;
}

// The word after an option is its value unless it looks like an option itself; "-3" is a
// value, so that the range message names it. "--db=--json" gives such a value.
bool IsOption(const std::string& word) {
    return word.size() > 1 && word[0] == '-' && !std::isdigit(static_cast<unsigned char>(word[1]))
        && word[1] != '.';
}

} // namespace

SimOptions ParseOptions(const std::vector<std::string>& args) {
    SimOptions options;
    options.Threads = static_cast<std::int32_t>(
        std::clamp<unsigned>(std::thread::hardware_concurrency(), 1, kMaxThreads));
    bool formatChosen = false;
    bool streakGiven = false, variableGiven = false;
    std::set<std::string> given;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> value;
        if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        }
        if (name == "--help" || name == "-h") {
            if (value)
                throw UsageError(name + " takes no value");
            options.Help = true;
            continue;
        }
        const bool known = name == "--csv" || name == "--json" || name == "--exact-only"
            || ValueOptions().contains(name) || IsExactValueOption(name);
        if (known && !given.insert(name).second)
            throw UsageError(name + " is given more than once");
        if (name == "--csv" || name == "--json") {
            if (value)
                throw UsageError(name + " takes no value");
            SetFormat(
                options, name == "--csv" ? OutputFormat::Csv : OutputFormat::Json, formatChosen);
            continue;
        }
        if (name == "--exact-only") {
            if (value)
                throw UsageError(name + " takes no value");
            options.Exact.Only = true;
            continue;
        }
        const auto found = ValueOptions().find(name);
        const bool exact = IsExactValueOption(name);
        if (found == ValueOptions().end() && !exact)
            throw UsageError(name.rfind("-", 0) == 0 ? "unknown option '" + name + "'"
                                                     : "unexpected argument '" + name + "'");
        if (!value) {
            if (i + 1 >= args.size())
                throw UsageError(name + " needs a value");
            if (IsOption(args[i + 1]))
                throw UsageError(name + " needs a value, not the option '" + args[i + 1] + "'");
            value = args[++i];
        }
        if (exact)
            SetExactOption(options.Exact, name, *value);
        else
            found->second(options, name, *value);
        streakGiven = streakGiven || name == "--streak";
        variableGiven = variableGiven || name == "--variable";
    }
    if (streakGiven && variableGiven)
        throw UsageError("choose either --streak or --variable, not both");
    if (options.Exact.Only && options.Format == OutputFormat::Csv)
        throw UsageError("--exact-only prints text or --json, not --csv");
    return options;
}

std::string HelpText() {
    return R"(Usage: bjsim [--db FILE] [--playing REF] [--streak REF | --variable REF] [--decks N]
             [--sessions N] [--hands N] [--max-win AMOUNT] [--max-loss AMOUNT]
             [--bail-out PERCENT] [--seed N] [--threads N] [--csv | --json]
             [--exact-only] [--table T] [--soft17 hit|stand] [--double any|10-11]
             [--double-splits yes|no] [--on21 even-money|insurance|play-out]

Plays blackjack sessions at full speed with stored strategies and prints one row per
session and a summary. The bankroll starts at 10000.00 and carries from session to session.

  --db FILE           strategy database; created with the default strategies when missing
                      (default: BlkJack.mdb in the folder of this program if that folder
                      holds one, or is writable and not an installed copy while the data
                      folder holds none; otherwise in the data folder shared with the
                      desktop program: $XDG_DATA_HOME/Black Jack Strategy Tester,
                      by default ~/.local/share/Black Jack Strategy Tester)
  --playing REF       Ref_No of the playing strategy (default 1)
  --streak REF        Ref_No of a streak betting strategy (default: streak strategy 1)
  --variable REF      Ref_No of a variable betting strategy instead
  --decks N           decks in the shoe, 1 to 100 (default: the streak strategy's decks;
                      1 with variable betting)
  --sessions N        number of sessions (default 1)
  --hands N           hands per session (default 1000)
  --max-win AMOUNT    stop a session once it has won this amount
  --max-loss AMOUNT   stop a session once it has lost more than this amount
  --bail-out PERCENT  0 to 100: once a session has reached --max-win, stop it when it has
                      given back this share of its peak winnings (0: stop at --max-win)
  --seed N            seed of the card shuffle, for a repeatable run (default: drawn at
                      random and shown in the summary, so --seed repeats the run); each
                      session deals from its own stream of it
  --threads N         sessions played on N threads at once, 1 to 1024 (default: every
                      core); the rows and the summary are the same for any N
  --csv               session rows as CSV on standard output, summary on standard error
  --json              one JSON object with the summary and the rows ("sessions")
  -h, --help          show this text

Columns: session, max. winning amount, max. losing amount, hands played, time (HH:MM at
20 seconds a hand), bankroll at the end, won/lost, running total won/lost, and how the
session ended (played through, win: stopped by --max-win or --bail-out, loss: stopped by
--max-loss). As in the desktop program, a session that settled no hand (only pushes) or
whose last hand left the bankroll at exactly 0 counts as "win".

Stop rules apply only when --max-win, --max-loss or --bail-out is given; a missing amount
never fires and a missing percent counts as 0.

Summary: the strategies, decks, seed and sessions; hands played and rounds; hands won,
lost and tied; blackjacks; start and end bankroll; return per hand (net won / hands) with
its standard error; the amount wagered, insurance stakes apart, and the return per amount
wagered; elapsed seconds and hands per second; then the return per round in bets, the
rules, and the exact return with the distance between the two (exact analysis: below).
The error is measured from the result of each round (a round with split hands counts
once, as its hands are not independent): sqrt(rounds) x standard deviation per round
/ hands.

While it plays, a progress bar with hands per second and the time left is shown on standard
error when that is a terminal. Strategy names are shown with control characters escaped.
Every option is given at most once; a value that begins with '-' follows '=' (--db=-file).

Exit status: 0 done, 1 the database or a strategy could not be used, the run could not go
on (an amount grew past what it can hold) or its output could not be written, 2 bad
arguments.
)" + ExactHelpText();
}

} // namespace bj::sim

#include "../store/store_test_support.h"
#include "store/betting_strategies.h"
#include "tools/bjsim/progress_bar.h"
#include "tools/bjsim/safe_text.h"
#include "tools/bjsim/sim_report.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <tuple>

namespace bj::sim {
namespace {

namespace fs = std::filesystem;

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// A number of the JSON summary (top level, one per line), found by its key.
double Field(const std::string& json, const std::string& key) {
    const std::string marker = "\n  \"" + key + "\": ";
    const auto at = json.find(marker);
    return at == std::string::npos ? std::nan("") : std::stod(json.substr(at + marker.size()));
}

using Result = std::tuple<int, std::string, std::string>; // status, standard output and error

// A run that wrote nothing but its message.
Result Failed(int status, const std::string& message) {
    return {status, "", message};
}

// The store tests' fixture: a fresh folder, and `path` the database in it.
class Bjsim : public test::StoreTest {
protected:
    // A run in `folder`. The arguments are plain words.
    Result Program(const std::string& program, const std::vector<std::string>& args) {
        std::string command = "cd " + folder + " && " + program + " >out 2>err";
        for (const std::string& arg : args)
            command += " " + arg;
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, test::ReadFileBytes(folder + "/out"),
            test::ReadFileBytes(folder + "/err")};
    }
    auto Run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--db", path});
        return Program(BJSIM_PATH, args);
    }
};

// Pinned: changes only when the engine's play or the stop rules change on purpose.
TEST_F(Bjsim, CsvOfAFixedSeedRunIsPinned) {
    const auto [status, out, err] = Run({"--sessions", "3", "--hands", "20", "--seed", "11",
        "--csv", "--max-loss", "200", "--max-win", "100", "--bail-out", "50"});
    ASSERT_EQ(status, 0) << err;
    EXPECT_EQ(out,
        "Session,Max. Winning Amt,Max. Losing Amt,Hands Played,Time (HH:MM),Total,Won/Lost,"
        "Total Won/Lost,End\n"
        "1,0.00,-190.00,20,00:07,9835.00,-165.00,-165.00,played through\n"
        "2,0.00,-150.00,20,00:07,9745.00,-90.00,-255.00,played through\n"
        "3,0.00,-230.00,15,00:05,9515.00,-230.00,-485.00,loss\n");
    EXPECT_TRUE(Has(err, "Hands played:      55")) << err;
}

// Runs started together without a seed, to be pooled, must not deal alike; each shows the seed
// that repeats it.
TEST_F(Bjsim, AnUnseededRunShowsTheSeedThatRepeatsIt) {
    std::vector<std::string> args {"--sessions", "2", "--hands", "200", "--csv"};
    const auto [status, rows, err] = Run(args);
    ASSERT_EQ(status, 0) << err;
    EXPECT_NE(std::get<1>(Run(args)), rows);
    const std::string label = "Seed:              ";
    const auto at = err.find(label) + label.size();
    const auto end = err.find(" (drawn)\n", at);
    ASSERT_NE(end, std::string::npos) << err;
    args.insert(args.end(), {"--seed", err.substr(at, end - at)});
    EXPECT_EQ(std::get<1>(Run(args)), rows);
}

// Every session deals from its own stream, so how many threads play them changes nothing.
TEST_F(Bjsim, AnyNumberOfThreadsPrintsTheSameRowsAndSummary) {
    const std::vector<std::string> runs[]
        = {{"--sessions", "300", "--hands", "40", "--seed", "4", "--csv", "--max-loss", "30",
               "--max-win", "20", "--bail-out", "50"},
            {"--sessions", "6", "--hands", "20000", "--seed", "9", "--json", "--decks", "8"}};
    for (const auto& args : runs) {
        std::string shown[2];
        for (int threads : {1, 2}) {
            auto withThreads = args;
            withThreads.insert(withThreads.end(), {"--threads", std::to_string(threads)});
            const auto [status, out, err] = Run(withThreads);
            ASSERT_EQ(status, 0) << err;
            // All but the timing lines.
            std::istringstream lines(out + err);
            for (std::string line; std::getline(lines, line);)
                if (!Has(line, "second"))
                    shown[threads - 1] += line + '\n';
        }
        EXPECT_EQ(shown[1], shown[0]);
        EXPECT_TRUE(Has(shown[0], "Sessions:          300\n") || Has(shown[0], "\"hands\": 120"))
            << shown[0];
    }
}

// Long enough for a progress bar, which a pipe must not get.
TEST_F(Bjsim, JsonSummaryAddsUpAndWithoutStopRulesEverySessionPlaysThrough) {
    const auto [status, json, err]
        = Run({"--sessions", "4", "--hands", "250000", "--seed=18446744073709551615", "--json"});
    ASSERT_EQ(status, 0) << err;
    EXPECT_EQ(err, "");
    EXPECT_EQ(Field(json, "hands"), 1e6);
    EXPECT_EQ(Field(json, "won") + Field(json, "lost") + Field(json, "tied"), 1e6);
    EXPECT_EQ(Field(json, "bankroll_start"), 10000);
    EXPECT_NEAR(Field(json, "return_per_hand") * 1e6, Field(json, "bankroll_end") - 10000, 0.5);
    EXPECT_GT(Field(json, "return_stderr"), 0);
    const double wagered = Field(json, "amount_wagered");
    EXPECT_GE(wagered, 5 * 1e6) << "the smallest streak bet is 5";
    EXPECT_NEAR(Field(json, "return_per_wagered") * wagered, Field(json, "bankroll_end") - 10000,
        wagered * 1e-6); // six decimals
    EXPECT_GT(Field(json, "insurance_wagered"), 0) << "the default strategy insures odd rows";
    for (const char* key : {"blackjacks", "seconds", "hands_per_second"})
        EXPECT_GE(Field(json, key), 0) << key;
    EXPECT_TRUE(
        Has(json, "\n  \"sessions\": [") && Has(json, "\n  \"seed\": 18446744073709551615,"));
    EXPECT_EQ(std::count(json.begin(), json.end(), '{'), 5);
    EXPECT_FALSE(Has(json, "\"end\": \"win\"") || Has(json, "\"end\": \"loss\""));
}

// The name tries to clear the screen and forge a summary line.
TEST_F(Bjsim, UsesTheChosenStrategiesAndDecksAndShowsTheirNamesAsInertText) {
    {
        StrategyDb store = StrategyDb::Open(path);
        AppendStreakStrategy(
            store, StreakStrategy {2, "Flat \"25\"\x1b[2J\nDecks:   9\xff", 6, 1, 1, {25}, {25}});
        AppendVariableStrategy(store, VariableStrategy {.Name = "Var", .InitialBet = 10});
        AppendStreakStrategy(store, StreakStrategy {3, "Rising", 1, 1, 1, {-5}, {-5}});
    }
    const auto [status, streak, err] = Run({"--streak", "2", "--hands", "10", "--json"});
    EXPECT_TRUE(
        Has(streak, "\"betting_strategy\": \"Flat \\\"25\\\"\\u001b[2J\\u000aDecks:   9\uFFFD\""))
        << streak << err;
    EXPECT_EQ(err, "");
    EXPECT_EQ(std::get<2>(Run({"--streak", "3", "--hands", "10"})),
        "bjsim: corrected for this run, the file is unchanged: the streak betting strategy "
        "\"Rising\": winning bet 1 was -5 and is now 1; losing bet 1 was -5 and is now 1\n");
    EXPECT_EQ(Field(streak, "decks"), 6);
    const auto table = std::get<1>(Run({"--streak", "2", "--hands", "10"}));
    const auto csvSummary = std::get<2>(Run({"--streak", "2", "--hands", "10", "--csv"}));
    for (const std::string& shown : {table, csvSummary}) {
        EXPECT_TRUE(Has(shown, "Betting strategy:  Flat \"25\"\\x1b[2J\\nDecks:   9\\xff\n"))
            << shown;
        EXPECT_FALSE(Has(shown, "\x1b"));
    }
    const auto variable
        = std::get<1>(Run({"--variable=2", "--decks", "2", "--hands", "10", "--json"}));
    EXPECT_TRUE(Has(variable, "\"betting_strategy\": \"Var\""));
    EXPECT_EQ(Field(variable, "decks"), 2);
    EXPECT_TRUE(Has(variable, "\"seed_drawn\": true"));
}

// Without options: the seeded database beside the program, strategies 1 and their decks, one
// session of 1000 hands without stop rules, shown as a table.
TEST_F(Bjsim, DefaultsPlayAThousandHandsWithTheDatabaseBesideTheProgram) {
    fs::copy_file(BJSIM_PATH, folder + "/bjsim");
    const auto [status, out, err] = Program(folder + "/bjsim", {});
    ASSERT_EQ(status, 0) << err;
    EXPECT_EQ(out.rfind("Session  Max. Winning Amt", 0), 0u) << out;
    for (const char* line : {"Playing strategy:  Default\n", "Betting strategy:  Default\n",
             "Decks:             1\n", "Sessions:          1\n", "Hands played:      1000 ",
             "Return per hand:", "Amount wagered:", "Return / wagered:", "hands per second",
             "Return per round:  ", "Exact return:      -0.582839 bets",
             "(infinite shoe)\nSimulated - exact: "})
        EXPECT_TRUE(Has(out, line)) << line;
    EXPECT_TRUE(fs::exists(path)) << "no database beside the program";
}

// A program folder it may not write and that holds no database, as /usr/bin: the database goes
// to the data folder the desktop program uses. Permission bits do not bind root, so root runs
// the program as nobody.
TEST_F(Bjsim, WithoutTheRightToItsFolderTheDefaultDatabaseGoesToTheDataFolder) {
    using fs::perms;
    const std::string bin = folder + "/bin", data = folder + "/data";
    fs::create_directories(bin);
    fs::copy_file(BJSIM_PATH, bin + "/bjsim");
    fs::create_directories(data);
    fs::permissions(data, perms::all);
    fs::permissions(bin, test::kReadOnly);
    fs::permissions(folder, perms::owner_all | perms::group_exec | perms::others_exec);
    const std::string nobody
        = geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
    const auto [status, out, err]
        = Program("XDG_DATA_HOME=" + data + " " + nobody + bin + "/bjsim", {"--hands", "10"});
    fs::permissions(bin, perms::all);
    EXPECT_EQ(status, 0) << err;
    EXPECT_TRUE(fs::exists(data + "/Black Jack Strategy Tester/BlkJack.mdb"));
    EXPECT_FALSE(fs::exists(bin + "/BlkJack.mdb"));
}

TEST_F(Bjsim, HelpDocumentsEveryOption) {
    const auto [status, out, err] = Program(BJSIM_PATH, {"--help"});
    EXPECT_EQ(status, 0);
    for (const char* option :
        {"--db", "--playing", "--streak", "--variable", "--decks", "--sessions", "--hands",
            "--max-win", "--max-loss", "--bail-out", "--seed", "--threads", "--csv", "--json",
            "--exact-only", "--table", "--soft17", "--double ", "--double-splits", "--on21"})
        EXPECT_TRUE(Has(out, option)) << option;
}

TEST_F(Bjsim, BadArgumentsGetAClearMessageAndCreateNothing) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--fast"}, "unknown option '--fast'"}, {{"extra"}, "unexpected argument 'extra'"},
        {{"--hands"}, "--hands needs a value"},
        {{"--sessions", "ten"}, "--sessions needs a whole number, not 'ten'"},
        {{"--hands", "99999999999"}, "--hands must be between 0 and 2147483647, not 99999999999"},
        {{"--decks", "0"}, "--decks must be between 1 and 100, not 0"},
        {{"--threads", "0"}, "--threads must be between 1 and 1024, not 0"},
        {{"--max-loss", "-3"}, "--max-loss must be between 0 and 1000000000000, not -3"},
        {{"--max-loss", "inf"}, "--max-loss needs an amount such as 250 or 99.50, not 'inf'"},
        {{"--max-win", "0.001"}, "--max-win must be in whole cents, not 0.001"},
        {{"--streak", "1", "--variable", "1"}, "choose either --streak or --variable, not both"},
        {{"--csv", "--json"}, "choose either --csv or --json, not both"},
        {{"--hands", "--json"}, "--hands needs a value, not the option '--json'"},
        {{"--seed", "-h"}, "--seed needs a value, not the option '-h'"},
        {{"--db", "other"}, "--db is given more than once"},
        {{"--csv", "--csv"}, "--csv is given more than once"},
        {{"--hands=5", "--hands", "5"}, "--hands is given more than once"},
        {{"--soft17", "hit", "--soft17=stand"}, "--soft17 is given more than once"},
        {{"--exact-only", "--exact-only"}, "--exact-only is given more than once"},
        {{"--table", "worst"}, "--table takes one of stored, basic, best, not 'worst'"},
        {{"--exact-only", "--csv"}, "--exact-only prints text or --json, not --csv"},
        {{"--exact-only=yes"}, "--exact-only takes no value"},
        {{"--help=yes"}, "--help takes no value"}};
    const auto refused = [](const std::string& message) {
        return Failed(2, "bjsim: " + message + "\nTry 'bjsim --help' for more information.\n");
    };
    for (const auto& [args, message] : cases)
        EXPECT_EQ(Run(args), refused(message));
    EXPECT_EQ(Program(BJSIM_PATH, {"--db", "--json"}),
        refused("--db needs a value, not the option '--json'"));
    for (const auto& entry : fs::directory_iterator(folder))
        EXPECT_TRUE(entry.path().filename() == "out" || entry.path().filename() == "err")
            << entry.path();
}

// And writes nothing but its message: no header before the strategies are known good.
TEST_F(Bjsim, AMissingStrategyOrABadFileEndsWithStatusOne) {
    for (const char* format : {"--hands=1", "--csv", "--json"})
        EXPECT_EQ(Run({"--playing", "9", format}),
            Failed(1, "bjsim: there is no playing strategy with Ref_No 9 in \"" + path + "\"\n"))
            << format;
    std::ofstream(path, std::ios::trunc) << "Standard Jet DB, honestly";
    EXPECT_EQ(Run({}),
        Failed(1,
            "bjsim: Cannot open the strategy database \"" + path
                + "\": the file is not a strategy database (it may be an old Access database or "
                  "another kind of file).\n"));
}

// Output lost to a full disk must not pass for a finished run.
TEST_F(Bjsim, OutputThatCannotBeWrittenEndsWithStatusOne) {
    for (const char* what : {"--hands=10", "--csv", "--json", "--exact-only", "--help"}) {
        const std::string command = std::string(BJSIM_PATH) + " --db " + path + " " + what
            + " >/dev/full 2>" + folder + "/err";
        const int status = std::system(command.c_str());
        EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1) << what;
        EXPECT_TRUE(
            Has(test::ReadFileBytes(folder + "/err"), "bjsim: the output could not be written"))
            << what;
    }
    const std::string summaryLost
        = std::string(BJSIM_PATH) + " --db " + path + " --hands=10 --csv >/dev/null 2>/dev/full";
    const int status = std::system(summaryLost.c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1);
}

#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
// Threads the system will not give end the run with a message, not an abort.
TEST_F(Bjsim, ThreadsThatCannotStartEndWithAMessage) {
    const auto [status, out, err]
        = Program("ulimit -v 1000000; " BJSIM_PATH, {"--db", path, "--threads", "1024"});
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(Has(err, "could not start its threads")) << err;
}
#endif

// Bets of 1e9 that grow by 1e9 a hand, without stop levels: no session may stop on a loss
// level nobody gave, and once the money passes what can be counted the run stops with its
// message, keeping its two rows; JSON is still one whole object, the error its last member.
TEST_F(Bjsim, HugeBetsWithoutStopLevelsPlayThroughUntilTheMoneyOverflows) {
    {
        StrategyDb store = StrategyDb::Open(path);
        AppendVariableStrategy(store,
            {.Name = "Huge",
                .InitialBet = 1e9,
                .MaximumBet = 1e9,
                .MinimumBet = 1e9,
                .WinBet = 1e9,
                .LoseBet = 1e9});
    }
    const std::string message
        = "The bankroll has grown past -922,337,203,685,477.58, the limit of what the bankroll "
          "and its totals (such as the amount won on blackjacks) can hold; the run stops.";
    for (const char* format : {"--csv", "--json"}) {
        const auto [status, out, err] = Run(
            {"--variable", "2", "--hands", "600000", "--sessions", "3", "--seed", "1", format});
        EXPECT_EQ(status, 1);
        EXPECT_EQ(err, "bjsim: " + message + "\n");
        const bool csv = format == std::string("--csv");
        const std::string session = csv ? "\n" : "{\"session\": ";
        EXPECT_TRUE(Has(out, session + "1,") && Has(out, session + "2,") && !Has(out, "loss"))
            << out;
        if (csv) {
            EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 3) << out; // header, two rows
            EXPECT_EQ(std::count(out.begin(), out.end(), ','), 3 * 8);
            continue;
        }
        const std::string end
            = "\"end\": \"played through\"}\n  ],\n  \"error\": \"" + message + "\"\n}\n";
        EXPECT_EQ(out.substr(out.size() - std::min(out.size(), end.size())), end) << out;
        EXPECT_EQ(std::count(out.begin(), out.end(), '{'), 3) << out;
    }
}

TEST(BjsimReport, JsonClosesOnAFailureOnceItHasBegun) {
    std::ostringstream out, err;
    const auto writer = MakeReportWriter(OutputFormat::Json, out, err);
    writer->Fail("before any row");
    EXPECT_EQ(out.str(), "");
    SessionRow row;
    row.Session = 1;
    row.Time = "00:01";
    writer->Row(row);
    writer->Fail("a \"quoted\" stop");
    EXPECT_EQ(out.str(),
        "{\n  \"sessions\": [\n    {\"session\": 1, \"max_winning\": 0.00, \"max_losing\": 0.00, "
        "\"hands\": 0, \"time\": \"00:01\", \"bankroll_end\": 0.00, \"won_lost\": 0.00, "
        "\"running_total\": 0.00, \"end\": \"played through\"}\n  ],\n"
        "  \"error\": \"a \\\"quoted\\\" stop\"\n}\n");
}

TEST(BjsimReport, AReturnThatRoundsToZeroShowsNoSign) {
    std::ostringstream out, err;
    SimResult result;
    result.ReturnPerHand = -0.00004;
    result.ReturnPerWagered = -1e-9;
    MakeReportWriter(OutputFormat::Table, out, err)->Finish(result);
    const std::string summary = out.str() + err.str();
    EXPECT_TRUE(Has(summary, "Return per hand:   0.0000 +/- 0.0000")) << summary;
    EXPECT_TRUE(Has(summary, "Return / wagered:  0.000000")) << summary;
}

TEST_F(Bjsim, ExactOnlyPrintsTheAnalysisWithoutPlaying) {
    const auto [status, json, err] = Run({"--exact-only", "--json", "--table", "best"});
    ASSERT_EQ(status, 0) << err;
    EXPECT_NEAR(
        Field(json, "exact_win") + Field(json, "exact_push") + Field(json, "exact_loss"), 1, 1e-7);
    EXPECT_TRUE(Has(json, "\"playing_strategy\": \"Best table\"")) << json;
    EXPECT_TRUE(Has(json, "{\"hand\": \"Soft 20\", \"returns\": [")) << json;
    EXPECT_FALSE(Has(json, "\"sessions\"")) << "nothing simulated";
    const auto basic = std::get<1>(Run({"--exact-only", "--json", "--table=basic"}));
    EXPECT_GE(Field(json, "exact_return"), Field(basic, "exact_return"));

    const auto [textStatus, text, textErr] = Run({"--exact-only", "--soft17", "hit"});
    ASSERT_EQ(textStatus, 0) << textErr;
    for (const char* line :
        {"Playing strategy:  Default\n", "Rules:             dealer hits soft 17",
            "Exact return:      -0.58", "\nSoft 12  ", "\n20       "})
        EXPECT_TRUE(Has(text, line)) << line << text;
}

TEST_F(Bjsim, SimulatedReturnPerRoundStandsBesideTheExactOne) {
    const auto [status, json, err] = Run({"--hands", "20000", "--seed", "5", "--json", "--table",
        "basic", "--double", "10-11", "--double-splits", "no", "--on21", "play-out"});
    ASSERT_EQ(status, 0) << err;
    const double se = Field(json, "return_per_round_stderr");
    ASSERT_GT(se, 0);
    EXPECT_NEAR((Field(json, "return_per_round") - Field(json, "exact_return")) / se,
        Field(json, "exact_distance_se"), 1e-3);
    EXPECT_EQ(Field(json, "rounds_won") + Field(json, "rounds_pushed") + Field(json, "rounds_lost"),
        Field(json, "rounds"));
}

TEST(BjsimMoney, TwoDecimalsHalvesToEvenGroupedOnRequest) {
    const std::tuple<std::int64_t, std::string, std::string> cases[] = {{25, "0.00", "0.00"},
        {150, "0.02", "0.02"}, {-50, "0.00", "0.00"}, {1000000, "100.00", "100.00"},
        {9999999, "1000.00", "1,000.00"}, {-12345678900, "-1234567.89", "-1,234,567.89"},
        {INT64_MAX, "922337203685477.58", "922,337,203,685,477.58"},
        {INT64_MIN, "-922337203685477.58", "-922,337,203,685,477.58"}};
    for (const auto& [units, plain, grouped] : cases) {
        EXPECT_EQ(MoneyText(Currency::FromUnits(units), false), plain);
        EXPECT_EQ(MoneyText(Currency::FromUnits(units), true), grouped);
    }
}

// Names as typed in the file, and as the table, CSV and JSON show them.
TEST(BjsimNames, ControlCharactersAndBadBytesAreEscapedAndCsvIsQuoted) {
    const std::tuple<std::string, std::string, std::string, std::string> cases[] = {
        {"Plain ñ €😀", "Plain ñ €😀", "Plain ñ €😀", "\"Plain ñ €😀\""},
        {"a\nb\tc\rd", "a\\nb\\tc\\rd", "a\\nb\\tc\\rd", "\"a\\u000ab\\u0009c\\u000dd\""},
        {"\x1b[2J\x7f", "\\x1b[2J\\x7f", "\\x1b[2J\\x7f", "\"\\u001b[2J\\u007f\""},
        {"\xc2\x9b"
         "1m",
            "\\xc2\\x9b1m", "\\xc2\\x9b1m", "\"\\u009b1m\""}, // C1 CSI
        {"a\\b \"q\"", "a\\\\b \"q\"", "\"a\\\\b \"\"q\"\"\"", "\"a\\\\b \\\"q\\\"\""},
        {"a,b", "a,b", "\"a,b\"", "\"a,b\""},
        // a direction override, which would show the rest of the line backwards
        {"Safe\xe2\x80\xaegnp.exe", "Safe\\xe2\\x80\\xaegnp.exe", "Safe\\xe2\\x80\\xaegnp.exe",
            "\"Safe\\u202egnp.exe\""},
        // stray, overlong, surrogate
        {"\xff\xc0\xaf\xed\xa0\x80", "\\xff\\xc0\\xaf\\xed\\xa0\\x80",
            "\\xff\\xc0\\xaf\\xed\\xa0\\x80", "\"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\""},
        // past U+10FFFF, cut short
        {"\xf4\x90\x80\x80"
         "x\xe2\x82",
            "\\xf4\\x90\\x80\\x80x\\xe2\\x82", "\\xf4\\x90\\x80\\x80x\\xe2\\x82",
            "\"\uFFFD\uFFFD\uFFFD\uFFFDx\uFFFD\uFFFD\""},
    };
    for (const auto& [name, shown, csv, json] : cases) {
        EXPECT_EQ(TerminalText(name), shown);
        EXPECT_EQ(CsvField(name), csv);
        EXPECT_EQ(JsonString(name), json);
    }
}

TEST(BjsimProgress, LineShowsShareHandsRateAndTimeLeftWithinTheWidth) {
    const std::tuple<double, std::int64_t, double, int, std::string> cases[] = {
        {0.5, 1000000, 2.0, 80,
            "[#############--------------]  50%  1,000,000 hands  500,000 hands/s  0:02 left"},
        {0.0, 0, 0.0, 80, "[" + std::string(40, '-') + "]   0%  0 hands  0 hands/s  --:-- left"},
        {0.25, 123456789, 3600.0, 200,
            "[##########" + std::string(30, '-')
                + "]  25%  123,456,789 hands  34,294 hands/s  3:00:00 left"},
        {1.7, 10, 1.0, 80, "[" + std::string(39, '#') + "] 100%  10 hands  10 hands/s  0:00 left"},
        {0.5, 1000000, 2.0, 30, " 50%  1,000,000 hands  500,00"}, // too narrow for a bar
    };
    for (const auto& [fraction, hands, seconds, columns, line] : cases)
        EXPECT_EQ(ProgressLine(fraction, hands, seconds, columns), line);
}

// Four sessions of 100 hands; a stopped session counts whole, a split past 100 no more.
TEST(BjsimProgress, RedrawsInPlaceByTheClockAndErasesItself) {
    double now = 100;
    std::ostringstream out;
    std::string drawn;
    {
        ProgressBar bar(out, {[&now] { return now; }, [] { return 80; }}, 4, 100);
        const auto at = [&](double time, const RunProgress& progress) {
            now = time;
            bar.Update(progress);
            return out.str();
        };
        EXPECT_EQ(at(100.1, {0, 50, 50}), "");
        bar.Hide();
        bar.Show();
        EXPECT_EQ(out.str(), "");
        const std::string line = "\r" + ProgressLine(0.375, 150, 0.2, 80) + "\x1b[K";
        EXPECT_EQ(at(100.2, {1, 150, 50}), line);
        EXPECT_EQ(at(100.3, {1, 190, 90}), line);
        bar.Hide();
        bar.Hide();
        bar.Show();
        bar.Show();
        drawn = line + "\r\x1b[K" + line;
        EXPECT_EQ(out.str(), drawn);
        drawn += "\r" + ProgressLine(0.75, 340, 0.4, 80) + "\x1b[K";
        EXPECT_EQ(at(100.4, {2, 340, 120}), drawn);
    }
    EXPECT_EQ(out.str(), drawn + "\r\x1b[K");
}

} // namespace
} // namespace bj::sim

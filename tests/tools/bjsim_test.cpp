#include "../store/store_test_support.h"
#include "store/betting_strategies.h"
#include "tools/bjsim/sim_report.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
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

// The store tests' fixture: a fresh folder, and `path` the database in it.
class Bjsim : public test::StoreTest {
protected:
    // Exit status, standard output and standard error. The arguments are plain words.
    std::tuple<int, std::string, std::string> Program(
        const std::string& program, const std::vector<std::string>& args) {
        std::string command = program + " >" + folder + "/out 2>" + folder + "/err";
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
        "1,5.00,-40.00,20,00:07,9985.00,-15.00,-15.00,played through\n"
        "2,0.00,-220.00,14,00:05,9765.00,-220.00,-235.00,loss\n"
        "3,5.00,-40.00,20,00:07,9750.00,-15.00,-250.00,played through\n");
    EXPECT_TRUE(Has(err, "Hands played:      54")) << err;
}

TEST_F(Bjsim, JsonSummaryAddsUpAndWithoutStopRulesEverySessionPlaysThrough) {
    const auto [status, json, err]
        = Run({"--sessions", "4", "--hands", "250", "--seed=18446744073709551615", "--json"});
    ASSERT_EQ(status, 0) << err;
    EXPECT_EQ(Field(json, "hands"), 1000);
    EXPECT_EQ(Field(json, "won") + Field(json, "lost") + Field(json, "tied"), 1000);
    EXPECT_EQ(Field(json, "bankroll_start"), 10000);
    EXPECT_NEAR(Field(json, "return_per_hand") * 1000, Field(json, "bankroll_end") - 10000, 0.01);
    EXPECT_GT(Field(json, "return_stderr"), 0);
    for (const char* key : {"blackjacks", "seconds", "hands_per_second"})
        EXPECT_GE(Field(json, key), 0) << key;
    EXPECT_TRUE(
        Has(json, "\n  \"sessions\": [") && Has(json, "\n  \"seed\": 18446744073709551615,"));
    EXPECT_EQ(std::count(json.begin(), json.end(), '{'), 5);
    EXPECT_FALSE(Has(json, "\"end\": \"win\"") || Has(json, "\"end\": \"loss\""));
}

TEST_F(Bjsim, UsesTheChosenStrategiesAndDecks) {
    {
        StrategyDb store = StrategyDb::Open(path);
        AppendStreakStrategy(store, StreakStrategy {2, "Flat \"25\"", 6, 1, 1, {25}, {25}});
        AppendVariableStrategy(store, VariableStrategy {.Name = "Var", .InitialBet = 10});
    }
    const auto [status, streak, err] = Run({"--streak", "2", "--hands", "10", "--json"});
    EXPECT_TRUE(Has(streak, "\"betting_strategy\": \"Flat \\\"25\\\"\"")) << streak << err;
    EXPECT_EQ(Field(streak, "decks"), 6);
    const auto variable
        = std::get<1>(Run({"--variable=2", "--decks", "2", "--hands", "10", "--json"}));
    EXPECT_TRUE(Has(variable, "\"betting_strategy\": \"Var\""));
    EXPECT_EQ(Field(variable, "decks"), 2);
    EXPECT_TRUE(Has(variable, "\"seed\": null")); // from the clock
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
             "Return per hand:", "hands per second"})
        EXPECT_TRUE(Has(out, line)) << line;
    EXPECT_TRUE(fs::exists(path)) << "no database beside the program";
}

TEST_F(Bjsim, HelpDocumentsEveryOption) {
    const auto [status, out, err] = Program(BJSIM_PATH, {"--help"});
    EXPECT_EQ(status, 0);
    for (const char* option :
        {"--db", "--playing", "--streak", "--variable", "--decks", "--sessions", "--hands",
            "--max-win", "--max-loss", "--bail-out", "--seed", "--csv", "--json"})
        EXPECT_TRUE(Has(out, option)) << option;
}

TEST_F(Bjsim, BadArgumentsGetAClearMessageAndCreateNothing) {
    const std::pair<std::vector<std::string>, std::string> cases[]
        = {{{"--fast"}, "unknown option '--fast'"}, {{"extra"}, "unexpected argument 'extra'"},
            {{"--hands"}, "--hands needs a value"},
            {{"--sessions", "ten"}, "--sessions needs a whole number"},
            {{"--hands", "99999999999"}, "--hands must be between 0"},
            {{"--decks", "0"}, "--decks must be between 1 and 100"},
            {{"--max-loss=-3"}, "--max-loss must be between"},
            {{"--max-loss", "inf"}, "--max-loss needs an amount"},
            {{"--streak", "1", "--variable", "1"}, "either --streak or --variable"},
            {{"--csv", "--json"}, "either --csv or --json"}};
    for (const auto& [args, message] : cases) {
        const auto [status, out, err] = Run(args);
        EXPECT_EQ(status, 2) << message;
        EXPECT_TRUE(Has(err, message)) << err;
        EXPECT_EQ(out, "");
    }
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(Bjsim, AMissingStrategyOrABadFileEndsWithStatusOne) {
    const auto [missing, out, why] = Run({"--playing", "9"});
    EXPECT_EQ(missing, 1);
    EXPECT_TRUE(Has(why, "no playing strategy with Ref_No 9")) << why;
    std::ofstream(path, std::ios::trunc) << "Standard Jet DB, honestly";
    const auto [foreign, none, err] = Run({});
    EXPECT_EQ(foreign, 1);
    EXPECT_TRUE(Has(err, "not a strategy database") && Has(err, path)) << err;
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
    const auto text = std::get<1>(Run({"--hands", "100"}));
    for (const char* line :
        {"Return per round:  ", "Exact return:      -0.582839 bets", "Simulated - exact: "})
        EXPECT_TRUE(Has(text, line)) << line << text;

    const std::pair<std::vector<std::string>, std::string> refused[]
        = {{{"--table", "worst"}, "--table takes one of stored, basic, best, not 'worst'"},
            {{"--exact-only", "--csv"}, "--exact-only prints text or --json, not --csv"},
            {{"--exact-only=yes"}, "--exact-only takes no value"}};
    for (const auto& [args, message] : refused) {
        const auto [code, out, why] = Run(args);
        EXPECT_EQ(code, 2);
        EXPECT_TRUE(Has(why, message)) << why;
    }
    const auto help = std::get<1>(Program(BJSIM_PATH, {"--help"}));
    for (const char* option :
        {"--exact-only", "--table", "--soft17", "--double ", "--double-splits", "--on21"})
        EXPECT_TRUE(Has(help, option)) << option;
}

TEST(BjsimMoney, TwoDecimalsHalvesToEvenGroupedOnRequest) {
    const std::tuple<std::int64_t, std::string, std::string> cases[]
        = {{25, "0.00", "0.00"}, {150, "0.02", "0.02"}, {-50, "0.00", "0.00"},
            {9999999, "1000.00", "1,000.00"}, {-12345678900, "-1234567.89", "-1,234,567.89"}};
    for (const auto& [units, plain, grouped] : cases) {
        EXPECT_EQ(MoneyText(Currency::FromUnits(units), false), plain);
        EXPECT_EQ(MoneyText(Currency::FromUnits(units), true), grouped);
    }
}

} // namespace
} // namespace bj::sim

#include "run_bjsim.h"

#include "store/betting_strategies.h"
#include "store/playing_strategies.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdlib.h>

namespace bj::test {
namespace {

class Bjsim : public ::testing::Test {
protected:
    Bjsim() {
        std::string pattern = (std::filesystem::temp_directory_path() / "bjsim-XXXXXX").string();
        folder = mkdtemp(pattern.data());
        db = folder + "/BlkJack.mdb";
    }
    ~Bjsim() override { std::filesystem::remove_all(folder); }

    ToolRun Run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--db", db});
        return RunBjsim(args);
    }

    // A number of the JSON summary (top level, one per line), found by its key.
    static double Field(const std::string& json, const std::string& key) {
        const std::string marker = "\n  \"" + key + "\": ";
        const auto at = json.find(marker);
        if (at == std::string::npos)
            throw std::runtime_error("no field " + key);
        return std::stod(json.substr(at + marker.size()));
    }

    // The output without the lines that measure time.
    static std::string WithoutTiming(const std::string& json) {
        std::istringstream lines(json);
        std::string kept, line;
        while (std::getline(lines, line))
            if (line.find("\"seconds\"") == std::string::npos
                && line.find("\"hands_per_second\"") == std::string::npos)
                kept += line + "\n";
        return kept;
    }

    std::string folder, db;
};

// Pinned: changes only when the engine's play or the stop rules change on purpose.
TEST_F(Bjsim, CsvOfAFixedSeedRunIsPinned) {
    const ToolRun run = Run({"--sessions", "3", "--hands", "20", "--seed", "11", "--csv",
        "--max-loss", "200", "--max-win", "100", "--bail-out", "50"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Out,
        "Session,Max. Winning Amt,Max. Losing Amt,Hands Played,Time (HH:MM),Total,Won/Lost,"
        "Total Won/Lost,End\n"
        "1,5.00,-40.00,20,00:07,9985.00,-15.00,-15.00,played through\n"
        "2,0.00,-220.00,14,00:05,9765.00,-220.00,-235.00,loss\n"
        "3,5.00,-40.00,20,00:07,9750.00,-15.00,-250.00,played through\n");
    EXPECT_NE(run.Err.find("Hands played:      54"), std::string::npos) << run.Err;
}

TEST_F(Bjsim, CreatesAndSeedsAMissingDatabase) {
    ASSERT_EQ(Run({"--hands", "5", "--seed", "1"}).ExitCode, 0);
    StrategyDb store = StrategyDb::Open(db);
    EXPECT_EQ(ListStreakStrategies(store).size(), 1u);
}

TEST_F(Bjsim, WithoutDbUsesTheFileBesideTheProgram) {
    const std::string copy = folder + "/bjsim";
    std::filesystem::copy_file(BJSIM_PATH, copy);
    ASSERT_EQ(RunProgram(copy, {"--hands", "5"}).ExitCode, 0);
    EXPECT_TRUE(std::filesystem::exists(db));
}

TEST_F(Bjsim, SameSeedSameRunAndTheSummaryAddsUp) {
    const std::vector<std::string> args {
        "--sessions", "4", "--hands", "250", "--seed", "5", "--json"};
    const ToolRun first = Run(args);
    ASSERT_EQ(first.ExitCode, 0) << first.Err;
    EXPECT_EQ(WithoutTiming(Run(args).Out), WithoutTiming(first.Out));

    const std::string& json = first.Out;
    const double hands = Field(json, "hands");
    EXPECT_EQ(hands, 1000);
    EXPECT_EQ(Field(json, "won") + Field(json, "lost") + Field(json, "tied"), hands);
    EXPECT_EQ(Field(json, "bankroll_start"), 10000);
    const double net = Field(json, "bankroll_end") - Field(json, "bankroll_start");
    EXPECT_NEAR(Field(json, "return_per_hand") * hands, net, 0.01);
    EXPECT_GT(Field(json, "return_stderr"), 0);
    EXPECT_NE(json.find("\"end\": \"played through\""), std::string::npos);
    EXPECT_EQ(std::count(json.begin(), json.end(), '{'), 5);
}

TEST_F(Bjsim, WithoutStopRulesEverySessionPlaysAllItsHands) {
    const ToolRun run = Run({"--sessions", "20", "--hands", "300", "--seed", "3", "--csv"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(std::count(run.Out.begin(), run.Out.end(), '\n'), 21);
    EXPECT_EQ(run.Out.find(",loss\n"), std::string::npos);
    EXPECT_EQ(run.Out.find(",win\n"), std::string::npos);
}

TEST_F(Bjsim, UsesTheChosenStrategiesAndDecks) {
    {
        StrategyDb store = StrategyDb::Open(db);
        StreakStrategy flat {
            .Name = "Flat \"25\"", .DecksInShoe = 6, .WinningSeqLength = 1, .LosingSeqLength = 1};
        flat.WinningHand[0] = flat.LosingHand[0] = 25;
        AppendStreakStrategy(store, flat);
        AppendVariableStrategy(store, VariableStrategy {.Name = "Var", .InitialBet = 10});
    }
    const ToolRun streak = Run({"--streak", "2", "--hands", "10", "--seed", "1", "--json"});
    EXPECT_NE(streak.Out.find("\"betting_strategy\": \"Flat \\\"25\\\"\""), std::string::npos)
        << streak.Out;
    EXPECT_EQ(Field(streak.Out, "decks"), 6);
    const ToolRun variable = Run({"--variable", "2", "--decks", "2", "--hands", "10", "--json"});
    EXPECT_NE(variable.Out.find("\"betting_strategy\": \"Var\""), std::string::npos);
    EXPECT_EQ(Field(variable.Out, "decks"), 2);
    EXPECT_NE(variable.Out.find("\"seed\": null"), std::string::npos);
}

TEST_F(Bjsim, TableIsTheDefaultOutput) {
    const ToolRun run = Run({"--hands", "30", "--seed", "2"});
    ASSERT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Out.rfind("Session  Max. Winning Amt", 0), 0u) << run.Out;
    EXPECT_NE(run.Out.find("Return per hand:"), std::string::npos);
    EXPECT_NE(run.Out.find("hands per second"), std::string::npos);
}

TEST_F(Bjsim, HelpDocumentsEveryOption) {
    const ToolRun run = RunBjsim({"--help"});
    EXPECT_EQ(run.ExitCode, 0);
    for (const char* option :
        {"--db", "--playing", "--streak", "--variable", "--decks", "--sessions", "--hands",
            "--max-win", "--max-loss", "--bail-out", "--seed", "--csv", "--json"})
        EXPECT_NE(run.Out.find(option), std::string::npos) << option;
}

struct BadArguments {
    std::string Name;
    std::vector<std::string> Args;
    std::string Message;
};
class BjsimArguments : public Bjsim, public ::testing::WithParamInterface<BadArguments> { };

TEST_P(BjsimArguments, AreRefusedWithAClearMessage) {
    const ToolRun run = Run(GetParam().Args);
    EXPECT_EQ(run.ExitCode, 2);
    EXPECT_NE(run.Err.find(GetParam().Message), std::string::npos) << run.Err;
    EXPECT_TRUE(run.Out.empty());
    EXPECT_FALSE(std::filesystem::exists(db)) << "nothing is created for a bad command line";
}

INSTANTIATE_TEST_SUITE_P(Tools, BjsimArguments,
    ::testing::Values(BadArguments {"Unknown", {"--fast"}, "unknown option '--fast'"},
        BadArguments {"Stray", {"extra"}, "unexpected argument 'extra'"},
        BadArguments {"NoValue", {"--hands"}, "--hands needs a value"},
        BadArguments {"NotANumber", {"--sessions", "ten"}, "--sessions needs a whole number"},
        BadArguments {"Negative", {"--hands", "-5"}, "--hands must be between 0"},
        BadArguments {"TooBig", {"--hands", "99999999999"}, "--hands must be between"},
        BadArguments {"ZeroDecks", {"--decks", "0"}, "--decks must be between 1 and 100"},
        BadArguments {"Percent", {"--bail-out", "101"}, "--bail-out must be between 0 and 100"},
        BadArguments {"Amount", {"--max-win", "lots"}, "--max-win needs an amount"},
        BadArguments {"NegativeAmount", {"--max-loss=-3"}, "--max-loss must be between"},
        BadArguments {"Infinite", {"--max-loss", "inf"}, "--max-loss needs an amount"},
        BadArguments {
            "BothKinds", {"--streak", "1", "--variable", "1"}, "either --streak or --variable"},
        BadArguments {"BothFormats", {"--csv", "--json"}, "either --csv or --json"},
        BadArguments {"RefZero", {"--playing", "0"}, "--playing must be between 1"}),
    [](const auto& info) { return info.param.Name; });

TEST_F(Bjsim, AMissingStrategyOrABadFileEndsWithStatusOne) {
    const ToolRun missing = Run({"--playing", "9"});
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_NE(missing.Err.find("no playing strategy with Ref_No 9"), std::string::npos)
        << missing.Err;
    std::ofstream(db, std::ios::trunc) << "Standard Jet DB, honestly";
    const ToolRun foreign = Run({});
    EXPECT_EQ(foreign.ExitCode, 1);
    EXPECT_NE(foreign.Err.find("not a strategy database"), std::string::npos) << foreign.Err;
}

} // namespace
} // namespace bj::test

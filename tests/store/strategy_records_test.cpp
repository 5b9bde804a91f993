#include "store_test_support.h"

#include "store/betting_strategies.h"
#include "store/playing_strategies.h"
#include "store/protected_defaults.h"
#include "store/sql_quote.h"

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <tuple>

namespace bj::test {
namespace {

// Values are bound, never spliced into SQL, so names like this one come back as they went in.
const std::string kQuoted = "O'Brien's'); DROP TABLE PlayersHand; --";

PlayingStrategy Sample(const std::string& name, std::int64_t refNo = 0) {
    PlayingStrategy s {refNo, name, 1, 0, 0, kPlayOutHand}; // doubles on 10 and 11 only
    for (int row = 0; row < kPlayerRows; ++row) {
        for (int col = 0; col < kDealerColumns; ++col)
            s.Actions[row][col] = (row + col) % 6;
        s.Ins[row] = row % 3 == 0;
    }
    return s;
}

StreakStrategy ThreeUp(const std::string& name, std::int64_t refNo = 0) {
    return {refNo, name, 6, 3, 2, {10, 20, 40}, {10, 5}}; // decks, lengths, bets
}

auto Fields(const PlayingStrategy& s) {
    return std::tuple(s.RefNo, s.Name, s.DoubleDown, s.SplitsDoubleDown, s.DealerSoft17,
        s.InsuranceOn21, s.Actions, s.Ins, s.StoredRows);
}
auto Fields(const StreakStrategy& s) {
    return std::tuple(s.RefNo, s.Name, s.DecksInShoe, s.WinningSeqLength, s.LosingSeqLength,
        s.WinningHand, s.LosingHand);
}
auto Fields(const VariableStrategy& v) {
    return std::tuple(v.RefNo, v.Name, v.InitialBet, v.MaximumBet, v.MinimumBet, v.MaintainMax,
        v.MaintainMin, v.WinAddSub, v.LoseAddSub, v.WinBet, v.LoseBet);
}

// The same operations on each kind of strategy, by Ref_No.
struct Kind {
    std::function<std::int64_t()> append; // a strategy named "New"
    std::function<std::vector<NamedRef>()> list;
    std::function<std::string(std::int64_t)> name; // "-" when not stored
    std::function<bool(std::int64_t)> rename, remove; // to "Re"; whether it was there
};

class Records : public StoreTest {
protected:
    StrategyDb db = StrategyDb::Open(path);
    RawDb raw {path};
    GameState gs;

    template <class T> static std::string NameOf(const std::optional<T>& s) {
        return s ? s->Name : "-";
    }
    std::vector<Kind> Kinds() {
        const auto named = [](const std::string& name, std::int64_t refNo = 0) {
            return VariableStrategy {.RefNo = refNo, .Name = name};
        };
        return {{[&] { return InsertPlayingStrategy(db, Sample("New")); },
                    [&] { return ListPlayingStrategies(db); },
                    [&](std::int64_t r) { return NameOf(LoadPlayingStrategyRecord(db, r)); },
                    [&](std::int64_t r) { return UpdatePlayingStrategy(db, Sample("Re", r)); },
                    [&](std::int64_t r) { return DeletePlayingStrategy(db, r) == 1; }},
            {[&] { return AppendStreakStrategy(db, ThreeUp("New")); },
                [&] { return ListStreakStrategies(db); },
                [&](std::int64_t r) { return NameOf(LoadStreakStrategy(db, r)); },
                [&](std::int64_t r) { return UpdateStreakStrategy(db, ThreeUp("Re", r)); },
                [&](std::int64_t r) { return DeleteStreakStrategy(db, r); }},
            {[&] { return AppendVariableStrategy(db, named("New")); },
                [&] { return ListVariableStrategies(db); },
                [&](std::int64_t r) { return NameOf(LoadVariableStrategy(db, r)); },
                [&](std::int64_t r) { return UpdateVariableStrategy(db, named("Re", r)); },
                [&](std::int64_t r) { return DeleteVariableStrategy(db, r); }}};
    }
};

// Appended after `last`, a strategy is listed last, renamed and deleted; its number is not
// given again, a missing one is neither renamed nor deleted, and `last` keeps `lastName`.
void ExpectEachStepReachesItsStrategy(
    const Kind& kind, std::int64_t last, const std::string& lastName) {
    const std::size_t count = kind.list().size();
    const std::int64_t added = kind.append();
    EXPECT_EQ(added, last + 1);
    const auto entries = kind.list();
    ASSERT_EQ(entries.size(), count + 1);
    EXPECT_EQ(std::tuple(entries.end()[-2].RefNo, entries.back().RefNo, entries.back().Name),
        std::tuple(last, added, std::string("New")));
    EXPECT_TRUE(kind.rename(added));
    EXPECT_EQ(kind.name(added) + kind.name(last), "Re" + lastName);
    EXPECT_TRUE(kind.remove(added));
    EXPECT_FALSE(kind.remove(added));
    EXPECT_FALSE(kind.rename(added));
    EXPECT_EQ(kind.name(added) + kind.name(last), "-" + lastName);
    EXPECT_EQ(kind.append(), added + 1);
}

TEST_F(Records, EachKindAppendsRenamesAndDeletesWithoutReusingNumbers) {
    for (const Kind& kind : Kinds())
        ExpectEachStepReachesItsStrategy(kind, 1, "Default");
}

// Names holding quotes come back as stored, a playing strategy's trimmed.
TEST_F(Records, EachKindComesBackAsStoredAndUpdated) {
    EXPECT_EQ(InsertPlayingStrategy(db, Sample("  " + kQuoted + " ")), 2);
    EXPECT_EQ(Fields(*LoadPlayingStrategyRecord(db, 2)), Fields(Sample(kQuoted, 2)));
    EXPECT_EQ(ListPlayingStrategies(db).back().Name, kQuoted);
    gs.PlayingStrategyChanged = true;
    ASSERT_TRUE(LoadPlayingStrategy(db, 2, gs));
    EXPECT_EQ(Fields(PlayingStrategyFromGameState(gs)), Fields(Sample(kQuoted, 2)));
    EXPECT_FALSE(gs.PlayingStrategyChanged);
    // A missing strategy leaves the state alone.
    EXPECT_FALSE(LoadPlayingStrategy(db, 99, gs));
    EXPECT_FALSE(LoadPlayingStrategyRecord(db, 99).has_value());
    EXPECT_EQ(Fields(PlayingStrategyFromGameState(gs)), Fields(Sample(kQuoted, 2)));

    PlayingStrategy changed = Sample("New", 2);
    changed.Actions[7][0] = kSplitOrStand;
    changed.Ins[7] = 1;
    changed.DealerSoft17 = 1;
    ASSERT_TRUE(UpdatePlayingStrategy(db, changed));
    EXPECT_EQ(Fields(*LoadPlayingStrategyRecord(db, 2)), Fields(changed));
    EXPECT_EQ(raw.Value("SELECT count(*) FROM PlayersHand"), "52");
    EXPECT_EQ(DeletePlayingStrategy(db, 2), 1);
    EXPECT_EQ(raw.Value("SELECT count(*) FROM PlayersHand"), "26");

    EXPECT_EQ(LoadStreakStrategy(db, 1)->LosingHand[5], 5.0); // beyond the seed's length
    EXPECT_EQ(AppendStreakStrategy(db, ThreeUp(kQuoted)), 2);
    EXPECT_EQ(Fields(*LoadStreakStrategy(db, 2)), Fields(ThreeUp(kQuoted, 2)));
    EXPECT_EQ(raw.Value("SELECT quote(Surrender) || HandsToPlay || Comments FROM "
                        "BettingStrategies WHERE Ref_No = 2"),
        "NULL50This is the Default settings.");
    StreakStrategy streak = ThreeUp("Changed", 2);
    streak.WinningHand[0] = 15;
    EXPECT_TRUE(UpdateStreakStrategy(db, streak));
    EXPECT_EQ(Fields(*LoadStreakStrategy(db, 2)), Fields(streak));

    VariableStrategy v {2, kQuoted, 12.5, 100, 2, 1, 0, 1, 0, 2.25, 3};
    EXPECT_EQ(AppendVariableStrategy(db, v), 2);
    EXPECT_EQ(Fields(*LoadVariableStrategy(db, 2)), Fields(v));
    v.LoseAddSub = v.MaintainMin = 1;
    EXPECT_TRUE(UpdateVariableStrategy(db, v));
    EXPECT_EQ(Fields(*LoadVariableStrategy(db, 2)), Fields(v));
    EXPECT_EQ(ListVariableStrategies(db).back().Name, kQuoted);
}

// A hand-edited file: rows missing and extra.
TEST_F(Records, MissingRowsKeepWhatWasInForceAndASaveRestoresThem) {
    InsertPlayingStrategy(db, Sample("Damaged"));
    raw.Exec("DELETE FROM PlayersHand WHERE Ref_No >= 20 AND PlayingStrategyRef_No = 2; INSERT "
             "INTO PlayersHand (Ref_No, PlayingStrategyRef_No, DA) VALUES (26, 2, 1)");
    ASSERT_TRUE(LoadPlayingStrategy(db, 1, gs));
    ASSERT_TRUE(LoadPlayingStrategy(db, 2, gs));
    for (int row = 20; row < kPlayerRows; ++row)
        EXPECT_EQ(gs.StrategyMatrix[row][3], row % 2) << "row " << row << " keeps the default";
    EXPECT_EQ(LoadPlayingStrategyRecord(db, 2)->StoredRows, 20);
    ASSERT_TRUE(UpdatePlayingStrategy(db, Sample("Damaged", 2)));
    EXPECT_EQ(LoadPlayingStrategyRecord(db, 2)->Actions, Sample("").Actions);
}

// The seeded strategies with the damage done, as loaded.
struct Seeded {
    PlayingStrategy playing;
    StreakStrategy streak;
    VariableStrategy variable;
};
using Damage = std::tuple<std::string, std::function<void(Seeded&)>, std::vector<std::string>>;

// The desktop program takes on the user's locale at start-up; this one writes 12.5 as 12,5.
class DecimalCommaLocale {
public:
    explicit DecimalCommaLocale(const std::string& folder) {
        const std::string made = folder + "/locales";
        fs::create_directories(made);
        const std::string make = "localedef -i de_DE -f UTF-8 " + made + "/de_DE.UTF-8";
        EXPECT_EQ(std::system(make.c_str()), 0) << "needs localedef and the locales package";
        setenv("LOCPATH", made.c_str(), 1);
        EXPECT_TRUE(std::setlocale(LC_ALL, "de_DE.UTF-8"));
        EXPECT_STREQ(std::localeconv()->decimal_point, ",");
    }
    ~DecimalCommaLocale() {
        std::setlocale(LC_ALL, "C");
        unsetenv("LOCPATH");
    }
    DecimalCommaLocale(const DecimalCommaLocale&) = delete;
    DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;
};

// Values the editors could not have saved are put within their limits when loaded, each
// noted once; the file keeps them.
TEST_F(Records, DamagedValuesAreCorrectedOnLoadAndNotedWithoutChangingTheFile) {
    const auto load = [](StrategyDb& file) {
        return Seeded {*LoadPlayingStrategyRecord(file, 1), *LoadStreakStrategy(file, 1),
            *LoadVariableStrategy(file, 1)};
    };
    const Seeded seeded = load(db);
    int round = 0;
    const Damage cases[] = {{"", [](Seeded&) {}, {}},
        {"UPDATE BettingStrategies SET WinningHand1 = -5, WinningHand2 = 40000, WinningHand3 = "
         "12.5, WinningHand4 = 'abc', WinningHand5 = NULL, WinningHand6 = NULL, WinningHand7 = "
         "1e999, LosingHand1 = ' 7 '",
            [](Seeded& s) {
                s.streak.WinningHand = {1, 32767, 12, 1, 1, {}, 1, 5, 5, 5},
                s.streak.LosingHand[0] = 7;
            },
            {"winning bet 1 was -5 and is now 1", "winning bet 2 was 40000 and is now 32767",
                "winning bet 3 was 12.5 and is now 12", "winning bet 4 was \"abc\" and is now 1",
                "winning bet 5 was empty and is now 1", "winning bet 7 was Inf and is now 1"}},
        {"UPDATE BettingStrategies SET DecksInShoe = 20, WinningSeqLength = 0, LosingSeqLength = "
         "NULL",
            [](Seeded& s) {
                s.streak.DecksInShoe = 8;
                s.streak.WinningSeqLength = s.streak.LosingSeqLength = 1;
            },
            {"the number of decks was 20 and is now 8",
                "the length of the winning sequence was 0 and is now 1",
                "the length of the losing sequence was empty and is now 1"}},
        {"UPDATE VariableBet SET InitialBet = 0.004, MaximumBet = 2e9, MinimumBet = -3, "
         "MaintainMax = 7, MaintainMin = -1, WinAddSub = -1, LoseAddSub = 1, WinBet = -2e9, "
         "LoseBet = 'x'",
            [](Seeded& s) {
                s.variable = {1, "Default", 0.01, 1e9, 0.01, 1, 1, 0, 1, 0, 0};
            },
            {"the initial bet was 0.004 and is now 0.01",
                "the maximum bet was 2000000000 and is now 1000000000",
                "the minimum bet was -3 and is now 0.01",
                "the choice on reaching the maximum bet was 7 and is now Use Initial Bet",
                "the choice on reaching the minimum bet was -1 and is now Use Initial Bet",
                "the choice after a win was -1 and is now Add",
                "the amount after a win was -2000000000 and is now 0",
                "the amount after a loss was \"x\" and is now 0"}},
        {"UPDATE PlayingStrategies SET DoubleDown = 3, SplitsDoubleDown = 'yes', DealerSoft17 = "
         "-1, InsuranceOn21 = 2; UPDATE PlayersHand SET DA = 9, D10 = -2, D9 = 2.6, D8 = '4', D7 "
         "= NULL, Ins = 3 WHERE Ref_No = 16; DELETE FROM PlayersHand WHERE Ref_No >= 24; INSERT "
         "INTO PlayersHand (Ref_No, PlayingStrategyRef_No, DA) VALUES (26, 1, 1)",
            [](Seeded& s) {
                s.playing.DoubleDown = 1;
                s.playing.SplitsDoubleDown = 0;
                s.playing.InsuranceOn21 = kPlayOutHand;
                s.playing.Actions[16] = {kSplitOrDouble, kHit, kSplitOrHit, kSplitOrStand};
                s.playing.Ins[16] = 1;
                s.playing.Actions[24] = s.playing.Actions[25] = {};
                s.playing.Ins[25] = 0;
                s.playing.StoredRows = 24;
            },
            {"the dealer's soft 17 rule was -1 and is now Stand",
                "the double down rule was 3 and is now 10 and 11 Only",
                "doubling down after a split was \"yes\" and is now No",
                "the action for 16 with the dealer showing A was 9 and is now Split or Double "
                "Down",
                "the action for 16 with the dealer showing 10 was -2 and is now Hit",
                "the action for 16 with the dealer showing 9 was 2.6 and is now Split or Hit",
                "the insurance for 16 was 3 and is now Yes",
                "the rows for 2 of the 26 hands are missing"}},
        // -1 is how other writers store yes; a fraction is taken to the cent before it is
        // rounded to a whole number.
        {"UPDATE PlayingStrategies SET SplitsDoubleDown = -1; UPDATE PlayersHand SET Ins = -1, "
         "D6 = 1.4951 WHERE Ref_No = 15",
            [](Seeded& s) {
                s.playing.SplitsDoubleDown = 1;
                s.playing.Ins[15] = 1;
                s.playing.Actions[15][5] = kDoubleDown;
            },
            {"the action for Soft 15 with the dealer showing 6 was 1.4951 and is now Double "
             "Down"}},
        // A stray row takes no real one's place, so the one missing is noticed.
        {"DELETE FROM PlayersHand WHERE Ref_No = 5; INSERT INTO PlayersHand (Ref_No, "
         "PlayingStrategyRef_No, DA) VALUES (0.3, 1, 1), ('x', 1, 1), (-0.4, 1, 1)",
            [](Seeded& s) {
                s.playing.Actions[5] = {};
                s.playing.Ins[5] = 0;
                s.playing.StoredRows = 25;
            },
            {"the rows for 1 of the 26 hands are missing"}},
        // Text that is no number in the C locale is none in any other either.
        {"UPDATE VariableBet SET InitialBet = '10,5'",
            [](Seeded& s) { s.variable.InitialBet = 0.01; },
            {"the initial bet was \"10,5\" and is now 0.01"}}};
    const auto check = [&](const Damage& each) {
        const auto& [damage, change, notes] = each;
        SCOPED_TRACE(damage);
        const std::string damaged = folder + "/" + std::to_string(++round) + ".mdb";
        StrategyDb file = StrategyDb::Open(damaged);
        RawDb(damaged).Exec(damage);
        const std::string before = ReadFileBytes(damaged);
        Seeded expected = seeded;
        change(expected);
        const Seeded loaded = load(file);
        EXPECT_EQ(Fields(loaded.playing), Fields(expected.playing));
        EXPECT_EQ(Fields(loaded.streak), Fields(expected.streak));
        EXPECT_EQ(Fields(loaded.variable), Fields(expected.variable));
        std::vector<std::string> noted = loaded.playing.Corrections;
        for (const auto* more : {&loaded.streak.Corrections, &loaded.variable.Corrections})
            noted.insert(noted.end(), more->begin(), more->end());
        EXPECT_EQ(noted, notes);
        EXPECT_EQ(ReadFileBytes(damaged), before);
    };
    std::ranges::for_each(cases, check);
    const DecimalCommaLocale comma(folder);
    std::ranges::for_each(cases, check);
}

// Keys past the 32-bit range: the strategy after 2147483647 gets 2147483648, and every
// operation reaches the strategy it names.
TEST_F(Records, KeysPastThe32BitRangeReachTheStrategyTheyName) {
    const std::int64_t old = 2147483647;
    InsertPlayingStrategy(db, Sample("Old"));
    raw.Exec("UPDATE PlayingStrategies SET Ref_No = 2147483647 WHERE Ref_No = 2; UPDATE "
             "PlayersHand SET PlayingStrategyRef_No = 2147483647 WHERE PlayingStrategyRef_No = "
             "2; INSERT INTO BettingStrategies (Ref_No, Name) VALUES (2147483647, 'Old'); INSERT "
             "INTO VariableBet (Ref_No, Name) VALUES (2147483647, 'Old')");
    for (const Kind& kind : Kinds())
        ExpectEachStepReachesItsStrategy(kind, old, "Old");
    ASSERT_TRUE(LoadPlayingStrategy(db, old, gs));
    EXPECT_EQ(gs.PlayingStrategyRefNo, old);
}

// A converted file may keep Ref_No as a plain column, which numbers nothing by itself.
TEST_F(Records, AFileWhoseRefNoIsAPlainColumnStillNumbersNewStrategies) {
    for (const char* table : {"BettingStrategies", "PlayingStrategies", "VariableBet"})
        raw.Exec(std::string("CREATE TABLE Plain AS SELECT * FROM ") + table + "; DROP TABLE "
            + table + "; ALTER TABLE Plain RENAME TO " + table);
    for (const Kind& kind : Kinds()) {
        const std::int64_t added = kind.append();
        EXPECT_EQ(added, 2);
        EXPECT_EQ(kind.name(added), "New");
        EXPECT_TRUE(kind.rename(added));
        EXPECT_EQ(kind.name(added) + kind.name(1), "ReDefault");
        EXPECT_TRUE(kind.remove(added));
    }
    EXPECT_EQ(raw.Value("SELECT count(*) FROM PlayersHand"), "26");
    // A text is no number to follow, and the last number has none after it.
    raw.Exec("INSERT INTO VariableBet (Ref_No, Name) VALUES ('zz', 'Text')");
    EXPECT_EQ(Kinds()[2].append(), 2);
    raw.Exec("UPDATE VariableBet SET Ref_No = 9223372036854775807 WHERE Ref_No = 'zz'");
    ExpectRefusal([&] { Kinds()[2].append(); }, StoreProblem::Other, path, "no Ref_No left");
    EXPECT_EQ(raw.Value("SELECT count(*) FROM VariableBet"), "3");
}

// Ref_No 1 is protected whatever its name.
TEST_F(Records, TheDefaultOfEachKindCanBeNeitherOverwrittenNorDeleted) {
    raw.Exec("UPDATE PlayingStrategies SET Name = 'Mine'; UPDATE BettingStrategies SET Name = "
             "'Mine'; UPDATE VariableBet SET Name = 'Mine'");
    const std::string before = ReadFileBytes(path);
    for (const Kind& kind : Kinds()) {
        ExpectRefusal([&] { kind.rename(1); }, StoreProblem::ProtectedDefault, path, "default");
        ExpectRefusal([&] { kind.remove(1); }, StoreProblem::ProtectedDefault, path, "default");
    }
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_FALSE(IsProtectedDefault(2));
}

TEST_F(Records, ApplyingStrategiesClampsDecksAndLengthsAndTakesTwoDecimals) {
    StreakStrategy s {0, "x", 0, 14, -2, {10, 20, 40}, {10, 5}};
    ApplyStreakStrategy(s, gs);
    EXPECT_EQ(std::tuple(gs.DecksInShoe, gs.WinStreakLength, gs.LoseStreakLength,
                  gs.WinningHandBets[3], gs.WinningHandBets[4]), // the last is Null
        std::tuple(1, 10, 1, 40.0, 0.0));
    s.DecksInShoe = 2000000000;
    ApplyStreakStrategy(s, gs);
    EXPECT_EQ(gs.DecksInShoe, 8);
    ApplyVariableStrategy(VariableStrategy {4, "v", 10.126, 50, 5.004, 1, 1, 1, 1, 1, 2}, gs);
    EXPECT_EQ(std::tuple(gs.VariableBetRefNo, gs.InitialBet, gs.MinimumBet, gs.LoseAddSub,
                  gs.LoseBet, gs.VariableStrategyLoaded),
        std::tuple(4, 10.13, 5.0, 1, 2.0, true));
}

TEST(StoreLists, PositionsOutsideTheListAreClampedIntoIt) {
    const int cases[][3] = {{0, 3, 0}, {2, 3, 2}, {3, 3, 2}, {-1, 3, 0}, {0, 0, -1}, {-1, 0, -1}};
    for (const auto& [index, count, expected] : cases)
        EXPECT_EQ(ClampListIndex(index, count), expected) << index << " of " << count;
}

TEST(StoreQuoting, SqlQuoteDoublesEverySingleQuote) {
    EXPECT_EQ(SqlQuote("O'Brien"), "O''Brien");
    RawDb memory(":memory:");
    for (const std::string& text : {kQuoted, std::string(), std::string("''")})
        EXPECT_EQ(memory.Value("SELECT '" + SqlQuote(text) + "'"), text);
}

} // namespace
} // namespace bj::test

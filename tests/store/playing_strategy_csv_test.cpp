#include "engine/best_table.h"
#include "store/playing_strategies.h"
#include "store/playing_strategy_csv.h"
#include "store_test_support.h"

#include <functional>
#include <sstream>
#include <tuple>

namespace bj::test {
namespace {

// Read back, a strategy is a new one (Ref_No 0) with every field written.
void ExpectReadBackAs(const PlayingStrategy& written, const PlayingStrategy& expected) {
    const PlayingStrategyCsv read = PlayingStrategyFromCsv(PlayingStrategyToCsv(written));
    EXPECT_EQ(read.Error, "");
    const auto fields = [](const PlayingStrategy& s, std::int64_t refNo) {
        return std::tuple(refNo, s.Name, s.DoubleDown, s.SplitsDoubleDown, s.DealerSoft17,
            s.InsuranceOn21, s.Actions, s.Ins);
    };
    const PlayingStrategy& s = read.Strategy.value_or(PlayingStrategy {});
    EXPECT_EQ(fields(s, s.RefNo), fields(expected, 0));
}

class PlayingStrategyCsvTest : public StoreTest {
protected:
    PlayingStrategy Seeded() {
        StrategyDb db = StrategyDb::Open(path);
        return LoadPlayingStrategyRecord(db, 1).value();
    }
};

// Codes a row does not offer are written as the ones that play alike.
TEST_F(PlayingStrategyCsvTest, SeededBestAndUnofferedCodesReadBackAsTheyPlay) {
    GameState gs;
    PutPlayingTable(BestTable({1, false, 0, kPlayOutHand}), gs);
    gs.PlayingStrategyName = "Best, \"H17\" \xC3\xA0 la carte \xE2\x80\x94 \xE7\x89\x8C";
    const PlayingStrategy seeded = Seeded(), best = PlayingStrategyFromGameState(gs);
    PlayingStrategy unoffered = seeded;
    unoffered.Actions[1] = {3, 4, 5, 0, 1, 2, 3, 4, 5, 0}; // hard 5 cannot split
    unoffered.Actions[9] = {4, 5, 3, 0, 1, 2, 4, 5, 3, 0}; // Soft 12: every split code splits
    PlayingStrategy alike = unoffered;
    alike.Actions[1] = {0, 1, 2, 0, 1, 2, 0, 1, 2, 0};
    alike.Actions[9] = {3, 3, 3, 0, 1, 2, 3, 3, 3, 0};
    for (const auto& [written, expected] :
        {std::pair(seeded, seeded), std::pair(best, best), std::pair(unoffered, alike)})
        ExpectReadBackAs(written, expected);
}

// The written file of the seeded strategy, one entry a line; line n is lines[n - 1].
using Damage = std::function<void(std::vector<std::string>& lines)>;

Damage Replace(int line, std::string text) {
    return [=](auto& lines) { lines[line - 1] = text; };
}
Damage Erase(int line) {
    return [=](auto& lines) { lines.erase(lines.begin() + (line - 1)); };
}
Damage Insert(int line, std::string text) {
    return [=](auto& lines) { lines.insert(lines.begin() + (line - 1), text); };
}

struct DamagedFile {
    const char* What;
    Damage Change;
    std::string Error; // empty: accepted
    const char* LineEnd = "\n";
};

const DamagedFile kDamagedFiles[] = {
    {"wrong header", Replace(1, "Hand,2,3,4,5,6,7,8,9,10,A,Insurance"),
        "Line 1: the first line must be the header Hand,A,10,9,8,7,6,5,4,3,2,Insurance."},
    {"empty file", [](auto& lines) { lines.clear(); },
        "Line 1: the first line must be the header Hand,A,10,9,8,7,6,5,4,3,2,Insurance."},
    {"a missing row", Erase(12),
        "Line 12: the row for hand 13 is missing (this line is hand Soft 13)."},
    {"the last row missing", Erase(27),
        "Line 27: the row for hand Soft 20 is missing; a strategy has 26 rows."},
    {"an extra row", Insert(28, "20,1,1,1,1,1,1,1,1,1,1,0"),
        "Line 28: there is a row too many (hand 20); a strategy has 26 rows."},
    {"a row twice", Replace(5, "6,0,0,0,0,0,0,0,0,0,0,0"),
        "Line 5: hand 6 comes again or out of order; hand 7 belongs here."},
    {"a wrong hand text", Replace(5, "Seven,0,0,0,0,0,0,0,0,0,0,1"),
        "Line 5: \"Seven\" is not a hand; hand 7 belongs here."},
    {"code 4 on an odd row", Replace(3, "5,4,1,1,1,1,1,1,1,1,1,1"),
        "Line 3: hand 5 against A cannot take 4 Split or Stand; it takes 0 Hit, 1 Stand or 2 "
        "Double Down."},
    {"code 3 on Soft 13", Replace(13, "Soft 13,1,1,1,1,1,1,1,1,1,3,1"),
        "Line 13: hand Soft 13 against 2 cannot take 3 Split or Hit; it takes 0 Hit, 1 Stand or "
        "2 Double Down."},
    {"code 4 on Soft 12", Replace(11, "Soft 12,4,1,1,1,1,1,1,1,1,1,1"),
        "Line 11: hand Soft 12 against A cannot take 4 Split or Stand; it takes 0 Hit, 1 Stand, "
        "2 Double Down or 3 Split & Take 1 Card."},
    {"letters for a code", Replace(18, "16,0,H,0,0,0,0,0,0,0,0,0"),
        "Line 18: the action of hand 16 against 10 is \"H\"; it must be an action code from 0 to "
        "5."},
    {"a short row", Replace(2, "4,0,0,0"),
        "Line 2: hand 4 has 3 values; it needs 11, ten action codes and the insurance flag."},
    // A long field is quoted by its start, not cut inside the three bytes of an em dash.
    {"a long field",
        Replace(18,
            "16,0," + std::string(22, '1') + "\xE2\x80\x94" + std::string(9000, '1')
                + ",0,0,0,0,0,0,0,0,0"),
        "Line 18: the action of hand 16 against 10 is \"" + std::string(22, '1')
            + "...\"; it must be an action code from 0 to 5."},
    {"insurance flag 2", Replace(4, "6,0,0,0,0,0,0,0,0,0,0,2"),
        "Line 4: the insurance flag of hand 6 is \"2\"; it must be 0 or 1."},
    {"a missing rule", Erase(30), "Line 30: the rule DealerSoft17 is missing."},
    {"rules out of order", [](auto& lines) { std::swap(lines[27], lines[29]); },
        "Line 28: the rule DoubleDownRule belongs here, not on line 30."},
    {"an unknown rule", Replace(29, "Surrender,1"),
        "Line 29: the rule DoubleOnSplits belongs here, not \"Surrender\"."},
    {"a rule out of range", Replace(31, "InsuranceOn21,3"),
        "Line 31: InsuranceOn21 is \"3\"; it must be 0, 1 or 2."},
    {"a rule without a value", Replace(28, "DoubleDownRule"),
        "Line 28: DoubleDownRule needs one value, 0 or 1."},
    {"the name missing", Erase(32), "Line 32: the name is missing."},
    {"a rule for the name", Replace(32, "Nom,x"), "Line 32: the name belongs here, not \"Nom\"."},
    {"a comma outside quotes", Replace(32, "Name,Hit,Stand"),
        "Line 32: the name holds a comma, so it must stand in double quotes."},
    {"an unclosed quote", Replace(32, "Name,\"Hit"), "Line 32: a quoted field is not closed."},
    {"text after a quote", Replace(32, "Name,\"Hit\"x"),
        "Line 32: there is text after a closing double quote."},
    {"51 characters", Replace(32, "Name," + std::string(51, 'x')),
        "Line 32: the name has 51 characters; at most 50 are allowed."},
    {"a bracket", Replace(32, "Name,Mine [DEFAULT]"),
        "Line 32: the name may not hold \"[\" or \"]\", which mark the program's own strategies."},
    {"not UTF-8", Replace(32, "Name,caf\xE9"), "Line 32: the name is not UTF-8 text."},
    {"a quoted line break in the name", Replace(32, "Name,\"two\nlines\""),
        "Line 32: the name may not hold a line break, a tab or another control character."},
    {"a next line character", Replace(32, "Name,two\xC2\x85lines"),
        "Line 32: the name may not hold a line break, a tab or another control character."},
    {"a line separator", Replace(32, "Name,two\xE2\x80\xA8lines"),
        "Line 32: the name may not hold a line break, a tab or another control character."},
    {"a right-to-left override",
        Replace(32,
            "Name,gnp.\xE2\x80\xAE"
            "exe"),
        "Line 32: the name may not hold a line break, a tab or another control character."},
    {"a line after the name", Insert(33, "x"), "Line 33: nothing may follow the name."},
    {"lines counted across a quoted line break",
        [](auto& lines) {
            lines[31] = "Name,\"two\nlines\"";
            lines.push_back("x");
        },
        "Line 34: nothing may follow the name."},
    {"CRLF and a byte order mark", [](auto& lines) { lines[0] = "\xEF\xBB\xBF" + lines[0]; }, "",
        "\r\n"},
    {"blank lines at the end", [](auto& lines) { lines.resize(lines.size() + 2); }, ""},
    {"50 characters of two bytes", Replace(32, "Name," + Repeat("\xC3\xA9", 50)), ""},
    // U+1F600 takes two of the name box's 50 units, which would cut the 31 characters.
    {"a and 30 emoji", Replace(32, "Name,a" + Repeat("\xF0\x9F\x98\x80", 30)),
        "Line 32: the name has 61 characters, counting each emoji or other character beyond "
        "U+FFFF as two; at most 50 are allowed."},
    {"25 emoji", Replace(32, "Name," + Repeat("\xF0\x9F\x98\x80", 25)), ""},
};

TEST_F(PlayingStrategyCsvTest, DamagedFilesAreRefusedWithTheirLine) {
    std::vector<std::string> written;
    std::istringstream lines(PlayingStrategyToCsv(Seeded()));
    for (std::string line; std::getline(lines, line);)
        written.push_back(line.substr(0, line.size() - 1)); // without the CR
    ASSERT_EQ(written.size(), 32u);

    for (const DamagedFile& file : kDamagedFiles) {
        std::vector<std::string> damaged = written;
        file.Change(damaged);
        std::string text;
        for (const std::string& line : damaged)
            text += line + file.LineEnd;
        const PlayingStrategyCsv read = PlayingStrategyFromCsv(text);
        EXPECT_EQ(read.Error, file.Error) << file.What;
        EXPECT_EQ(read.Strategy.has_value(), file.Error.empty()) << file.What;
    }
}

} // namespace
} // namespace bj::test

#include "store/playing_strategy_csv.h"

#include "engine/hand_rules.h"
#include "store/csv_text.h"

#include <algorithm>
#include <cstdint>

namespace bj {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kNameCharacters = 50;
constexpr int kHeaderRecord = 0, kFirstRowRecord = 1, kFirstRuleRecord = 1 + kPlayerRows;

const std::vector<std::string> kHeader {
    "Hand", "A", "10", "9", "8", "7", "6", "5", "4", "3", "2", "Insurance"};

struct Rule {
    const char* Key;
    int PlayingStrategy::*Field;
    int Highest;
};

const Rule kRules[] = {
    {"DoubleDownRule", &PlayingStrategy::DoubleDown, 1},
    {"DoubleOnSplits", &PlayingStrategy::SplitsDoubleDown, 1},
    {"DealerSoft17", &PlayingStrategy::DealerSoft17, 1},
    {"InsuranceOn21", &PlayingStrategy::InsuranceOn21, kPlayOutHand},
};
constexpr const char* kNameKey = "Name";

struct LineError {
    int Line;
    std::string What;
};

// A long field is quoted by its start, cut where a character starts: the whole of it could
// fill the screen.
std::string Quoted(const std::string& text) {
    constexpr std::size_t kShown = 24;
    if (text.size() <= kShown)
        return "\"" + text + "\"";
    std::size_t end = kShown;
    while (end > 0 && static_cast<unsigned char>(text[end]) >> 6 == 2)
        --end;
    return "\"" + text.substr(0, end) + "...\"";
}

std::string OfferedCodesText(int row) {
    std::string text;
    const std::vector<int>& offered = OfferedActions(row);
    for (std::size_t i = 0; i < offered.size(); ++i)
        text += (i == 0                           ? ""
                        : i + 1 == offered.size() ? " or "
                                                  : ", ")
            + std::to_string(offered[i]) + " " + ActionName(row, offered[i]);
    return text;
}

// A one-digit number from 0 to highest.
std::optional<int> Digit(const std::string& text, int highest) {
    if (text.size() != 1 || text[0] < '0' || text[0] > '0' + highest)
        return std::nullopt;
    return text[0] - '0';
}

std::string HeaderLine() {
    std::string line;
    for (const std::string& name : kHeader)
        line += (line.empty() ? "" : ",") + name;
    return line;
}

// Bytes of the UTF-8 sequence a lead byte begins; 0 for a byte that begins none.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >> 5 == 0x6)
        return 2;
    if (lead >> 4 == 0xE)
        return 3;
    return lead >> 3 == 0x1E ? 4 : 0;
}

struct NameLength {
    std::size_t Characters = 0;
    // As the name boxes count and cut: a character beyond U+FFFF takes two UTF-16 units.
    std::size_t Units = 0;
    // Control characters, line and paragraph separators, and the marks that reverse the
    // direction of the text after them.
    bool Controls = false;
};

// The length of well-formed UTF-8, none when it is not.
std::optional<NameLength> Utf8Length(std::string_view text) {
    NameLength length;
    for (std::size_t at = 0; at < text.size(); ++length.Characters) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const int bytes = SequenceLength(lead);
        if (bytes == 0 || at + bytes > text.size())
            return std::nullopt;
        std::uint32_t point = bytes == 1 ? lead : lead & (0x7F >> bytes);
        for (int i = 1; i < bytes; ++i) {
            const auto next = static_cast<unsigned char>(text[at + i]);
            if (next >> 6 != 2)
                return std::nullopt;
            point = point << 6 | (next & 0x3F);
        }
        constexpr std::uint32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
        if (point < kLeast[bytes] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
            return std::nullopt;
        length.Units += point > 0xFFFF ? 2 : 1;
        length.Controls = length.Controls || IsControlCharacter(point);
        at += bytes;
    }
    return length;
}

int RowOfHandText(const std::string& text) {
    for (int row = 0; row < kPlayerRows; ++row)
        if (PlayerHandText(row) == text)
            return row;
    return -1;
}

bool IsRuleKey(const std::string& text) {
    return text == kNameKey
        || std::any_of(std::begin(kRules), std::end(kRules),
            [&](const Rule& rule) { return text == rule.Key; });
}

class CsvReader {
public:
    explicit CsvReader(std::vector<CsvRecord> records)
        : records_(std::move(records)) {
        while (!records_.empty() && records_.back().Fields == std::vector<std::string> {""})
            records_.pop_back();
        endLine_ = records_.empty() ? 1 : records_.back().Line + 1;
    }

    PlayingStrategy Read() {
        ReadHeader();
        for (int row = 0; row < kPlayerRows; ++row)
            ReadRow(row, kFirstRowRecord + row);
        int record = kFirstRuleRecord;
        for (const Rule& rule : kRules)
            strategy_.*rule.Field = ReadRule(rule, record++);
        // Lines after the name come first: a name refused for its line break would hide them.
        if (record + 1 < static_cast<int>(records_.size()))
            throw LineError {records_[record + 1].Line, "nothing may follow the name"};
        ReadName(record);
        return strategy_;
    }

private:
    // The record at `index`, or a refusal naming what is missing there.
    const CsvRecord& At(int index, const std::string& missing) const {
        if (index >= static_cast<int>(records_.size()))
            throw LineError {endLine_, missing};
        return records_[index];
    }

    void ReadHeader() const {
        const std::string wanted = "the first line must be the header " + HeaderLine();
        if (At(kHeaderRecord, wanted).Fields != kHeader)
            throw LineError {records_[kHeaderRecord].Line, wanted};
    }

    void ReadRow(int row, int index) {
        const std::string hand = PlayerHandText(row);
        const std::string missing
            = "the row for hand " + hand + " is missing; a strategy has 26 rows";
        const CsvRecord& record = At(index, missing);
        const std::vector<std::string>& fields = record.Fields;
        CheckHand(row, fields[0], record.Line, missing);
        if (fields.size() != kHeader.size())
            throw LineError {record.Line,
                "hand " + hand + " has " + std::to_string(fields.size() - 1)
                    + " values; it needs 11, ten action codes and the insurance flag"};
        for (int column = 0; column < kDealerColumns; ++column)
            strategy_.Actions[row][column] = ReadCode(row, column, fields[1 + column], record.Line);
        const std::optional<int> insured = Digit(fields.back(), 1);
        if (!insured)
            throw LineError {record.Line,
                "the insurance flag of hand " + hand + " is " + Quoted(fields.back())
                    + "; it must be 0 or 1"};
        strategy_.Ins[row] = *insured;
    }

    static void CheckHand(int row, const std::string& text, int line, const std::string& missing) {
        const int found = RowOfHandText(text);
        if (found == row)
            return;
        const std::string hand = PlayerHandText(row);
        if (found > row)
            throw LineError {
                line, "the row for hand " + hand + " is missing (this line is hand " + text + ")"};
        if (found >= 0)
            throw LineError {line,
                "hand " + text + " comes again or out of order; hand " + hand + " belongs here"};
        if (IsRuleKey(text))
            throw LineError {line, missing};
        throw LineError {line, Quoted(text) + " is not a hand; hand " + hand + " belongs here"};
    }

    static int ReadCode(int row, int column, const std::string& text, int line) {
        const std::string where
            = "hand " + PlayerHandText(row) + " against " + DealerCardText(column);
        const std::optional<int> code = Digit(text, kSplitOrDouble);
        if (!code)
            throw LineError {line,
                "the action of " + where + " is " + Quoted(text)
                    + "; it must be an action code from 0 to 5"};
        if (!IsOfferedAction(row, *code))
            throw LineError {line,
                where + " cannot take " + std::to_string(*code) + " " + ActionName(row, *code)
                    + "; it takes " + OfferedCodesText(row)};
        return *code;
    }

    const CsvRecord& RuleRecord(const char* key, int index) const {
        const std::string what
            = std::string_view(key) == kNameKey ? "the name" : std::string("the rule ") + key;
        const CsvRecord& record = At(index, what + " is missing");
        const std::string& found = record.Fields[0];
        if (found == key)
            return record;
        if (RowOfHandText(found) >= 0)
            throw LineError {record.Line,
                "there is a row too many (hand " + found + "); a strategy has 26 rows"};
        if (IsRuleKey(found)) {
            // Out of order rather than missing: say where it stands.
            for (std::size_t later = index + 1; later < records_.size(); ++later)
                if (records_[later].Fields[0] == key)
                    throw LineError {record.Line,
                        what + " belongs here, not on line "
                            + std::to_string(records_[later].Line)};
            throw LineError {record.Line, what + " is missing"};
        }
        throw LineError {record.Line, what + " belongs here, not " + Quoted(found)};
    }

    int ReadRule(const Rule& rule, int index) const {
        const CsvRecord& record = RuleRecord(rule.Key, index);
        const std::string key(rule.Key);
        const char* values = rule.Highest == 1 ? "0 or 1" : "0, 1 or 2";
        if (record.Fields.size() != 2)
            throw LineError {record.Line, key + " needs one value, " + values};
        const std::optional<int> value = Digit(record.Fields[1], rule.Highest);
        if (!value)
            throw LineError {
                record.Line, key + " is " + Quoted(record.Fields[1]) + "; it must be " + values};
        return *value;
    }

    void ReadName(int index) {
        const CsvRecord& record = RuleRecord(kNameKey, index);
        if (record.Fields.size() != 2)
            throw LineError {record.Line,
                record.Fields.size() == 1
                    ? "the name must follow \"Name,\""
                    : "the name holds a comma, so it must stand in double quotes"};
        const std::string& name = record.Fields[1];
        const std::optional<NameLength> length = Utf8Length(name);
        if (!length)
            throw LineError {record.Line, "the name is not UTF-8 text"};
        // Counted as the name box counts, which would cut a longer name and so rename it.
        if (length->Units > kNameCharacters)
            throw LineError {record.Line,
                "the name has " + std::to_string(length->Units)
                    + (length->Units == length->Characters
                            ? " characters"
                            : " characters, counting each emoji or other character beyond "
                              "U+FFFF as two")
                    + "; at most 50 are allowed"};
        if (name.find_first_of("[]") != std::string::npos)
            throw LineError {record.Line,
                "the name may not hold \"[\" or \"]\", which mark the program's own strategies"};
        // The name box cannot type them, and the lists and messages would break at them.
        if (length->Controls)
            throw LineError {record.Line,
                "the name may not hold a line break, a tab or another control character"};
        strategy_.Name = name;
    }

    std::vector<CsvRecord> records_;
    int endLine_ = 1;
    PlayingStrategy strategy_;
};

} // namespace

std::string PlayingStrategyToCsv(const PlayingStrategy& strategy) {
    constexpr const char* kEnd = "\r\n";
    std::string csv = HeaderLine() + kEnd;
    for (int row = 0; row < kPlayerRows; ++row) {
        csv += PlayerHandText(row);
        for (int column = 0; column < kDealerColumns; ++column)
            csv += "," + std::to_string(OfferedCodePlayedAlike(row, strategy.Actions[row][column]));
        csv += std::string(",") + (strategy.Ins[row] ? "1" : "0") + kEnd;
    }
    for (const Rule& rule : kRules)
        csv += std::string(rule.Key) + "," + std::to_string(strategy.*rule.Field) + kEnd;
    return csv + kNameKey + "," + CsvQuoted(strategy.Name) + kEnd;
}

PlayingStrategyCsv PlayingStrategyFromCsv(std::string_view text) {
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    CsvRecords split = SplitCsvRecords(text);
    if (!split.Error.empty())
        return {std::nullopt, split.Error};
    try {
        return {CsvReader(std::move(split.Records)).Read(), {}};
    } catch (const LineError& refusal) {
        return {std::nullopt, "Line " + std::to_string(refusal.Line) + ": " + refusal.What + "."};
    }
}

} // namespace bj

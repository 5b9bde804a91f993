#include "store/csv_text.h"

namespace bj {
namespace {

class CsvSplitter {
public:
    explicit CsvSplitter(std::string_view text)
        : text_(text) { }

    CsvRecords Split() {
        while (at_ < text_.size() && error_.empty())
            Take(text_[at_]);
        if (error_.empty() && state_ == State::Quoted)
            Fail(record_.Line, "a quoted field is not closed");
        if (!error_.empty())
            return {{}, error_};
        if (state_ != State::FieldStart || !field_.empty() || !record_.Fields.empty())
            EndRecord();
        return {std::move(records_), {}};
    }

private:
    enum class State { FieldStart, Unquoted, Quoted, AfterQuote };

    void Take(char c) {
        const char next = at_ + 1 < text_.size() ? text_[at_ + 1] : '\0';
        ++at_;
        if (state_ == State::Quoted)
            return TakeQuoted(c, next);
        if (c == '\r' && next == '\n')
            return;
        if (c == '\n')
            return EndRecord();
        if (c == ',')
            return EndField();
        if (state_ == State::AfterQuote)
            return Fail(line_, "there is text after a closing double quote");
        if (c == '"' && state_ != State::FieldStart)
            return Fail(line_, "a double quote stands inside a field that is not quoted");
        if (c == '"') {
            state_ = State::Quoted;
            return;
        }
        field_ += c;
        state_ = State::Unquoted;
    }

    void TakeQuoted(char c, char next) {
        if (c == '"' && next == '"') {
            field_ += '"';
            ++at_;
            return;
        }
        if (c == '"') {
            state_ = State::AfterQuote;
            return;
        }
        if (c == '\n')
            ++line_;
        field_ += c;
    }

    void EndField() {
        record_.Fields.push_back(std::move(field_));
        field_.clear();
        state_ = State::FieldStart;
    }

    void EndRecord() {
        EndField();
        records_.push_back(std::move(record_));
        record_ = {++line_, {}};
    }

    void Fail(int line, const std::string& what) {
        error_ = "Line " + std::to_string(line) + ": " + what + ".";
    }

    std::string_view text_;
    std::size_t at_ = 0;
    int line_ = 1;
    State state_ = State::FieldStart;
    std::string field_;
    CsvRecord record_ {1, {}};
    std::vector<CsvRecord> records_;
    std::string error_;
};

} // namespace

std::string CsvQuoted(std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(field);
    std::string quoted = "\"";
    for (const char c : field)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

CsvRecords SplitCsvRecords(std::string_view text) {
    return CsvSplitter(text).Split();
}

bool IsControlCharacter(std::uint32_t point) {
    return point < 0x20 || (point >= 0x7F && point <= 0x9F) || point == 0x2028 || point == 0x2029
        || (point >= 0x202A && point <= 0x202E) || (point >= 0x2066 && point <= 0x2069);
}

} // namespace bj

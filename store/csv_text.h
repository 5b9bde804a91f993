#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace bj {

// One field of RFC 4180 text: in double quotes, each inner quote doubled, when it holds a
// comma, a double quote or a line break; as it is otherwise.
std::string CsvQuoted(std::string_view field);

struct CsvRecord {
    int Line = 0; // the line the record starts on, from 1
    std::vector<std::string> Fields;
};

struct CsvRecords {
    std::vector<CsvRecord> Records;
    std::string Error; // "Line N: ..." when the text is not RFC 4180 CSV; Records then empty
};

// Splits RFC 4180 text into records. LF or CRLF ends a record outside quotes; inside quotes
// a line break belongs to the field. An empty line is a record of one empty field; the last
// line break is optional.
CsvRecords SplitCsvRecords(std::string_view text);

// Characters that change how the text around them shows: C0, DEL, C1, the line and paragraph
// separators, and the direction embeddings, overrides and isolates.
bool IsControlCharacter(std::uint32_t point);

} // namespace bj

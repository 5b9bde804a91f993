#pragma once

#include <string>
#include <string_view>

namespace bj::sim {

// Strategy names come from a file anyone may edit, so they are shown as inert text: control
// characters (C0, DEL, C1), bytes that are not UTF-8 and the backslash become C-style escapes
// ("\n", "\x1b", "\\"); other UTF-8 passes unchanged.
std::string TerminalText(std::string_view text);

// TerminalText as one CSV field, in double quotes (doubled inside) when it holds a comma or a
// double quote.
std::string CsvField(std::string_view text);

// A quoted JSON string that is valid UTF-8: control characters \u-escaped, bytes that are not
// UTF-8 replaced by U+FFFD.
std::string JsonString(std::string_view text);

} // namespace bj::sim

#pragma once

#include <string>
#include <string_view>

namespace bj {

// Doubles every single quote so the text can stand inside an SQL string literal.
std::string SqlQuote(std::string_view text);

} // namespace bj

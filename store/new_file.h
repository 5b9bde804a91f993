#pragma once

#include <string>
#include <string_view>

namespace bj {

enum class Placement { Placed, AlreadyThere };

// Makes `path` a complete file holding `bytes`, or leaves it alone: the bytes are written to a
// file without a name in the same folder and linked to `path` only while nothing has that
// name; nothing already there is ever replaced. AlreadyThere when something had the name
// first. A failure throws std::system_error and leaves nothing behind.
Placement PlaceNewFile(const std::string& path, std::string_view bytes);

// The way PlaceNewFile takes where files without a name cannot be made: a temporary name,
// removed again whatever happens, unless the process is killed.
Placement PlaceNewFileByName(const std::string& path, std::string_view bytes);

} // namespace bj

#pragma once

#include <cstdint>

namespace bj {

// The seeded strategy of each kind is the one start-up, Create New and Cancel fall back on.
constexpr std::int64_t kDefaultRefNo = 1;
constexpr bool IsProtectedDefault(std::int64_t refNo) {
    return refNo == kDefaultRefNo;
}

// A remembered list position made valid for a list of `count` entries; -1 selects nothing.
constexpr int ClampListIndex(int index, int count) {
    if (count <= 0)
        return -1;
    if (index < 0)
        return 0;
    return index < count ? index : count - 1;
}

} // namespace bj

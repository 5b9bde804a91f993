#pragma once

#include "shell/navigation.h"

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace bj {

// Tells the user which stored values of a strategy its load put right, once a run for each
// strategy and set of corrections; nothing when there are none. `kind` as in "streak betting
// strategy". `savedOver`: whether saving can replace the stored record (not a protected
// default, nor a streak strategy, which is only ever saved anew).
void ReportCorrections(AppContext& ctx, const QString& kind, std::int64_t refNo,
    const std::string& name, const std::vector<std::string>& corrections, bool savedOver);

} // namespace bj

#include "store/loaded_values.h"

#include <algorithm>
#include <cmath>

namespace bj {
namespace {

// A stored number as a whole one: to the cent first, as amounts are read everywhere, then
// halves to even.
double WholeOf(double value) {
    return std::nearbyint(ToTwoDecimals(value));
}

std::string Shown(double value, const Limits& limits) {
    const double index = value - limits.Low;
    if (limits.Whole && index >= 0 && index < static_cast<double>(limits.Names.size()))
        return std::string(limits.Names[static_cast<std::size_t>(index)]);
    return ShortestText(value);
}

} // namespace

double CheckedRow::Number(int column, const Limits& limits, const std::string& what) {
    const std::optional<double> stored = row_.NumberIfAny(column);
    double value = stored.value_or(0.0);
    if (limits.Whole)
        value = WholeOf(value);
    value = limits.OthersAreHigh && value != limits.Low
        ? limits.High
        : std::clamp(value, limits.Low, limits.High);
    const bool quietNull = row_.IsNull(column) && value == 0.0;
    if (stored ? value != *stored : !quietNull)
        Note(what + " was " + row_.Shown(column) + " and is now " + Shown(value, limits));
    return value;
}

int CheckedRow::YesNo(int column, const std::string& what) {
    const std::optional<double> stored = row_.NumberIfAny(column);
    const bool yes = stored && WholeOf(*stored) != 0;
    const bool usual = stored ? *stored == 0 || *stored == 1 || *stored == -1 : row_.IsNull(column);
    if (!usual)
        Note(what + " was " + row_.Shown(column) + " and is now " + (yes ? "Yes" : "No"));
    return yes ? 1 : 0;
}

std::string CorrectionsText(
    const std::vector<std::string>& corrections, std::string_view separator, std::size_t shown) {
    std::string text;
    for (std::size_t i = 0; i < std::min(shown, corrections.size()); ++i)
        text += (i ? std::string(separator) : std::string()) + corrections[i];
    if (corrections.size() > shown)
        text += std::string(separator) + "and " + std::to_string(corrections.size() - shown)
            + " more";
    return text;
}

} // namespace bj

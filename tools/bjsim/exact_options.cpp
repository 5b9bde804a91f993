#include "tools/bjsim/exact_options.h"

#include "tools/bjsim/sim_options.h"

#include <map>
#include <utility>
#include <vector>

namespace bj::sim {
namespace {

using Choices = std::vector<std::pair<std::string, int>>;

const std::map<std::string, Choices>& ExactChoices() {
    static const std::map<std::string, Choices> choices {
        {"--table", {{"stored", 0}, {"basic", 1}, {"best", 2}}},
        {"--soft17", {{"hit", 0}, {"stand", 1}}},
        {"--double", {{"any", 0}, {"10-11", 1}}},
        {"--double-splits", {{"yes", 1}, {"no", 0}}},
        {"--on21",
            {{"even-money", kTakeEvenMoney}, {"insurance", kTakeInsurance},
                {"play-out", kPlayOutHand}}},
    };
    return choices;
}

} // namespace

bool IsExactValueOption(const std::string& name) {
    return ExactChoices().count(name) != 0;
}

void SetExactOption(ExactOptions& options, const std::string& name, const std::string& value) {
    const Choices& choices = ExactChoices().at(name);
    std::string words;
    for (const auto& [word, code] : choices) {
        if (word == value) {
            if (name == "--table")
                options.Table = static_cast<TableChoice>(code);
            else if (name == "--soft17")
                options.DealerSoft17 = code;
            else if (name == "--double")
                options.DoubleDownRule = code;
            else if (name == "--double-splits")
                options.DoubleOnSplits = code != 0;
            else
                options.InsuranceOn21 = code;
            return;
        }
        words += (words.empty() ? "" : ", ") + word;
    }
    throw UsageError(name + " takes one of " + words + ", not '" + value + "'");
}

std::string ExactHelpText() {
    return R"(
Exact analysis (an infinite shoe), printed beside the simulated return per round:
  --exact-only        print the analysis of the playing strategy and do not simulate
  --table T           the table to play: stored (default), basic (a basic strategy for the
                      rules) or best (the best table for the rules)
  --soft17 hit|stand  the dealer's soft-17 rule instead of the strategy's
  --double any|10-11  double down on any two cards, or on 10 and 11 only
  --double-splits yes|no   whether split hands may double down
  --on21 even-money|insurance|play-out   a blackjack against the dealer's ace
)";
}

} // namespace bj::sim

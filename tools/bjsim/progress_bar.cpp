#include "tools/bjsim/progress_bar.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ostream>
#include <utility>

namespace bj::sim {
namespace {

constexpr int kMaxBarWidth = 40, kMinBarWidth = 10;

std::string Grouped(std::int64_t value) {
    const std::string digits = std::to_string(value);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

// "0:07", "12:34" or "3:02:01"; "--:--" before there is anything to go by.
std::string Duration(double seconds) {
    if (!std::isfinite(seconds) || seconds < 0 || seconds > 1e9)
        return "--:--";
    const auto whole = static_cast<long long>(std::ceil(seconds));
    char text[32];
    if (whole < 3600)
        std::snprintf(text, sizeof text, "%lld:%02lld", whole / 60, whole % 60);
    else
        std::snprintf(
            text, sizeof text, "%lld:%02lld:%02lld", whole / 3600, whole / 60 % 60, whole % 60);
    return text;
}

} // namespace

std::string ProgressLine(double fraction, std::int64_t hands, double seconds, int columns) {
    fraction = std::clamp(fraction, 0.0, 1.0);
    const double perSecond = seconds > 0 ? static_cast<double>(hands) / seconds : 0;
    const double left = fraction > 0 ? seconds * (1 - fraction) / fraction : -1;
    char percent[8];
    std::snprintf(percent, sizeof percent, "%3d%%", static_cast<int>(fraction * 100));
    const std::string figures = std::string(percent) + "  " + Grouped(hands) + " hands  "
        + Grouped(std::llround(perSecond)) + " hands/s  " + Duration(left) + " left";
    const int room = columns - 1 - static_cast<int>(figures.size()) - 3;
    std::string line = figures;
    if (room >= kMinBarWidth) {
        const int width = std::min(room, kMaxBarWidth);
        const int filled = static_cast<int>(fraction * width);
        line = "[" + std::string(filled, '#') + std::string(width - filled, '-') + "] " + figures;
    }
    line.resize(std::min<std::size_t>(line.size(), std::max(columns - 1, 0)));
    return line;
}

ProgressBar::ProgressBar(
    std::ostream& out, Terminal terminal, std::int64_t sessions, std::int32_t handsPerSession)
    : out_(out)
    , terminal_(std::move(terminal))
    , sessions_(sessions)
    , handsPerSession_(handsPerSession)
    , started_(terminal_.Seconds())
    , drawn_(started_) {
}

// Sessions stopped early count as whole, so the estimate holds with stop rules.
double ProgressBar::Fraction(const RunProgress& progress) const {
    if (sessions_ <= 0)
        return 1;
    const double session = handsPerSession_ > 0
        ? std::min(1.0, static_cast<double>(progress.SessionHands) / handsPerSession_)
        : 0;
    return (static_cast<double>(progress.SessionsDone) + session) / static_cast<double>(sessions_);
}

void ProgressBar::Update(const RunProgress& progress) {
    const double now = terminal_.Seconds();
    if (now - drawn_ < kRedrawSeconds)
        return;
    drawn_ = now;
    line_ = ProgressLine(Fraction(progress), progress.Hands, now - started_, terminal_.Columns());
    Draw();
}

void ProgressBar::Draw() {
    out_ << '\r' << line_ << "\x1b[K" << std::flush;
    visible_ = true;
}

void ProgressBar::Show() {
    if (!visible_ && !line_.empty())
        Draw();
}

void ProgressBar::Hide() {
    if (!visible_)
        return;
    out_ << "\r\x1b[K" << std::flush;
    visible_ = false;
}

} // namespace bj::sim

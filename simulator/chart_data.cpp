#include "simulator/chart_data.h"

#include <algorithm>
#include <cmath>

namespace bj {

QList<QPointF> BankrollPoints(const SessionResults& results, int most) {
    const std::int64_t n = results.Count();
    QList<QPointF> points;
    points.append({0, results.StartBank().ToDouble()});
    const std::int64_t stretch = n <= most ? 1 : (2 * n + most - 1) / most;
    for (std::int64_t first = 0; first < n; first += stretch) {
        const std::int64_t last = std::min(n, first + stretch) - 1;
        std::int64_t low = first, high = first;
        for (std::int64_t i = first + 1; i <= last; ++i) {
            if (results[i].EndBank < results[low].EndBank)
                low = i;
            if (results[i].EndBank > results[high].EndBank)
                high = i;
        }
        for (const std::int64_t i : {std::min(low, high), std::max(low, high)}) {
            points.append({static_cast<double>(i + 1), results[i].EndBank.ToDouble()});
            if (low == high)
                break;
        }
    }
    return points;
}

Histogram SessionHistogram(const SessionResults& results, int mostBins) {
    Histogram h;
    const std::int64_t n = results.Count();
    if (n == 0)
        return h;
    const std::int64_t low = results.LeastWonLost().Units();
    const std::int64_t range = results.MostWonLost().Units() - low;
    const int bins = range > 0
        ? std::clamp(static_cast<int>(std::ceil(std::sqrt(static_cast<double>(n)))), 1, mostBins)
        : 1;
    h.Low = static_cast<double>(low) / Currency::kScale;
    h.Width = range > 0 ? static_cast<double>(range) / Currency::kScale / bins : 1;
    h.Counts.assign(static_cast<std::size_t>(bins), {});
    // Whole units throughout: the largest amount falls in the last bin, not past it.
    const double perUnit = range > 0 ? bins / static_cast<double>(range) : 0;
    for (std::int64_t i = 0; i < n; ++i) {
        const std::int64_t offset = results.WonLost(i).Units() - low;
        const int bin = std::min(static_cast<int>(static_cast<double>(offset) * perUnit), bins - 1);
        ++h.Counts[static_cast<std::size_t>(bin)][static_cast<int>(results[i].End)];
    }
    return h;
}

AxisScale WholeNumberAxis(double low, double high, int mostTicks) {
    if (!std::isfinite(low) || !std::isfinite(high))
        return {};
    if (low > high)
        std::swap(low, high);
    mostTicks = std::max(mostTicks, 3);
    const double wanted = std::max((high - low) / (mostTicks - 1), 1.0);
    // Steps of 1, 2 and 5 times a power of ten, the smallest that fits.
    for (double power = std::pow(10.0, std::floor(std::log10(wanted)));; power *= 10) {
        for (const double multiple : {1.0, 2.0, 5.0}) {
            const double step = power * multiple;
            if (step < wanted)
                continue;
            AxisScale axis;
            axis.Low = std::floor(low / step) * step;
            axis.High = std::ceil(high / step) * step;
            if (axis.High == axis.Low) {
                axis.Low -= step;
                axis.High += step;
            }
            axis.Ticks = static_cast<int>(std::lround((axis.High - axis.Low) / step)) + 1;
            if (axis.Ticks <= mostTicks)
                return axis;
        }
    }
}

int EdgeDecimals(double low, double spacing) {
    const auto whole = [](double v) { return std::abs(v - std::round(v)) < 1e-9; };
    if ((whole(low) && whole(spacing)) || spacing >= 10)
        return 0;
    return spacing >= 0.01 ? 2 : 4;
}

} // namespace bj

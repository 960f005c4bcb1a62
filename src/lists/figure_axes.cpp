#include "lists/figure_axes.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace quorvane {

namespace {

struct AxisBounds {
    double smallestSpan; // the narrowest window drawn around the members
    double floor;        // the values the coordinate can take
    double ceiling;
};

// Row order follows FigureAxis. The smallest spans show a lone asteroid among its neighbours:
// about a tenth of the width of a main-belt zone in a, a few hundredths in e and sin i.
constexpr std::array<AxisBounds, 3> kAxisBounds = {{
    {0.05, 0.0, std::numeric_limits<double>::infinity()}, // SemiMajorAxis, AU
    {0.02, 0.0, 1.0},                                     // Eccentricity
    {0.02, 0.0, 1.0},                                     // SineOfInclination
}};

// The margin on each side, as a fraction of the members' span.
constexpr double kMargin = 0.08;

// The round steps of one decade, as mantissa and the power of ten it is scaled by: 2.5 is 25
// tenths.
struct RoundStep {
    std::int64_t mantissa;
    int tenthsShift; // 1 when the mantissa counts tenths
};
constexpr std::array<RoundStep, 4> kRoundSteps = {{{1, 0}, {2, 0}, {25, 1}, {5, 0}}};

constexpr int kFewestTicks = 4;
constexpr int kMostTicks = 8;
constexpr int kBestTicks = 6;

// N * 10^exponent, the double nearest the decimal value for the exponents an axis uses.
double DecimalValue(std::int64_t n, int exponent) {
    const double scale = std::pow(10.0, std::abs(exponent));
    return exponent >= 0 ? static_cast<double>(n) * scale : static_cast<double>(n) / scale;
}

std::string DecimalLabel(std::int64_t n, int exponent, char decimalMark) {
    char buffer[24];
    const std::uint64_t magnitude =
        n < 0 ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, magnitude).ptr;
    std::string digits(buffer, end);
    if (exponent >= 0) {
        if (magnitude != 0) {
            digits.append(static_cast<std::size_t>(exponent), '0');
        }
    } else {
        const auto decimals = static_cast<std::size_t>(-exponent);
        if (digits.size() <= decimals) {
            digits.insert(0, decimals + 1 - digits.size(), '0');
        }
        digits.insert(digits.size() - decimals, 1, decimalMark);
    }
    return n < 0 ? "-" + digits : digits;
}

// The multiples j of a step (value j * mantissa * 10^exponent) inside the range.
struct Multiples {
    std::int64_t first;
    std::int64_t last;
    int Count() const { return static_cast<int>(last - first + 1); }
};

std::optional<Multiples> MultiplesInside(const FigureRange& range, std::int64_t mantissa,
                                         int exponent) {
    const double step = DecimalValue(mantissa, exponent);
    const double lowest = range.low / step;
    const double highest = range.high / step;
    // Far more multiples than an axis shows, or more than an integer holds: not this step.
    constexpr double kFarTooMany = 1e6;
    constexpr double kLargest = 1e15;
    if (!(highest - lowest < kFarTooMany) || !(std::abs(lowest) < kLargest) ||
        !(std::abs(highest) < kLargest)) {
        return std::nullopt;
    }
    Multiples m{static_cast<std::int64_t>(std::ceil(lowest)),
                static_cast<std::int64_t>(std::floor(highest))};
    // The quotients may round across a multiple: the values decide.
    while (DecimalValue(m.first * mantissa, exponent) < range.low) {
        ++m.first;
    }
    while (DecimalValue((m.first - 1) * mantissa, exponent) >= range.low) {
        --m.first;
    }
    while (DecimalValue(m.last * mantissa, exponent) > range.high) {
        --m.last;
    }
    while (DecimalValue((m.last + 1) * mantissa, exponent) <= range.high) {
        ++m.last;
    }
    return m;
}

// How far a tick count lies from the counts an axis may have, then from the best one.
int CountBadness(int count) {
    const int outside = count < kFewestTicks ? kFewestTicks - count
                        : count > kMostTicks ? count - kMostTicks
                                             : 0;
    return outside * 100 + std::abs(count - kBestTicks);
}

} // namespace

FigureRange PlotRange(FigureAxis axis, double least, double greatest) {
    const AxisBounds& bounds = kAxisBounds[static_cast<std::size_t>(axis)];
    if (!std::isfinite(least)) {
        least = greatest;
    }
    if (!std::isfinite(greatest)) {
        greatest = least;
    }
    if (!std::isfinite(least)) {
        least = greatest = bounds.floor;
    }
    if (least > greatest) {
        std::swap(least, greatest);
    }
    const double middle = least / 2 + greatest / 2;
    const double half = std::max(greatest - least, bounds.smallestSpan) * (0.5 + kMargin);
    // Cut to the coordinate's values, but never so that a member falls outside.
    FigureRange range{std::max(middle - half, std::min(bounds.floor, least)),
                      std::min(middle + half, std::max(bounds.ceiling, greatest))};
    if (!(range.high > range.low) || !std::isfinite(range.Span())) {
        range = {bounds.floor, bounds.floor + bounds.smallestSpan};
    }
    return range;
}

std::vector<AxisTick> AxisTicks(const FigureRange& range, char decimalMark) {
    std::vector<AxisTick> ticks;
    if (!(range.Span() > 0.0) || !std::isfinite(range.Span())) {
        return ticks;
    }
    const int decade = static_cast<int>(std::floor(std::log10(range.Span())));
    struct Choice {
        std::int64_t mantissa;
        int exponent;
        Multiples multiples;
    };
    std::optional<Choice> best;
    // From the largest step down, so that a tie keeps the larger.
    for (int power = decade + 1; power >= decade - 2; --power) {
        for (auto step = kRoundSteps.rbegin(); step != kRoundSteps.rend(); ++step) {
            const int exponent = power - step->tenthsShift;
            const std::optional<Multiples> multiples =
                MultiplesInside(range, step->mantissa, exponent);
            if (multiples && (!best || CountBadness(multiples->Count()) <
                                           CountBadness(best->multiples.Count()))) {
                best = Choice{step->mantissa, exponent, *multiples};
            }
        }
    }
    if (!best) {
        return ticks;
    }
    for (std::int64_t j = best->multiples.first; j <= best->multiples.last; ++j) {
        const std::int64_t n = j * best->mantissa;
        ticks.push_back(
            {DecimalValue(n, best->exponent), DecimalLabel(n, best->exponent, decimalMark)});
    }
    return ticks;
}

} // namespace quorvane

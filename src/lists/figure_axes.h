// The axes of the family figure: the plotted range of each coordinate, drawn from the members'
// extent, and its ticks at round numbers written with the language's decimal mark.
#pragma once

#include <string>
#include <vector>

namespace quorvane {

// The three plotted coordinates: semi-major axis (AU), eccentricity, sine of inclination.
enum class FigureAxis { SemiMajorAxis, Eccentricity, SineOfInclination };

// The plotted interval of one coordinate; both ends belong to it.
struct FigureRange {
    double low = 0.0;
    double high = 1.0;

    bool Contains(double value) const { return value >= low && value <= high; }
    double Span() const { return high - low; }
};

// The range that shows [least, greatest] of `axis` with a margin on each side: never narrower
// than the axis's smallest span (all members alike still get a window around them), cut to the
// values the coordinate can take. Values that are not finite stand for its smallest value.
FigureRange PlotRange(FigureAxis axis, double least, double greatest);

struct AxisTick {
    double value;
    std::string label; // the exact decimal value, in UTF-8
};

// The ticks inside `range` at the multiples of one round step (1, 2, 2.5 or 5 times a power of
// ten): the step whose tick count from 4 to 8 lies nearest 6, the larger step on a tie. Every
// label of an axis has the same number of decimals, written after `decimalMark`.
std::vector<AxisTick> AxisTicks(const FigureRange& range, char decimalMark);

} // namespace quorvane

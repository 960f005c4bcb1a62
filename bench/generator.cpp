#include "generator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <numbers>
#include <stdexcept>
#include <vector>

namespace quorvane::bench {

namespace {

constexpr double kGaussK = 0.01720209895;
constexpr double kAuPerDay = 1731456.836701389;

// splitmix64: every record draws from its own stream, so the file is the same on every run.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    double Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
    double Uniform(double low, double high) { return low + (high - low) * Uniform(); }
    double Normal() {
        const double u = 1.0 - Uniform();
        return std::sqrt(-2.0 * std::log(u)) * std::cos(2.0 * std::numbers::pi * Uniform());
    }
    int Below(int n) { return static_cast<int>(Uniform() * n); }

private:
    std::uint64_t state_;
};

struct Orbit {
    double a, e, i;
};

struct Centre {
    Orbit orbit;
    double radius;
};

// Both families lie at inclinations where the background is thin, so that even 200 m/s does not
// chain them into the whole belt.
const Centre kSmall = {{2.3812, 0.2104, 23.52}, 45.0};
const Centre kLarge = {{3.0173, 0.0812, 27.21}, 90.0};
constexpr int kSmallSeed = 2344;  // asteroid 2345
constexpr int kLargeSeed = 15110; // asteroid 15111
constexpr double kSmallShare = 1000.0 / 1.4e6;
constexpr double kLargeShare = 10000.0 / 1.4e6;

double Clamp(double value, double low, double high) {
    return value < low ? low : (value > high ? high : value);
}

// A point drawn evenly inside the ball of `radius` m/s around the centre, in the distance's
// weighted coordinates.
Orbit AroundCentre(const Centre& centre, Random& random) {
    double x = 0, y = 0, z = 0;
    do {
        x = random.Uniform(-1, 1);
        y = random.Uniform(-1, 1);
        z = random.Uniform(-1, 1);
    } while (x * x + y * y + z * z > 1.0);
    const double a0 = centre.orbit.a;
    const double scale = kAuPerDay * kGaussK / std::sqrt(a0);
    const double unit = centre.radius / scale * 0.995;
    const double s0 = std::sin(centre.orbit.i * std::numbers::pi / 180.0);
    const double a = a0 / (1.0 - x * unit / std::sqrt(1.25));
    const double e = centre.orbit.e + y * unit / std::sqrt(2.0);
    const double s = s0 + z * unit / std::sqrt(2.0);
    return {a, e, std::asin(s) * 180.0 / std::numbers::pi};
}

Orbit Background(Random& random) {
    const double kind = random.Uniform();
    if (kind < 0.001) { // retrograde
        return {random.Uniform(2.0, 40.0), random.Uniform(0.1, 0.9), random.Uniform(90.5, 170.0)};
    }
    if (kind < 0.031) { // near-Earth
        return {random.Uniform(0.7, 2.2), random.Uniform(0.2, 0.8),
                Clamp(std::fabs(random.Normal() * 12.0), 0, 60)};
    }
    if (kind < 0.046) { // Hungarias and Mars-crossers
        return {random.Uniform(1.78, 2.05), random.Uniform(0.02, 0.18), random.Uniform(16.0, 30.0)};
    }
    if (kind < 0.066) { // Jupiter Trojans
        return {random.Uniform(5.08, 5.32), random.Uniform(0.0, 0.15),
                Clamp(std::fabs(random.Normal() * 12.0), 0, 40)};
    }
    if (kind < 0.071) { // beyond Neptune
        return {random.Uniform(30.0, 48.0), random.Uniform(0.0, 0.3),
                Clamp(std::fabs(random.Normal() * 10.0), 0, 45)};
    }
    // The main belt, thinned in the Kirkwood gaps.
    double a = 0;
    do {
        a = random.Uniform(2.1, 3.3);
    } while ((std::fabs(a - 2.502) < 0.015 || std::fabs(a - 2.825) < 0.012) &&
             random.Uniform() < 0.9);
    return {a, Clamp(0.14 + random.Normal() * 0.07, 0.0, 0.4),
            Clamp(std::fabs(random.Normal() * 9.0), 0, 40)};
}

constexpr std::array<const char*, 24> kSyllables = {
    "ka",  "lor", "mi",  "ne", "vo", "tar", "sel", "ri",  "an", "do", "bel", "qui",
    "zen", "pa",  "mor", "el", "is", "ta",  "gu",  "ven", "ro", "li", "sa",  "dre",
};

std::string Name(Random& random) {
    std::string name;
    const int parts = 2 + random.Below(3);
    for (int p = 0; p < parts; ++p) {
        name += kSyllables[static_cast<std::size_t>(random.Below(kSyllables.size()))];
    }
    name[0] = static_cast<char>(name[0] - 'a' + 'A');
    if (random.Uniform() < 0.03) {
        name[1] = '\xE9'; // an accented letter, Windows-1252
    }
    return name.substr(0, 18);
}

std::string Designation(Random& random) {
    char text[32];
    std::snprintf(text, sizeof text, "%d %c%c%d", 1950 + random.Below(70), 'A' + random.Below(24),
                  'A' + random.Below(25), random.Below(300));
    return text;
}

void PutRight(char* record, int start, int width, const char* text) {
    const int length = static_cast<int>(std::strlen(text));
    const int cut = length > width ? width : length;
    std::memcpy(record + start - 1 + width - cut, text, static_cast<std::size_t>(cut));
}

void PutLeft(char* record, int start, int width, const std::string& text) {
    const std::size_t cut = text.size() > static_cast<std::size_t>(width) ? width : text.size();
    std::memcpy(record + start - 1, text.data(), cut);
}

int FlagsOf(const Orbit& orbit) {
    const double q = orbit.a * (1 - orbit.e);
    const double Q = orbit.a * (1 + orbit.e);
    int flags = 0;
    if (orbit.a < 1.0 && Q > 0.983) {
        flags |= 1;
    }
    if (orbit.a >= 1.0 && q < 1.017) {
        flags |= 2;
    }
    if (q >= 1.017 && q < 1.3) {
        flags |= 4;
    }
    if (q >= 1.3 && q < 1.666) {
        flags |= 8;
    }
    if (Q > 4.95) {
        flags |= 16;
    }
    return flags;
}

// Where a layout writes each field: first column (1-based) and width.
struct Place {
    int start;
    int width;
};

struct Columns {
    int length; // the record, line end included
    Place number, name, h, g, bv, diameter, irasClass, flags, epoch;
    Place meanAnomaly, argPerihelion, node, inclination, eccentricity, axis;
    const char* axisFormat; // the semi-major axis fills its columns, right-aligned
};

// The five-digit layout, as published until about 2005.
constexpr Columns kFiveDigit = {
    .length = 267,
    .number = {1, 5},
    .name = {7, 18},
    .h = {42, 5},
    .g = {48, 5},
    .bv = {54, 4},
    .diameter = {59, 5},
    .irasClass = {65, 4},
    .flags = {70, 4},
    .epoch = {106, 8},
    .meanAnomaly = {115, 10},
    .argPerihelion = {126, 10},
    .node = {137, 10},
    .inclination = {147, 10},
    .eccentricity = {158, 10},
    .axis = {169, 12},
    .axisFormat = "%12.8f",
};

// The six-digit layout of today's file: a six-column number, every later field one column to
// the right, and the semi-major axis in thirteen columns from the same first column (it takes
// the blank that stood before it).
constexpr Columns kSixDigit = {
    .length = 268,
    .number = {1, 6},
    .name = {8, 18},
    .h = {43, 5},
    .g = {49, 5},
    .bv = {55, 4},
    .diameter = {60, 5},
    .irasClass = {66, 4},
    .flags = {71, 4},
    .epoch = {107, 8},
    .meanAnomaly = {116, 10},
    .argPerihelion = {127, 10},
    .node = {138, 10},
    .inclination = {148, 10},
    .eccentricity = {159, 10},
    .axis = {169, 13},
    .axisFormat = "%13.8f",
};

const Columns& ColumnsFor(RecordLayout layout) {
    return layout == RecordLayout::SixDigit ? kSixDigit : kFiveDigit;
}

void PutRight(char* record, Place place, const char* text) {
    PutRight(record, place.start, place.width, text);
}

void PutLeft(char* record, Place place, const std::string& text) {
    PutLeft(record, place.start, place.width, text);
}

void WriteRecord(char* record, const Columns& columns, std::int64_t lastNumber, std::int64_t index,
                 const Orbit& orbit, Random& random) {
    std::memset(record, ' ', static_cast<std::size_t>(columns.length - 1));
    record[columns.length - 1] = '\n';
    char text[64];
    const bool numbered = index < lastNumber;
    if (numbered) {
        std::snprintf(text, sizeof text, "%lld", static_cast<long long>(index + 1));
        PutRight(record, columns.number, text);
    }
    PutLeft(record, columns.name,
            numbered && random.Uniform() < 0.3 ? Name(random) : Designation(random));
    std::snprintf(text, sizeof text, "%.2f", random.Uniform(9.0, 19.5));
    PutRight(record, columns.h, text);
    PutRight(record, columns.g, "0.15");
    if (random.Uniform() < 0.02) {
        std::snprintf(text, sizeof text, "%.2f", random.Uniform(0.6, 0.95));
        PutRight(record, columns.bv, text);
        std::snprintf(text, sizeof text, "%.1f", random.Uniform(2.0, 300.0));
        PutRight(record, columns.diameter, text);
        PutLeft(record, columns.irasClass, random.Uniform() < 0.5 ? "C" : "S");
    }
    std::snprintf(text, sizeof text, "%d", FlagsOf(orbit));
    PutRight(record, columns.flags, text);
    PutLeft(record, columns.epoch, "20051018");
    std::snprintf(text, sizeof text, "%.6f", random.Uniform(0, 360));
    PutRight(record, columns.meanAnomaly, text);
    std::snprintf(text, sizeof text, "%.6f", random.Uniform(0, 360));
    PutRight(record, columns.argPerihelion, text);
    std::snprintf(text, sizeof text, "%.6f", random.Uniform(0, 360));
    PutRight(record, columns.node, text);
    std::snprintf(text, sizeof text, "%.6f", orbit.i);
    PutRight(record, columns.inclination, text);
    std::snprintf(text, sizeof text, "%.8f", orbit.e);
    PutRight(record, columns.eccentricity, text);
    std::snprintf(text, sizeof text, columns.axisFormat, orbit.a);
    PutRight(record, columns.axis, text);
}

} // namespace

int RecordLengthOf(RecordLayout layout) {
    return ColumnsFor(layout).length;
}

GeneratedFile GenerateAstOrb(const std::string& path, std::int64_t records, RecordLayout layout,
                             std::int64_t lastNumber) {
    const Columns& columns = ColumnsFor(layout);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
    GeneratedFile file;
    file.records = records;
    file.layout = layout;
    file.lastNumber = std::min(records, lastNumber);
    file.small = {kSmallSeed, kSmall.radius, 0};
    file.large = {kLargeSeed, kLarge.radius, 0};
    constexpr std::int64_t kChunk = 4096;
    std::vector<char> buffer(static_cast<std::size_t>(kChunk * columns.length));
    for (std::int64_t start = 0; start < records; start += kChunk) {
        const std::int64_t end = std::min(records, start + kChunk);
        for (std::int64_t index = start; index < end; ++index) {
            Random random(static_cast<std::uint64_t>(index) * 0x2545F4914F6CDD1DULL + 17);
            Orbit orbit{};
            const double draw = random.Uniform();
            if (index == kSmallSeed) {
                orbit = kSmall.orbit;
            } else if (index == kLargeSeed) {
                orbit = kLarge.orbit;
            } else if (draw < kSmallShare) {
                orbit = AroundCentre(kSmall, random);
                ++file.small.planted;
            } else if (draw < kSmallShare + kLargeShare) {
                orbit = AroundCentre(kLarge, random);
                ++file.large.planted;
            } else {
                orbit = Background(random);
            }
            WriteRecord(buffer.data() + (index - start) * columns.length, columns, lastNumber,
                        index, orbit, random);
        }
        out.write(buffer.data(), (end - start) * columns.length);
    }
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + path);
    }
    return file;
}

} // namespace quorvane::bench

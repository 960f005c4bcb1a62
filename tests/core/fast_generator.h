// Small AstOrb.dat files for checking the quick scans against the plain ones: clustered orbits
// (families that grow link by link), exact duplicates (ties and equal distances), numbers
// written in every form the float rule accepts, and, on request, a malformed record, a zero
// byte and a short record at the end.
#pragma once

#include "support/fixtures.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace quorvane::test {

struct GeneratedSpecs {
    std::vector<RecordSpec> records;
    int clusterSeed = 0; // a record at the centre of the first cluster
};

// A deterministic stream of numbers for the generator.
class SmallRandom {
public:
    explicit SmallRandom(std::uint64_t seed) : state_(seed * 2654435761u + 1) {}
    std::uint64_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return state_;
    }
    double Uniform(double low, double high) {
        return low + (high - low) * static_cast<double>(Next() >> 11) * 0x1.0p-53;
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }

private:
    std::uint64_t state_;
};

inline std::string Fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// `count` records, the first `numbered` of them numbered. Orbits: three clusters (a spread of
// about 0.002 AU, 0.001 in e and 0.05 degrees, so that members lie some 10 to 40 m/s apart),
// exact copies of earlier orbits, and a scattered background with some near-Earth, retrograde
// and polar orbits. A few fields are written with an exponent, a sign or more digits than the
// quick conversion takes, all of which the float rule reads; `withCommas` writes some decimal
// points as commas, which only a comma separator accepts.
inline GeneratedSpecs GenerateSpecs(std::uint64_t seed, int count, int numbered,
                                    bool withCommas = false) {
    SmallRandom random(seed);
    struct Centre {
        double a, e, i;
    };
    const Centre centres[] = {{2.40, 0.15, 5.0}, {2.75, 0.08, 12.0}, {3.10, 0.20, 170.0}};
    GeneratedSpecs out;
    std::vector<Centre> orbits;
    for (int k = 0; k < count; ++k) {
        Centre orbit{};
        const int kind = random.Below(10);
        if (k > 3 && kind == 0) {
            orbit = orbits[static_cast<std::size_t>(random.Below(k))]; // an exact copy
        } else if (kind <= 5) {
            const Centre& c = centres[static_cast<std::size_t>(random.Below(3))];
            orbit = {c.a + random.Uniform(-0.004, 0.004), c.e + random.Uniform(-0.002, 0.002),
                     c.i + random.Uniform(-0.1, 0.1)};
        } else if (kind == 6) {
            orbit = {random.Uniform(0.7, 2.0), random.Uniform(0.3, 0.8), random.Uniform(0, 40)};
        } else if (kind == 7) {
            orbit = {random.Uniform(2.0, 40.0), random.Uniform(0, 0.5), random.Uniform(85, 179)};
        } else {
            orbit = {random.Uniform(2.1, 3.3), random.Uniform(0, 0.3), random.Uniform(0, 30)};
        }
        if (k == 7) {
            orbit = centres[0];
            out.clusterSeed = k;
        }
        if (k == 8) {
            orbit = {90.0, 0.0, 90.0}; // exactly polar
        }
        orbits.push_back(orbit);
        RecordSpec fields;
        if (k < numbered) {
            fields.number = std::to_string(k + 1);
        }
        fields.name = random.Below(3) == 0 ? "19" + std::to_string(50 + random.Below(50)) + " AB" +
                                                 std::to_string(random.Below(99))
                                           : "Name" + std::to_string(k);
        fields.flags = std::to_string(random.Below(32));
        fields.semiMajorAxis = Fixed(orbit.a, 8);
        fields.eccentricity = Fixed(orbit.e, 8);
        fields.inclination = Fixed(orbit.i, 5);
        switch (random.Below(16)) {
        case 0: // a comma, read as the separator when that is the decimal separator
            if (withCommas) {
                fields.eccentricity[fields.eccentricity.find('.')] = ',';
            }
            break;
        case 1: // an exponent
            fields.semiMajorAxis = Fixed(orbit.a * 10.0, 4) + "E-1";
            break;
        case 2: // more digits than the quick path takes
            fields.semiMajorAxis = Fixed(orbit.a, 8) + "0001";
            fields.semiMajorAxis = fields.semiMajorAxis.substr(0, 12);
            fields.eccentricity = "0.0000000001";
            break;
        case 3:
            fields.inclination = "+" + Fixed(orbit.i, 4);
            break;
        default:
            break;
        }
        out.records.push_back(fields);
    }
    return out;
}

// The bytes of the records, with whatever damage the test adds afterwards.
inline std::string RecordBytes(const std::vector<RecordSpec>& records,
                               RecordLayout layout = RecordLayout::FiveDigit,
                               LineEnd lineEnd = LineEnd::LF) {
    std::string bytes;
    for (const RecordSpec& fields : records) {
        bytes += MakeRecord(fields, layout, lineEnd);
    }
    return bytes;
}

} // namespace quorvane::test

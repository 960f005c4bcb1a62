// A generator of large AstOrb.dat files in the 267-byte layout: a main belt with near-Earth
// asteroids, Hungarias, Trojans, distant and retrograde orbits, and two dense families whose
// seeds lie at their centres.
#pragma once

#include <cstdint>
#include <string>

namespace quorvane::bench {

struct GeneratedFamily {
    int seedIndex;        // the record at the family's centre
    double radius;        // every planted member lies within this many m/s of the seed
    std::int64_t planted; // members written around the seed, the seed excluded
};

struct GeneratedFile {
    std::int64_t records = 0;
    GeneratedFamily small{}; // about 1,000 members within 45 m/s
    GeneratedFamily large{}; // about 10,000 members within 90 m/s
};

// Writes `records` records to `path`: numbers 1 to 99,999 at indexes 0 to 99,998, then
// unnumbered records. The same arguments always give the same bytes.
GeneratedFile GenerateAstOrb(const std::string& path, std::int64_t records);

} // namespace quorvane::bench

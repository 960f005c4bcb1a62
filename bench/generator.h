// A generator of large AstOrb.dat files in either record layout: a main belt with near-Earth
// asteroids, Hungarias, Trojans, distant and retrograde orbits, and two dense families whose
// seeds lie at their centres.
#pragma once

#include "astorb/record.h"

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
    RecordLayout layout = RecordLayout::FiveDigit;
    std::int64_t lastNumber = 0; // records 0 to lastNumber - 1 are numbered 1 to lastNumber
    GeneratedFamily small{};     // about 1,000 members within 45 m/s
    GeneratedFamily large{};     // about 10,000 members within 90 m/s
};

// The bytes of one record in `layout`, line end (LF) included: 267 or 268.
int RecordLengthOf(RecordLayout layout);

// Writes `records` records to `path` in `layout`: numbers 1 to `lastNumber` at indexes 0 to
// lastNumber - 1, then unnumbered records. The orbit, the family membership and every other
// draw of a record depend on its index alone, so the two layouts hold the same orbits at the
// same indexes; with the same `lastNumber` they hold the same field values too, each in its
// layout's columns. The same arguments always give the same bytes; the five-digit layout with
// numbers up to 99,999 is the file the bench has always generated.
GeneratedFile GenerateAstOrb(const std::string& path, std::int64_t records, RecordLayout layout,
                             std::int64_t lastNumber);

} // namespace quorvane::bench

// What a family search found, as a plain value that outlives the search: the seed, the other
// members, the search's settings and the extent of the members' orbits, for the family figure.
#pragma once

#include <cstdint>
#include <vector>

namespace quorvane {

struct FamilyFound {
    std::int64_t seed = -1;            // record index of the asteroid searched from
    std::vector<std::int64_t> members; // record indexes of the other members, ascending
    int tolerance = 0;                 // m/s
    int passes = 0;                    // passes run
    int count = 0;                     // members listed, the seed included
    // The extent of a, e and sin i over the seed and the members, as the search computed them.
    double aMin = 0.0, aMax = 0.0;
    double eMin = 0.0, eMax = 0.0;
    double sMin = 0.0, sMax = 0.0;
};

} // namespace quorvane

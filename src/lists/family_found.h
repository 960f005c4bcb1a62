// A family as its search found it: what a figure of it needs to find its members again.
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
    double aMin = 0.0;
    double aMax = 0.0;
    double eMin = 0.0;
    double eMax = 0.0;
    double sMin = 0.0;
    double sMax = 0.0;
};

} // namespace quorvane

// The family's members in their plain form: the list in order of discovery, membership by a
// linear search and the distance by brute force over every member. The reference that the
// bitmap and the grid of the family extraction must match.
#pragma once

#include <cstddef>
#include <vector>

namespace quorvane {

// The members found so far, in order of discovery, the seed first: four parallel sequences.
struct FamilyMembers {
    std::vector<double> semiMajorAxis;   // AU
    std::vector<double> eccentricity;    //
    std::vector<double> sineInclination; // sin(i), i in degrees converted with pi/180
    std::vector<int> recordIndex;

    void Add(double a, double e, double s, int index);
    std::size_t size() const { return recordIndex.size(); }
};

// True when `index` is one of the members' record indexes; a linear search from the first.
bool IsFamilyMember(const FamilyMembers& members, long long index);

// The smallest velocity distance in m/s from the candidate (a, e, s = sin i, mean motion n) to
// the members, each d_j by FamilyMetric::Distance with the candidate's scale C n a. Starts at
// kDistanceStart and takes only strictly smaller d_j, so with no members (or only NaN
// distances) it stays kDistanceStart.
double FamilyDistance(const FamilyMembers& members, double a, double e, double s, double n);

} // namespace quorvane

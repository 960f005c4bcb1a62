#include "reference/family_members.h"

#include "lists/family.h"
#include "lists/family_metric.h"

namespace quorvane {

void FamilyMembers::Add(double a, double e, double s, int index) {
    semiMajorAxis.push_back(a);
    eccentricity.push_back(e);
    sineInclination.push_back(s);
    recordIndex.push_back(index);
}

bool IsFamilyMember(const FamilyMembers& members, long long index) {
    for (const int member : members.recordIndex) {
        if (member == index) {
            return true;
        }
    }
    return false;
}

double FamilyDistance(const FamilyMembers& members, double a, double e, double s, double n) {
    double smallest = kDistanceStart;
    const double scale = FamilyMetric::Scale(a, n);
    for (std::size_t j = 0; j < members.size(); ++j) {
        const double d =
            FamilyMetric::Distance(scale, a, e, s, members.semiMajorAxis[j],
                                   members.eccentricity[j], members.sineInclination[j]);
        if (d < smallest) {
            smallest = d;
        }
    }
    return smallest;
}

} // namespace quorvane

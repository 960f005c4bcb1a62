#include "lists/family_metric.h"

namespace quorvane {

std::array<double, 3> FamilyMetric::Reach(double a, double unit) {
    std::array<double, 3> reach{};
    for (std::size_t d = 0; d < reach.size(); ++d) {
        reach[d] = (unit / std::sqrt(kWeights[d])) * (1.0 + kRoundingMargin) + kUnderflowMargin;
    }
    reach[0] = a * reach[0] * (1.0 + kRoundingMargin);
    return reach;
}

} // namespace quorvane

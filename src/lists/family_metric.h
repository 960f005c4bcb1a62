// The velocity distance that decides family membership, and the margins every quick bound drawn
// from it keeps. Between a candidate (a, e, s = sin i, mean motion n) and a member
// (a_j, e_j, s_j): d_j = C n a sqrt(w_a ((a - a_j) / a)^2 + w_e (e - e_j)^2 + w_s (s - s_j)^2).
#pragma once

#include <array>
#include <cmath>
#include <cstddef>

namespace quorvane {

// Gaussian gravitational constant, radians per day for a in AU.
constexpr double kGaussK = 0.01720209895;
// Metres per second in one AU per day: 149 597 870 691 m / 86 400 s.
constexpr double kAuPerDayInMetresPerSecond = 1731456.836701389;

struct FamilyMetric {
    // w_a, w_e, w_s: the weights of the squared differences in a (relative to the candidate's
    // a), in e and in sin i, in the order of these three elements everywhere below.
    static constexpr std::array<double, 3> kWeights = {1.25, 2.0, 2.0};
    // C: the distance is C n a times the root of the weighted squares.
    static constexpr double kVelocityUnit = kAuPerDayInMetresPerSecond;
    // 1 / (C k): with n = k / sqrt(a^3), tolerance / (C n a) is tolerance sqrt(a) / (C k).
    static constexpr double kInverseVelocityUnit = 1.0 / (kVelocityUnit * kGaussK);

    // A computed d_j lies within a few units in 1e16 of its exact value: bounds drawn from the
    // formula are widened (lower bounds shrunk) by this relative margin, far on the safe side.
    static constexpr double kRoundingMargin = 1e-6;
    // The absolute part of a widening: it covers squares of differences that underflow to zero.
    static constexpr double kUnderflowMargin = 1e-150;
    // A squared distance computed with a product for the quotient is within some units in 1e16
    // of the exact square; it is compared with a squared limit widened by this much.
    static constexpr double kSquareMargin = 1e-9;
    // The coarse boxes of FamilyIndex::MayBeNearMembers, drawn with products for quotients, are
    // widened by this much: far more than their rounding and kRoundingMargin together.
    static constexpr double kCoarseBoxMargin = 1e-5;
    static_assert(kCoarseBoxMargin > 2 * kRoundingMargin);

    // C n a: the candidate's scale.
    static double Scale(double a, double n) { return kVelocityUnit * n * a; }

    // w_a da^2 + w_e de^2 + w_s ds^2, da already relative to the candidate's a.
    static double WeightedSquares(double da, double de, double ds) {
        return kWeights[0] * (da * da) + kWeights[1] * (de * de) + kWeights[2] * (ds * ds);
    }

    // d_j for one member, the candidate's scale given: the one formula that every search of the
    // members evaluates, so that all of them give the same double.
    static double Distance(double scale, double a, double e, double s, double memberA,
                           double memberE, double memberS) {
        return scale * std::sqrt(WeightedSquares((a - memberA) / a, e - memberE, s - memberS));
    }

    // 1 / sqrt(w) of element `d`: a member within `unit` (the tolerance over the candidate's
    // scale) differs from the candidate by at most unit / sqrt(w) in that element's term.
    static double InverseRootWeight(std::size_t d) { return 1.0 / std::sqrt(kWeights[d]); }

    // How far each element of a member with d_j <= tolerance may lie from the candidate's, with
    // `unit` = tolerance / (C n a), widened by the rounding and underflow margins; the reach in
    // a is in AU (the relative difference times a).
    static std::array<double, 3> Reach(double a, double unit);
};

} // namespace quorvane

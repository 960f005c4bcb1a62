// The family grid against the brute-force distance: whenever the smallest distance is within
// the tolerance the grid gives the same double, and otherwise a value above the tolerance.
#include "core/fast_generator.h"
#include "lists/family.h"
#include "lists/family_index.h"
#include "reference/family_members.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace quorvane {
namespace {

// Checks one candidate against the brute force at several tolerances.
void ExpectAgrees(const FamilyMembers& members, const FamilyIndex& index, double a, double e,
                  double s) {
    const double n = MeanMotion(a);
    const double brute = FamilyDistance(members, a, e, s, n);
    for (const double tolerance : {0.0, 1.0, 10.0, 50.0, 200.0, 1e5, 2e8}) {
        const double quick = index.Distance(a, e, s, n, tolerance);
        if (brute <= tolerance) {
            EXPECT_EQ(quick, brute) << "tolerance " << tolerance << " a " << a << " e " << e;
            EXPECT_TRUE(index.MayBeWithin(a, e, n, tolerance));
            // Values a little off the candidate's, either way: the coarse boxes keep a margin.
            for (const double off : {-1e-15, 0.0, 1e-15}) {
                EXPECT_TRUE(index.MayBeNearMembers(a * (1 + off), e * (1 - off), tolerance))
                    << "tolerance " << tolerance << " a " << a << " e " << e << " off " << off;
            }
        } else {
            EXPECT_GT(quick, tolerance) << "a " << a << " e " << e;
        }
    }
}

TEST(FamilyIndex, AgreesWithTheBruteForceOnClusters) {
    // Members in tight clusters (a few m/s apart), exact copies and scattered orbits; candidates
    // near and far, exact copies of members (distance 0) and midpoints (equal distances).
    test::SmallRandom random(42);
    FamilyMembers members;
    FamilyIndex index;
    std::vector<std::vector<double>> orbits;
    for (int k = 0; k < 600; ++k) {
        double a = 0, e = 0, s = 0;
        if (k % 3 == 0) {
            a = random.Uniform(1.5, 6.0);
            e = random.Uniform(0, 0.5);
            s = random.Uniform(-1, 1);
        } else {
            a = 2.5 + random.Uniform(-0.01, 0.01);
            e = 0.1 + random.Uniform(-0.003, 0.003);
            s = 0.2 + random.Uniform(-0.003, 0.003);
        }
        if (k % 17 == 5) {
            a = members.semiMajorAxis[0];
            e = members.eccentricity[0];
            s = members.sineInclination[0];
        }
        members.Add(a, e, s, k);
        index.Add(members.semiMajorAxis.back(), members.eccentricity.back(),
                  members.sineInclination.back());
        orbits.push_back({a, e, s});
    }
    for (int k = 0; k < 3000; ++k) {
        SCOPED_TRACE(k);
        const auto& near = orbits[static_cast<std::size_t>(random.Below(600))];
        const auto& other = orbits[static_cast<std::size_t>(random.Below(600))];
        switch (k % 4) {
        case 0:
            ExpectAgrees(members, index, near[0], near[1], near[2]);
            break;
        case 1:
            ExpectAgrees(members, index, (near[0] + other[0]) / 2, (near[1] + other[1]) / 2,
                         (near[2] + other[2]) / 2);
            break;
        case 2:
            ExpectAgrees(members, index, near[0] * (1 + random.Uniform(-1e-3, 1e-3)),
                         near[1] + random.Uniform(-1e-3, 1e-3),
                         near[2] + random.Uniform(-1e-3, 1e-3));
            break;
        default:
            ExpectAgrees(members, index, random.Uniform(0.5, 50), random.Uniform(0, 1),
                         random.Uniform(-1, 1));
            break;
        }
    }
}

TEST(FamilyIndex, CoarseBoxesSetAsideOnlyFarCandidates) {
    // A tight cluster: candidates across the belt are mostly set aside, never one within reach
    // (checked against the brute force), whatever the tolerance.
    test::SmallRandom random(7);
    FamilyMembers members;
    FamilyIndex index;
    for (int k = 0; k < 300; ++k) {
        members.Add(3.0 + random.Uniform(-0.02, 0.02), 0.15 + random.Uniform(-0.01, 0.01),
                    0.1 + random.Uniform(-0.01, 0.01), k);
        index.Add(members.semiMajorAxis.back(), members.eccentricity.back(),
                  members.sineInclination.back());
    }
    int setAside = 0;
    for (int k = 0; k < 20000; ++k) {
        const double a = random.Uniform(2.0, 4.0);
        const double e = random.Uniform(0.0, 0.3);
        const double s = random.Uniform(0.0, 0.2);
        for (const double tolerance : {0.0, 50.0, 200.0}) {
            const double brute = FamilyDistance(members, a, e, s, MeanMotion(a));
            if (!index.MayBeNearMembers(a, e, tolerance)) {
                EXPECT_GT(brute, tolerance) << "a " << a << " e " << e;
                ++setAside;
            }
        }
    }
    EXPECT_GT(setAside, 50000);
    // Members spread over more cells than the plane holds: every candidate goes on.
    FamilyMembers wide;
    FamilyIndex wideIndex;
    for (const double a : {0.5, 40000.0}) {
        wide.Add(a, 0.1, 0.1, static_cast<int>(wide.size()));
        wideIndex.Add(wide.semiMajorAxis.back(), wide.eccentricity.back(),
                      wide.sineInclination.back());
    }
    EXPECT_TRUE(wideIndex.MayBeNearMembers(20000.0, 0.5, 10.0));
    // An empty grid holds no member; a tolerance at the start value reaches everything.
    FamilyIndex empty;
    EXPECT_FALSE(empty.MayBeNearMembers(2.5, 0.1, 50.0));
    EXPECT_TRUE(index.MayBeNearMembers(40.0, 0.9, kDistanceStart));
}

TEST(FamilyIndex, OrbitsOffTheGridAndOddCandidates) {
    // Members whose elements the grid cannot hold, and candidates for which no box can be drawn
    // (a zero, negative or tiny axis, a huge one): the brute force decides.
    FamilyMembers members;
    FamilyIndex index;
    const double orbits[][3] = {
        {2.5, 0.1, 0.1},  {1e30, 0.1, 0.1}, {2.5, 1e300, 0.1},
        {-3.0, 0.1, 0.1}, {0.0, 0.0, 0.0},  {2.5, -0.1, -1},
        {1e-300, 0.1, 0}, {2.5, 0.1, 0.1},  {2.50000001, 0.1, 0.1},
    };
    for (const auto& orbit : orbits) {
        members.Add(orbit[0], orbit[1], orbit[2], 0);
        index.Add(members.semiMajorAxis.back(), members.eccentricity.back(),
                  members.sineInclination.back());
    }
    const double candidates[][3] = {
        {2.5, 0.1, 0.1},       {1e30, 0.1, 0.1},  {2.5, 1e300, 0.1}, {-3.0, 0.1, 0.1},
        {0.0, 0.0, 0.0},       {1e-300, 0.1, 0},  {1e-100, 0.1, 0},  {2.5, -0.1, -1},
        {2.5000001, 0.1, 0.1}, {1e200, 0.5, 0.5},
    };
    for (const auto& candidate : candidates) {
        SCOPED_TRACE(candidate[0]);
        ExpectAgrees(members, index, candidate[0], candidate[1], candidate[2]);
    }
    // A tolerance above the start of the minimum admits the start value itself, even for a
    // candidate whose box misses every member.
    FamilyMembers far;
    FamilyIndex farIndex;
    far.Add(2.5, 5000.0, 0.1, 0);
    farIndex.Add(2.5, 5000.0, 0.1);
    ExpectAgrees(far, farIndex, 1e-6, 0.1, 0.1);
    EXPECT_TRUE(farIndex.MayBeWithin(1e-6, 0.1, MeanMotion(1e-6), 2e8));
    // A negative tolerance admits nothing, as with the brute force.
    EXPECT_GT(index.Distance(2.5, 0.1, 0.1, MeanMotion(2.5), -1.0), -1.0);
}

TEST(FamilyIndex, EmptyIndexGivesTheStartValue) {
    const FamilyIndex index;
    EXPECT_EQ(index.Distance(2.5, 0.1, 0.1, MeanMotion(2.5), 200.0), kDistanceStart);
    EXPECT_FALSE(index.MayBeWithin(2.5, 0.1, MeanMotion(2.5), 200.0));
}

TEST(MemberBitmap, MarksRecordIndexes) {
    MemberBitmap bitmap;
    EXPECT_FALSE(bitmap.Has(0));
    bitmap.Set(3);
    bitmap.Set(1000000);
    bitmap.Set(-1);
    EXPECT_TRUE(bitmap.Has(3));
    EXPECT_TRUE(bitmap.Has(1000000));
    EXPECT_FALSE(bitmap.Has(4));
    EXPECT_FALSE(bitmap.Has(-1));
    EXPECT_FALSE(bitmap.Has(std::numeric_limits<long long>::max()));
}

} // namespace
} // namespace quorvane

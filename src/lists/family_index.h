// The quick side of the family extraction: members found so far marked in a bitmap over the
// record indexes, and a grid over their orbits, so that a candidate's distance is computed only
// against the members that could lie within the tolerance.
#pragma once

#include "lists/family.h"
#include "lists/family_metric.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace quorvane {

// The record indexes of the members, one bit each; indexes outside the int range are never
// members (the member list holds int indexes).
class MemberBitmap {
public:
    bool Has(long long index) const {
        if (index < 0) {
            return false;
        }
        const auto word = static_cast<std::size_t>(index >> 6);
        return word < words_.size() && ((words_[word] >> (index & 63)) & 1U) != 0;
    }
    void Set(long long index);
    // Every index set, ascending.
    std::vector<std::int64_t> Indexes() const;

private:
    std::vector<std::uint64_t> words_;
};

// A uniform grid over (a, e, sin i) holding every member. Cells are found by hashing; members
// whose elements fall outside the grid's range are kept aside and always compared.
class FamilyIndex {
public:
    // Takes a member: its semi-major axis, eccentricity and sine of inclination. The index
    // keeps the only copy of them.
    void Add(double a, double e, double s);

    // False when a and e alone show that no member lies within `tolerance` (so the candidate's
    // inclination need not be turned into a sine). True whenever there is any doubt.
    bool MayBeWithin(double a, double e, double n, double tolerance) const;

    // MayBeWithin without the mean motion, looking only at the (a, e) cells that hold members,
    // its boxes drawn with products for quotients and widened far beyond their rounding: a
    // record far from every member is set aside before its inclination is turned into a sine
    // or its distance computed. True whenever there is any doubt.
    bool MayBeNearMembers(double a, double e, double tolerance) const;

    // The smallest d_j over every member (by FamilyMetric::Distance, starting from
    // kDistanceStart and taking only strictly smaller values) whenever that is at most
    // `tolerance`; otherwise some value above `tolerance`. Members that can be shown to lie
    // beyond the tolerance, with a margin far above rounding, are left out; where no such box
    // can be drawn (a tolerance below 0, a candidate whose a is not a positive finite number, a
    // scale that is not finite) every member is compared. The smallest distance does not depend
    // on the order the members are compared in.
    double Distance(double a, double e, double s, double n, double tolerance) const;

    std::size_t size() const { return count_; }

private:
    struct Cell {
        std::int32_t ia, ie, is;
        std::vector<double> a, e, s;
    };
    struct Box {
        double lo[3];
        double hi[3];
    };

    // The candidate's box in element space; false when none can be drawn.
    static bool SearchBox(double a, double e, double s, double n, double tolerance, Box& box);
    std::int64_t FindCell(std::uint64_t key) const;
    void Rehash(std::size_t capacity);
    // Marks the (a, e) cell of a new grid cell in the plane, laying the plane out again when
    // the cell falls outside it.
    void MarkPlane(std::int32_t ia, std::int32_t ie);

    std::vector<Cell> cells_;
    std::vector<std::uint64_t> slotKeys_; // open addressing; kEmptySlot marks a free slot
    std::vector<std::uint32_t> slotCells_;
    std::vector<double> asideA_, asideE_, asideS_; // members off the grid
    // Scratch space of Distance: the cells in a candidate's box with a bound below their
    // members' distances.
    mutable std::vector<std::pair<double, std::uint32_t>> nearCells_;
    // One bit per (a, e) cell from planeLow_ on, a row of planeWords_ words per a cell: set
    // where some grid cell holds members. Empty when the members spread too far for it.
    std::vector<std::uint64_t> plane_;
    std::int32_t planeLow_[2] = {0, 0};
    std::int32_t planeHigh_[2] = {-1, -1};
    std::size_t planeWords_ = 0;
    bool planeTooWide_ = false;
    std::int32_t min_[3] = {0, 0, 0};
    std::int32_t max_[3] = {-1, -1, -1};
    std::size_t count_ = 0;
};

} // namespace quorvane

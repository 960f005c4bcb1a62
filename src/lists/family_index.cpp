#include "lists/family_index.h"

#include <bit>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace quorvane {

namespace {

// Cell sides in AU, in eccentricity and in sine of inclination: at 100 m/s in the main belt a
// box spans two or three cells each way.
constexpr double kCellSide[3] = {0.01, 0.005, 0.005};
// Cell coordinates live in 21 bits each.
constexpr std::int64_t kCellOffset = std::int64_t{1} << 20;
constexpr double kCellLimit = static_cast<double>(kCellOffset - 2);
constexpr std::uint64_t kEmptySlot = ~std::uint64_t{0};
// The (a, e) plane of occupied cells stays under this many bits (512 KiB); members spread
// wider leave it empty, and every candidate then goes on to the exact test.
constexpr std::int64_t kMaxPlaneBits = std::int64_t{1} << 22;
// Room left around the members' cells when the plane is laid out, so that a family growing
// outwards seldom lays it out again.
constexpr std::int32_t kPlaneRoom = 32;
// Boxes of more cells than this walk the list of cells instead of probing each.
constexpr double kMaxProbes = 256;
// The widening of a box's sides for the rounding of their own sums (the metric's reach has its
// margins already).
constexpr double kBoxSlack = 1e-12;
// The widening of a cell for the rounding of value / side that placed its members, and of the
// coarse boxes for the rounding of their products: relative and absolute parts.
constexpr double kCellRounding = 1e-9;
constexpr double kCellUnderflow = 1e-300;
constexpr double kCoarseBoxRounding = 1e-9;
constexpr double kCoarseBoxUnderflow = 1e-140;
// The coarse boxes' long reach takes 1 for every 1 / sqrt(w).
static_assert(FamilyMetric::kWeights[0] >= 1.0 && FamilyMetric::kWeights[1] >= 1.0 &&
              FamilyMetric::kWeights[2] >= 1.0);

std::uint64_t CellKey(std::int64_t ia, std::int64_t ie, std::int64_t is) {
    return (static_cast<std::uint64_t>(ia + kCellOffset) << 42) |
           (static_cast<std::uint64_t>(ie + kCellOffset) << 21) |
           static_cast<std::uint64_t>(is + kCellOffset);
}

std::size_t SlotOf(std::uint64_t key, std::size_t mask) {
    return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ULL) >> 20) & mask;
}

// floor(value / side) when it is a cell coordinate of the grid.
bool CellCoordinate(double value, double side, std::int64_t& cell) {
    const double scaled = std::floor(value / side);
    if (!(scaled >= -kCellLimit && scaled <= kCellLimit)) {
        return false;
    }
    cell = static_cast<std::int64_t>(scaled);
    return true;
}

// How far `value` lies outside cell `cell` of side `side`, never more than the true gap: the
// cell is widened for the rounding of value / side that placed its members, and the gap
// shrunk for the rounding of the subtraction.
double GapToCell(double value, std::int32_t cell, double side) {
    const double low = cell * side;
    const double high = (cell + 1.0) * side;
    const double lowWide = low - std::fabs(low) * kCellRounding - kCellUnderflow;
    const double highWide = high + std::fabs(high) * kCellRounding + kCellUnderflow;
    if (value < lowWide) {
        return (lowWide - value) * (1.0 - kCellRounding);
    }
    if (value > highWide) {
        return (value - highWide) * (1.0 - kCellRounding);
    }
    return 0.0;
}

} // namespace

std::vector<std::int64_t> MemberBitmap::Indexes() const {
    std::vector<std::int64_t> indexes;
    for (std::size_t word = 0; word < words_.size(); ++word) {
        for (std::uint64_t bits = words_[word]; bits != 0; bits &= bits - 1) {
            indexes.push_back(static_cast<std::int64_t>(word * 64) + std::countr_zero(bits));
        }
    }
    return indexes;
}

void MemberBitmap::Set(long long index) {
    if (index < 0 || index > std::numeric_limits<int>::max()) {
        return;
    }
    const auto word = static_cast<std::size_t>(index >> 6);
    if (word >= words_.size()) {
        words_.resize(std::max(word + 1, words_.size() * 2), 0);
    }
    words_[word] |= std::uint64_t{1} << (index & 63);
}

void FamilyIndex::Rehash(std::size_t capacity) {
    slotKeys_.assign(capacity, kEmptySlot);
    slotCells_.assign(capacity, 0);
    const std::size_t mask = capacity - 1;
    for (std::size_t c = 0; c < cells_.size(); ++c) {
        const std::uint64_t key = CellKey(cells_[c].ia, cells_[c].ie, cells_[c].is);
        std::size_t slot = SlotOf(key, mask);
        while (slotKeys_[slot] != kEmptySlot) {
            slot = (slot + 1) & mask;
        }
        slotKeys_[slot] = key;
        slotCells_[slot] = static_cast<std::uint32_t>(c);
    }
}

std::int64_t FamilyIndex::FindCell(std::uint64_t key) const {
    if (slotKeys_.empty()) {
        return -1;
    }
    const std::size_t mask = slotKeys_.size() - 1;
    for (std::size_t slot = SlotOf(key, mask);; slot = (slot + 1) & mask) {
        if (slotKeys_[slot] == key) {
            return slotCells_[slot];
        }
        if (slotKeys_[slot] == kEmptySlot) {
            return -1;
        }
    }
}

void FamilyIndex::Add(double a, double e, double s) {
    const double v[3] = {a, e, s};
    ++count_;
    std::int64_t c[3] = {0, 0, 0};
    for (int d = 0; d < 3; ++d) {
        if (!CellCoordinate(v[d], kCellSide[d], c[d])) {
            asideA_.push_back(v[0]);
            asideE_.push_back(v[1]);
            asideS_.push_back(v[2]);
            return;
        }
    }
    const std::uint64_t key = CellKey(c[0], c[1], c[2]);
    std::int64_t cell = FindCell(key);
    if (cell < 0) {
        if ((cells_.size() + 1) * 2 > slotKeys_.size()) {
            cells_.push_back({static_cast<std::int32_t>(c[0]),
                              static_cast<std::int32_t>(c[1]),
                              static_cast<std::int32_t>(c[2]),
                              {},
                              {},
                              {}});
            Rehash(std::max<std::size_t>(64, slotKeys_.size() * 2));
        } else {
            cells_.push_back({static_cast<std::int32_t>(c[0]),
                              static_cast<std::int32_t>(c[1]),
                              static_cast<std::int32_t>(c[2]),
                              {},
                              {},
                              {}});
            const std::size_t mask = slotKeys_.size() - 1;
            std::size_t slot = SlotOf(key, mask);
            while (slotKeys_[slot] != kEmptySlot) {
                slot = (slot + 1) & mask;
            }
            slotKeys_[slot] = key;
            slotCells_[slot] = static_cast<std::uint32_t>(cells_.size() - 1);
        }
        cell = static_cast<std::int64_t>(cells_.size() - 1);
        for (int d = 0; d < 3; ++d) {
            const auto coordinate = static_cast<std::int32_t>(c[d]);
            if (cells_.size() == 1) {
                min_[d] = max_[d] = coordinate;
            } else {
                min_[d] = std::min(min_[d], coordinate);
                max_[d] = std::max(max_[d], coordinate);
            }
        }
        MarkPlane(static_cast<std::int32_t>(c[0]), static_cast<std::int32_t>(c[1]));
    }
    Cell& target = cells_[static_cast<std::size_t>(cell)];
    target.a.push_back(v[0]);
    target.e.push_back(v[1]);
    target.s.push_back(v[2]);
}

void FamilyIndex::MarkPlane(std::int32_t ia, std::int32_t ie) {
    if (planeTooWide_) {
        return;
    }
    const std::int32_t cell[2] = {ia, ie};
    bool inside = !plane_.empty();
    for (int d = 0; d < 2 && inside; ++d) {
        inside = cell[d] >= planeLow_[d] && cell[d] <= planeHigh_[d];
    }
    if (!inside) {
        // Lay the plane out again around every cell, with room to grow.
        plane_.clear();
        std::int64_t low[2];
        std::int64_t high[2];
        for (int d = 0; d < 2; ++d) {
            low[d] = static_cast<std::int64_t>(min_[d]) - kPlaneRoom;
            high[d] = static_cast<std::int64_t>(max_[d]) + kPlaneRoom;
        }
        const std::int64_t words = (high[1] - low[1]) / 64 + 1;
        if ((high[0] - low[0] + 1) * words * 64 > kMaxPlaneBits) {
            // The members only spread further from here on.
            planeTooWide_ = true;
            return;
        }
        for (int d = 0; d < 2; ++d) {
            planeLow_[d] = static_cast<std::int32_t>(low[d]);
            planeHigh_[d] = static_cast<std::int32_t>(high[d]);
        }
        planeWords_ = static_cast<std::size_t>(words);
        plane_.assign(static_cast<std::size_t>(high[0] - low[0] + 1) * planeWords_, 0);
        for (const Cell& existing : cells_) {
            const auto row = static_cast<std::size_t>(existing.ia - planeLow_[0]);
            const auto bit = static_cast<std::size_t>(existing.ie - planeLow_[1]);
            plane_[row * planeWords_ + bit / 64] |= std::uint64_t{1} << (bit % 64);
        }
        return;
    }
    const auto row = static_cast<std::size_t>(ia - planeLow_[0]);
    const auto bit = static_cast<std::size_t>(ie - planeLow_[1]);
    plane_[row * planeWords_ + bit / 64] |= std::uint64_t{1} << (bit % 64);
}

bool FamilyIndex::SearchBox(double a, double e, double s, double n, double tolerance, Box& box) {
    const double scale = FamilyMetric::Scale(a, n);
    if (!(tolerance >= 0.0) || !(a > 0.0) || !(scale > 0.0) || !std::isfinite(a) ||
        !std::isfinite(scale)) {
        return false;
    }
    const std::array<double, 3> reach = FamilyMetric::Reach(a, tolerance / scale);
    const double centre[3] = {a, e, s};
    for (int d = 0; d < 3; ++d) {
        // The subtraction and addition themselves round: widen by far more than that.
        const double slack = (std::fabs(centre[d]) + reach[d]) * kBoxSlack;
        box.lo[d] = centre[d] - reach[d] - slack;
        box.hi[d] = centre[d] + reach[d] + slack;
        if (!std::isfinite(box.lo[d]) || !std::isfinite(box.hi[d])) {
            return false;
        }
    }
    return true;
}

bool FamilyIndex::MayBeWithin(double a, double e, double n, double tolerance) const {
    // The start of the minimum is itself within a tolerance that large.
    if (!asideA_.empty() || tolerance >= kDistanceStart) {
        return true;
    }
    if (cells_.empty()) {
        return false;
    }
    Box box{};
    if (!SearchBox(a, e, 0.0, n, tolerance, box)) {
        return true;
    }
    for (int d = 0; d < 2; ++d) {
        // Grid cells cover [cell * side, (cell + 1) * side) up to rounding: compare cells.
        const double lo = std::floor(box.lo[d] / kCellSide[d]);
        const double hi = std::floor(box.hi[d] / kCellSide[d]);
        if (hi < min_[d] || lo > max_[d]) {
            return false;
        }
    }
    return true;
}

namespace {

// floor(x) as an integer, for |x| below 2^52.
std::int64_t FloorToInteger(double x) {
    auto i = static_cast<std::int64_t>(x);
    if (x < static_cast<double>(i)) {
        --i;
    }
    return i;
}

constexpr double kInverseCellSide[2] = {1.0 / kCellSide[0], 1.0 / kCellSide[1]};

} // namespace

bool FamilyIndex::MayBeNearMembers(double a, double e, double tolerance) const {
    if (!asideA_.empty() || tolerance >= kDistanceStart) {
        return true;
    }
    if (cells_.empty()) {
        return false;
    }
    if (plane_.empty() || !(a > 0.0 && a < 1e9) || !(e > -1e9 && e < 1e9) || !(tolerance >= 0.0)) {
        return true;
    }
    // First with (a + 1) / 2 for sqrt(a), which it never falls below, and 1 for every
    // 1 / sqrt(w), which is at most 1: the reach is then too long, and a candidate whose longer
    // box misses every member's cell needs no more.
    const double longUnit = tolerance * (0.5 * a + 0.5) * FamilyMetric::kInverseVelocityUnit *
                            (1.0 + FamilyMetric::kCoarseBoxMargin);
    const double longReach[2] = {a * longUnit, longUnit};
    const double centre[2] = {a, e};
    for (int d = 0; d < 2; ++d) {
        const double widen =
            (std::fabs(centre[d]) + longReach[d]) * kCoarseBoxRounding + kCoarseBoxUnderflow;
        if ((centre[d] + longReach[d] + widen) * kInverseCellSide[d] < min_[d] ||
            (centre[d] - longReach[d] - widen) * kInverseCellSide[d] >= max_[d] + 1.0) {
            return false;
        }
    }
    // The box SearchBox draws, in products instead of quotients, widened by far more than
    // every rounding here and SearchBox's own absolute margin for squares that underflow.
    const double unit = tolerance * std::sqrt(a) * FamilyMetric::kInverseVelocityUnit;
    const double reach[2] = {
        a * unit * FamilyMetric::InverseRootWeight(0) * (1.0 + FamilyMetric::kCoarseBoxMargin),
        unit * FamilyMetric::InverseRootWeight(1) * (1.0 + FamilyMetric::kCoarseBoxMargin)};
    std::int64_t low[2];
    std::int64_t high[2];
    for (int d = 0; d < 2; ++d) {
        const double widen =
            (std::fabs(centre[d]) + reach[d]) * kCoarseBoxRounding + kCoarseBoxUnderflow;
        const double lo = (centre[d] - reach[d] - widen) * kInverseCellSide[d];
        const double hi = (centre[d] + reach[d] + widen) * kInverseCellSide[d];
        if (!(lo > -1e15 && hi < 1e15)) {
            return true;
        }
        low[d] = std::max<std::int64_t>(FloorToInteger(lo), planeLow_[d]);
        high[d] = std::min<std::int64_t>(FloorToInteger(hi), planeHigh_[d]);
        if (high[d] < low[d]) {
            return false;
        }
    }
    for (std::int64_t ia = low[0]; ia <= high[0]; ++ia) {
        const std::uint64_t* row =
            plane_.data() + static_cast<std::size_t>(ia - planeLow_[0]) * planeWords_;
        const auto first = static_cast<std::size_t>(low[1] - planeLow_[1]);
        const auto last = static_cast<std::size_t>(high[1] - planeLow_[1]);
        for (std::size_t word = first / 64; word <= last / 64; ++word) {
            std::uint64_t bits = row[word];
            if (word == first / 64) {
                bits &= ~std::uint64_t{0} << (first % 64);
            }
            if (word == last / 64) {
                bits &= ~std::uint64_t{0} >> (63 - last % 64);
            }
            if (bits != 0) {
                return true;
            }
        }
    }
    return false;
}

double FamilyIndex::Distance(double a, double e, double s, double n, double tolerance) const {
    const double scale = FamilyMetric::Scale(a, n);
    Box box{};
    if (!SearchBox(a, e, s, n, tolerance, box)) {
        // Every member, by the brute-force formula.
        double smallest = kDistanceStart;
        const auto all = [&](const std::vector<double>& as, const std::vector<double>& es,
                             const std::vector<double>& ss) {
            for (std::size_t j = 0; j < as.size(); ++j) {
                const double d = FamilyMetric::Distance(scale, a, e, s, as[j], es[j], ss[j]);
                if (d < smallest) {
                    smallest = d;
                }
            }
        };
        all(asideA_, asideE_, asideS_);
        for (const Cell& cell : cells_) {
            all(cell.a, cell.e, cell.s);
        }
        return smallest;
    }
    double smallest = kDistanceStart;
    // A member whose d_j, squared and with a product for the quotient (within some units in
    // 1e16 of the exact square), lies clearly beyond both the smallest distance so far and the
    // tolerance can neither be the minimum nor be within the tolerance: its exact d_j is not
    // needed. Only where the squares stay far from overflow and underflow.
    const bool screen = scale > 1e-100 && scale < 1e100 && std::fabs(a) > 1e-100 &&
                        std::fabs(a) < 1e100 && std::fabs(e) < 1e100 && std::fabs(s) < 1e100;
    const double inverseA = 1.0 / a;
    const double scaleSquared = scale * scale;
    const auto screenLimit = [&] {
        const double limit = std::min(smallest, tolerance);
        return limit * limit * (1.0 + FamilyMetric::kSquareMargin);
    };
    double limitSquared = screenLimit();
    const auto take = [&](const std::vector<double>& as, const std::vector<double>& es,
                          const std::vector<double>& ss) {
        for (std::size_t j = 0; j < as.size(); ++j) {
            if (screen) {
                const double qa = (a - as[j]) * inverseA;
                const double qe = e - es[j];
                const double qs = s - ss[j];
                if (scaleSquared * FamilyMetric::WeightedSquares(qa, qe, qs) > limitSquared) {
                    continue;
                }
            }
            const double d = FamilyMetric::Distance(scale, a, e, s, as[j], es[j], ss[j]);
            if (d < smallest) {
                smallest = d;
                limitSquared = screenLimit();
            }
        }
    };
    take(asideA_, asideE_, asideS_);
    if (cells_.empty()) {
        return smallest;
    }
    // The box in cell coordinates, cut to the cells that hold members.
    double lo[3];
    double hi[3];
    double probes = 1.0;
    for (int d = 0; d < 3; ++d) {
        lo[d] = std::max(std::floor(box.lo[d] / kCellSide[d]), static_cast<double>(min_[d]));
        hi[d] = std::min(std::floor(box.hi[d] / kCellSide[d]), static_cast<double>(max_[d]));
        if (hi[d] < lo[d]) {
            return smallest;
        }
        probes *= hi[d] - lo[d] + 1.0;
    }
    // The cells in the box that hold members.
    std::vector<std::pair<double, std::uint32_t>>& near = nearCells_;
    near.clear();
    if (probes > kMaxProbes || probes > static_cast<double>(cells_.size())) {
        for (std::size_t c = 0; c < cells_.size(); ++c) {
            const Cell& cell = cells_[c];
            if (cell.ia >= lo[0] && cell.ia <= hi[0] && cell.ie >= lo[1] && cell.ie <= hi[1] &&
                cell.is >= lo[2] && cell.is <= hi[2]) {
                near.emplace_back(0.0, static_cast<std::uint32_t>(c));
            }
        }
    } else {
        const auto ia0 = static_cast<std::int64_t>(lo[0]);
        const auto ie0 = static_cast<std::int64_t>(lo[1]);
        const auto is0 = static_cast<std::int64_t>(lo[2]);
        const auto ia1 = static_cast<std::int64_t>(hi[0]);
        const auto ie1 = static_cast<std::int64_t>(hi[1]);
        const auto is1 = static_cast<std::int64_t>(hi[2]);
        for (std::int64_t ia = ia0; ia <= ia1; ++ia) {
            for (std::int64_t ie = ie0; ie <= ie1; ++ie) {
                for (std::int64_t is = is0; is <= is1; ++is) {
                    const std::int64_t cell = FindCell(CellKey(ia, ie, is));
                    if (cell >= 0) {
                        near.emplace_back(0.0, static_cast<std::uint32_t>(cell));
                    }
                }
            }
        }
    }
    if (near.size() == 1) {
        const Cell& only = cells_[near[0].second];
        take(only.a, only.e, only.s);
        return smallest;
    }
    // Nearest cells first; a cell whose every member lies farther than the smallest distance
    // found so far (by a bound below each computed d_j) cannot hold the minimum, nor a tie.
    for (auto& [bound, c] : near) {
        const Cell& cell = cells_[c];
        const double ga = GapToCell(a, cell.ia, kCellSide[0]) / a;
        const double ge = GapToCell(e, cell.ie, kCellSide[1]);
        const double gs = GapToCell(s, cell.is, kCellSide[2]);
        bound = scale * std::sqrt(FamilyMetric::WeightedSquares(ga, ge, gs)) *
                (1.0 - FamilyMetric::kRoundingMargin);
    }
    std::sort(near.begin(), near.end());
    for (const auto& [bound, c] : near) {
        if (bound > smallest) {
            break;
        }
        const Cell& cell = cells_[c];
        take(cell.a, cell.e, cell.s);
    }
    return smallest;
}

} // namespace quorvane

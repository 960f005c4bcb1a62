// An evenly spread subset, in arrival order, of a sequence too long to keep: the family
// figure's background of other asteroids, out of a scan of up to a million and a half records.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace quorvane {

// Keeps every stride-th item offered; when more than twice `wanted` are kept, drops every other
// one and doubles the stride, so memory stays within 2 * wanted + 1 items. The same sequence
// always gives the same subset.
template <typename Item> class EvenSample {
public:
    explicit EvenSample(std::size_t wanted) : wanted_(wanted) {}

    void Add(const Item& item) {
        if (wanted_ > 0 && offered_ % stride_ == 0) {
            kept_.push_back(item);
            if (kept_.size() > 2 * wanted_) {
                // The items kept are offers 0, s, 2s, ...: keeping the even places keeps the
                // offers 0, 2s, 4s, ..., the subset stride 2s would have kept.
                for (std::size_t i = 0; 2 * i < kept_.size(); ++i) {
                    kept_[i] = std::move(kept_[2 * i]);
                }
                kept_.resize((kept_.size() + 1) / 2);
                stride_ *= 2;
            }
        }
        ++offered_;
    }

    // How many items were offered in all.
    std::uint64_t Offered() const { return offered_; }

    // At most `wanted` of the items kept, spread evenly over them, in arrival order.
    std::vector<Item> Take() && {
        if (kept_.size() <= wanted_) {
            return std::move(kept_);
        }
        std::vector<Item> chosen;
        chosen.reserve(wanted_);
        for (std::size_t j = 0; j < wanted_; ++j) {
            chosen.push_back(std::move(kept_[j * kept_.size() / wanted_]));
        }
        return chosen;
    }

private:
    std::size_t wanted_;
    std::uint64_t stride_ = 1;
    std::uint64_t offered_ = 0;
    std::vector<Item> kept_;
};

} // namespace quorvane

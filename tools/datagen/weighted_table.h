// Picks indexes at random in proportion to fixed integer weights.
#pragma once

#include <cstdint>
#include <vector>

#include "random.h"

namespace vendarion::datagen {

class WeightedTable {
public:
    WeightedTable() = default;
    // Weights of zero are never picked; an all-zero or empty table cannot pick.
    explicit WeightedTable(const std::vector<std::uint32_t>& weights);

    bool empty() const { return total_ == 0; }
    std::size_t size() const { return cumulative_.size(); }
    // An index with weight > 0; the table must not be empty.
    std::size_t Pick(Random& random) const;

private:
    std::vector<std::uint64_t> cumulative_;
    std::uint64_t total_ = 0;
};

}  // namespace vendarion::datagen

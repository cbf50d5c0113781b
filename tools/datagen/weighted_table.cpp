#include "weighted_table.h"

#include <algorithm>
#include <cassert>

namespace vendarion::datagen {

WeightedTable::WeightedTable(const std::vector<std::uint32_t>& weights) {
    cumulative_.reserve(weights.size());
    for (std::uint32_t weight : weights) {
        total_ += weight;
        cumulative_.push_back(total_);
    }
}

std::size_t WeightedTable::Pick(Random& random) const {
    assert(total_ > 0);
    const std::uint64_t target = random.Next() % total_;
    return static_cast<std::size_t>(
        std::upper_bound(cumulative_.begin(), cumulative_.end(), target) - cumulative_.begin());
}

}  // namespace vendarion::datagen

// A small deterministic random source (xoshiro256**, seeded through splitmix64), so
// that the generated data depend only on the seed and never on the standard
// library's distributions. Not thread-safe; one object per generating thread.
#pragma once

#include <cstdint>

namespace vendarion::datagen {

class Random {
public:
    explicit Random(std::uint64_t seed) {
        for (std::uint64_t& word : state_) word = SplitMix(&seed);
    }

    std::uint64_t Next() {
        const std::uint64_t result = Rotate(state_[1] * 5, 7) * 9;
        const std::uint64_t t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = Rotate(state_[3], 45);
        return result;
    }

    // Uniform in [0, bound); bound > 0. The tiny bias of the multiply-shift is
    // irrelevant for synthetic data.
    std::uint32_t Below(std::uint32_t bound) {
        return static_cast<std::uint32_t>(((Next() >> 32) * bound) >> 32);
    }

    // Uniform in [low, high].
    int Between(int low, int high) {
        return low + static_cast<int>(Below(static_cast<std::uint32_t>(high - low + 1)));
    }

    // True with the given probability in parts per thousand.
    bool Chance(int per_mille) { return Below(1000) < static_cast<std::uint32_t>(per_mille); }

    // A seed for an independent stream, derived from this seed and a number.
    static std::uint64_t Derive(std::uint64_t seed, std::uint64_t number) {
        std::uint64_t mixed = seed ^ (number * 0x9E3779B97F4A7C15ULL);
        return SplitMix(&mixed);
    }

private:
    static std::uint64_t Rotate(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    static std::uint64_t SplitMix(std::uint64_t* state) {
        std::uint64_t z = (*state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    std::uint64_t state_[4];
};

}  // namespace vendarion::datagen

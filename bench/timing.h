// The clock of the hand-timed benchmarks (those that keep untimed set-up work, such
// as unsettling a cache, out of each iteration).
#pragma once

#include <chrono>

namespace vendarion::bench {

using Clock = std::chrono::steady_clock;

inline double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace vendarion::bench

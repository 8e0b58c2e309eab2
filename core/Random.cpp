#include "core/Random.h"

#include <chrono>

namespace orvane {

void RandomGenerator::SeedFromClock()
{
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    const auto mixed = static_cast<std::uint64_t>(ticks);
    Seed(static_cast<std::uint32_t>(mixed ^ (mixed >> 32)));
}

}  // namespace orvane

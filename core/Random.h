#pragma once
// The run's one uniform pseudo-random generator. It is seeded once (from the
// clock in the program, from a given seed in batch runs and tests) and then
// continues from run to run, so two runs of the same input differ.

#include <cstdint>
#include <random>

namespace orvane {

class RandomGenerator {
public:
    RandomGenerator() = default;
    explicit RandomGenerator(std::uint32_t seed) { Seed(seed); }

    void Seed(std::uint32_t seed) { engine_.seed(seed); }
    void SeedFromClock();

    // Uniform on [0, 1), 32 bits of resolution.
    double Next() { return static_cast<double>(engine_()) * (1.0 / 4294967296.0); }

private:
    std::mt19937 engine_ {5489u};
};

}  // namespace orvane

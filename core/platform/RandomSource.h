#pragma once

#include <cstdint>
#include <random>

// The game's one pseudo-random generator, seeded once per run (from the clock, or
// from a seed the script driver gives, so a run can be replayed).
class RandomSource {
public:
    explicit RandomSource(std::uint64_t seed) : engine_(seed) {}
    static std::uint64_t clockSeed();

    // A whole number in [0, n); 0 when n <= 0.
    int bounded(int n);

private:
    std::mt19937_64 engine_;
};

#pragma once

#include <cstdint>
#include <random>
#include <string>

// The game's one pseudo-random generator, seeded once per run (from the clock, or
// from a seed the script driver gives, so a run can be replayed).
class RandomSource {
public:
    explicit RandomSource(std::uint64_t seed) : engine_(seed) {}
    static std::uint64_t clockSeed();

    // A whole number in [0, n); 0 when n <= 0.
    int bounded(int n);

    // The generator's whole state as text, so a saved game draws the same numbers
    // it would have drawn without the stop; SetState is false for a text that is none.
    std::string State() const;
    bool SetState(const std::string& state);

private:
    std::mt19937_64 engine_;
};

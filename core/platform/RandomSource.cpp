#include "core/platform/RandomSource.h"

#include <chrono>

std::uint64_t RandomSource::clockSeed() {
    return std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count());
}

int RandomSource::bounded(int n) {
    if (n <= 0)
        return 0;
    std::uniform_int_distribution<int> pick(0, n - 1);
    return pick(engine_);
}

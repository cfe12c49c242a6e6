#include "core/platform/RandomSource.h"

#include <chrono>
#include <sstream>

std::uint64_t RandomSource::clockSeed() {
    return std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count());
}

int RandomSource::bounded(int n) {
    if (n <= 0)
        return 0;
    std::uniform_int_distribution<int> pick(0, n - 1);
    return pick(engine_);
}

std::string RandomSource::State() const {
    std::ostringstream out;
    out << engine_;
    return out.str();
}

bool RandomSource::SetState(const std::string& state) {
    std::istringstream in(state);
    std::mt19937_64 engine;
    in >> engine;
    if (in.fail())
        return false;
    // Nothing may follow the generator's numbers.
    in >> std::ws;
    if (!in.eof())
        return false;
    engine_ = engine;
    return true;
}

#include "DrumRandom.h"

#include <ctime>
#include <random>

namespace {

std::mt19937& generator() {
    static std::mt19937 generator;
    return generator;
}

bool seeded = false;

} // namespace

std::uint32_t nextRandom() {
    return generator()() >> 1;
}

void seedRandom(std::uint32_t seed) {
    generator().seed(seed);
    seeded = true;
}

void seedRandomFromClockOnce() {
    if (!seeded) {
        seedRandom(static_cast<std::uint32_t>(std::time(nullptr)));
    }
}

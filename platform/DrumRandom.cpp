#include "DrumRandom.h"

#include <ctime>
#include <random>

namespace {

std::mt19937& Generator() {
    static std::mt19937 generator;
    return generator;
}

bool seeded = false;

} // namespace

std::uint32_t NextRandom() {
    return Generator()() >> 1;
}

void SeedRandom(std::uint32_t seed) {
    Generator().seed(seed);
    seeded = true;
}

void SeedRandomFromClockOnce() {
    if (!seeded) {
        SeedRandom(static_cast<std::uint32_t>(std::time(nullptr)));
    }
}

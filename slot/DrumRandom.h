#pragma once

#include <cstdint>

// The one process-wide pseudo-random generator. Seeded once from the calendar
// time by the slot drum; tests may reseed it to pin a sequence.
std::uint32_t nextRandom();
void seedRandom(std::uint32_t seed);
// Seeds from the time in seconds the first time it is called; later calls do nothing.
void seedRandomFromClockOnce();

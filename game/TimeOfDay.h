#pragma once

#include <string>

// The local time of day as a fraction of a day, from the system clock.
double localTimeOfDay();

// A time of day (fraction of a day) as "H:mm:ss". Values outside one day wrap
// around it, so a negative difference across midnight shows as the time it took.
std::string formatTimeOfDay(double days);

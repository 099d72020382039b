#include "TimeOfDay.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace {

constexpr long long MillisecondsPerDay = 24LL * 60 * 60 * 1000;

} // namespace

double localTimeOfDay() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto millis = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    const double ms =
        ((local.tm_hour * 60.0 + local.tm_min) * 60.0 + local.tm_sec) * 1000.0 + millis;
    return ms / static_cast<double>(MillisecondsPerDay);
}

std::string formatTimeOfDay(double days) {
    if (!std::isfinite(days)) {
        days = 0;
    }
    long long ms = std::llround(std::fmod(days, 1.0) * static_cast<double>(MillisecondsPerDay));
    ms %= MillisecondsPerDay;
    if (ms < 0) {
        ms += MillisecondsPerDay;
    }
    const long long totalSeconds = ms / 1000;
    char text[16];
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", totalSeconds / 3600,
                  totalSeconds / 60 % 60, totalSeconds % 60);
    return text;
}

#pragma once

#include "GamePorts.h"
#include "TimeOfDay.h"

// The controller's clock: the local time of day from the system clock.
class LocalClock : public TimeOfDay {
public:
    double now() override { return localTimeOfDay(); }
};

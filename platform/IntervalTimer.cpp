#include "IntervalTimer.h"

#include <algorithm>
#include <utility>

IntervalTimer::IntervalTimer(std::function<void()> onTick, QObject* parent)
    : QObject(parent), onTick_(std::move(onTick)) {
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (onTick_) {
            onTick_();
        }
    });
}

void IntervalTimer::SetInterval(int milliseconds) {
    // A negative interval cannot run; treat it as stopped.
    milliseconds = std::max(milliseconds, 0);
    if (milliseconds == interval_) {
        return;
    }
    interval_ = milliseconds;
    if (interval_ == 0) {
        timer_.stop();
    } else {
        timer_.start(interval_);
    }
}

#include "IntervalTimer.h"

#include <algorithm>
#include <utility>

IntervalTimer::IntervalTimer(std::function<void()> onTick, QObject* parent)
    : QObject(parent), m_onTick(std::move(onTick)) {
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (m_onTick) {
            m_onTick();
        }
    });
}

void IntervalTimer::setInterval(int milliseconds) {
    // A negative interval cannot run; treat it as stopped.
    milliseconds = std::max(milliseconds, 0);
    if (milliseconds == m_interval) {
        return;
    }
    m_interval = milliseconds;
    if (m_interval == 0) {
        m_timer.stop();
    } else {
        m_timer.start(m_interval);
    }
}

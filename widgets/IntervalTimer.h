#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

// A timer driven by its interval alone: 0 means stopped, any other value means
// running at that interval. Setting the interval it already has changes nothing;
// setting another one restarts the period.
class IntervalTimer : public QObject {
    Q_OBJECT
public:
    explicit IntervalTimer(std::function<void()> onTick, QObject* parent = nullptr);

    void setInterval(int milliseconds);
    int interval() const { return m_interval; }
    bool running() const { return m_interval != 0; }

private:
    QTimer m_timer;
    std::function<void()> m_onTick;
    int m_interval = 0;
};

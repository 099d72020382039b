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

    void SetInterval(int milliseconds);
    int Interval() const { return interval_; }
    bool Running() const { return interval_ != 0; }

private:
    QTimer timer_;
    std::function<void()> onTick_;
    int interval_ = 0;
};

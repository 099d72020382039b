#pragma once

#include "AnimatedCourseView.h"
#include "CourseViewTimer.h"
#include "MainWindow.h"
#include "SlotDrum.h"

#include <QCoreApplication>
#include <QTimer>

// Delivers the queued reports and runs the course view's animation by
// calling its tick handler, until nothing moves any more. False if the
// animation never ends.
inline bool settleForm(MainWindow& form, int maxTicks = 5000) {
    const auto animating = [&form] { return courseAnimationTimer(form.courseView()).isActive(); };
    for (int tick = 0; tick < maxTicks; ++tick) {
        QCoreApplication::sendPostedEvents();
        if (!animating()) {
            QCoreApplication::sendPostedEvents();
            if (!animating()) {
                return true;
            }
        }
        form.courseView().animationTick();
    }
    return false;
}

// Whether the drum turns, read from its spin timer.
inline bool drumSpins(const SlotDrum& drum) {
    const auto* timer = drum.findChild<QTimer*>(QStringLiteral("spinTimer"));
    if (!timer) {
        qFatal("The slot drum has no spin timer");
    }
    return timer->isActive();
}

// Turns the main window's drum by its tick handler until it halts on its own.
// False if it never does.
inline bool spinDrumUntilItHalts(MainWindow& form, int maxTicks = 1000) {
    for (int tick = 0; tick < maxTicks && drumSpins(form.drum()); ++tick) {
        form.drum().spinTick();
    }
    return !drumSpins(form.drum());
}

#pragma once

#include "AnimatedCourseView.h"
#include "MainWindow.h"

#include <QCoreApplication>

// Delivers the posted game messages and runs the course view's animation by
// calling its tick handler, until nothing moves any more. False if the
// animation never ends.
inline bool settleForm(MainWindow& form, int maxTicks = 5000) {
    for (int tick = 0; tick < maxTicks; ++tick) {
        QCoreApplication::sendPostedEvents();
        if (form.courseView().animationInterval() == 0) {
            QCoreApplication::sendPostedEvents();
            if (form.courseView().animationInterval() == 0) {
                return true;
            }
        }
        form.courseView().animationTick();
    }
    return false;
}

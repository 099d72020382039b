#pragma once

#include "AnimatedCourseView.h"

#include <QTimer>
#include <QtGlobal>

// The timer that drives the course view's animations, found among the view's
// children by its name; it runs exactly while the view animates.
inline QTimer& courseAnimationTimer(const AnimatedCourseView& view) {
    auto* timer =
        view.findChild<QTimer*>(QStringLiteral("animationTimer"), Qt::FindDirectChildrenOnly);
    if (timer == nullptr) {
        qFatal("the course view has no child timer named animationTimer");
    }
    return *timer;
}

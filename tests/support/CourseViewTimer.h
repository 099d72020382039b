#pragma once

#include "AnimatedCourseView.h"

#include <QTimer>

// The timer that drives the course view's animations, found among the view's
// children by its name; it runs exactly while the view animates.
inline QTimer& courseAnimationTimer(const AnimatedCourseView& view) {
    auto* timer =
        view.findChild<QTimer*>(QStringLiteral("animationTimer"), Qt::FindDirectChildrenOnly);
    Q_ASSERT(timer != nullptr);
    return *timer;
}

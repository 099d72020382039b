#pragma once

#include "CourseView.h"
#include "GamePorts.h"

#include <QTimer>
#include <cstdint>

// The course view with the heroine's entry and walks. One timer drives
// whichever animation runs. Every walked square emits squareWalked() in the
// tick that completes it, and the end of every animation emits
// animationFinished() in its last tick, after that tick's square.
//
// A start while an animation runs (or the view is frozen at game over or the
// goal), or before any setUp, shows a diagnostic message box and changes
// nothing, so no end is reported.
class AnimatedCourseView : public CourseView, public CourseViewPort {
    Q_OBJECT

public:
    AnimatedCourseView(const CourseTable& course, int viewWidth, int viewHeight,
                       QWidget* parent = nullptr);

    void reset() override;
    void setUp(const GameRecord& record) override;
    void showPose(int image) override;

    // The heroine drops into the view: image 0 while she moves, 1 when she lands.
    void startEntry() override;
    // Walks of `squares` squares, four ticks a square. Any count below 1 walks
    // one square: the walk ends at the first square that leaves at most one to go.
    void startWalk(int squares) override;
    void forwardWalk(int squares) override;
    void backWalk(int squares) override;
    void freezeAtGameOver() override;
    void freezeAtGoal() override;
    // Stops the timer, reporting nothing. The animation stays as it was until
    // the next setUp.
    void stopAnimation() override;
    // One frame of the running animation; nothing at rest or frozen.
    void animationTick();

signals:
    // The heroine walked a square: +1 forward, -1 back.
    void squareWalked(int step);
    // The entry or a walk ended.
    void animationFinished();

private:
    // False, with a message box, while another animation runs or before a
    // record was set; `animation` and `caller` name the start for that box.
    bool mayStart(const char* animation, const char* caller);
    void startWalking(CourseAnimation animation, std::int32_t interval, std::int32_t squares);
    // Stops any animation at once and freezes in `frozen` until the next setUp.
    void freeze(CourseAnimation frozen);
    void entryTick();
    void walkingTick(const FrameSequence& frames, Direction direction, std::int32_t step);

    std::int32_t m_frameIndex = 1;
    std::int32_t m_subStep = 0;
    std::int32_t m_stepsLeft = 0;
    std::int32_t m_entryX = 0;
    std::int32_t m_entryY = 0;
    std::int32_t m_entryDX = 0;
    std::int32_t m_entryDY = 0;
    // Owned by the view and named "animationTimer", so the tests and the
    // benchmark find it among its children.
    QTimer* const m_animationTimer;
};

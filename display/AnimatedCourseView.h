#pragma once

#include "CourseView.h"
#include "GameMessages.h"
#include "GamePorts.h"
#include "IntervalTimer.h"

#include <cstdint>

// displayState while a walk runs: the event codes that make the controller start it.
inline constexpr std::int32_t DisplayWalk = DrumStopped;
inline constexpr std::int32_t DisplayForward = static_cast<std::int32_t>(SquareKind::Forward);
inline constexpr std::int32_t DisplayBack = static_cast<std::int32_t>(SquareKind::Back);

// The course view with the heroine's entry and walks. One timer drives
// whichever animation displayState names. Every walked square posts
// GameMessage::Step in the tick that completes it, and the end of every animation
// posts GameMessage::Event(AnimationEnded) in its last tick, after that tick's step.
//
// A start while an animation runs (or the view is frozen at game over or the
// goal), or before any setUp, shows a diagnostic message box and
// changes nothing, so the caller gets no end message.
class AnimatedCourseView : public CourseView, public CourseViewPort {
    Q_DECLARE_TR_FUNCTIONS(AnimatedCourseView)

public:
    AnimatedCourseView(QWidget* mainWindow, MessagePoster& poster, const CourseTable& course,
                       int viewWidth, int viewHeight);

    void setUp(const GameRecord& record) override;
    void showPose(std::int32_t image) override;

    // The heroine drops into the view: 0 while she moves, 1 when she lands.
    void startEntry() override;
    // Walks of `squares` squares, four ticks a square. Any count below 1 walks
    // one square: the walk ends at the first square that leaves at most one to go.
    void startWalk(std::int32_t squares) override;
    void forwardWalk(std::int32_t squares) override;
    void backWalk(std::int32_t squares) override;
    // Stops any animation at once and sets the state (15 game over, 16 goal:
    // frozen until the next setUp).
    void setDisplayState(std::int32_t state) override;
    // One frame of the running animation; nothing for any other state.
    void animationTick();
    // Stops the timer without posting anything. The state stays as it was until
    // the next setUp.
    void stopAnimation();

    std::int32_t frameIndex() const { return m_frameIndex; }
    std::int32_t subStep() const { return m_subStep; }
    std::int32_t stepsLeft() const { return m_stepsLeft; }
    std::int32_t entryX() const { return m_entryX; }
    std::int32_t entryY() const { return m_entryY; }
    int animationInterval() const { return m_animeTimer.interval(); }

private:
    // False, with a message box, while another animation runs or before a
    // record was set; `animation` and `caller` name the start for that box.
    bool mayStart(const char* animation, const char* caller);
    void startWalking(std::int32_t state, std::int32_t interval, std::int32_t squares);
    void entryTick();
    void walkingTick(const FrameSequence& frames, Direction direction, std::int32_t step);

    MessagePoster& m_poster;
    std::int32_t m_frameIndex = 1;
    std::int32_t m_subStep = 0;
    std::int32_t m_stepsLeft = 0;
    std::int32_t m_entryX = 0;
    std::int32_t m_entryY = 0;
    std::int32_t m_entryDX = 0;
    std::int32_t m_entryDY = 0;
    IntervalTimer m_animeTimer;
};

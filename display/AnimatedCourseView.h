#pragma once

#include "CourseView.h"
#include "GameMessages.h"
#include "GamePorts.h"
#include "IntervalTimer.h"

#include <cstdint>

// DisplayState while a walk runs: the event codes that make the controller start it.
inline constexpr std::int32_t DisplayWalk = SlotStop;
inline constexpr std::int32_t DisplayForward = static_cast<std::int32_t>(SquareKind::Forward);
inline constexpr std::int32_t DisplayBack = static_cast<std::int32_t>(SquareKind::Back);

// The course view with the heroine's entry and walks. One timer drives
// whichever animation DisplayState names. Every walked square posts
// WM_GAME_STEP in the tick that completes it, and the end of every animation
// posts WM_GAME_EVENT(AnimeEnd) in its last tick, after that tick's step.
//
// A start while an animation runs (or the view is frozen at game over or the
// goal), or before any SetMainDisplay, shows a diagnostic message box and
// changes nothing, so the caller gets no end message.
class AnimatedCourseView : public CourseView, public CourseViewPort {
public:
    AnimatedCourseView(QWidget* mainWindow, MessagePoster& poster, const CourseTable& course,
                     int viewWidth, int viewHeight);

    void SetMainDisplay(const GameRecord& record) override;
    void ShowPose(std::int32_t image) override;

    // The heroine drops into the view: 0 while she moves, 1 when she lands.
    void StartEntry() override;
    // Walks of `squares` squares, four ticks a square. Any count below 1 walks
    // one square: the walk ends at the first square that leaves at most one to go.
    void StartWalk(std::int32_t squares) override;
    void ForwardWalk(std::int32_t squares) override;
    void BackWalk(std::int32_t squares) override;
    // Stops any animation at once and sets the state (15 game over, 16 goal:
    // frozen until the next SetMainDisplay).
    void SetDisplayState(std::int32_t state) override;
    // One frame of the running animation; nothing for any other state.
    void AnimeTick();
    // Stops the timer without posting anything. The state stays as it was until
    // the next SetMainDisplay.
    void StopAnime();

    std::int32_t FrameIndex() const { return FrameIndex_; }
    std::int32_t SubStep() const { return SubStep_; }
    std::int32_t StepsLeft() const { return StepsLeft_; }
    std::int32_t EntryX() const { return EntryX_; }
    std::int32_t EntryY() const { return EntryY_; }
    int AnimeInterval() const { return AnimeTimer_.Interval(); }

private:
    bool MayStart(const char* busyText, const char* noRecordText);
    void StartWalking(std::int32_t state, std::int32_t interval, std::int32_t squares);
    void EntryAnime();
    void WalkingTick(const AnimeFrameList& frames, Direction direction, std::int32_t step);

    MessagePoster& poster_;
    std::int32_t FrameIndex_ = 1;
    std::int32_t SubStep_ = 0;
    std::int32_t StepsLeft_ = 0;
    std::int32_t EntryX_ = 0;
    std::int32_t EntryY_ = 0;
    std::int32_t EntryDX_ = 0;
    std::int32_t EntryDY_ = 0;
    IntervalTimer AnimeTimer_;
};

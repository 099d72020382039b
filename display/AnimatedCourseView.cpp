#include "AnimatedCourseView.h"

#include "MessageBox.h"

#include <algorithm>
#include <limits>

namespace {

// A square is walked in this many ticks, the course moving a quarter square each.
constexpr std::int32_t QuartersPerSquare = 4;
constexpr int QuarterWidth = SquareWidth / QuartersPerSquare;

// The entry takes about this many ticks of this many milliseconds.
constexpr std::int32_t EntryTicks = 10;
constexpr int EntryInterval = 20;
// She always drops at least a pixel a tick, so the entry always ends.
static_assert(((SquareHeight / 3) * 2 + MarginY) / EntryTicks > 0);

constexpr std::int32_t MovingImage = 0;
constexpr std::int32_t LandedImage = 1;

constexpr std::int32_t StepForward = +1;
constexpr std::int32_t StepBack = -1;

// An interval of 0 would stop the timer and leave the walk hanging with no end
// message; a record that asks for it gets the fastest tick instead.
constexpr int FastestInterval = 1;

} // namespace

AnimatedCourseView::AnimatedCourseView(QWidget* mainWindow, MessagePoster& poster,
                                   const CourseTable& course, int viewWidth, int viewHeight)
    : CourseView(mainWindow, course, viewWidth, viewHeight), poster_(poster),
      AnimeTimer_([this] { AnimeTick(); }) {}

void AnimatedCourseView::SetMainDisplay(const GameRecord& record) {
    CourseView::SetMainDisplay(record);
}

void AnimatedCourseView::ShowPose(std::int32_t image) {
    CourseView::ShowPose(image);
}

bool AnimatedCourseView::MayStart(const char* busyText, const char* noRecordText) {
    if (DisplayState_ != DisplayIdle) {
        ShowMessageBox(QString::fromUtf8(busyText));
        return false;
    }
    if (!SetDone_) {
        ShowMessageBox(QString::fromUtf8(noRecordText));
        return false;
    }
    return true;
}

void AnimatedCourseView::StartEntry() {
    if (!MayStart("内部でエラーが発生しました。from EntryAnime",
                  "Don't execute SetMainDisplay from MainDisplay::StartEntry")) {
        return;
    }
    DisplayState_ = DisplayEntry;
    EntryX_ = 0;
    EntryY_ = -HeroineHeight();
    EntryDX_ = CharX_ / EntryTicks;
    EntryDY_ = (HeroineHeight() + CharY_) / EntryTicks;
    AnimeTimer_.SetInterval(EntryInterval);
}

void AnimatedCourseView::StartWalk(std::int32_t squares) {
    if (MayStart("内部でエラーが発生しました。from WalkAnime",
                 "Don't execute SetMainDisplay from StartWalk")) {
        StartWalking(DisplayWalk, Data_.WalkAnimeInterval, squares);
    }
}

void AnimatedCourseView::ForwardWalk(std::int32_t squares) {
    if (MayStart("内部でエラーが発生しました。from ForwardAnime",
                 "Don't execute SetMainDisplay from ForwardWalk")) {
        StartWalking(DisplayForward, Data_.ForwardAnimeInterval, squares);
    }
}

void AnimatedCourseView::BackWalk(std::int32_t squares) {
    if (MayStart("内部でエラーが発生しました。from BackAnime",
                 "Don't execute SetMainDisplay from BackWalk")) {
        StartWalking(DisplayBack, Data_.BackAnimeInterval, squares);
    }
}

void AnimatedCourseView::StartWalking(std::int32_t state, std::int32_t interval,
                                    std::int32_t squares) {
    DisplayState_ = state;
    AnimeTimer_.SetInterval(std::max(interval, FastestInterval));
    FrameIndex_ = 0;
    StepsLeft_ = squares;
    SubStep_ = 0;
}

void AnimatedCourseView::SetDisplayState(std::int32_t state) {
    AnimeTimer_.SetInterval(0);
    DisplayState_ = state;
}

void AnimatedCourseView::StopAnime() {
    AnimeTimer_.SetInterval(0);
}

void AnimatedCourseView::AnimeTick() {
    switch (DisplayState_) {
    case DisplayEntry:
        EntryAnime();
        break;
    case DisplayWalk:
        WalkingTick(Data_.WalkAnimeFrames, Direction::Forward, StepForward);
        break;
    case DisplayForward:
        WalkingTick(Data_.ForwardAnimeFrames, Direction::Forward, StepForward);
        break;
    case DisplayBack:
        WalkingTick(Data_.BackAnimeFrames, Direction::Backward, StepBack);
        break;
    default:
        break;
    }
}

void AnimatedCourseView::EntryAnime() {
    EntryX_ += EntryDX_;
    EntryY_ += EntryDY_;
    std::int32_t image = MovingImage;
    // Within half a step of her place she lands on it.
    if (EntryX_ > CharX_ - EntryDX_ / 2 || EntryY_ > CharY_ - EntryDY_ / 2) {
        EntryX_ = CharX_;
        EntryY_ = CharY_;
        AnimeTimer_.SetInterval(0);
        DisplayState_ = DisplayIdle;
        image = LandedImage;
        poster_.PostGameMessage(WM_GAME_EVENT, AnimeEnd, 0);
    }
    CopyToBackBuffer(SourceRect_);
    DrawHeroine(image, EntryX_, EntryY_);
    PaintView();
}

void AnimatedCourseView::WalkingTick(const AnimeFrameList& frames, Direction direction,
                                   std::int32_t step) {
    // Advance through the sequence and wrap after its last entry; a count
    // outside the record's twenty entries reads through FrameAt, and the
    // comparison comes first so the index never overflows.
    FrameIndex_ = FrameIndex_ >= frames.Count ? 1 : FrameIndex_ + 1;
    ++SubStep_;
    const bool lastTick = SubStep_ >= QuartersPerSquare && StepsLeft_ <= 1;
    if (lastTick) {
        AnimeTimer_.SetInterval(0);
        DisplayState_ = DisplayIdle;
    }
    if (SubStep_ < QuartersPerSquare) {
        DrawScrolled(direction, SubStep_ * QuarterWidth);
    } else {
        SubStep_ = 0;
        if (StepsLeft_ > std::numeric_limits<std::int32_t>::min()) {
            --StepsLeft_;
        }
        ShiftField(direction);
        poster_.PostGameMessage(WM_GAME_STEP, step, 0);
    }
    if (lastTick) {
        poster_.PostGameMessage(WM_GAME_EVENT, AnimeEnd, 0);
    }
    DrawHeroine(FrameAt(frames, FrameIndex_), CharX_, CharY_);
    PaintView();
}

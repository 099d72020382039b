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
    : CourseView(mainWindow, course, viewWidth, viewHeight), m_poster(poster),
      m_animeTimer([this] { animationTick(); }) {}

void AnimatedCourseView::setUp(const GameRecord& record) {
    CourseView::setUp(record);
}

void AnimatedCourseView::showPose(std::int32_t image) {
    CourseView::showPose(image);
}

bool AnimatedCourseView::mayStart(const char* animation, const char* caller) {
    if (m_displayState != DisplayIdle) {
        //: An animation was asked to start while another still runs; %1 names it.
        showMessageBox(tr("内部でエラーが発生しました。from %1").arg(QLatin1String(animation)));
        return false;
    }
    if (!m_hasRecord) {
        showMessageBox(tr("Don't execute SetMainDisplay from %1").arg(QLatin1String(caller)));
        return false;
    }
    return true;
}

void AnimatedCourseView::startEntry() {
    if (!mayStart("EntryAnime", "MainDisplay::StartEntry")) {
        return;
    }
    m_displayState = DisplayEntry;
    m_entryX = 0;
    m_entryY = -heroineHeight();
    m_entryDX = m_heroineX / EntryTicks;
    m_entryDY = (heroineHeight() + m_heroineY) / EntryTicks;
    m_animeTimer.setInterval(EntryInterval);
}

void AnimatedCourseView::startWalk(std::int32_t squares) {
    if (mayStart("WalkAnime", "StartWalk")) {
        startWalking(DisplayWalk, m_record.walkInterval, squares);
    }
}

void AnimatedCourseView::forwardWalk(std::int32_t squares) {
    if (mayStart("ForwardAnime", "ForwardWalk")) {
        startWalking(DisplayForward, m_record.forwardInterval, squares);
    }
}

void AnimatedCourseView::backWalk(std::int32_t squares) {
    if (mayStart("BackAnime", "BackWalk")) {
        startWalking(DisplayBack, m_record.backInterval, squares);
    }
}

void AnimatedCourseView::startWalking(std::int32_t state, std::int32_t interval,
                                      std::int32_t squares) {
    m_displayState = state;
    m_animeTimer.setInterval(std::max(interval, FastestInterval));
    m_frameIndex = 0;
    m_stepsLeft = squares;
    m_subStep = 0;
}

void AnimatedCourseView::setDisplayState(std::int32_t state) {
    m_animeTimer.setInterval(0);
    m_displayState = state;
}

void AnimatedCourseView::stopAnimation() {
    m_animeTimer.setInterval(0);
}

void AnimatedCourseView::animationTick() {
    switch (m_displayState) {
    case DisplayEntry:
        entryTick();
        break;
    case DisplayWalk:
        walkingTick(m_record.walkFrames, Direction::Forward, StepForward);
        break;
    case DisplayForward:
        walkingTick(m_record.forwardFrames, Direction::Forward, StepForward);
        break;
    case DisplayBack:
        walkingTick(m_record.backFrames, Direction::Backward, StepBack);
        break;
    default:
        break;
    }
}

void AnimatedCourseView::entryTick() {
    m_entryX += m_entryDX;
    m_entryY += m_entryDY;
    std::int32_t image = MovingImage;
    // Within half a step of her place she lands on it.
    if (m_entryX > m_heroineX - m_entryDX / 2 || m_entryY > m_heroineY - m_entryDY / 2) {
        m_entryX = m_heroineX;
        m_entryY = m_heroineY;
        m_animeTimer.setInterval(0);
        m_displayState = DisplayIdle;
        image = LandedImage;
        m_poster.postGameMessage(GameMessage::Event, AnimationEnded, 0);
    }
    copyToBackBuffer(m_sourceRect);
    drawHeroine(image, m_entryX, m_entryY);
    paintView();
}

void AnimatedCourseView::walkingTick(const FrameSequence& frames, Direction direction,
                                     std::int32_t step) {
    // Advance through the sequence and wrap after its last entry; a count
    // outside the record's twenty entries reads through frameAt, and the
    // comparison comes first so the index never overflows.
    m_frameIndex = m_frameIndex >= frames.count ? 1 : m_frameIndex + 1;
    ++m_subStep;
    const bool lastTick = m_subStep >= QuartersPerSquare && m_stepsLeft <= 1;
    if (lastTick) {
        m_animeTimer.setInterval(0);
        m_displayState = DisplayIdle;
    }
    if (m_subStep < QuartersPerSquare) {
        drawScrolled(direction, m_subStep * QuarterWidth);
    } else {
        m_subStep = 0;
        if (m_stepsLeft > std::numeric_limits<std::int32_t>::min()) {
            --m_stepsLeft;
        }
        shiftField(direction);
        m_poster.postGameMessage(GameMessage::Step, step, 0);
    }
    if (lastTick) {
        m_poster.postGameMessage(GameMessage::Event, AnimationEnded, 0);
    }
    drawHeroine(frameAt(frames, m_frameIndex), m_heroineX, m_heroineY);
    paintView();
}

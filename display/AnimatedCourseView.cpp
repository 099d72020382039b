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

AnimatedCourseView::AnimatedCourseView(const CourseTable& course, int viewWidth, int viewHeight,
                                       QWidget* parent)
    : CourseView(course, viewWidth, viewHeight, parent), m_animationTimer(new QTimer(this)) {
    m_animationTimer->setObjectName(QStringLiteral("animationTimer"));
    m_animationTimer->setTimerType(Qt::PreciseTimer);
    connect(m_animationTimer, &QTimer::timeout, this, &AnimatedCourseView::animationTick);
}

void AnimatedCourseView::reset() {
    initialise();
}

void AnimatedCourseView::setUp(const GameRecord& record) {
    CourseView::setUp(record);
}

void AnimatedCourseView::showPose(int image) {
    CourseView::showPose(image);
}

bool AnimatedCourseView::mayStart(const char* animation, const char* caller) {
    if (m_animation != CourseAnimation::Idle) {
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
    m_animation = CourseAnimation::Entry;
    m_entryX = 0;
    m_entryY = -heroineHeight();
    m_entryDX = m_heroineX / EntryTicks;
    m_entryDY = (heroineHeight() + m_heroineY) / EntryTicks;
    m_animationTimer->start(EntryInterval);
}

void AnimatedCourseView::startWalk(int squares) {
    if (mayStart("WalkAnime", "StartWalk")) {
        startWalking(CourseAnimation::Walk, m_record.walkInterval, squares);
    }
}

void AnimatedCourseView::forwardWalk(int squares) {
    if (mayStart("ForwardAnime", "ForwardWalk")) {
        startWalking(CourseAnimation::Forward, m_record.forwardInterval, squares);
    }
}

void AnimatedCourseView::backWalk(int squares) {
    if (mayStart("BackAnime", "BackWalk")) {
        startWalking(CourseAnimation::Back, m_record.backInterval, squares);
    }
}

void AnimatedCourseView::startWalking(CourseAnimation animation, std::int32_t interval,
                                      std::int32_t squares) {
    m_animation = animation;
    m_animationTimer->start(std::max(interval, FastestInterval));
    m_frameIndex = 0;
    m_stepsLeft = squares;
    m_subStep = 0;
}

void AnimatedCourseView::freeze(CourseAnimation frozen) {
    m_animationTimer->stop();
    m_animation = frozen;
}

void AnimatedCourseView::freezeAtGameOver() {
    freeze(CourseAnimation::GameOver);
}

void AnimatedCourseView::freezeAtGoal() {
    freeze(CourseAnimation::Goal);
}

void AnimatedCourseView::stopAnimation() {
    m_animationTimer->stop();
}

void AnimatedCourseView::animationTick() {
    switch (m_animation) {
    case CourseAnimation::Entry:
        entryTick();
        break;
    case CourseAnimation::Walk:
        walkingTick(m_record.walkFrames, Direction::Forward, StepForward);
        break;
    case CourseAnimation::Forward:
        walkingTick(m_record.forwardFrames, Direction::Forward, StepForward);
        break;
    case CourseAnimation::Back:
        walkingTick(m_record.backFrames, Direction::Backward, StepBack);
        break;
    case CourseAnimation::Idle:
    case CourseAnimation::GameOver:
    case CourseAnimation::Goal:
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
        m_animationTimer->stop();
        m_animation = CourseAnimation::Idle;
        image = LandedImage;
    }
    copyToBackBuffer(m_sourceRect);
    drawHeroine(image, m_entryX, m_entryY);
    paintView();
    if (image == LandedImage) {
        emit animationFinished();
    }
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
        m_animationTimer->stop();
        m_animation = CourseAnimation::Idle;
    }
    if (m_subStep < QuartersPerSquare) {
        drawScrolled(direction, m_subStep * QuarterWidth);
    } else {
        m_subStep = 0;
        if (m_stepsLeft > std::numeric_limits<std::int32_t>::min()) {
            --m_stepsLeft;
        }
        shiftField(direction);
    }
    drawHeroine(frameAt(frames, m_frameIndex), m_heroineX, m_heroineY);
    paintView();
    // Reported after the frame is drawn; the connections are queued, so the
    // order is what matters: the square first, then the end.
    if (m_subStep == 0) {
        emit squareWalked(step);
    }
    if (lastTick) {
        emit animationFinished();
    }
}

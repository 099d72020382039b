#include "FakeViews.h"

namespace {

std::string wrongSequenceText(FakeCourseView::Animation animation) {
    switch (animation) {
    case FakeCourseView::Animation::Entry:
        return "内部でエラーが発生しました。from EntryAnime";
    case FakeCourseView::Animation::Walk:
        return "内部でエラーが発生しました。from WalkAnime";
    case FakeCourseView::Animation::Forward:
        return "内部でエラーが発生しました。from ForwardAnime";
    default:
        return "内部でエラーが発生しました。from BackAnime";
    }
}

} // namespace

void FakeCourseView::setUp(const GameRecord& record) {
    animation = Animation::Idle;
    hasRecord = true;
    stopped = false;
    data = record;
    ++setUpCalls;
}

void FakeCourseView::start(Animation next, int squares) {
    if (animation != Animation::Idle) {
        refusals.push_back(wrongSequenceText(next));
        return;
    }
    if (!hasRecord) {
        refusals.push_back("Don't execute SetMainDisplay");
        return;
    }
    animation = next;
    stepsLeft = squares;
    stopped = false;
}

bool FakeCourseView::animating() const {
    return !stopped && (animation == Animation::Entry || animation == Animation::Walk ||
                        animation == Animation::Forward || animation == Animation::Back);
}

void FakeCourseView::tick() {
    if (!animating()) {
        return;
    }
    if (animation == Animation::Entry) {
        animation = Animation::Idle;
        emit animationFinished();
        return;
    }
    const bool last = stepsLeft <= 1;
    const int step = animation == Animation::Back ? -1 : +1;
    if (last) {
        animation = Animation::Idle;
    }
    stepsLeft -= 1;
    emit squareWalked(step);
    if (last) {
        emit animationFinished();
    }
}

void FakeSlotDrum::reset() {
    mode = Mode::Idle;
    if (spinning) {
        stopRequest = true;
        discardResult = true;
    }
}

void FakeSlotDrum::setUp(const GameRecord& record) {
    if (spinning) {
        discardResult = true;
        stopRequest = true;
    }
    mode = Mode::Start;
    data = record;
    ++setUpCalls;
}

void FakeSlotDrum::offerEvent(SquareKind kind) {
    switch (kind) {
    case SquareKind::Start:
        mode = Mode::Start;
        break;
    case SquareKind::Remark:
    case SquareKind::Lucky:
    case SquareKind::StaminaUp:
    case SquareKind::Forward:
    case SquareKind::Back:
        mode = Mode::Confirm;
        offered = kind;
        break;
    case SquareKind::Empty:
    case SquareKind::Goal:
        break;
    }
}

void FakeSlotDrum::stopSpin() {
    spinning = false;
    stopRequest = false;
    discardResult = false;
}

void FakeSlotDrum::click() {
    switch (mode) {
    case Mode::Start:
        // A new spin's result is never swallowed by an abandoned one's discard.
        spinning = true;
        stopRequest = false;
        discardResult = false;
        mode = Mode::Stop;
        break;
    case Mode::Stop:
        stopRequest = true;
        mode = Mode::Idle;
        break;
    case Mode::Confirm:
        // As the real drum: the event is handed over once and the button goes blank.
        mode = Mode::Idle;
        emit eventConfirmed(offered);
        break;
    case Mode::Idle:
        break;
    }
}

void FakeSlotDrum::boundary(int numberUnderArrow) {
    if (!spinning || !stopRequest) {
        return;
    }
    spinning = false;
    if (discardResult) {
        discardResult = false;
        return;
    }
    emit stopped(numberUnderArrow);
}

void FakeStatusPanel::write(const std::string& field, const std::string& text) {
    writes.push_back(field + "=" + text);
    if (field == "name")
        name = text;
    if (field == "stamina")
        stamina = text;
    if (field == "arrow")
        arrow = text;
    if (field == "rotation")
        rotation = text;
    if (field == "timer")
        timer = text;
    if (field == "distance")
        distance = text;
}

void FakeResultDialogs::showGameOver(const GameRecord& record) {
    calls.push_back({Result::GameOver, record, {}});
    if (whileOpen)
        whileOpen();
}

void FakeResultDialogs::showGoalResult(const GameRecord& record, const GameTimes& times) {
    calls.push_back({Result::Goal, record, times});
    if (whileOpen)
        whileOpen();
}

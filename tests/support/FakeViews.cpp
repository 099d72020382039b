#include "FakeViews.h"

namespace {

std::string wrongSequenceText(std::int32_t state) {
    switch (state) {
    case 13:
        return "内部でエラーが発生しました。from EntryAnime";
    case 4:
        return "内部でエラーが発生しました。from WalkAnime";
    case 7:
        return "内部でエラーが発生しました。from ForwardAnime";
    default:
        return "内部でエラーが発生しました。from BackAnime";
    }
}

} // namespace

void FakeCourseViewPort::setUp(const GameRecord& record) {
    state = DisplayIdle;
    hasRecord = true;
    data = record;
    ++setUpCalls;
}

void FakeCourseViewPort::startEntry() {
    start(DisplayEntry, 0);
}

void FakeCourseViewPort::start(std::int32_t animation, std::int32_t squares) {
    if (state != DisplayIdle) {
        refusals.push_back(wrongSequenceText(animation));
        return;
    }
    if (!hasRecord) {
        refusals.push_back("Don't execute SetMainDisplay");
        return;
    }
    state = animation;
    stepsLeft = squares;
}

void FakeCourseViewPort::setDisplayState(std::int32_t newState) {
    state = newState;
}

void FakeCourseViewPort::tick() {
    if (state == DisplayEntry) {
        state = DisplayIdle;
        m_poster.postGameMessage(GameMessage::Event, AnimationEnded, 0);
        return;
    }
    if (!animating()) {
        return;
    }
    const bool last = stepsLeft <= 1;
    const std::int32_t step = state == 8 ? -1 : +1;
    if (last) {
        state = DisplayIdle;
    }
    stepsLeft -= 1;
    m_poster.postGameMessage(GameMessage::Step, step, 0);
    if (last) {
        m_poster.postGameMessage(GameMessage::Event, AnimationEnded, 0);
    }
}

void FakeSlotDrumPort::setUp(const GameRecord& record) {
    if (spinning) {
        discardResult = true;
        stopRequest = true;
    }
    setButtonMode(ButtonStart);
    data = record;
    ++setUpCalls;
}

void FakeSlotDrumPort::setButtonMode(std::int32_t code) {
    switch (code) {
    case 1:
    case ButtonStart:
        mode = ButtonStart;
        break;
    case ButtonStop:
    case ButtonIdle:
    case 3:
    case 5:
    case 6:
    case 7:
    case 8:
        mode = code;
        break;
    default:
        break;
    }
}

void FakeSlotDrumPort::click() {
    switch (mode) {
    case ButtonStart:
        // A new spin's result is never swallowed by an abandoned one's discard.
        spinning = true;
        stopRequest = false;
        discardResult = false;
        setButtonMode(ButtonStop);
        break;
    case ButtonStop:
        stopRequest = true;
        setButtonMode(ButtonIdle);
        break;
    case 3:
    case 5:
    case 6:
    case 7:
    case 8:
        // As the real drum: the event is handed over once and the button goes blank.
        m_poster.postGameMessage(GameMessage::Event, mode, 0);
        setButtonMode(ButtonIdle);
        break;
    default:
        break;
    }
}

void FakeSlotDrumPort::boundary(std::int32_t numberUnderArrow) {
    if (!spinning || !stopRequest) {
        return;
    }
    spinning = false;
    if (discardResult) {
        discardResult = false;
        return;
    }
    m_poster.postGameMessage(GameMessage::Event, DrumStopped, numberUnderArrow);
}

void FakeSlotDrumPort::reset() {
    setButtonMode(ButtonIdle);
    if (spinning) {
        stopRequest = true;
        discardResult = true;
    }
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

void FakeResultDialogs::showGameOver(GameRecord record) {
    calls.push_back({"gameover", std::move(record)});
    if (whileOpen)
        whileOpen();
}

void FakeResultDialogs::showGoalResult(GameRecord record) {
    calls.push_back({"goal", std::move(record)});
    if (whileOpen)
        whileOpen();
}

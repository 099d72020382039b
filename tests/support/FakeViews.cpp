#include "FakeViews.h"

namespace {

std::string WrongSequenceText(std::int32_t state) {
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

void FakeCourseViewPort::SetMainDisplay(const GameRecord& record) {
    State = DisplayIdle;
    SetDone = true;
    Data = record;
    ++SetMainDisplayCalls;
}

void FakeCourseViewPort::StartEntry() {
    Start(DisplayEntry, 0);
}

void FakeCourseViewPort::Start(std::int32_t state, std::int32_t squares) {
    if (State != DisplayIdle) {
        Refusals.push_back(WrongSequenceText(state));
        return;
    }
    if (!SetDone) {
        Refusals.push_back("Don't execute SetMainDisplay");
        return;
    }
    State = state;
    StepsLeft = squares;
}

void FakeCourseViewPort::SetDisplayState(std::int32_t state) {
    State = state;
}

void FakeCourseViewPort::Tick() {
    if (State == DisplayEntry) {
        State = DisplayIdle;
        poster_.PostGameMessage(WM_GAME_EVENT, AnimeEnd, 0);
        return;
    }
    if (!Animating()) {
        return;
    }
    const bool last = StepsLeft <= 1;
    const std::int32_t step = State == 8 ? -1 : +1;
    if (last) {
        State = DisplayIdle;
    }
    StepsLeft -= 1;
    poster_.PostGameMessage(WM_GAME_STEP, step, 0);
    if (last) {
        poster_.PostGameMessage(WM_GAME_EVENT, AnimeEnd, 0);
    }
}

void FakeSlotDrumPort::SetSlot(const GameRecord& record) {
    if (Spinning) {
        DiscardResult = true;
        StopRequest = true;
    }
    SetButtonMode(ButtonStart);
    Data = record;
    ++SetSlotCalls;
}

void FakeSlotDrumPort::SetButtonMode(std::int32_t code) {
    switch (code) {
    case 1:
    case ButtonStart:
        Mode = ButtonStart;
        break;
    case ButtonStop:
    case ButtonIdle:
    case 3:
    case 5:
    case 6:
    case 7:
    case 8:
        Mode = code;
        break;
    default:
        break;
    }
}

void FakeSlotDrumPort::Click() {
    switch (Mode) {
    case ButtonStart:
        // A new spin's result is never swallowed by an abandoned one's discard.
        Spinning = true;
        StopRequest = false;
        DiscardResult = false;
        SetButtonMode(ButtonStop);
        break;
    case ButtonStop:
        StopRequest = true;
        SetButtonMode(ButtonIdle);
        break;
    case 3:
    case 5:
    case 6:
    case 7:
    case 8:
        // As the real drum: the event is handed over once and the button goes blank.
        poster_.PostGameMessage(WM_GAME_EVENT, Mode, 0);
        SetButtonMode(ButtonIdle);
        break;
    default:
        break;
    }
}

void FakeSlotDrumPort::Boundary(std::int32_t numberUnderArrow) {
    if (!Spinning || !StopRequest) {
        return;
    }
    Spinning = false;
    if (DiscardResult) {
        DiscardResult = false;
        return;
    }
    poster_.PostGameMessage(WM_GAME_EVENT, SlotStop, numberUnderArrow);
}

void FakeSlotDrumPort::ResetSlot() {
    SetButtonMode(ButtonIdle);
    if (Spinning) {
        StopRequest = true;
        DiscardResult = true;
    }
}

void FakeStatusPanel::Write(const std::string& field, const std::string& text) {
    Writes.push_back(field + "=" + text);
    if (field == "name")
        Name = text;
    if (field == "stamina")
        Stamina = text;
    if (field == "arrow")
        Arrow = text;
    if (field == "rotation")
        Rotation = text;
    if (field == "timer")
        Timer = text;
    if (field == "distance")
        Distance = text;
}

void FakeResultDialogs::ShowGameOver(GameRecord record) {
    Calls.push_back({"gameover", std::move(record)});
    if (WhileOpen)
        WhileOpen();
}

void FakeResultDialogs::ShowGoalResult(GameRecord record) {
    Calls.push_back({"goal", std::move(record)});
    if (WhileOpen)
        WhileOpen();
}

#include "GameDriver.h"

namespace {

bool IsEventMode(std::int32_t mode) {
    return mode == 3 || (mode >= 5 && mode <= 8);
}

} // namespace

GameDriver::GameDriver()
    : Controller(
          ControllerPorts{Queue, Drum, View, Remarks, Status, Results, Clock, Session, Course}) {
    Course.BuildCourse();
    Session.EndConfirmation = true;
    FillDefaultRecord(Template, nullptr);
}

void GameDriver::StartGame() {
    Controller.SetUpGame(Template);
    Controller.ShowStatusPanel(10, 0);
    Drum.ResetSlot();
    Remarks.ClearLines();
    Session.StartTime = Clock.Now();
    Controller.BeginGame();
}

void GameDriver::Restart() {
    Controller.SetUpGame(Template);
    Remarks.ClearLines();
    Drum.ResetSlot();
    Session.StartTime = Clock.Now();
    Controller.BeginGame();
}

void GameDriver::Settle() {
    for (;;) {
        if (!Queue.Empty()) {
            const GameMessageQueue::Message next = Queue.Pending().front();
            Queue.DeliverNext(Controller);
            if (AfterDeliver)
                AfterDeliver(next);
        } else if (View.Animating()) {
            View.Tick();
        } else {
            return;
        }
    }
}

void GameDriver::Spin(int number) {
    Drum.Click();
    Drum.Click();
    Drum.Boundary(number);
    Settle();
}

void GameDriver::Confirm() {
    Drum.Click();
    Settle();
}

int GameDriver::PlayToEnd(const std::function<int()>& nextNumber, int maxTurns) {
    Settle();
    int turns = 0;
    while (!Finished() && turns < maxTurns) {
        if (Drum.Mode == ButtonStart) {
            Spin(nextNumber());
            ++turns;
        } else if (IsEventMode(Drum.Mode)) {
            Confirm();
        } else {
            break; // waiting for nothing the player can do
        }
    }
    return turns;
}

#include "GameDriver.h"

namespace {

bool isEventMode(std::int32_t mode) {
    return mode == 3 || (mode >= 5 && mode <= 8);
}

} // namespace

GameDriver::GameDriver()
    : controller(ControllerPorts{queue, drum, view, remarks, statusPanel, results, clock, session,
                                 course, sourceTexts()}) {
    course.buildCourse();
    session.askBeforeQuit = true;
    fillDefaultRecord(recordTemplate, nullptr);
}

void GameDriver::startGame() {
    controller.setUpGame(recordTemplate);
    controller.showStatusPanel(10, 0);
    drum.reset();
    remarks.clearLines();
    session.startTime = clock.now();
    controller.beginGame();
}

void GameDriver::restart() {
    controller.setUpGame(recordTemplate);
    remarks.clearLines();
    drum.reset();
    session.startTime = clock.now();
    controller.beginGame();
}

void GameDriver::settle() {
    for (;;) {
        if (!queue.empty()) {
            const GameMessageQueue::Message next = queue.pending().front();
            queue.deliverNext(controller);
            if (afterDeliver)
                afterDeliver(next);
        } else if (view.animating()) {
            view.tick();
        } else {
            return;
        }
    }
}

void GameDriver::spin(int number) {
    drum.click();
    drum.click();
    drum.boundary(number);
    settle();
}

void GameDriver::confirm() {
    drum.click();
    settle();
}

int GameDriver::playToEnd(const std::function<int()>& nextNumber, int maxTurns) {
    settle();
    int turns = 0;
    while (!finished() && turns < maxTurns) {
        if (drum.mode == ButtonStart) {
            spin(nextNumber());
            ++turns;
        } else if (isEventMode(drum.mode)) {
            confirm();
        } else {
            break; // waiting for nothing the player can do
        }
    }
    return turns;
}

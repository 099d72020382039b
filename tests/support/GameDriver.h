#pragma once

#include "CourseTable.h"
#include "FakeViews.h"
#include "GameController.h"
#include "GameMessageQueue.h"

#include <functional>

// Runs whole games without a window: the real course table and controller, the
// message FIFO in place of the window's queue, and the fakes for the views.
class GameDriver {
public:
    GameDriver();

    // As the menu commands do it.
    void startGame();
    void restart();

    // Delivers queued messages, one at a time, and ticks the running animation
    // whenever the queue is empty, until the game waits for the player.
    void settle();
    // Start, stop, the drum halts on `number`; then settles.
    void spin(int number);
    // A click on the event button; then settles.
    void confirm();
    // Plays until the game is over or reached the goal (or maxTurns turns).
    int playToEnd(const std::function<int()>& nextNumber, int maxTurns = 10000);

    bool finished() const { return !controller.isGameInProgress(); }
    const GameRecord& live() const { return controller.liveRecord(); }

    // Called after every delivered message.
    std::function<void(const GameMessageQueue::Message&)> afterDeliver;

    GameRecord recordTemplate;
    CourseTable course;
    GameMessageQueue queue;
    FakeCourseViewPort view{queue};
    FakeSlotDrumPort drum{queue};
    FakeRemarkLines remarks;
    FakeStatusPanel statusPanel;
    FakeResultDialogs results;
    FakeClock clock;
    SessionValues session;
    GameController controller;
};

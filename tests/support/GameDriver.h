#pragma once

#include "GameController.h"
#include "CourseTable.h"
#include "FakeViews.h"
#include "GameMessageQueue.h"

#include <functional>

// Runs whole games without a window: the real course table and controller, the
// message FIFO in place of the window's queue, and the fakes for the views.
class GameDriver {
public:
    GameDriver();

    // As the menu commands do it.
    void StartGame();
    void Restart();

    // Delivers queued messages, one at a time, and ticks the running animation
    // whenever the queue is empty, until the game waits for the player.
    void Settle();
    // Start, stop, the drum halts on `number`; then settles.
    void Spin(int number);
    // A click on the event button; then settles.
    void Confirm();
    // Plays until the game is over or reached the goal (or maxTurns turns).
    int PlayToEnd(const std::function<int()>& nextNumber, int maxTurns = 10000);

    bool Finished() const { return !Controller.IsGameInProgress(); }
    const GameRecord& Live() const { return Controller.LiveRecord(); }

    // Called after every delivered message.
    std::function<void(const GameMessageQueue::Message&)> AfterDeliver;

    GameRecord Template;
    CourseTable Course;
    GameMessageQueue Queue;
    FakeCourseViewPort View{Queue};
    FakeSlotDrumPort Drum{Queue};
    FakeRemarkLines Remarks;
    FakeStatusPanel Status;
    FakeResultDialogs Results;
    FakeClock Clock;
    SessionValues Session;
    GameController Controller;
};

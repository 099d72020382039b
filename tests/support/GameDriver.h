#pragma once

#include "CourseTable.h"
#include "FakeViews.h"
#include "GameController.h"

#include <QObject>
#include <functional>

// Runs whole games without a window: the real course table and controller,
// wired to the fakes for the views as the program wires the real ones, and
// the queued reports delivered by Qt's own event queue.
class GameDriver : public QObject {
public:
    GameDriver();

    // As the menu commands do it.
    void startGame();
    void restart() { startGame(); }

    // What the controller was handed, as a test sees it afterwards.
    struct Report {
        enum class Kind { DrumStopped, EventConfirmed, SquareWalked, AnimationFinished };
        Kind kind;
        int value = 0;          // the number, or the step
        SquareKind confirmed{}; // for EventConfirmed
    };
    // Called right after the controller has handled each report.
    std::function<void(const Report&)> afterDeliver;

    // Delivers the reports queued so far, not those that these queue in turn.
    void deliverQueued();
    // Delivers queued reports and ticks the running animation whenever none
    // is queued, until the game waits for the player.
    void settle();
    // Start, stop, the drum halts on `number`; then settles.
    void spin(int number);
    // A click on the event button; then settles.
    void confirm();
    // Plays until the game is over or reached the goal (or maxTurns turns).
    int playToEnd(const std::function<int()>& nextNumber, int maxTurns = 10000);

    bool finished() const { return !controller.isGameInProgress(); }
    const GameRecord& live() const { return controller.liveRecord(); }

    GameRecord recordTemplate;
    CourseTable course;
    FakeCourseView view;
    FakeSlotDrum drum;
    FakeRemarkLines remarks;
    FakeStatusPanel statusPanel;
    FakeResultDialogs results;
    FakeClock clock;
    GameController controller;

protected:
    // Counts the queued calls delivered to the controller.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int m_delivered = 0;
};

#pragma once

#include "CourseTable.h"
#include "GameRecord.h"

#include <QTime>
#include <string>

// What the controller asks of the rest of the program. The real widgets
// implement these; the tests implement them with recording fakes. What the
// views have to report (a drum that stopped, a square walked, an animation
// that ended, an event confirmed) reaches the controller through its slots.

class SlotDrumPort {
public:
    virtual ~SlotDrumPort() = default;
    // A new game: fresh numbers, the arrow in the top row, the button blank.
    // A spin under way runs on to its next boundary and halts without a result.
    virtual void reset() = 0;
    // Takes the record's drum settings and offers a spin. A spin under way
    // halts at its next boundary without a result.
    virtual void setUp(const GameRecord& record) = 0;
    // Offers the player the event of a square of `kind` (a spin for the start
    // square); a kind without an event (empty, goal) changes nothing.
    virtual void offerEvent(SquareKind kind) = 0;
    // Blank and inert until the next offer.
    virtual void setIdle() = 0;
    // Ends a spin at once, reporting nothing.
    virtual void stopSpin() = 0;
};

class CourseViewPort {
public:
    virtual ~CourseViewPort() = default;
    // A blank course, before a game's first setUp.
    virtual void reset() = 0;
    virtual void setUp(const GameRecord& record) = 0;
    // The heroine drops into the view; a walk of `squares` squares at the
    // walking, walk-further or go-back pace.
    virtual void startEntry() = 0;
    virtual void startWalk(int squares) = 0;
    virtual void forwardWalk(int squares) = 0;
    virtual void backWalk(int squares) = 0;
    // Stops any animation and freezes the view until the next setUp.
    virtual void freezeAtGameOver() = 0;
    virtual void freezeAtGoal() = 0;
    // The heroine at rest with image `image`.
    virtual void showPose(int image) = 0;
    // Ends an animation at once, reporting nothing.
    virtual void stopAnimation() = 0;
};

// The remark window's line list.
class RemarkLines {
public:
    virtual ~RemarkLines() = default;
    virtual void clearLines() = 0;
    virtual void addLine(const std::string& line) = 0;
};

// The player's name, stamina, drum settings and distance to the goal.
class StatusPanel {
public:
    virtual ~StatusPanel() = default;
    virtual void setPlayerName(const std::string& name) = 0;
    virtual void setStamina(int stamina) = 0;
    virtual void setDrumSettings(int arrowRow, int rotationWidth, int spinInterval) = 0;
    virtual void setDistanceToGoal(int squares) = 0;
};

// When a game was played, as times of day.
struct GameTimes {
    QTime start;
    QTime end;
    // How long it took. A game across midnight ends "before" it started; a
    // day is added then.
    QTime elapsed() const;
};

// The modal result dialogs; each returns when the player has closed it.
class ResultDialogs {
public:
    virtual ~ResultDialogs() = default;
    virtual void showGameOver(const GameRecord& record) = 0;
    virtual void showGoalResult(const GameRecord& record, const GameTimes& times) = 0;
};

// The local time of day.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QTime now() = 0;
};

// The system clock.
class LocalClock : public Clock {
public:
    QTime now() override { return QTime::currentTime(); }
};

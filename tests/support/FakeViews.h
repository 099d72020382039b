#pragma once

#include "GamePorts.h"

#include <QObject>
#include <functional>
#include <string>
#include <vector>

// Recording fakes for the controller's ports. The view and the drum behave like
// the real ones as far as the controller can tell: they report the same things
// through the same signals in the same order, one animation step or drum halt
// at a time.

// The course view: a walk of n squares reports one square per tick() and its
// end in the tick of the last square; a freeze stops it at once.
class FakeCourseView : public QObject, public CourseViewPort {
    Q_OBJECT
public:
    enum class Animation { Idle, Entry, Walk, Forward, Back, GameOver, Goal };

    void reset() override { ++resetCalls; }
    void setUp(const GameRecord& record) override;
    void startEntry() override { start(Animation::Entry, 0); }
    void startWalk(int squares) override { start(Animation::Walk, squares); }
    void forwardWalk(int squares) override { start(Animation::Forward, squares); }
    void backWalk(int squares) override { start(Animation::Back, squares); }
    void freezeAtGameOver() override { animation = Animation::GameOver; }
    void freezeAtGoal() override { animation = Animation::Goal; }
    void showPose(int image) override { poses.push_back(image); }
    void stopAnimation() override { stopped = true; }

    bool animating() const;
    // One animation step: a whole square of a walk, or the whole entry.
    void tick();

    Animation animation = Animation::Idle;
    bool hasRecord = false;
    bool stopped = false;
    int stepsLeft = 0;
    GameRecord data;
    int setUpCalls = 0;
    int resetCalls = 0;
    std::vector<int> poses;
    std::vector<std::string> refusals; // what the real view would show in a message box

signals:
    void squareWalked(int step);
    void animationFinished();

private:
    void start(Animation next, int squares);
};

// The slot drum and its one button.
class FakeSlotDrum : public QObject, public SlotDrumPort {
    Q_OBJECT
public:
    enum class Mode { Idle, Start, Stop, Confirm };

    void reset() override;
    void setUp(const GameRecord& record) override;
    void offerEvent(SquareKind kind) override;
    void setIdle() override { mode = Mode::Idle; }
    void stopSpin() override;

    // A click on the button in its current mode.
    void click();
    // The next cell boundary of a spin: halts it if a stop was requested.
    void boundary(int numberUnderArrow);

    bool spinning = false;
    bool stopRequest = false;
    bool discardResult = false;
    Mode mode = Mode::Idle;
    SquareKind offered = SquareKind::Empty; // the kind a Confirm click reports
    GameRecord data;
    int setUpCalls = 0;

signals:
    void stopped(int number);
    void eventConfirmed(SquareKind kind);
};

class FakeRemarkLines : public RemarkLines {
public:
    void clearLines() override { lines.clear(); }
    void addLine(const std::string& line) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

class FakeStatusPanel : public StatusPanel {
public:
    void setPlayerName(const std::string& text) override { write("name", text); }
    void setStamina(int value) override { write("stamina", std::to_string(value)); }
    void setDrumSettings(int arrowRow, int rotationWidth, int spinInterval) override {
        write("arrow", std::to_string(arrowRow));
        write("rotation", std::to_string(rotationWidth));
        write("timer", std::to_string(spinInterval));
    }
    void setDistanceToGoal(int squares) override { write("distance", std::to_string(squares)); }

    std::string name, stamina, arrow, rotation, timer, distance;
    std::vector<std::string> writes; // "field=value" in the order written

private:
    void write(const std::string& field, const std::string& text);
};

class FakeResultDialogs : public ResultDialogs {
public:
    enum class Result { GameOver, Goal };
    struct Shown {
        Result result;
        GameRecord record;
        GameTimes times;
    };
    void showGameOver(const GameRecord& record) override;
    void showGoalResult(const GameRecord& record, const GameTimes& times) override;

    std::vector<Shown> calls;
    std::function<void()> whileOpen; // runs as if inside the modal loop
};

class FakeClock : public Clock {
public:
    QTime now() override { return value; }
    QTime value{12, 0};
};

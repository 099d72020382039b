#pragma once

#include "GameMessages.h"
#include "GamePorts.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Recording fakes for the controller's ports. The view and the drum behave like
// the real ones as far as the controller can tell: they post the same messages
// in the same order, one animation tick or drum halt at a time.

// The course view: a walk of n squares posts one step per tick() and the end
// message in the tick of the last step; setDisplayState stops it at once.
class FakeCourseViewPort : public CourseViewPort {
public:
    explicit FakeCourseViewPort(MessagePoster& poster) : m_poster(poster) {}

    void setUp(const GameRecord& record) override;
    void startEntry() override;
    void startWalk(std::int32_t squares) override { start(DrumStopped, squares); }
    void forwardWalk(std::int32_t squares) override { start(7, squares); }
    void backWalk(std::int32_t squares) override { start(8, squares); }
    void setDisplayState(std::int32_t state) override;
    void showPose(std::int32_t image) override { poses.push_back(image); }

    bool animating() const { return state == 13 || state == 4 || state == 7 || state == 8; }
    // One animation step: a whole square of a walk, or the whole entry.
    void tick();

    std::int32_t state = DisplayIdle;
    bool hasRecord = false;
    int stepsLeft = 0;
    GameRecord data;
    int setUpCalls = 0;
    std::vector<std::int32_t> poses;
    std::vector<std::string> refusals; // what the real view would show in a message box

private:
    void start(std::int32_t state, std::int32_t squares);
    MessagePoster& m_poster;
};

// The slot drum and its one button.
class FakeSlotDrumPort : public SlotDrumPort {
public:
    explicit FakeSlotDrumPort(MessagePoster& poster) : m_poster(poster) {}

    void setUp(const GameRecord& record) override;
    void setButtonMode(std::int32_t code) override;
    void setButtonIdle() override { setButtonMode(ButtonIdle); }

    // A click on the button in its current mode.
    void click();
    // The next cell boundary of a spin: halts it if a stop was requested.
    void boundary(std::int32_t numberUnderArrow);
    // A game restart abandons a running spin: its halt posts nothing.
    void reset();

    bool spinning = false;
    bool stopRequest = false;
    bool discardResult = false;
    std::int32_t mode = 0;
    GameRecord data;
    int setUpCalls = 0;

private:
    MessagePoster& m_poster;
};

class FakeRemarkLines : public RemarkLines {
public:
    void clearLines() override { lines.clear(); }
    void addLine(const std::string& line) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

class FakeStatusPanel : public StatusPanel {
public:
    void setNameText(const std::string& text) override { write("name", text); }
    void setStaminaText(const std::string& text) override { write("stamina", text); }
    void setArrowText(const std::string& text) override { write("arrow", text); }
    void setRotationText(const std::string& text) override { write("rotation", text); }
    void setTimerText(const std::string& text) override { write("timer", text); }
    void setDistanceText(const std::string& text) override { write("distance", text); }
    void showPanel(int left, int top) override {
        visible = true;
        this->left = left;
        this->top = top;
    }
    void hidePanel() override { visible = false; }

    std::string name, stamina, arrow, rotation, timer, distance;
    std::vector<std::string> writes; // "field=value" in the order written
    bool visible = false;
    int left = 0, top = 0;

private:
    void write(const std::string& field, const std::string& text);
};

class FakeResultDialogs : public ResultDialogs {
public:
    struct Shown {
        std::string variant; // "gameover" or "goal"
        GameRecord record;
    };
    void showGameOver(GameRecord record) override;
    void showGoalResult(GameRecord record) override;

    std::vector<Shown> calls;
    std::function<void()> whileOpen; // runs as if inside the modal loop
};

class FakeClock : public TimeOfDay {
public:
    double now() override { return value; }
    double value = 0.5;
};

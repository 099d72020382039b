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

// The course view: a walk of n squares posts one step per Tick() and the end
// message in the tick of the last step; SetDisplayState stops it at once.
class FakeCourseViewPort : public CourseViewPort {
public:
    explicit FakeCourseViewPort(MessagePoster& poster) : poster_(poster) {}

    void SetMainDisplay(const GameRecord& record) override;
    void StartEntry() override;
    void StartWalk(std::int32_t squares) override { Start(SlotStop, squares); }
    void ForwardWalk(std::int32_t squares) override { Start(7, squares); }
    void BackWalk(std::int32_t squares) override { Start(8, squares); }
    void SetDisplayState(std::int32_t state) override;
    void ShowPose(std::int32_t image) override { Poses.push_back(image); }

    bool Animating() const { return State == 13 || State == 4 || State == 7 || State == 8; }
    // One animation step: a whole square of a walk, or the whole entry.
    void Tick();

    std::int32_t State = DisplayIdle;
    bool SetDone = false;
    int StepsLeft = 0;
    GameRecord Data;
    int SetMainDisplayCalls = 0;
    std::vector<std::int32_t> Poses;
    std::vector<std::string> Refusals; // what the real view would show in a message box

private:
    void Start(std::int32_t state, std::int32_t squares);
    MessagePoster& poster_;
};

// The slot drum and its one button.
class FakeSlotDrumPort : public SlotDrumPort {
public:
    explicit FakeSlotDrumPort(MessagePoster& poster) : poster_(poster) {}

    void SetSlot(const GameRecord& record) override;
    void SetButtonMode(std::int32_t code) override;
    void SetButtonIdle() override { SetButtonMode(ButtonIdle); }

    // A click on the button in its current mode.
    void Click();
    // The next cell boundary of a spin: halts it if a stop was requested.
    void Boundary(std::int32_t numberUnderArrow);
    // A game restart abandons a running spin: its halt posts nothing.
    void ResetSlot();

    bool Spinning = false;
    bool StopRequest = false;
    bool DiscardResult = false;
    std::int32_t Mode = 0;
    GameRecord Data;
    int SetSlotCalls = 0;

private:
    MessagePoster& poster_;
};

class FakeRemarkLines : public RemarkLines {
public:
    void ClearLines() override { Lines.clear(); }
    void AddLine(const std::string& line) override { Lines.push_back(line); }
    std::vector<std::string> Lines;
};

class FakeStatusPanel : public StatusPanel {
public:
    void SetNameText(const std::string& text) override { Write("name", text); }
    void SetStaminaText(const std::string& text) override { Write("stamina", text); }
    void SetArrowText(const std::string& text) override { Write("arrow", text); }
    void SetRotationText(const std::string& text) override { Write("rotation", text); }
    void SetTimerText(const std::string& text) override { Write("timer", text); }
    void SetDistanceText(const std::string& text) override { Write("distance", text); }
    void ShowPanel(int left, int top) override {
        Visible = true;
        Left = left;
        Top = top;
    }
    void HidePanel() override { Visible = false; }

    std::string Name, Stamina, Arrow, Rotation, Timer, Distance;
    std::vector<std::string> Writes; // "field=value" in the order written
    bool Visible = false;
    int Left = 0, Top = 0;

private:
    void Write(const std::string& field, const std::string& text);
};

class FakeResultDialogs : public ResultDialogs {
public:
    struct Shown {
        std::string Variant; // "gameover" or "goal"
        GameRecord Record;
    };
    void ShowGameOver(GameRecord record) override;
    void ShowGoalResult(GameRecord record) override;

    std::vector<Shown> Calls;
    std::function<void()> WhileOpen; // runs as if inside the modal loop
};

class FakeClock : public TimeOfDay {
public:
    double Now() override { return Value; }
    double Value = 0.5;
};

#pragma once

#include "GameRecord.h"

#include <cstdint>
#include <string>

// What the controller asks of the rest of the program. The real widgets
// implement these; the tests implement them with recording fakes.

// Posts one of the private game messages to the main window; always queued,
// delivered in the order posted.
class MessagePoster {
public:
    virtual ~MessagePoster() = default;
    virtual void PostGameMessage(int message, std::int32_t wParam, std::int32_t lParam) = 0;
};

class SlotDrumPort {
public:
    virtual ~SlotDrumPort() = default;
    virtual void SetSlot(const GameRecord& record) = 0;
    virtual void SetButtonMode(std::int32_t code) = 0;
    virtual void SetButtonIdle() = 0;
};

class CourseViewPort {
public:
    virtual ~CourseViewPort() = default;
    virtual void SetMainDisplay(const GameRecord& record) = 0;
    virtual void StartEntry() = 0;
    virtual void StartWalk(std::int32_t squares) = 0;
    virtual void ForwardWalk(std::int32_t squares) = 0;
    virtual void BackWalk(std::int32_t squares) = 0;
    virtual void SetDisplayState(std::int32_t state) = 0;
    virtual void ShowPose(std::int32_t image) = 0;
};

// The remark window's line list.
class RemarkLines {
public:
    virtual ~RemarkLines() = default;
    virtual void ClearLines() = 0;
    virtual void AddLine(const std::string& line) = 0;
};

// The fourteen labels of the status panel, as far as the controller writes them.
class StatusPanel {
public:
    virtual ~StatusPanel() = default;
    virtual void SetNameText(const std::string& text) = 0;
    virtual void SetStaminaText(const std::string& text) = 0;
    virtual void SetArrowText(const std::string& text) = 0;
    virtual void SetRotationText(const std::string& text) = 0;
    virtual void SetTimerText(const std::string& text) = 0;
    virtual void SetDistanceText(const std::string& text) = 0;
    virtual void ShowPanel(int left, int top) = 0;
    virtual void HidePanel() = 0;
};

// The modal result dialogs; each returns when the player has closed it.
class ResultDialogs {
public:
    virtual ~ResultDialogs() = default;
    virtual void ShowGameOver(GameRecord record) = 0;
    virtual void ShowGoalResult(GameRecord record) = 0;
};

// The current local time of day as a fraction of a day.
class TimeOfDay {
public:
    virtual ~TimeOfDay() = default;
    virtual double Now() = 0;
};

// Process-wide values kept beside the controller.
struct SessionValues {
    double StartTime = 0;
    double EndTime = 0;
    double ElapsedTime = 0;
    bool EndConfirmation = false;
};

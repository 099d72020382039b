#pragma once

#include "GameMessages.h"
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
    virtual void postGameMessage(GameMessage message, std::int32_t wParam, std::int32_t lParam) = 0;
};

class SlotDrumPort {
public:
    virtual ~SlotDrumPort() = default;
    virtual void setUp(const GameRecord& record) = 0;
    virtual void setButtonMode(std::int32_t code) = 0;
    virtual void setButtonIdle() = 0;
};

class CourseViewPort {
public:
    virtual ~CourseViewPort() = default;
    virtual void setUp(const GameRecord& record) = 0;
    virtual void startEntry() = 0;
    virtual void startWalk(std::int32_t squares) = 0;
    virtual void forwardWalk(std::int32_t squares) = 0;
    virtual void backWalk(std::int32_t squares) = 0;
    virtual void setDisplayState(std::int32_t state) = 0;
    virtual void showPose(std::int32_t image) = 0;
};

// The remark window's line list.
class RemarkLines {
public:
    virtual ~RemarkLines() = default;
    virtual void clearLines() = 0;
    virtual void addLine(const std::string& line) = 0;
};

// The fourteen labels of the status panel, as far as the controller writes them.
class StatusPanel {
public:
    virtual ~StatusPanel() = default;
    virtual void setNameText(const std::string& text) = 0;
    virtual void setStaminaText(const std::string& text) = 0;
    virtual void setArrowText(const std::string& text) = 0;
    virtual void setRotationText(const std::string& text) = 0;
    virtual void setTimerText(const std::string& text) = 0;
    virtual void setDistanceText(const std::string& text) = 0;
    virtual void showPanel(int left, int top) = 0;
    virtual void hidePanel() = 0;
};

// The modal result dialogs; each returns when the player has closed it.
class ResultDialogs {
public:
    virtual ~ResultDialogs() = default;
    virtual void showGameOver(GameRecord record) = 0;
    virtual void showGoalResult(GameRecord record) = 0;
};

// The current local time of day as a fraction of a day.
class TimeOfDay {
public:
    virtual ~TimeOfDay() = default;
    virtual double now() = 0;
};

// Process-wide values kept beside the controller.
struct SessionValues {
    double startTime = 0;
    double endTime = 0;
    double elapsedTime = 0;
    bool askBeforeQuit = false;
};

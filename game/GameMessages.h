#pragma once

#include <cstdint>

// The three private messages that drive a game. Their numbers are fixed: the
// drum, the animations and the controller post them by number.
enum class GameMessage : int {
    Event = 1025,    // wParam: an event code; lParam: its argument
    Step = 1026,     // wParam: +1 for a square walked forward, -1 back
    NextTurn = 1027, // wParam: the live record's spare value
};
inline constexpr GameMessage AllGameMessages[] = {GameMessage::Event, GameMessage::Step,
                                                  GameMessage::NextTurn};

// The number a message travels under, as a window event or in a queue.
constexpr int messageNumber(GameMessage message) {
    return static_cast<int>(message);
}

// Whether `number` is one of the three game messages.
constexpr bool isGameMessage(int number) {
    return number >= messageNumber(GameMessage::Event) &&
           number <= messageNumber(GameMessage::NextTurn);
}

// Event codes (wParam of GameMessage::Event) besides the square kinds 1, 3, 5..8.
inline constexpr std::int32_t DrumStopped = 4;
inline constexpr std::int32_t AnimationEnded = 14;

// Where the live game stands; the numbers follow the event codes so that no
// state is mistaken for one.
enum class GameState : std::int32_t {
    NewGame = 0,
    GameOver = 15,
    Goal = 16,
    EventApplied = 17, // a square's event took effect; the next turn is posted
    TurnReady = 18,    // the drum offers スタート
};

// Slot drum button modes that are not square kinds.
inline constexpr std::int32_t ButtonIdle = 9;
inline constexpr std::int32_t ButtonStart = 10;
inline constexpr std::int32_t ButtonStop = 11;

// Course view animation states that are not event codes.
inline constexpr std::int32_t DisplayIdle = 12;
inline constexpr std::int32_t DisplayEntry = 13;
// The view freezes at the end of a game.
inline constexpr std::int32_t DisplayGameOver = 15;
inline constexpr std::int32_t DisplayGoal = 16;

#pragma once

#include <cstdint>

// The three private messages that drive a game. Their numbers are fixed: the
// drum, the animations and the controller post them by number.
enum GameMessage : int {
    WM_GAME_EVENT = 1025,
    WM_GAME_STEP = 1026,
    WM_GAME_NEXT = 1027,
};

// Event codes (wParam of WM_GAME_EVENT) besides the square kinds 1, 3, 5..8.
inline constexpr std::int32_t SlotStop = 4;
inline constexpr std::int32_t AnimeEnd = 14;

// Game states of the live record.
inline constexpr std::int32_t StateNewGame = 0;
inline constexpr std::int32_t StateGameOver = 15;
inline constexpr std::int32_t StateGoal = 16;
inline constexpr std::int32_t StateEventApplied = 17;
inline constexpr std::int32_t StateTurnReady = 18;

// Slot drum button modes that are not square kinds.
inline constexpr std::int32_t ButtonIdle = 9;
inline constexpr std::int32_t ButtonStart = 10;
inline constexpr std::int32_t ButtonStop = 11;

// Course view animation states that are not event codes.
inline constexpr std::int32_t DisplayIdle = 12;
inline constexpr std::int32_t DisplayEntry = 13;

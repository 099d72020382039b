#pragma once

#include <array>
#include <cstdint>
#include <string>

class ImageList;

// A frame sequence: how many of the twenty image indices are used, then the indices.
struct FrameSequence {
    static constexpr int Capacity = 20;
    std::int32_t count = 0;
    std::array<std::int32_t, Capacity> frames{};
};

// Where a game stands.
enum class GameState {
    NotStarted,   // no game yet since the program started
    NewGame,      // set up, the heroine entering
    TurnReady,    // the drum offers a spin
    EventApplied, // a square's event took effect; the next turn is on its way
    GameOver,
    Goal,
};

// Whether a square's event waits for the player to confirm it on the drum's
// button, or takes effect at once.
enum class MessageCheck {
    None,
    All,
};

// The plain value record of game settings and game state. The main window keeps
// the template; the controller, the slot drum, the course view and the result
// dialogs each keep copies of their own.
struct GameRecord {
    std::int32_t currentSquare = 0;
    std::int32_t currentRow = 0;
    std::int32_t stamina = 0;
    std::int32_t arrowRow = 0;
    std::int32_t spinInterval = 0;
    std::int32_t rotationWidth = 0;
    FrameSequence walkFrames;
    std::int32_t walkInterval = 0;
    FrameSequence forwardFrames;
    std::int32_t forwardInterval = 0;
    FrameSequence backFrames;
    std::int32_t backInterval = 0;
    std::int32_t heroineWidth = 0;
    std::int32_t heroineHeight = 0;
    std::int32_t drumMin = 0;
    std::int32_t drumMax = 0;
    MessageCheck messageCheck = MessageCheck::None;
    std::int32_t spare = 0;
    GameState state = GameState::NewGame;
    std::string playerName;
    const ImageList* heroineImages = nullptr; // not owned
};

// Image number at place `place` (counted from 1) of a frame sequence; places
// outside the record's twenty entries read as image 0.
std::int32_t frameAt(const FrameSequence& frames, int place);

// The image the heroine rests on: the last image of the walk sequence.
std::int32_t restFrame(const GameRecord& record);

// Fills the main window's template with the game's defaults.
void fillDefaultRecord(GameRecord& record, const ImageList* heroineImages);

// The program's own settings, kept beside the template of the next game.
struct Preferences {
    // Whether quitting during a game asks first, and closing says goodbye.
    bool askBeforeQuit = true;
};

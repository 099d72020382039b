#pragma once

#include <array>
#include <cstdint>
#include <string>

class ImageList;

// A frame sequence: how many of the twenty image indices are used, then the indices.
struct AnimeFrameList {
    static constexpr int Capacity = 20;
    std::int32_t Count = 0;
    std::array<std::int32_t, Capacity> Indices{};
};

// The plain value record of game settings and game state. The main window keeps
// the template; the controller, the slot drum, the course view and the result
// dialogs each keep copies of their own.
struct GameRecord {
    std::int32_t StartPosition = 0;
    std::int32_t StartRow = 0;
    std::int32_t Stamina = 0;
    std::int32_t ArrowPosition = 0;
    std::int32_t TimerInterval = 0;
    std::int32_t RotationWidth = 0;
    AnimeFrameList WalkAnimeFrames;
    std::int32_t WalkAnimeInterval = 0;
    AnimeFrameList ForwardAnimeFrames;
    std::int32_t ForwardAnimeInterval = 0;
    AnimeFrameList BackAnimeFrames;
    std::int32_t BackAnimeInterval = 0;
    std::int32_t CharWidth = 0;
    std::int32_t CharHeight = 0;
    std::int32_t SlotMin = 0;
    std::int32_t SlotMax = 0;
    std::int32_t MessageCheck = 0;
    std::int32_t Spare = 0;
    std::int32_t State = 0;
    std::string PlayerName;
    const ImageList* CharImages = nullptr; // not owned
};

// MessageCheck values.
inline constexpr std::int32_t MessageCheckNone = 0;
inline constexpr std::int32_t MessageCheckAll = 2;

// Image number at place `place` (counted from 1) of a frame sequence; places
// outside the record's twenty entries read as image 0.
std::int32_t FrameAt(const AnimeFrameList& frames, int place);

// The image the heroine rests on: the last image of the walk sequence.
std::int32_t RestFrame(const GameRecord& record);

// Fills the main window's template with the game's defaults.
void FillDefaultRecord(GameRecord& record, const ImageList* heroineImages);

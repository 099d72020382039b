#include "GameRecord.h"

#include <initializer_list>

namespace {

FrameSequence makeFrames(std::initializer_list<std::int32_t> indices) {
    FrameSequence frames;
    frames.count = static_cast<std::int32_t>(indices.size());
    int i = 0;
    for (std::int32_t index : indices) {
        frames.frames[i++] = index;
    }
    return frames;
}

} // namespace

std::int32_t frameAt(const FrameSequence& frames, int place) {
    if (place < 1 || place > FrameSequence::Capacity) {
        return 0;
    }
    return frames.frames[place - 1];
}

std::int32_t restFrame(const GameRecord& record) {
    return frameAt(record.walkFrames, record.walkFrames.count);
}

void fillDefaultRecord(GameRecord& record, const ImageList* heroineImages) {
    record.currentSquare = 1;
    record.currentRow = 1;
    record.stamina = 30;
    record.arrowRow = 0;
    record.spinInterval = 10;
    record.rotationWidth = 30;
    record.walkFrames = makeFrames({0, 1, 2, 1});
    record.walkInterval = 150;
    record.forwardFrames = makeFrames({0, 0, 0, 1, 2, 2, 2, 1});
    record.forwardInterval = 100;
    record.backFrames = makeFrames({3, 4});
    record.backInterval = 200;
    record.heroineWidth = 50;
    record.heroineHeight = 70;
    record.drumMin = 1;
    record.drumMax = 6;
    record.messageCheck = MessageCheck::All;
    record.spare = 0;
    record.state = GameState::NewGame;
    record.playerName = "zad";
    record.heroineImages = heroineImages;
}

#include "GameRecord.h"

#include <initializer_list>

namespace {

AnimeFrameList MakeFrames(std::initializer_list<std::int32_t> indices) {
    AnimeFrameList frames;
    frames.Count = static_cast<std::int32_t>(indices.size());
    int i = 0;
    for (std::int32_t index : indices) {
        frames.Indices[i++] = index;
    }
    return frames;
}

} // namespace

std::int32_t FrameAt(const AnimeFrameList& frames, int place) {
    if (place < 1 || place > AnimeFrameList::Capacity) {
        return 0;
    }
    return frames.Indices[place - 1];
}

std::int32_t RestFrame(const GameRecord& record) {
    return FrameAt(record.WalkAnimeFrames, record.WalkAnimeFrames.Count);
}

void FillDefaultRecord(GameRecord& record, const ImageList* heroineImages) {
    record.StartPosition = 1;
    record.StartRow = 1;
    record.Stamina = 30;
    record.ArrowPosition = 0;
    record.TimerInterval = 10;
    record.RotationWidth = 30;
    record.WalkAnimeFrames = MakeFrames({0, 1, 2, 1});
    record.WalkAnimeInterval = 150;
    record.ForwardAnimeFrames = MakeFrames({0, 0, 0, 1, 2, 2, 2, 1});
    record.ForwardAnimeInterval = 100;
    record.BackAnimeFrames = MakeFrames({3, 4});
    record.BackAnimeInterval = 200;
    record.CharWidth = 50;
    record.CharHeight = 70;
    record.SlotMin = 1;
    record.SlotMax = 6;
    record.MessageCheck = MessageCheckAll;
    record.Spare = 0;
    record.State = 0;
    record.PlayerName = "zad";
    record.CharImages = heroineImages;
}

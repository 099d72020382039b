#include "GameDriver.h"

#include <gtest/gtest.h>
#include <random>

namespace {

// Whole games with random drum numbers, checked after every message against a
// shadow count kept from the rules alone.
TEST(EngineRandomTest, TenThousandGamesKeepTheirBooks) {
    const unsigned seed = 20261208;
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> drum(1, 6);

    constexpr int games = 10000;
    int goals = 0;
    int gameOvers = 0;
    for (int g = 0; g < games; ++g) {
        GameDriver game;
        game.recordTemplate.messageCheck = (random() & 1) ? MessageCheck::All : MessageCheck::None;
        const int startPosition = game.recordTemplate.currentSquare;
        const int startStamina = game.recordTemplate.stamina;

        int walked = 0;
        int stepSum = 0;
        int regained = 0;
        bool finished = false;
        int faults = 0;
        using Kind = GameDriver::Report::Kind;
        game.afterDeliver = [&](const GameDriver::Report& r) {
            const GameRecord& live = game.live();
            if (r.kind == Kind::SquareWalked) {
                if (finished)
                    ++faults; // a finished game receives no further step
                ++walked;
                stepSum += r.value;
            }
            // A stamina square takes effect by the click, or at once at the walk's end.
            const CourseSquare& square = game.course.at(live.currentSquare, live.currentRow);
            const bool staminaByClick =
                r.kind == Kind::EventConfirmed && r.confirmed == SquareKind::StaminaUp;
            const bool staminaAtOnce =
                r.kind == Kind::AnimationFinished && live.messageCheck == MessageCheck::None &&
                square.kind == SquareKind::StaminaUp && startStamina - walked + regained > 0;
            if (staminaByClick || staminaAtOnce)
                regained += square.param;

            EXPECT_EQ(live.stamina, startStamina - walked + regained) << "game " << g;
            EXPECT_EQ(live.currentSquare, startPosition + stepSum) << "game " << g;
            EXPECT_NE(live.state, GameState::NotStarted);
            finished = finished || game.finished();
        };

        game.startGame();
        game.playToEnd([&] { return drum(random); });
        ASSERT_TRUE(game.finished()) << "game " << g << " did not end";
        EXPECT_EQ(faults, 0) << "game " << g;
        EXPECT_TRUE(game.view.refusals.empty()) << "game " << g;
        if (game.live().state == GameState::Goal) {
            ++goals;
        } else {
            ASSERT_EQ(game.live().state, GameState::GameOver);
            ++gameOvers;
        }
        if (HasFailure()) {
            FAIL() << "stopped after the first failing game";
        }
    }
    EXPECT_EQ(goals + gameOvers, games);
    EXPECT_GT(goals, 0);
    EXPECT_GT(gameOvers, 0);
    std::printf("%d goals, %d game overs\n", goals, gameOvers);
}

} // namespace

#include "GameDriver.h"
#include "GameMessages.h"

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

    constexpr int Games = 10000;
    int goals = 0;
    int gameOvers = 0;
    for (int g = 0; g < Games; ++g) {
        GameDriver game;
        game.Template.MessageCheck = (random() & 1) ? MessageCheckAll : MessageCheckNone;
        const int startPosition = game.Template.StartPosition;
        const int startStamina = game.Template.Stamina;

        int walked = 0;
        int stepSum = 0;
        int regained = 0;
        bool finished = false;
        int faults = 0;
        game.AfterDeliver = [&](const GameMessageQueue::Message& m) {
            const GameRecord& live = game.Live();
            if (m.Id == WM_GAME_STEP) {
                if (finished)
                    ++faults; // a finished game receives no further step
                ++walked;
                stepSum += m.WParam;
            }
            // A stamina square takes effect by the click, or at once at the walk's end.
            const CourseSquare& square = game.Course.At(live.StartPosition, live.StartRow);
            const bool staminaByClick = m.Id == WM_GAME_EVENT && m.WParam == 6;
            const bool staminaAtOnce = m.Id == WM_GAME_EVENT && m.WParam == AnimeEnd &&
                                       live.MessageCheck == MessageCheckNone &&
                                       square.kind == SquareKind::StaminaUp &&
                                       startStamina - walked + regained > 0;
            if (staminaByClick || staminaAtOnce)
                regained += square.param;

            EXPECT_EQ(live.Stamina, startStamina - walked + regained) << "game " << g;
            EXPECT_EQ(live.StartPosition, startPosition + stepSum) << "game " << g;
            const int s = live.State;
            EXPECT_TRUE(s == 0 || s == 15 || s == 16 || s == 17 || s == 18) << s;
            finished = finished || game.Finished();
        };

        game.StartGame();
        game.PlayToEnd([&] { return drum(random); });
        ASSERT_TRUE(game.Finished()) << "game " << g << " did not end";
        EXPECT_EQ(faults, 0) << "game " << g;
        EXPECT_TRUE(game.View.Refusals.empty()) << "game " << g;
        if (game.Live().State == StateGoal) {
            ++goals;
        } else {
            ASSERT_EQ(game.Live().State, StateGameOver);
            ++gameOvers;
        }
        if (HasFailure()) {
            FAIL() << "stopped after the first failing game";
        }
    }
    EXPECT_EQ(goals + gameOvers, Games);
    EXPECT_GT(goals, 0);
    EXPECT_GT(gameOvers, 0);
    std::printf("%d goals, %d game overs\n", goals, gameOvers);
}

} // namespace

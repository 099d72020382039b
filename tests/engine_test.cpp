#include "GameDriver.h"
#include "GameMessages.h"
#include "SquareEffects.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

class EngineTest : public ::testing::Test {
protected:
    // Starts the game and answers the starting square's event, if it has one,
    // until the drum offers its first spin.
    void BeginAtTemplatePosition() {
        game.StartGame();
        game.Settle();
        while (game.Drum.Mode != ButtonStart && !game.Finished() && game.Drum.Mode != ButtonIdle) {
            game.Confirm();
        }
    }

    // A course whose walking row holds only remarks, for walks without events.
    void MakeEventFreeCourse() {
        for (int square = 2; square <= 100; ++square) {
            game.Course.SetSquare(square, WalkRow, SquareKind::Remark, 0, "てくてく");
        }
    }

    GameDriver game;
};

TEST_F(EngineTest, FirstTurnOffersTheDrumAfterTheEntry) {
    game.StartGame();
    EXPECT_EQ(game.Drum.Mode, ButtonIdle) << "the drum must be inert during the entry";
    game.Settle();

    EXPECT_EQ(game.Drum.Mode, ButtonStart);
    EXPECT_EQ(game.Remarks.Lines, Lines{"さぁっ！いくぞぉっ！！"});
    EXPECT_EQ(game.Live().State, StateNewGame);
    EXPECT_TRUE(game.Controller.IsGameInProgress());
    EXPECT_EQ(game.Status.Writes, (Lines{"name=zad", "stamina=30", "arrow=0", "rotation=30",
                                         "timer=10", "distance=100"}));
    EXPECT_TRUE(game.View.Refusals.empty());
}

TEST_F(EngineTest, ATurnWalksTheDrumNumberAndWaitsForTheSquaresEvent) {
    game.StartGame();
    game.Settle();
    game.Spin(4); // 1 -> 5, "強い風がっ・・", back 2

    EXPECT_EQ(game.Live().StartPosition, 5);
    EXPECT_EQ(game.Status.Stamina, "26");
    EXPECT_EQ(game.Status.Distance, "96");
    EXPECT_EQ(game.Remarks.Lines, (Lines{"強い風がっ・・", "うみゅ～～(ToT)　2歩、戻るるる"}));
    EXPECT_EQ(game.Drum.Mode, 8);

    game.Confirm(); // back to 3, a remark square
    EXPECT_EQ(game.Live().StartPosition, 3);
    EXPECT_EQ(game.Status.Stamina, "24");
    EXPECT_EQ(game.Status.Distance, "98");
    EXPECT_EQ(game.Drum.Mode, 3);
    EXPECT_EQ(game.Live().State, StateNewGame);

    game.Drum.Click();
    ASSERT_EQ(game.Queue.Size(), 1u);
    game.Queue.DeliverNext(game.Controller);
    EXPECT_EQ(game.Live().State, StateEventApplied);
    EXPECT_EQ(game.Drum.Mode, ButtonIdle);
    EXPECT_EQ(game.View.Poses, std::vector<std::int32_t>{1});
    game.Settle();
    EXPECT_EQ(game.Live().State, StateTurnReady);
    EXPECT_EQ(game.Drum.Mode, ButtonStart);
    EXPECT_EQ(game.View.Data.StartPosition, 3) << "the view takes the record at the turn's start";
}

TEST_F(EngineTest, ThirtySquaresWithoutEventsEndInGameOverOnTheThirtieth) {
    MakeEventFreeCourse();
    game.Template.MessageCheck = MessageCheckNone;
    game.StartGame();
    game.Settle();
    for (int turn = 0; turn < 5; ++turn) {
        game.Spin(6);
    }
    EXPECT_EQ(game.Live().StartPosition, 31);
    EXPECT_EQ(game.Live().Stamina, 0);
    EXPECT_EQ(game.Live().State, StateGameOver);
    EXPECT_EQ(game.Remarks.Lines, Lines{"ばたん、きゅぅ～～"});
    ASSERT_EQ(game.Results.Calls.size(), 1u);
    EXPECT_EQ(game.Results.Calls[0].Variant, "gameover");
    EXPECT_EQ(game.Results.Calls[0].Record.StartPosition, 31);
    EXPECT_EQ(game.Drum.Mode, ButtonIdle);
    EXPECT_EQ(game.Status.Stamina, "0");
    EXPECT_FALSE(game.Controller.IsGameInProgress());
}

TEST_F(EngineTest, GameOverCutsAWalkShort) {
    MakeEventFreeCourse();
    game.Template.Stamina = 3;
    game.StartGame();
    game.Settle();
    int stepsAfterEnd = 0;
    bool ended = false;
    game.AfterDeliver = [&](const GameMessageQueue::Message& m) {
        if (m.Id == WM_GAME_STEP && ended)
            ++stepsAfterEnd;
        ended = ended || game.Finished();
    };
    game.Spin(6);
    EXPECT_EQ(game.Live().StartPosition, 4);
    EXPECT_EQ(stepsAfterEnd, 0);
    EXPECT_EQ(game.View.State, StateGameOver);
    EXPECT_EQ(game.Results.Calls.size(), 1u);
    EXPECT_EQ(game.Remarks.Lines, Lines{"ばたん、きゅぅ～～"});
}

TEST_F(EngineTest, TheGoalCutsAWalkShortAndTakesTheTimes) {
    game.Template.StartPosition = 98;
    game.Clock.Value = 0.25;
    BeginAtTemplatePosition();
    game.Clock.Value = 0.25 + 200.0 / 86400.0;
    game.Spin(6);

    EXPECT_EQ(game.Live().StartPosition, 101);
    EXPECT_EQ(game.Live().State, StateGoal);
    EXPECT_EQ(game.Status.Distance, "0");
    EXPECT_EQ(game.Remarks.Lines, Lines{"やったー！！"});
    ASSERT_EQ(game.Results.Calls.size(), 1u);
    EXPECT_EQ(game.Results.Calls[0].Variant, "goal");
    EXPECT_EQ(game.Results.Calls[0].Record.Stamina, 27);
    EXPECT_DOUBLE_EQ(game.Session.EndTime, game.Clock.Value);
    EXPECT_NEAR(game.Session.ElapsedTime * 86400.0, 200.0, 1e-6);
    EXPECT_EQ(game.View.State, StateGoal);
    EXPECT_EQ(game.Drum.Mode, ButtonIdle);
}

TEST_F(EngineTest, WithoutMessageCheckAChainIsWalkedWithoutInput) {
    game.Template.StartPosition = 98;
    game.Template.MessageCheck = MessageCheckNone;
    BeginAtTemplatePosition();
    std::vector<int> landings;
    game.AfterDeliver = [&](const GameMessageQueue::Message& m) {
        if (m.Id == WM_GAME_EVENT && m.WParam == AnimeEnd)
            landings.push_back(game.Live().StartPosition);
    };
    game.Spin(1); // 99 back 8 -> 91 back 3 -> 88 back 2 -> 86 back 2 -> 84 remark
    EXPECT_EQ(landings, (std::vector<int>{99, 91, 88, 86, 84}));
    EXPECT_EQ(game.Live().Stamina, 30 - 1 - 8 - 3 - 2 - 2);
    EXPECT_EQ(game.Live().State, StateTurnReady);
    EXPECT_EQ(game.Drum.Mode, ButtonStart);
    EXPECT_EQ(game.Remarks.Lines, Lines{"これは、つらいわぁぁっ (x x)"});
}

TEST_F(EngineTest, WithMessageCheckEveryLinkOfAChainWaitsForTheClick) {
    game.Template.StartPosition = 98;
    BeginAtTemplatePosition();
    game.Spin(1);
    EXPECT_EQ(game.Live().StartPosition, 99);
    EXPECT_EQ(game.Drum.Mode, 8);
    EXPECT_TRUE(game.Queue.Empty());
    EXPECT_FALSE(game.View.Animating());
    game.Confirm();
    EXPECT_EQ(game.Live().StartPosition, 91);
    EXPECT_EQ(game.Drum.Mode, 8);
}

TEST_F(EngineTest, TheStepThatEmptiesStaminaOnTheGoalRunsBothEndings) {
    game.Template.StartPosition = 98;
    game.Template.Stamina = 3;
    BeginAtTemplatePosition();
    std::vector<std::int32_t> statesWhileOpen;
    game.Results.WhileOpen = [&] { statesWhileOpen.push_back(game.Live().State); };
    game.Spin(3);

    ASSERT_EQ(game.Results.Calls.size(), 2u);
    EXPECT_EQ(game.Results.Calls[0].Variant, "gameover");
    EXPECT_EQ(game.Results.Calls[1].Variant, "goal");
    EXPECT_EQ(statesWhileOpen, (std::vector<std::int32_t>{StateGameOver, StateGoal}));
    EXPECT_EQ(game.Live().State, StateGoal);
    EXPECT_EQ(game.Remarks.Lines, Lines{"やったー！！"});
}

TEST_F(EngineTest, LuckySquaresImproveTheDrumButNotThePanel) {
    game.StartGame();
    game.Settle();
    game.Spin(5); // square 6, Lucky 0
    EXPECT_EQ(game.Remarks.Lines,
              (Lines{"わぁ、大吉じゃない！", "スロットの矢印の位置が下がった"}));
    EXPECT_EQ(game.Drum.Mode, 5);
    const int setSlotsBefore = game.Drum.SetSlotCalls;
    game.Confirm();
    EXPECT_EQ(game.Live().ArrowPosition, 1);
    EXPECT_EQ(game.Drum.Data.ArrowPosition, 1);
    EXPECT_EQ(game.Drum.SetSlotCalls, setSlotsBefore + 2) << "at once and at the next turn";
    EXPECT_EQ(game.Status.Arrow, "0");
}

TEST_F(EngineTest, ApplyLuckyMovesEachSettingOneStep) {
    GameRecord record;
    FillDefaultRecord(record, nullptr);
    record.ArrowPosition = 2;
    ApplyLucky(record, 0);
    EXPECT_EQ(record.ArrowPosition, 2);

    record.TimerInterval = 95;
    ApplyLucky(record, 1);
    EXPECT_EQ(record.TimerInterval, 105);
    ApplyLucky(record, 1);
    EXPECT_EQ(record.TimerInterval, 105);

    record.RotationWidth = 30;
    std::vector<std::int32_t> widths;
    for (int i = 0; i < 6; ++i) {
        ApplyLucky(record, 1);
        widths.push_back(record.RotationWidth);
    }
    EXPECT_EQ(widths, (std::vector<std::int32_t>{15, 10, 6, 5, 3, 3}));

    record.RotationWidth = 7; // a width set outside the chain stays
    record.ArrowPosition = 0;
    record.TimerInterval = 10;
    ApplyLucky(record, 2);
    EXPECT_EQ(record.RotationWidth, 7);
    EXPECT_EQ(record.ArrowPosition, 1);
    EXPECT_EQ(record.TimerInterval, 20);

    const GameRecord before = record;
    ApplyLucky(record, 3);
    ApplyLucky(record, -1);
    EXPECT_EQ(record.ArrowPosition, before.ArrowPosition);
    EXPECT_EQ(record.TimerInterval, before.TimerInterval);
    EXPECT_EQ(record.RotationWidth, before.RotationWidth);
}

TEST_F(EngineTest, StaminaCanRiseAboveItsStart) {
    game.Template.StartPosition = 21;
    BeginAtTemplatePosition();
    game.Spin(5); // square 26, StaminaUp 18
    EXPECT_EQ(game.Live().Stamina, 25);
    game.Drum.Click();
    game.Queue.DeliverNext(game.Controller);
    EXPECT_EQ(game.Live().Stamina, 43);
    EXPECT_EQ(game.Status.Stamina, "43") << "shown at once, before the next turn";
}

TEST_F(EngineTest, AGameStartedOnTheGoalOnlyShowsItsRemark) {
    game.Template.StartPosition = 101;
    game.StartGame();
    game.Settle();
    EXPECT_EQ(game.Remarks.Lines, Lines{"やったー！！"});
    EXPECT_EQ(game.Drum.Mode, ButtonIdle);
    EXPECT_TRUE(game.Results.Calls.empty());
    EXPECT_EQ(game.Live().State, StateNewGame);
    EXPECT_TRUE(game.Controller.IsGameInProgress());
}

TEST_F(EngineTest, UnknownEventCodesChangeNothing) {
    game.StartGame();
    game.Settle();
    const GameRecord before = game.Live();
    for (std::int32_t code : {0, 2, 9, 10, 11, 12, 13, 15, 16, -1, -4, -14, 1 << 30}) {
        game.Controller.HandleEvent(code, 3);
    }
    EXPECT_TRUE(game.Queue.Empty());
    EXPECT_FALSE(game.View.Animating());
    EXPECT_EQ(game.Drum.Mode, ButtonStart);
    EXPECT_EQ(game.Live().StartPosition, before.StartPosition);
    EXPECT_EQ(game.Live().Stamina, before.Stamina);
    EXPECT_EQ(game.Live().State, before.State);
    EXPECT_FALSE(DispatchGameMessage(game.Controller, 1024, 4, 3));
    EXPECT_FALSE(DispatchGameMessage(game.Controller, 1028, 4, 3));
}

TEST_F(EngineTest, GameInProgressUnlessOverOrGoal) {
    EXPECT_FALSE(game.Controller.IsGameInProgress()) << "no game yet";
    game.StartGame();
    EXPECT_TRUE(game.Controller.IsGameInProgress()) << "during the entry";
    game.Settle();
    game.Drum.Click();
    EXPECT_TRUE(game.Controller.IsGameInProgress()) << "during a spin";
    game.Drum.Click();
    game.Drum.Boundary(2);
    game.Queue.DeliverNext(game.Controller);
    EXPECT_TRUE(game.Controller.IsGameInProgress()) << "during a walk";
    game.Settle();
    game.Confirm();
    EXPECT_EQ(game.Live().State, StateTurnReady);
    EXPECT_TRUE(game.Controller.IsGameInProgress());
}

TEST_F(EngineTest, ARestartMidWalkStartsAFreshGame) {
    game.StartGame();
    game.Settle();
    game.Drum.Click();
    game.Drum.Click();
    game.Drum.Boundary(6);
    game.Queue.DeliverNext(game.Controller); // the walk starts
    game.View.Tick();
    game.Queue.DeliverNext(game.Controller); // one square walked
    ASSERT_TRUE(game.View.Animating());

    game.Restart();
    game.Settle();
    EXPECT_TRUE(game.View.Refusals.empty());
    EXPECT_EQ(game.Live().StartPosition, 1);
    EXPECT_EQ(game.Live().Stamina, 30);
    EXPECT_EQ(game.Drum.Mode, ButtonStart);
    EXPECT_EQ(game.Remarks.Lines, Lines{"さぁっ！いくぞぉっ！！"});
}

TEST_F(EngineTest, ARestartMidSpinDiscardsTheAbandonedNumber) {
    game.StartGame();
    game.Settle();
    game.Drum.Click();
    game.Drum.Click();
    game.Restart();
    game.Drum.Boundary(5);
    game.Settle();
    EXPECT_EQ(game.Live().StartPosition, 1);
    EXPECT_EQ(game.Drum.Mode, ButtonStart);
    game.Spin(2);
    EXPECT_EQ(game.Live().StartPosition, 3);
}

TEST_F(EngineTest, BackWalksCostStaminaToo) {
    game.Template.StartPosition = 29;
    BeginAtTemplatePosition();
    game.Spin(5); // square 34, back 4
    EXPECT_EQ(game.Live().Stamina, 25);
    game.Confirm();
    EXPECT_EQ(game.Live().StartPosition, 30);
    EXPECT_EQ(game.Live().Stamina, 21);
    EXPECT_EQ(game.Status.Distance, "71");
}

} // namespace

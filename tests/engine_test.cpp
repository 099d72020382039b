#include "GameDriver.h"
#include "SquareEffects.h"

#include <QTime>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using lines = std::vector<std::string>;
using Mode = FakeSlotDrum::Mode;
using Animation = FakeCourseView::Animation;
using Result = FakeResultDialogs::Result;

class EngineTest : public ::testing::Test {
protected:
    // Starts the game and answers the starting square's event, if it has one,
    // until the drum offers its first spin.
    void beginAtTemplatePosition() {
        game.startGame();
        game.settle();
        while (game.drum.mode != Mode::Start && !game.finished() && game.drum.mode != Mode::Idle) {
            game.confirm();
        }
    }

    // A course whose walking row holds only remarks, for walks without events.
    void makeEventFreeCourse() {
        for (int square = 2; square <= 100; ++square) {
            game.course.setSquare(square, WalkRow, SquareKind::Remark, 0, "てくてく");
        }
    }

    GameDriver game;
};

TEST_F(EngineTest, FirstTurnOffersTheDrumAfterTheEntry) {
    game.startGame();
    EXPECT_EQ(game.drum.mode, Mode::Idle) << "the drum must be inert during the entry";
    game.settle();

    EXPECT_EQ(game.drum.mode, Mode::Start);
    EXPECT_EQ(game.remarks.lines, lines{"さぁっ！いくぞぉっ！！"});
    EXPECT_EQ(game.live().state, GameState::NewGame);
    EXPECT_TRUE(game.controller.isGameInProgress());
    EXPECT_EQ(game.statusPanel.writes, (lines{"name=zad", "stamina=30", "arrow=0", "rotation=30",
                                              "timer=10", "distance=100"}));
    EXPECT_TRUE(game.view.refusals.empty());
}

TEST_F(EngineTest, ATurnWalksTheDrumNumberAndWaitsForTheSquaresEvent) {
    game.startGame();
    game.settle();
    game.spin(4); // 1 -> 5, "強い風がっ・・", back 2

    EXPECT_EQ(game.live().currentSquare, 5);
    EXPECT_EQ(game.statusPanel.stamina, "26");
    EXPECT_EQ(game.statusPanel.distance, "96");
    EXPECT_EQ(game.remarks.lines, (lines{"強い風がっ・・", "うみゅ～～(ToT)　2歩、戻るるる"}));
    EXPECT_EQ(game.drum.mode, Mode::Confirm);
    EXPECT_EQ(game.drum.offered, SquareKind::Back);

    game.confirm(); // back to 3, a remark square
    EXPECT_EQ(game.live().currentSquare, 3);
    EXPECT_EQ(game.statusPanel.stamina, "24");
    EXPECT_EQ(game.statusPanel.distance, "98");
    EXPECT_EQ(game.drum.mode, Mode::Confirm);
    EXPECT_EQ(game.drum.offered, SquareKind::Remark);
    EXPECT_EQ(game.live().state, GameState::NewGame);

    game.drum.click();
    game.deliverQueued();
    EXPECT_EQ(game.live().state, GameState::EventApplied);
    EXPECT_EQ(game.drum.mode, Mode::Idle);
    EXPECT_EQ(game.view.poses, std::vector<std::int32_t>{1});
    game.settle();
    EXPECT_EQ(game.live().state, GameState::TurnReady);
    EXPECT_EQ(game.drum.mode, Mode::Start);
    EXPECT_EQ(game.view.data.currentSquare, 3) << "the view takes the record at the turn's start";
}

TEST_F(EngineTest, ThirtySquaresWithoutEventsEndInGameOverOnTheThirtieth) {
    makeEventFreeCourse();
    game.recordTemplate.messageCheck = MessageCheck::None;
    game.startGame();
    game.settle();
    for (int turn = 0; turn < 5; ++turn) {
        game.spin(6);
    }
    EXPECT_EQ(game.live().currentSquare, 31);
    EXPECT_EQ(game.live().stamina, 0);
    EXPECT_EQ(game.live().state, GameState::GameOver);
    EXPECT_EQ(game.remarks.lines, lines{"ばたん、きゅぅ～～"});
    ASSERT_EQ(game.results.calls.size(), 1u);
    EXPECT_EQ(game.results.calls[0].result, Result::GameOver);
    EXPECT_EQ(game.results.calls[0].record.currentSquare, 31);
    EXPECT_EQ(game.drum.mode, Mode::Idle);
    EXPECT_EQ(game.statusPanel.stamina, "0");
    EXPECT_FALSE(game.controller.isGameInProgress());
}

TEST_F(EngineTest, GameOverCutsAWalkShort) {
    makeEventFreeCourse();
    game.recordTemplate.stamina = 3;
    game.startGame();
    game.settle();
    int stepsAfterEnd = 0;
    bool ended = false;
    game.afterDeliver = [&](const GameDriver::Report& r) {
        if (r.kind == GameDriver::Report::Kind::SquareWalked && ended)
            ++stepsAfterEnd;
        ended = ended || game.finished();
    };
    game.spin(6);
    EXPECT_EQ(game.live().currentSquare, 4);
    EXPECT_EQ(stepsAfterEnd, 0);
    EXPECT_EQ(game.view.animation, Animation::GameOver);
    EXPECT_EQ(game.results.calls.size(), 1u);
    EXPECT_EQ(game.remarks.lines, lines{"ばたん、きゅぅ～～"});
}

TEST_F(EngineTest, TheGoalCutsAWalkShortAndTakesTheTimes) {
    game.recordTemplate.currentSquare = 98;
    game.clock.value = QTime(6, 0);
    beginAtTemplatePosition();
    game.clock.value = QTime(6, 3, 20);
    game.spin(6);

    EXPECT_EQ(game.live().currentSquare, 101);
    EXPECT_EQ(game.live().state, GameState::Goal);
    EXPECT_EQ(game.statusPanel.distance, "0");
    EXPECT_EQ(game.remarks.lines, lines{"やったー！！"});
    ASSERT_EQ(game.results.calls.size(), 1u);
    EXPECT_EQ(game.results.calls[0].result, Result::Goal);
    EXPECT_EQ(game.results.calls[0].record.stamina, 27);
    EXPECT_EQ(game.results.calls[0].times.start, QTime(6, 0));
    EXPECT_EQ(game.results.calls[0].times.end, QTime(6, 3, 20));
    EXPECT_EQ(game.results.calls[0].times.elapsed(), QTime(0, 3, 20));
    EXPECT_EQ(game.view.animation, Animation::Goal);
    EXPECT_EQ(game.drum.mode, Mode::Idle);
}

TEST_F(EngineTest, WithoutMessageCheckAChainIsWalkedWithoutInput) {
    game.recordTemplate.currentSquare = 98;
    game.recordTemplate.messageCheck = MessageCheck::None;
    beginAtTemplatePosition();
    std::vector<int> landings;
    game.afterDeliver = [&](const GameDriver::Report& r) {
        if (r.kind == GameDriver::Report::Kind::AnimationFinished)
            landings.push_back(game.live().currentSquare);
    };
    game.spin(1); // 99 back 8 -> 91 back 3 -> 88 back 2 -> 86 back 2 -> 84 remark
    EXPECT_EQ(landings, (std::vector<int>{99, 91, 88, 86, 84}));
    EXPECT_EQ(game.live().stamina, 30 - 1 - 8 - 3 - 2 - 2);
    EXPECT_EQ(game.live().state, GameState::TurnReady);
    EXPECT_EQ(game.drum.mode, Mode::Start);
    EXPECT_EQ(game.remarks.lines, lines{"これは、つらいわぁぁっ (x x)"});
}

TEST_F(EngineTest, WithMessageCheckEveryLinkOfAChainWaitsForTheClick) {
    game.recordTemplate.currentSquare = 98;
    beginAtTemplatePosition();
    game.spin(1);
    EXPECT_EQ(game.live().currentSquare, 99);
    EXPECT_EQ(game.drum.mode, Mode::Confirm);
    EXPECT_EQ(game.drum.offered, SquareKind::Back);
    EXPECT_FALSE(game.view.animating());
    game.confirm();
    EXPECT_EQ(game.live().currentSquare, 91);
    EXPECT_EQ(game.drum.mode, Mode::Confirm);
    EXPECT_EQ(game.drum.offered, SquareKind::Back);
}

TEST_F(EngineTest, TheStepThatEmptiesStaminaOnTheGoalRunsBothEndings) {
    game.recordTemplate.currentSquare = 98;
    game.recordTemplate.stamina = 3;
    beginAtTemplatePosition();
    std::vector<GameState> statesWhileOpen;
    game.results.whileOpen = [&] { statesWhileOpen.push_back(game.live().state); };
    game.spin(3);

    ASSERT_EQ(game.results.calls.size(), 2u);
    EXPECT_EQ(game.results.calls[0].result, Result::GameOver);
    EXPECT_EQ(game.results.calls[1].result, Result::Goal);
    EXPECT_EQ(statesWhileOpen, (std::vector<GameState>{GameState::GameOver, GameState::Goal}));
    EXPECT_EQ(game.live().state, GameState::Goal);
    EXPECT_EQ(game.remarks.lines, lines{"やったー！！"});
}

TEST_F(EngineTest, LuckySquaresImproveTheDrumButNotThePanel) {
    game.startGame();
    game.settle();
    game.spin(5); // square 6, Lucky 0
    EXPECT_EQ(game.remarks.lines,
              (lines{"わぁ、大吉じゃない！", "スロットの矢印の位置が下がった"}));
    EXPECT_EQ(game.drum.mode, Mode::Confirm);
    EXPECT_EQ(game.drum.offered, SquareKind::Lucky);
    const int setSlotsBefore = game.drum.setUpCalls;
    game.confirm();
    EXPECT_EQ(game.live().arrowRow, 1);
    EXPECT_EQ(game.drum.data.arrowRow, 1);
    EXPECT_EQ(game.drum.setUpCalls, setSlotsBefore + 2) << "at once and at the next turn";
    EXPECT_EQ(game.statusPanel.arrow, "0");
}

TEST_F(EngineTest, ApplyLuckyMovesEachSettingOneStep) {
    GameRecord record;
    fillDefaultRecord(record, nullptr);
    record.arrowRow = 2;
    applyLucky(record, 0);
    EXPECT_EQ(record.arrowRow, 2);

    record.spinInterval = 95;
    applyLucky(record, 1);
    EXPECT_EQ(record.spinInterval, 105);
    applyLucky(record, 1);
    EXPECT_EQ(record.spinInterval, 105);

    record.rotationWidth = 30;
    std::vector<std::int32_t> widths;
    for (int i = 0; i < 6; ++i) {
        applyLucky(record, 1);
        widths.push_back(record.rotationWidth);
    }
    EXPECT_EQ(widths, (std::vector<std::int32_t>{15, 10, 6, 5, 3, 3}));

    record.rotationWidth = 7; // a width set outside the chain stays
    record.arrowRow = 0;
    record.spinInterval = 10;
    applyLucky(record, 2);
    EXPECT_EQ(record.rotationWidth, 7);
    EXPECT_EQ(record.arrowRow, 1);
    EXPECT_EQ(record.spinInterval, 20);

    const GameRecord before = record;
    applyLucky(record, 3);
    applyLucky(record, -1);
    EXPECT_EQ(record.arrowRow, before.arrowRow);
    EXPECT_EQ(record.spinInterval, before.spinInterval);
    EXPECT_EQ(record.rotationWidth, before.rotationWidth);
}

TEST_F(EngineTest, StaminaCanRiseAboveItsStart) {
    game.recordTemplate.currentSquare = 21;
    beginAtTemplatePosition();
    game.spin(5); // square 26, StaminaUp 18
    EXPECT_EQ(game.live().stamina, 25);
    game.drum.click();
    game.deliverQueued();
    EXPECT_EQ(game.live().stamina, 43);
    EXPECT_EQ(game.statusPanel.stamina, "43") << "shown at once, before the next turn";
}

TEST_F(EngineTest, AGameStartedOnTheGoalOnlyShowsItsRemark) {
    game.recordTemplate.currentSquare = 101;
    game.startGame();
    game.settle();
    EXPECT_EQ(game.remarks.lines, lines{"やったー！！"});
    EXPECT_EQ(game.drum.mode, Mode::Idle);
    EXPECT_TRUE(game.results.calls.empty());
    EXPECT_EQ(game.live().state, GameState::NewGame);
    EXPECT_TRUE(game.controller.isGameInProgress());
}

TEST_F(EngineTest, ConfirmingASquareWithoutAnEventChangesNothing) {
    game.startGame();
    game.settle();
    const GameRecord before = game.live();
    for (SquareKind kind : {SquareKind::Empty, SquareKind::Goal, static_cast<SquareKind>(4),
                            static_cast<SquareKind>(-1), static_cast<SquareKind>(1 << 30)}) {
        game.controller.eventConfirmed(kind);
    }
    game.settle();
    EXPECT_FALSE(game.view.animating());
    EXPECT_EQ(game.drum.mode, Mode::Start);
    EXPECT_EQ(game.live().currentSquare, before.currentSquare);
    EXPECT_EQ(game.live().stamina, before.stamina);
    EXPECT_EQ(game.live().state, before.state);
}

TEST_F(EngineTest, GameInProgressUnlessOverOrGoal) {
    EXPECT_FALSE(game.controller.isGameInProgress()) << "no game yet";
    game.startGame();
    EXPECT_TRUE(game.controller.isGameInProgress()) << "during the entry";
    game.settle();
    game.drum.click();
    EXPECT_TRUE(game.controller.isGameInProgress()) << "during a spin";
    game.drum.click();
    game.drum.boundary(2);
    game.deliverQueued();
    EXPECT_TRUE(game.controller.isGameInProgress()) << "during a walk";
    game.settle();
    game.confirm();
    EXPECT_EQ(game.live().state, GameState::TurnReady);
    EXPECT_TRUE(game.controller.isGameInProgress());
}

TEST_F(EngineTest, ARestartMidWalkStartsAFreshGame) {
    game.startGame();
    game.settle();
    game.drum.click();
    game.drum.click();
    game.drum.boundary(6);
    game.deliverQueued(); // the walk starts
    game.view.tick();
    game.deliverQueued(); // one square walked
    game.view.tick();     // another, its report still queued
    ASSERT_TRUE(game.view.animating());

    game.restart();
    game.settle();
    EXPECT_TRUE(game.view.refusals.empty());
    EXPECT_EQ(game.live().currentSquare, 1) << "the abandoned walk's squares are dropped";
    EXPECT_EQ(game.live().stamina, 30);
    EXPECT_EQ(game.drum.mode, Mode::Start);
    EXPECT_EQ(game.remarks.lines, lines{"さぁっ！いくぞぉっ！！"});
}

TEST_F(EngineTest, ARestartMidSpinDiscardsTheAbandonedNumber) {
    game.startGame();
    game.settle();
    game.drum.click();
    game.drum.click();
    game.restart();
    game.drum.boundary(5);
    game.settle();
    EXPECT_EQ(game.live().currentSquare, 1);
    EXPECT_EQ(game.drum.mode, Mode::Start);
    game.spin(2);
    EXPECT_EQ(game.live().currentSquare, 3);
}

TEST_F(EngineTest, BackWalksCostStaminaToo) {
    game.recordTemplate.currentSquare = 29;
    beginAtTemplatePosition();
    game.spin(5); // square 34, back 4
    EXPECT_EQ(game.live().stamina, 25);
    game.confirm();
    EXPECT_EQ(game.live().currentSquare, 30);
    EXPECT_EQ(game.live().stamina, 21);
    EXPECT_EQ(game.statusPanel.distance, "71");
}

} // namespace

#include "CourseTable.h"

#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace {

class CourseTest : public ::testing::Test {
protected:
    void SetUp() override { course.buildCourse(); }

    // Where a chain of Back/Forward squares starting on `square` stops, each
    // landing square's event taking effect in turn.
    std::vector<int> chain(int square) const {
        std::vector<int> landings;
        for (int guard = 0; guard < 20; ++guard) {
            const CourseSquare& entry = course.at(square, WalkRow);
            if (entry.kind == SquareKind::Back) {
                square -= entry.param;
            } else if (entry.kind == SquareKind::Forward) {
                square += entry.param;
            } else {
                break;
            }
            landings.push_back(square);
        }
        return landings;
    }

    CourseTable course;
};

TEST_F(CourseTest, WalkingRowHasTheListedNumberOfEachKind) {
    std::map<SquareKind, int> counts;
    for (int square = 2; square <= 100; ++square) {
        counts[course.kindAt(square, WalkRow)]++;
    }
    EXPECT_EQ(counts[SquareKind::Remark], 30);
    EXPECT_EQ(counts[SquareKind::Back], 26);
    EXPECT_EQ(counts[SquareKind::StaminaUp], 24);
    EXPECT_EQ(counts[SquareKind::Forward], 13);
    EXPECT_EQ(counts[SquareKind::Lucky], 6);
    EXPECT_EQ(counts.size(), 5u);
}

TEST_F(CourseTest, BlocksCarryTheirPlaceOnTheKeypad) {
    const int startPlaces[2][3] = {{2, 5, 8}, {3, 6, 9}};
    for (int square = 0; square <= 1; ++square) {
        for (int row = 0; row < RowCount; ++row) {
            EXPECT_EQ(course.kindAt(square, row), SquareKind::Start);
            EXPECT_EQ(course.paramAt(square, row), startPlaces[square][row]);
        }
    }
    for (int row = 0; row < RowCount; ++row) {
        EXPECT_EQ(course.kindAt(101, row), SquareKind::Goal);
        EXPECT_EQ(course.paramAt(101, row), 1 + 3 * row);
        for (int square = 102; square < SquareCount; ++square) {
            EXPECT_EQ(course.kindAt(square, row), SquareKind::Goal);
            EXPECT_EQ(course.paramAt(square, row), 2 + 3 * row) << square;
        }
    }
}

TEST_F(CourseTest, ReadsOutsideTheTableAreEmpty) {
    for (auto [square, row] : {std::pair{-1, 1}, {107, 1}, {50, -1}, {50, 3}, {-1000, 9}}) {
        const CourseSquare& entry = course.at(square, row);
        EXPECT_EQ(entry.kind, SquareKind::Empty);
        EXPECT_EQ(entry.param, 0);
        EXPECT_TRUE(entry.remark.empty());
    }
}

TEST_F(CourseTest, OnlyTheWalkingRowBetweenTheBlocksIsColoured) {
    for (int square = 2; square <= 100; ++square) {
        for (int row : {0, 2}) {
            EXPECT_EQ(course.kindAt(square, row), SquareKind::Empty) << square;
            EXPECT_TRUE(course.remarkAt(square, row).empty());
        }
        EXPECT_NE(course.kindAt(square, WalkRow), SquareKind::Empty) << square;
        EXPECT_FALSE(course.remarkAt(square, WalkRow).empty()) << square;
    }
}

TEST_F(CourseTest, RemarksOfTheBlocks) {
    EXPECT_TRUE(course.remarkAt(0, WalkRow).empty());
    EXPECT_EQ(course.remarkAt(1, WalkRow), "さぁっ！いくぞぉっ！！");
    EXPECT_EQ(course.remarkAt(101, WalkRow), "やったー！！");
    for (int square = 102; square < SquareCount; ++square) {
        EXPECT_TRUE(course.remarkAt(square, WalkRow).empty());
    }
}

TEST_F(CourseTest, RecurringRemarksKeepTheirOwnParams) {
    EXPECT_EQ(course.remarkAt(86, WalkRow), "げっ、ガム踏んじゃった");
    EXPECT_EQ(course.paramAt(86, WalkRow), 2);
    EXPECT_EQ(course.paramAt(14, WalkRow), 3);
    EXPECT_EQ(course.paramAt(26, WalkRow), 18);
    EXPECT_EQ(course.paramAt(66, WalkRow), 12);
    EXPECT_EQ(course.remarkAt(66, WalkRow), "ようかんは厚く切んなくちゃね");
    EXPECT_EQ(course.remarkAt(4, WalkRow), "う～～んっっ、眠いよぉぉ～～　(^o`)～・");
    EXPECT_EQ(course.remarkAt(29, WalkRow), "・・・はっ、だめだわ、寝てしまった (ﾟoﾟ;)");
    EXPECT_EQ(course.kindAt(77, WalkRow), SquareKind::Lucky);
    EXPECT_EQ(course.paramAt(77, WalkRow), 2);
    EXPECT_EQ(course.paramAt(94, WalkRow), 2);
}

TEST_F(CourseTest, BackChainsLandWhereTheCourseSays) {
    EXPECT_EQ(chain(34), (std::vector<int>{30, 23}));
    EXPECT_EQ(chain(39), (std::vector<int>{34, 30, 23}));
    EXPECT_EQ(chain(88), (std::vector<int>{86, 84}));
    EXPECT_EQ(chain(91), (std::vector<int>{88, 86, 84}));
    EXPECT_EQ(chain(99), (std::vector<int>{91, 88, 86, 84}));
    EXPECT_EQ(chain(100), (std::vector<int>{91, 88, 86, 84}));
}

TEST_F(CourseTest, ForwardSquaresLandOnStaminaExceptSquare19) {
    for (int square = 2; square <= 100; ++square) {
        const CourseSquare& entry = course.at(square, WalkRow);
        if (entry.kind == SquareKind::Forward) {
            const int landing = square + entry.param;
            const SquareKind expected = square == 19 ? SquareKind::Remark : SquareKind::StaminaUp;
            EXPECT_EQ(course.kindAt(landing, WalkRow), expected) << square;
        }
        // Walks back never leave the course below square 3, walks further
        // never carry past square 89.
        if (entry.kind == SquareKind::Back) {
            EXPECT_GE(square - entry.param, 3) << square;
        }
        if (entry.kind == SquareKind::Forward) {
            EXPECT_LE(square + entry.param, 89) << square;
        }
    }
}

TEST_F(CourseTest, BuildingTwiceGivesTheSameTable) {
    CourseTable again;
    again.buildCourse();
    again.buildCourse();
    for (int square = 0; square < SquareCount; ++square) {
        for (int row = 0; row < RowCount; ++row) {
            EXPECT_EQ(again.kindAt(square, row), course.kindAt(square, row));
            EXPECT_EQ(again.paramAt(square, row), course.paramAt(square, row));
            EXPECT_EQ(again.remarkAt(square, row), course.remarkAt(square, row));
        }
    }
}

} // namespace

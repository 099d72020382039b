#pragma once

#include <array>
#include <cstdint>
#include <string>

// The fixed board: 107 squares, three rows each. Filled once by buildCourse and
// read-only afterwards. Uses no Qt so the rules can be read and tested alone.

// Event kinds of a square. The values are the course's own codes: a code
// outside Start..Back is no event, which the rules check for (4 is unused).
enum class SquareKind : std::int32_t {
    Empty = 0,
    Start = 1,
    Goal = 2,
    Remark = 3,
    Lucky = 5,
    StaminaUp = 6,
    Forward = 7,
    Back = 8,
};

inline constexpr std::int32_t SquareCount = 107;
inline constexpr std::int32_t RowCount = 3;
inline constexpr std::int32_t WalkRow = 1;
inline constexpr std::int32_t GoalSquare = 101;
inline constexpr std::int32_t SquareWidth = 60;
inline constexpr std::int32_t SquareHeight = 40;
inline constexpr std::int32_t MarginX = 10;
inline constexpr std::int32_t MarginY = 50;

struct CourseSquare {
    SquareKind kind = SquareKind::Empty;
    std::int32_t param = 0;
    std::string remark;
};

class CourseTable {
public:
    // Fills every entry: rows 0 and 2 empty, then the start block, the walking
    // row of squares 2..100 and the goal block, later writes replacing earlier ones.
    void buildCourse();

    void setSquare(int square, int row, SquareKind kind, std::int32_t param, std::string remark);

    // Any square outside 0..106 or row outside 0..2 reads as an empty entry.
    const CourseSquare& at(int square, int row) const;
    SquareKind kindAt(int square, int row) const { return at(square, row).kind; }
    std::int32_t paramAt(int square, int row) const { return at(square, row).param; }
    const std::string& remarkAt(int square, int row) const { return at(square, row).remark; }

    static bool contains(int square, int row);

private:
    std::array<std::array<CourseSquare, RowCount>, SquareCount> m_entries{};
};

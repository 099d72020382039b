// Prints the course table: a line "square row kind param" for every entry
// that is not empty, rows 0 to 2, squares 0 to the last. The end-to-end
// driver reads it to know where each walk must end.
#include "CourseTable.h"

#include <cstdio>

namespace {

const char* kindName(SquareKind kind) {
    switch (kind) {
    case SquareKind::Empty:
        return "empty";
    case SquareKind::Start:
        return "start";
    case SquareKind::Goal:
        return "goal";
    case SquareKind::Remark:
        return "remark";
    case SquareKind::Lucky:
        return "lucky";
    case SquareKind::StaminaUp:
        return "stamina";
    case SquareKind::Forward:
        return "further";
    case SquareKind::Back:
        return "back";
    }
    return "unknown";
}

} // namespace

int main() {
    CourseTable course;
    course.buildCourse();
    std::printf("# square row kind param (goal square %d, walking row %d)\n", GoalSquare, WalkRow);
    for (int square = 0; square < SquareCount; ++square) {
        for (int row = 0; row < RowCount; ++row) {
            const CourseSquare& entry = course.at(square, row);
            if (entry.kind == SquareKind::Empty)
                continue;
            std::printf("%d %d %s %d\n", square, row, kindName(entry.kind),
                        static_cast<int>(entry.param));
        }
    }
    return 0;
}

#pragma once

#include "CourseTable.h"
#include "GamePorts.h"
#include "GameRecord.h"

#include <cstdint>
#include <optional>
#include <string>

// Up to three lines for the remark window and how many of them to show.
struct RemarkMessage {
    std::string line1;
    std::string line2;
    std::string line3;
    std::int32_t count = 0;
};

// The line that announces a square's effect, if its kind has one, in the
// player's language.
std::optional<std::string> effectLine(SquareKind kind, std::int32_t param);

// The lucky effect on the drum fields of the record: the arrow moves down one
// row (param 0 or 2) and the drum turns more slowly (param 1 or 2).
void applyLucky(GameRecord& record, std::int32_t param);

// Clears the remark window and shows a square's remark and effect line in the
// player's language.
void showSquareMessages(RemarkLines& window, const CourseTable& course, int square, int row);

// What the remark window says when the heroine's stamina runs out, in the
// player's language.
RemarkMessage gameOverMessage();

// Clears the remark window and shows the first Count lines.
void showLines(RemarkLines& window, RemarkMessage lines);

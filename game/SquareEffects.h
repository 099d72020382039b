#pragma once

#include "CourseTable.h"
#include "GamePorts.h"
#include "GameRecord.h"
#include "TextCatalogue.h"

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

// The catalogue context of the lines the rules write into the remark window.
inline constexpr const char* EffectContext = "SquareEffects";

inline constexpr const char* GameOverLine =
    IPPON_TRANSLATE_NOOP("SquareEffects", "ばたん、きゅぅ～～");

// The line that announces a square's effect, if its kind has one.
std::optional<std::string> effectLine(SquareKind kind, std::int32_t param,
                                      const TextCatalogue& texts = sourceTexts());

// The lucky effect on the drum fields of the record: the arrow moves down one
// row (param 0 or 2) and the drum turns more slowly (param 1 or 2).
void applyLucky(GameRecord& record, std::int32_t param);

// Clears the remark window and shows a square's remark and effect line.
void showSquareMessages(RemarkLines& window, const CourseTable& course, int square, int row,
                        const TextCatalogue& texts = sourceTexts());

// Clears the remark window and shows the first Count lines.
void showLines(RemarkLines& window, RemarkMessage lines);

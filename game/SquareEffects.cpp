#include "SquareEffects.h"

#include <utility>

namespace {

constexpr std::int32_t ArrowBottomRow = 2;
constexpr std::int32_t SlowestTimerInterval = 100;
constexpr std::int32_t TimerSlowdown = 10;

constexpr std::int32_t LuckyArrow = 0;
constexpr std::int32_t LuckySlower = 1;
constexpr std::int32_t LuckyBoth = 2;

// One step down the rotation width chain 30 -> 15 -> 10 -> 6 -> 5 -> 3. The
// tests run from the narrow end so that one event moves exactly one step.
std::int32_t NarrowerRotation(std::int32_t width) {
    if (width == 5)
        width = 3;
    if (width == 6)
        width = 5;
    if (width == 10)
        width = 6;
    if (width == 15)
        width = 10;
    if (width == 30)
        width = 15;
    return width;
}

} // namespace

std::optional<std::string> EffectLine(SquareKind kind, std::int32_t param) {
    const std::string n = std::to_string(param);
    switch (kind) {
    case SquareKind::Forward:
        return "更に" + n + "歩、進みま～す";
    case SquareKind::Back:
        return "うみゅ～～(ToT)　" + n + "歩、戻るるる";
    case SquareKind::StaminaUp:
        return "うおぉぉぉぉっ！　" + n + "体力が回復した";
    case SquareKind::Lucky:
        switch (param) {
        case LuckyArrow:
            return std::string("スロットの矢印の位置が下がった");
        case LuckySlower:
            return std::string("回転速度が下がった");
        case LuckyBoth:
            return std::string("スロットのパラメータはすべて良い方向に変化した");
        default:
            return std::nullopt;
        }
    default:
        return std::nullopt;
    }
}

void ApplyLucky(GameRecord& record, std::int32_t param) {
    if (param == LuckyArrow || param == LuckyBoth) {
        if (record.ArrowPosition < ArrowBottomRow) {
            record.ArrowPosition += 1;
        }
    }
    if (param == LuckySlower || param == LuckyBoth) {
        if (record.TimerInterval < SlowestTimerInterval) {
            record.TimerInterval += TimerSlowdown;
        }
        record.RotationWidth = NarrowerRotation(record.RotationWidth);
    }
}

void ShowSquareMessages(RemarkLines& window, const CourseTable& course, int square, int row) {
    window.ClearLines();
    if (!CourseTable::Contains(square, row)) {
        return;
    }
    const CourseSquare& entry = course.At(square, row);
    const auto code = static_cast<std::int32_t>(entry.kind);
    if (code < static_cast<std::int32_t>(SquareKind::Start) ||
        code > static_cast<std::int32_t>(SquareKind::Back)) {
        return;
    }
    window.AddLine(entry.remark);
    if (auto effect = EffectLine(entry.kind, entry.param)) {
        window.AddLine(*effect);
    }
}

void ShowLines(RemarkLines& window, RemarkMessage lines) {
    window.ClearLines();
    if (lines.Count >= 1)
        window.AddLine(lines.Line1);
    if (lines.Count >= 2)
        window.AddLine(lines.Line2);
    if (lines.Count >= 3)
        window.AddLine(lines.Line3);
}

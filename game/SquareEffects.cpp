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
std::int32_t narrowerRotation(std::int32_t width) {
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

std::optional<std::string> effectLine(SquareKind kind, std::int32_t param,
                                      const TextCatalogue& texts) {
    switch (kind) {
    case SquareKind::Forward:
        return texts.translate(
            EffectContext, IPPON_TRANSLATE_N_NOOP("SquareEffects", "更に%n歩、進みま～す"), param);
    case SquareKind::Back:
        return texts.translate(
            EffectContext,
            IPPON_TRANSLATE_N_NOOP("SquareEffects", "うみゅ～～(ToT)　%n歩、戻るるる"), param);
    case SquareKind::StaminaUp:
        return texts.translate(
            EffectContext,
            IPPON_TRANSLATE_N_NOOP("SquareEffects", "うおぉぉぉぉっ！　%n体力が回復した"), param);
    case SquareKind::Lucky:
        switch (param) {
        case LuckyArrow:
            return texts.translate(
                EffectContext,
                IPPON_TRANSLATE_NOOP("SquareEffects", "スロットの矢印の位置が下がった"));
        case LuckySlower:
            return texts.translate(EffectContext,
                                   IPPON_TRANSLATE_NOOP("SquareEffects", "回転速度が下がった"));
        case LuckyBoth:
            return texts.translate(
                EffectContext,
                IPPON_TRANSLATE_NOOP("SquareEffects",
                                     "スロットのパラメータはすべて良い方向に変化した"));
        default:
            return std::nullopt;
        }
    default:
        return std::nullopt;
    }
}

void applyLucky(GameRecord& record, std::int32_t param) {
    if (param == LuckyArrow || param == LuckyBoth) {
        if (record.arrowRow < ArrowBottomRow) {
            record.arrowRow += 1;
        }
    }
    if (param == LuckySlower || param == LuckyBoth) {
        if (record.spinInterval < SlowestTimerInterval) {
            record.spinInterval += TimerSlowdown;
        }
        record.rotationWidth = narrowerRotation(record.rotationWidth);
    }
}

void showSquareMessages(RemarkLines& window, const CourseTable& course, int square, int row,
                        const TextCatalogue& texts) {
    window.clearLines();
    if (!CourseTable::contains(square, row)) {
        return;
    }
    const CourseSquare& entry = course.at(square, row);
    const auto code = static_cast<std::int32_t>(entry.kind);
    if (code < static_cast<std::int32_t>(SquareKind::Start) ||
        code > static_cast<std::int32_t>(SquareKind::Back)) {
        return;
    }
    window.addLine(texts.translate(RemarkContext, entry.remark.c_str()));
    if (auto effect = effectLine(entry.kind, entry.param, texts)) {
        window.addLine(*effect);
    }
}

void showLines(RemarkLines& window, RemarkMessage lines) {
    window.clearLines();
    if (lines.count >= 1)
        window.addLine(lines.line1);
    if (lines.count >= 2)
        window.addLine(lines.line2);
    if (lines.count >= 3)
        window.addLine(lines.line3);
}

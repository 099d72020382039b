#include "SquareEffects.h"

#include "TextMarks.h"

#include <QCoreApplication>
#include <utility>

namespace {

// The context of the rules' own lines in the catalogue.
struct SquareEffects {
    Q_DECLARE_TR_FUNCTIONS(SquareEffects)
};

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

std::optional<std::string> effectLine(SquareKind kind, std::int32_t param) {
    switch (kind) {
    case SquareKind::Forward:
        return SquareEffects::tr("更に%n歩、進みま～す", nullptr, param).toStdString();
    case SquareKind::Back:
        return SquareEffects::tr("うみゅ～～(ToT)　%n歩、戻るるる", nullptr, param).toStdString();
    case SquareKind::StaminaUp:
        return SquareEffects::tr("うおぉぉぉぉっ！　%n体力が回復した", nullptr, param)
            .toStdString();
    case SquareKind::Lucky:
        switch (param) {
        case LuckyArrow:
            return SquareEffects::tr("スロットの矢印の位置が下がった").toStdString();
        case LuckySlower:
            return SquareEffects::tr("回転速度が下がった").toStdString();
        case LuckyBoth:
            return SquareEffects::tr("スロットのパラメータはすべて良い方向に変化した")
                .toStdString();
        default:
            return std::nullopt;
        }
    default:
        return std::nullopt;
    }
}

RemarkMessage gameOverMessage() {
    return RemarkMessage{SquareEffects::tr("ばたん、きゅぅ～～").toStdString(), "", "", 1};
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

void showSquareMessages(RemarkLines& window, const CourseTable& course, int square, int row) {
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
    window.addLine(QCoreApplication::translate(RemarkContext, entry.remark.c_str()).toStdString());
    if (auto effect = effectLine(entry.kind, entry.param)) {
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

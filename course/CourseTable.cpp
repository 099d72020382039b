#include "CourseTable.h"

#include "TextMarks.h"

#include <utility>

namespace {

struct WalkEntry {
    int square;
    SquareKind kind;
    std::int32_t param;
    const char* remark;
};

// The walking row of squares 2 to 100. The remarks stay in the source
// language here; the program shows them through the translation catalogue.
constexpr WalkEntry WalkingRow[] = {
    {2, SquareKind::Remark, 0,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "今日の夢はたのしかったなぁ。")},
    {3, SquareKind::Remark, 0,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "あ、１００円み～つけたっ＼(^O^)／")},
    {4, SquareKind::Remark, 0,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "う～～んっっ、眠いよぉぉ～～　(^o`)～・")},
    {5, SquareKind::Back, 2, IPPON_TRANSLATE_NOOP("CourseRemarks", "強い風がっ・・")},
    {6, SquareKind::Lucky, 0, IPPON_TRANSLATE_NOOP("CourseRemarks", "わぁ、大吉じゃない！")},
    {7, SquareKind::StaminaUp, 2, IPPON_TRANSLATE_NOOP("CourseRemarks", "お～、お茶がうまいねぇ")},
    {8, SquareKind::Back, 1, IPPON_TRANSLATE_NOOP("CourseRemarks", "きゃぁっ、トカゲっ！")},
    {9, SquareKind::Forward, 1,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "おっとっとっと、よろけちゃったぁ")},
    {10, SquareKind::StaminaUp, 6, IPPON_TRANSLATE_NOOP("CourseRemarks", "煎餅は醤油味が一番")},
    {11, SquareKind::StaminaUp, 8,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "チョ、チョ、チョコレート")},
    {12, SquareKind::Back, 2, IPPON_TRANSLATE_NOOP("CourseRemarks", "強い風がっ・・")},
    {13, SquareKind::Remark, 0,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "どっちへ行けばいいんだろう (｀～´)")},
    {14, SquareKind::Back, 3, IPPON_TRANSLATE_NOOP("CourseRemarks", "げっ、ガム踏んじゃった")},
    {15, SquareKind::Remark, 0, IPPON_TRANSLATE_NOOP("CourseRemarks", "・・・ぐぅ～～ (-_-)")},
    {16, SquareKind::Lucky, 1, IPPON_TRANSLATE_NOOP("CourseRemarks", "茶柱がたったわ")},
    {17, SquareKind::Remark, 0,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "あわてない、あわてない (^-^)")},
    {18, SquareKind::Remark, 0,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "ひとやすみ、ひとやすみ (^_^)")},
    {19, SquareKind::Forward, 2, IPPON_TRANSLATE_NOOP("CourseRemarks", "ジャーンプっ！！")},
    {20, SquareKind::Back, 3, IPPON_TRANSLATE_NOOP("CourseRemarks", "げっ、ガム踏んじゃった")},
    {21, SquareKind::Remark, 0, IPPON_TRANSLATE_NOOP("CourseRemarks", "あ、ＵＦＯだっ！！ ('o')")},
    {22, SquareKind::Lucky, 1, IPPON_TRANSLATE_NOOP("CourseRemarks", "茶柱がたったわ")},
    {23, SquareKind::Remark, 0,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "これは、つらいわぁぁっ (x x)")},
    {24, SquareKind::Forward, 4, IPPON_TRANSLATE_NOOP("CourseRemarks", "坂道ごーろごろっ！")},
    {25, SquareKind::Forward, 3, IPPON_TRANSLATE_NOOP("CourseRemarks", "自転車でＧＯ！！")},
    {26, SquareKind::StaminaUp, 18,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "ようかんは厚く切んなくちゃね")},
    {27, SquareKind::Forward, 1,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "おっとっとっと、よろけちゃったぁ")},
    {28, SquareKind::StaminaUp, 16,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "漫画家の見方栄養ドリンク参上")},
    {29, SquareKind::Remark, 0,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "・・・はっ、だめだわ、寝てしまった (ﾟoﾟ;)")},
    {30, SquareKind::Back, 7,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "あ～れ～、風にとばされる～～")},
    {31, SquareKind::Forward, 2, IPPON_TRANSLATE_NOOP("CourseRemarks", "ジャーンプっ！！")},
    {32, SquareKind::Remark, 0,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "う゛、お財布落としちゃったぁ (ToT)")},
    {33, SquareKind::StaminaUp, 16,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "漫画家の見方栄養ドリンク参上")},
    {34, SquareKind::Back, 4,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "ガーンッ、忘れ物しちゃったぁ")},
    {35, SquareKind::StaminaUp, 4,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "マスカットキャンディはおいしいな")},
    {36, SquareKind::Remark, 0,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "じゃんじゃん持ってこ～い (ﾍ_ﾍ)")},
    {37, SquareKind::Remark, 0,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "あ、爪がわれちゃった (-o-)")},
    {38, SquareKind::StaminaUp, 10,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "シュークリームをカシュっとね")},
    {39, SquareKind::Back, 5, IPPON_TRANSLATE_NOOP("CourseRemarks", "ねこ ふんじゃった♪")},
    {40, SquareKind::StaminaUp, 8,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "チョ、チョ、チョコレート")},
    {41, SquareKind::Back, 6, IPPON_TRANSLATE_NOOP("CourseRemarks", "くらっ、めまいが・・")},
    {42, SquareKind::Forward, 9, IPPON_TRANSLATE_NOOP("CourseRemarks", "加速装置っっっ！")},
    {43, SquareKind::Forward, 8,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "ジャンボジェットで高いな早いなでっかいな")},
    {44, SquareKind::Forward, 7,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "仮免とってバイクでスイスイ")},
    {45, SquareKind::Lucky, 0, IPPON_TRANSLATE_NOOP("CourseRemarks", "わぁ、大吉じゃない！")},
    {46, SquareKind::Forward, 5,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "風に押されて、らららんららん")},
    {47, SquareKind::Remark, 0,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "同じ所をグルグル回ってない？　(ﾟ?ﾟ)")},
    {48, SquareKind::Remark, 0, IPPON_TRANSLATE_NOOP("CourseRemarks", "えっ、(‥);")},
    {49, SquareKind::Remark, 0,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "びっくりするじゃないのぉ (^^;)")},
    {50, SquareKind::StaminaUp, 4,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "マスカットキャンディはおいしいな")},
    {51, SquareKind::StaminaUp, 14,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "やっぱりショートケーキよね")},
    {52, SquareKind::Remark, 0, IPPON_TRANSLATE_NOOP("CourseRemarks", "肩凝っちゃったぁ (･_･)")},
    {53, SquareKind::Remark, 0,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "おなかがすたちゃったぁ (^ﾛ^)")},
    {54, SquareKind::StaminaUp, 10,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "シュークリームをカシュっとね")},
    {55, SquareKind::Back, 8, IPPON_TRANSLATE_NOOP("CourseRemarks", "ゴロゴロゴロゴロゴロッ")},
    {56, SquareKind::Back, 9, IPPON_TRANSLATE_NOOP("CourseRemarks", "道を間違えちゃった")},
    {57, SquareKind::StaminaUp, 16,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "漫画家の見方栄養ドリンク参上")},
    {58, SquareKind::Remark, 0,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "ちょっと覗いてみようかなぁ～ (°°)～")},
    {59, SquareKind::Remark, 0, IPPON_TRANSLATE_NOOP("CourseRemarks", "よし、いくぞっ (･∧･)")},
    {60, SquareKind::Remark, 0, IPPON_TRANSLATE_NOOP("CourseRemarks", "じゅうぶんです。 (^O^)")},
    {61, SquareKind::Back, 3, IPPON_TRANSLATE_NOOP("CourseRemarks", "げっ、ガム踏んじゃった")},
    {62, SquareKind::Remark, 0,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "同じ所をグルグル回ってない？　(ﾟ?ﾟ)")},
    {63, SquareKind::Back, 1, IPPON_TRANSLATE_NOOP("CourseRemarks", "きゃぁっ、トカゲっ！")},
    {64, SquareKind::StaminaUp, 10,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "シュークリームをカシュっとね")},
    {65, SquareKind::Back, 3, IPPON_TRANSLATE_NOOP("CourseRemarks", "げっ、ガム踏んじゃった")},
    {66, SquareKind::StaminaUp, 12,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "ようかんは厚く切んなくちゃね")},
    {67, SquareKind::Back, 5, IPPON_TRANSLATE_NOOP("CourseRemarks", "ねこ ふんじゃった♪")},
    {68, SquareKind::StaminaUp, 8,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "チョ、チョ、チョコレート")},
    {69, SquareKind::Back, 7,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "あ～れ～、風にとばされる～～")},
    {70, SquareKind::StaminaUp, 14,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "やっぱりショートケーキよね")},
    {71, SquareKind::Back, 9, IPPON_TRANSLATE_NOOP("CourseRemarks", "道を間違えちゃった")},
    {72, SquareKind::Remark, 0,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "どっちへ行けばいいんだろう (｀～´)")},
    {73, SquareKind::StaminaUp, 14,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "やっぱりショートケーキよね")},
    {74, SquareKind::Back, 1, IPPON_TRANSLATE_NOOP("CourseRemarks", "きゃぁっ、トカゲっ！")},
    {75, SquareKind::Back, 2, IPPON_TRANSLATE_NOOP("CourseRemarks", "強い風がっ・・")},
    {76, SquareKind::Back, 3, IPPON_TRANSLATE_NOOP("CourseRemarks", "げっ、ガム踏んじゃった")},
    {77, SquareKind::Lucky, 2, IPPON_TRANSLATE_NOOP("CourseRemarks", "今日の運勢は最高よ")},
    {78, SquareKind::Forward, 7,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "仮免とってバイクでスイスイ")},
    {79, SquareKind::Forward, 8,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "ジャンボジェットで高いな早いなでっかいな")},
    {80, SquareKind::Forward, 9, IPPON_TRANSLATE_NOOP("CourseRemarks", "加速装置っっっ！")},
    {81, SquareKind::Remark, 0, IPPON_TRANSLATE_NOOP("CourseRemarks", "じゅうぶんです。 (^O^)")},
    {82, SquareKind::StaminaUp, 18,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "ドリンク剤１リットル一気のみっ")},
    {83, SquareKind::StaminaUp, 8,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "チョ、チョ、チョコレート")},
    {84, SquareKind::Remark, 0,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "これは、つらいわぁぁっ (x x)")},
    {85, SquareKind::StaminaUp, 6, IPPON_TRANSLATE_NOOP("CourseRemarks", "煎餅は醤油味が一番")},
    {86, SquareKind::Back, 2, IPPON_TRANSLATE_NOOP("CourseRemarks", "げっ、ガム踏んじゃった")},
    {87, SquareKind::StaminaUp, 14,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "やっぱりショートケーキよね")},
    {88, SquareKind::Back, 2, IPPON_TRANSLATE_NOOP("CourseRemarks", "強い風がっ・・")},
    {89, SquareKind::StaminaUp, 4,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "マスカットキャンディはおいしいな")},
    {90, SquareKind::Remark, 0, IPPON_TRANSLATE_NOOP("CourseRemarks", "肩凝っちゃったぁ (･_･)")},
    {91, SquareKind::Back, 3, IPPON_TRANSLATE_NOOP("CourseRemarks", "げっ、ガム踏んじゃった")},
    {92, SquareKind::Remark, 0,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "なにか、危険の香りがするわね (⌒ρ⌒)")},
    {93, SquareKind::Back, 1, IPPON_TRANSLATE_NOOP("CourseRemarks", "強い風がっ・・")},
    {94, SquareKind::Lucky, 2, IPPON_TRANSLATE_NOOP("CourseRemarks", "今日の運勢は最高よ")},
    {95, SquareKind::StaminaUp, 2, IPPON_TRANSLATE_NOOP("CourseRemarks", "お～、お茶がうまいねぇ")},
    {96, SquareKind::Remark, 0, IPPON_TRANSLATE_NOOP("CourseRemarks", "ま、こんなもんね (^Ｏ^);")},
    {97, SquareKind::Remark, 0,
     IPPON_TRANSLATE_NOOP("CourseRemarks", "この世は私のために回ってるのよ (^◯^)")},
    {98, SquareKind::Remark, 0, IPPON_TRANSLATE_NOOP("CourseRemarks", "ほほほほほほほっ　(＾▽＾)")},
    {99, SquareKind::Back, 8, IPPON_TRANSLATE_NOOP("CourseRemarks", "ゴロゴロゴロゴロゴロッ")},
    {100, SquareKind::Back, 9, IPPON_TRANSLATE_NOOP("CourseRemarks", "道を間違えちゃった")},
};

const CourseSquare OutsideEntry{};

} // namespace

bool CourseTable::contains(int square, int row) {
    return square >= 0 && square < SquareCount && row >= 0 && row < RowCount;
}

const CourseSquare& CourseTable::at(int square, int row) const {
    if (!contains(square, row)) {
        return OutsideEntry;
    }
    return m_entries[square][row];
}

void CourseTable::setSquare(int square, int row, SquareKind kind, std::int32_t param,
                            std::string remark) {
    if (!contains(square, row)) {
        return;
    }
    CourseSquare& entry = m_entries[square][row];
    entry.kind = kind;
    entry.param = param;
    entry.remark = std::move(remark);
}

void CourseTable::buildCourse() {
    for (int square = 0; square < SquareCount; ++square) {
        setSquare(square, 0, SquareKind::Empty, 0, "");
        setSquare(square, 2, SquareKind::Empty, 0, "");
    }

    // Start block: the middle and right columns of a framed 3 x 3 area.
    setSquare(0, 0, SquareKind::Start, 2, "");
    setSquare(0, 1, SquareKind::Start, 5, "");
    setSquare(0, 2, SquareKind::Start, 8, "");
    setSquare(1, 0, SquareKind::Start, 3, "");
    setSquare(1, 1, SquareKind::Start, 6,
              IPPON_TRANSLATE_NOOP("CourseRemarks", "さぁっ！いくぞぉっ！！"));
    setSquare(1, 2, SquareKind::Start, 9, "");

    for (const WalkEntry& entry : WalkingRow) {
        setSquare(entry.square, WalkRow, entry.kind, entry.param, entry.remark);
    }

    // Goal block: its left column on square 101, middle columns to the end.
    setSquare(101, 0, SquareKind::Goal, 1, "");
    setSquare(101, 1, SquareKind::Goal, 4, IPPON_TRANSLATE_NOOP("CourseRemarks", "やったー！！"));
    setSquare(101, 2, SquareKind::Goal, 7, "");
    for (int square = 102; square < SquareCount; ++square) {
        setSquare(square, 0, SquareKind::Goal, 2, "");
        setSquare(square, 1, SquareKind::Goal, 5, "");
        setSquare(square, 2, SquareKind::Goal, 8, "");
    }
}

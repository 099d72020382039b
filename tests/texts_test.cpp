#include "CourseTable.h"
#include "SquareEffects.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iconv.h>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The text in code page 932, or nothing if some character has no code there.
std::optional<std::string> toCp932(const std::string& utf8) {
    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        ADD_FAILURE() << "iconv has no CP932";
        return std::nullopt;
    }
    std::string in = utf8;
    std::string out(in.size() * 2 + 8, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    size_t inLeft = in.size();
    size_t outLeft = out.size();
    const size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (result == static_cast<size_t>(-1)) {
        return std::nullopt;
    }
    out.resize(out.size() - outLeft);
    return out;
}

bool isAscii(const std::string& text) {
    for (unsigned char c : text) {
        if (c >= 0x80)
            return false;
    }
    return true;
}

// Every non-ASCII string literal of the program's sources and every text of
// its forms, with the file it stands in.
std::vector<std::pair<std::string, std::string>> programTexts() {
    namespace fs = std::filesystem;
    const std::regex literal(R"re("((?:[^"\\\n]|\\.)*)")re");
    const std::regex uiString(R"re(<string>([^<]*)</string>)re");
    std::vector<std::pair<std::string, std::string>> texts;
    for (const char* dir : {"app", "course", "game", "display", "slot", "dialogs", "assets"}) {
        const fs::path root = fs::path(IPPON_SOURCE_DIR) / dir;
        if (!fs::exists(root))
            continue;
        for (const auto& file : fs::recursive_directory_iterator(root)) {
            const std::string ext = file.path().extension().string();
            const bool isUi = ext == ".ui";
            if (!isUi && ext != ".cpp" && ext != ".h")
                continue;
            std::ifstream in(file.path());
            std::stringstream buffer;
            buffer << in.rdbuf();
            const std::string content = buffer.str();
            const std::regex& pattern = isUi ? uiString : literal;
            for (std::sregex_iterator it(content.begin(), content.end(), pattern), end; it != end;
                 ++it) {
                const std::string text = (*it)[1];
                if (!isAscii(text))
                    texts.emplace_back(file.path().string(), text);
            }
        }
    }
    return texts;
}

TEST(TextsTest, EveryBuiltInTextHasACodeInCodePage932) {
    const auto texts = programTexts();
    EXPECT_GT(texts.size(), 100u);
    for (const auto& [file, text] : texts) {
        EXPECT_TRUE(toCp932(text).has_value()) << file << ": " << text;
    }
}

TEST(TextsTest, EveryCourseRemarkAndEffectLineHasACodeInCodePage932) {
    CourseTable course;
    course.buildCourse();
    for (int square = 0; square < SquareCount; ++square) {
        const CourseSquare& entry = course.at(square, WalkRow);
        EXPECT_TRUE(toCp932(entry.remark).has_value()) << square;
        if (auto line = effectLine(entry.kind, entry.param)) {
            EXPECT_TRUE(toCp932(*line).has_value()) << *line;
        }
    }
    EXPECT_TRUE(toCp932(gameOverMessage().line1).has_value());
}

TEST(TextsTest, EffectLinesJoinTheirPartsWithTheIdeographicSpace) {
    EXPECT_EQ(*effectLine(SquareKind::Forward, 3), "更に3歩、進みま～す");
    EXPECT_EQ(*effectLine(SquareKind::Back, 2), "うみゅ～～(ToT)　2歩、戻るるる");
    EXPECT_EQ(*effectLine(SquareKind::StaminaUp, 18), "うおぉぉぉぉっ！　18体力が回復した");
    EXPECT_EQ(*effectLine(SquareKind::Lucky, 0), "スロットの矢印の位置が下がった");
    EXPECT_EQ(*effectLine(SquareKind::Lucky, 1), "回転速度が下がった");
    EXPECT_EQ(*effectLine(SquareKind::Lucky, 2), "スロットのパラメータはすべて良い方向に変化した");
    EXPECT_FALSE(effectLine(SquareKind::Lucky, 3).has_value());
    EXPECT_FALSE(effectLine(SquareKind::Remark, 0).has_value());
    EXPECT_FALSE(effectLine(SquareKind::Goal, 4).has_value());

    const auto back = toCp932(*effectLine(SquareKind::Back, 2));
    ASSERT_TRUE(back.has_value());
    const std::string space = "\x81\x40";
    const std::string digitAfterSpace = space + "2";
    EXPECT_NE(back->find(digitAfterSpace), std::string::npos);
    const auto stamina = toCp932(*effectLine(SquareKind::StaminaUp, 4));
    ASSERT_TRUE(stamina.has_value());
    EXPECT_NE(stamina->find(space + "4"), std::string::npos);
}

} // namespace

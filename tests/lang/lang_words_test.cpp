#include "lang/lang_words.h"

#include <gtest/gtest.h>

#include "util/encoding.h"

namespace rekkan {
namespace {

TEST(LangWords, FindWordTakesWholeWordsOnly) {
    const std::size_t none = std::string::npos;
    const std::pair<std::string, std::size_t> cases[] = {
        {"typedef STRUCT tag {", 8},
        {"{struct;", 1},
        {"structure struct", 10},
        {"mystruct", none},
        {"struct_x", none},
        // ボ is 0x83 0x7B and ゼ 0x83 0x5B: their second bytes are no "{" and no "[".
        {sj("ボ") + "struct", none},
        {sj("ゼ") + "struct " + sj("ゼ") + " struct", 12},
        {"struct" + sj("ボ"), none},
    };
    for (const auto& [text, at] : cases) EXPECT_EQ(FindWord(text, "struct "), at) << text;
    EXPECT_EQ(FindWholeWord("Const x=To y", "to", " ="), 8u);
    EXPECT_EQ(FindWholeWord("x;to", "to", " ="), none);
}

}  // namespace
TEST(LangWords, KeyMarksOfTextTheSystemWroteMustBeWellFormed) {
    struct Case {
        const char* name;
        bool wellFormedOnly;
        const char* left;
        std::size_t entries;
    };
    const Case cases[] = {
        {"NO#1", false, "NO", 0},  // any other import drops whatever follows "#"
        {"NO#1", true, "NO#1", 0},         {"NO #1.2d-", true, "NO", 1},
        {"NO #1.2D+ #2.1", true, "NO", 2}, {"NO #0.1 #1.x #1.2e", true, "NO #0.1 #1.x #1.2e", 0},
        {"A#B #3.4", true, "A#B", 1},
    };
    for (const Case& c : cases) {
        std::string name = c.name;
        std::vector<std::string> entries;
        TakeKeyMarks(name, 5, entries, c.wellFormedOnly);
        EXPECT_EQ(name, c.left) << c.name;
        EXPECT_EQ(entries.size(), c.entries) << c.name;
    }
    std::string name = "X #12.3d-";
    std::vector<std::string> entries;
    TakeKeyMarks(name, 7, entries, true);
    EXPECT_EQ(entries, std::vector<std::string>{KeyEntryText(12, 3, true, true, 7)});
}

}  // namespace rekkan

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
}  // namespace rekkan

#include "util/sjis.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <vector>

#include "support/test_support.h"
#include "util/encoding.h"

namespace rekkan {
namespace {

std::vector<std::size_t> CharLengths(std::string_view text) {
    std::vector<std::size_t> lengths;
    ForEachChar(text, [&](std::size_t, std::size_t length) { lengths.push_back(length); });
    return lengths;
}

TEST(ShiftJisChars, ALeadByteWithoutItsTrailByteIsOneCharacter) {
    using L = std::vector<std::size_t>;
    const std::pair<std::string, L> cases[] = {
        {"a" + sj("漢") + "b", {1, 2, 1}},
        {"a\x88", {1, 1}},  // lead byte at the end
        {"\x82"
         "1a",
         {1, 1, 1}},               // lead byte before a byte that cannot be a trail byte
        {"\xB1\x88\x9F", {1, 2}},  // half-width katakana, then a pair
        {"\x81\x40\x9F\xFC\xE0\x40\xFC\x40", {2, 2, 2, 2}},
        {"\x80\x40\xA0\x40\xDF\x40\xFD\x40", {1, 1, 1, 1, 1, 1, 1, 1}},
        {"\x81\x3F\x81\xFD", {1, 1, 1, 1}},
        {"", {}},
    };
    for (const auto& [text, lengths] : cases) EXPECT_EQ(CharLengths(text), lengths) << text;

    std::size_t visited = 0;
    ForEachChar(sj("漢字かな"), [&](std::size_t at, std::size_t) { return ++visited, at < 2; });
    EXPECT_EQ(visited, 2u);  // the walk stops at the first false
}

TEST(ShiftJisCase, UpperCasingNeverTouchesADoubleByteCharacter) {
    std::string every;
    for (int lead = 0; lead < 256; ++lead)
        for (int trail = 0x40; trail <= 0xFC && IsLeadByte(static_cast<unsigned char>(lead)); ++trail) {
            every += static_cast<char>(lead);
            every += static_cast<char>(trail);
        }
    ASSERT_GT(every.size(), 20000u);
    EXPECT_EQ(ToUpperAscii(every), every);
    EXPECT_EQ(ToUpperAscii(sj("aＢbアz")), sj("AＢBアZ"));
    EXPECT_EQ(ToUpperAscii("\x82"
                           "1a"
                           "\x82"),
              "\x82"
              "1A"
              "\x82");

    EXPECT_TRUE(EqualsNoCase("Cmb_Lang", "cmb_LANG"));
    EXPECT_FALSE(EqualsNoCase("Cmb_Lang", "cmb_lan"));
    EXPECT_FALSE(EqualsNoCase(sj("Ｂ"), "\x82\x41"));  // another character, not the same in upper case
    EXPECT_TRUE(EqualsNoCase(sj("顧客a"), sj("顧客A")));
}

TEST(ShiftJisCase, FindMatchesWholeCharactersOnly) {
    const std::size_t none = std::string::npos;
    struct Case {
        std::string hay;
        std::string needle;
        std::size_t at;
    };
    const Case cases[] = {
        {"abcDEF", "Cd", 2},
        {"x%!#seq=1", "%!#SEQ", 1},
        {"abcDEF", "cdf", none},
        {sj("ア"), "a", none},           // 0x83 0x41: the trail byte is 'A'
        {sj("Ｂ"), "a", none},           // 0x82 0x61: the trail byte is 'a'
        {sj("ＡＢ"), "\x60\x82", none},  // trail of one character and lead of the next
        {sj("ア"), "\x83", none},        // a match may not end inside a character
        {sj("xアa"), "A", 3},
        {sj("受注ﾃﾞｰﾀ abc"), sj("ﾃﾞｰﾀ A"), 4},
        {sj("受注"), sj("注"), 2},
        {"\x82"
         "1a",
         "1A", 1},  // a lead byte whose next byte is no trail byte stands alone
        {"\x82"
         "1a",
         "\x82"
         "1",
         0},
        {"ab\x82", "\x82", 2},  // and so does a lead byte at the end
        {"abc", "", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(FindNoCase(c.hay, c.needle), c.at) << c.hay << " / " << c.needle;
    EXPECT_EQ(FindNoCase("abab", "AB", 1), 2u);
    EXPECT_EQ(FindNoCase("ab", "", 3), none);
}

/// ASCII looked for in text never matches the second byte of a double-byte character.
TEST(ShiftJisFind, SingleBytesAndTextsOnCharacterBoundaries) {
    const std::size_t none = std::string::npos;
    const std::string zebo = sj("ゼボ[x]");  // 0x83 0x5B, 0x83 0x7B
    EXPECT_EQ(FindSingleByte(zebo, '['), 4u);
    EXPECT_EQ(FindSingleByte(zebo, '{'), none);
    EXPECT_EQ(FindSingleByte(zebo, ']', 5), 6u);
    EXPECT_EQ(FindLastSingleByte(sj("a]ゾ"), ']'), 1u);  // ゾ is 0x83 0x5D
    EXPECT_EQ(FindText(sj("ゼlong long"), "long"), 2u);
    EXPECT_EQ(FindText(sj("ア"), "A"), none);     // 0x83 0x41
    EXPECT_EQ(FindText(sj("ア"), "\x83"), none);  // a match may not end inside a character
    EXPECT_EQ(FindText("abab", "ab", 1), 2u);
    EXPECT_EQ(FindLoneLeadByte(sj("あア")), none);
    EXPECT_EQ(FindLoneLeadByte("ab\x82"), 2u);
    EXPECT_EQ(FindLoneLeadByte("\xE3\x81\x82\x00"), 2u);  // UTF-8 "あ" read as bytes
}

TEST(ShiftJisChars, LeadBytesAreRecognisedOnlyInsideUtil) {
    // Elsewhere a character is stepped over with CharLength, ForEachChar and their kin, so
    // that every part of the program agrees on where a character ends.
    const std::regex rawCheck(
        R"(IsLeadByte|IsTrailByte|(==|[<>]=?)\s*(0x|'\\x)(81|9f|e0|fc)\b|\b0x(81|9f|e0|fc)\s*(==|[<>]=?))",
        std::regex::icase);
    const std::filesystem::path src = test::DataDir() / ".." / ".." / "src";
    ASSERT_TRUE(std::filesystem::is_directory(src / "util")) << src;
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(src)) {
        const std::filesystem::path& path = entry.path();
        if (path.extension() != ".cpp" && path.extension() != ".h") continue;
        ++files;
        if (path.parent_path().filename() == "util") continue;
        std::ifstream in(path);
        std::string line;
        for (int number = 1; std::getline(in, line); ++number)
            EXPECT_FALSE(std::regex_search(line, rawCheck)) << path.string() << ":" << number << ": " << line;
    }
    EXPECT_GT(files, 50u);
}

}  // namespace
}  // namespace rekkan

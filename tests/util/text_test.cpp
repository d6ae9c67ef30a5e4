#include "util/text.h"

#include <gtest/gtest.h>

#include "util/encoding.h"
#include "util/sjis.h"

namespace rekkan {
namespace {

TEST(TextPadding, PadsAndCutsOnTheRight) {
    EXPECT_EQ(PadRight('*', "ab", 4), "ab**");
    EXPECT_EQ(PadRight(' ', "abcdef", 3), "abc");
    EXPECT_EQ(Blanks(3), "   ");
    EXPECT_EQ(Blanks(-2), "");
}

TEST(TextGroupThousands, InsertsCommasFromTheRight) {
    struct Row {
        const char* in;
        const char* out;
    };
    for (const Row& r : {Row{"", ""}, Row{"1", "1"}, Row{"123", "123"}, Row{"1234", "1,234"},
                         Row{"1234567", "1,234,567"}, Row{"123456", "123,456"}})
        EXPECT_EQ(GroupThousands(std::string_view(r.in)), r.out) << r.in;
    EXPECT_EQ(GroupThousands(std::int64_t{-1234567}), "-1,234,567");
    EXPECT_EQ(GroupThousands(std::int64_t{INT64_MIN}), "-9,223,372,036,854,775,808");
}

TEST(TextPieces, RemoveMaskFindAndWords) {
    EXPECT_EQ(RemoveAll("a%!#b%!#", "%!#"), "ab");
    EXPECT_EQ(MaskAll("abcabc", "bc", '*'), "a**a**");
    EXPECT_EQ(RemoveLineEnds("a\r\nb\rc\n"), "abc");
    EXPECT_EQ(FindFrom(1, "b", "abcb"), 2);
    EXPECT_EQ(FindFrom(3, "b", "abcb"), 4);
    EXPECT_EQ(FindFrom(5, "b", "abcb"), 0);
    EXPECT_EQ(FindFrom(9, "b", "abcb"), 0);
    EXPECT_EQ(FirstWord("  05 CUST-NO PIC X.", 1), "05");
    EXPECT_EQ(FirstWord("05 CUST-NO PIC X.", 3), "CUST-NO");
    EXPECT_EQ(FirstWord("abc", 10), "");
}

TEST(TextFold, NeverEndsAChunkOnALeadByte) {
    // "aあいう": a chunk of 2 bytes starting at "a" would end on the lead byte of "あ".
    const std::string text = "a" + sj("あいう");
    const std::string folded = Fold(text, 2, true);
    EXPECT_EQ(folded, "a " + sj("あいう"));
    for (int width : {2, 3, 4, 5}) {
        const std::string f = Fold(sj("漢字とかなが混ざった文") + "abc", width, false);
        // Every chunk boundary falls between characters: the map of the result has no lead
        // byte at a chunk's last place.
        const std::string map = ByteTypeMap(f + std::string(static_cast<std::size_t>(width), ' '));
        for (std::size_t end = static_cast<std::size_t>(width) - 1; end < f.size();
             end += static_cast<std::size_t>(width))
            EXPECT_NE(map[end], '1') << "width " << width << " at " << end;
    }
    EXPECT_EQ(Fold("  abcdef  ", 4, true), "abcdef");
}

TEST(TextLines, SplitsAtCrLfOrEitherAlone) {
    const auto lines = SplitLines("a\r\nb\rc\nd");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[3], "d");
    EXPECT_EQ(SplitLines("a\r\n\r\n").size(), 2u);
    EXPECT_TRUE(SplitLines("").empty());
    std::string out;
    WriteLine(out, "x");
    EXPECT_EQ(out, "x\r\n");
}

TEST(TextParseInt, AcceptsOnlyPlainDecimals) {
    int v = 0;
    EXPECT_TRUE(ParseInt("-12", v));
    EXPECT_EQ(v, -12);
    EXPECT_TRUE(ParseInt("+7", v));
    EXPECT_EQ(v, 7);
    for (const char* bad : {"", " 1", "1 ", "1.5", "x", "--1", "99999999999", "+"})
        EXPECT_FALSE(ParseInt(bad, v)) << bad;
}

}  // namespace
}  // namespace rekkan

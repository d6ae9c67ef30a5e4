#include "util/text.h"

#include <gtest/gtest.h>

#include "util/encoding.h"
#include "util/sjis.h"

namespace rekkan {
namespace {

TEST(TextPadding, PadsAndCutsOnTheRight) {
    EXPECT_EQ(PadRight('*', "ab", 4) + "|" + PadRight(' ', "abcdef", 3) + "|" + Blanks(3) + "|" + Blanks(-2),
              "ab**|abc|   |");
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
    EXPECT_EQ((std::vector<std::string>{RemoveAll("a%!#b%!#", "%!#"), MaskAll("abcabc", "bc", '*'),
                                        RemoveLineEnds("a\r\nb\rc\n")}),
              (std::vector<std::string>{"ab", "a**a**", "abc"}));
    // 1-based places; 0 when not found.
    EXPECT_EQ((std::vector<int>{FindFrom(1, "b", "abcb"), FindFrom(3, "b", "abcb"), FindFrom(5, "b", "abcb"),
                                FindFrom(9, "b", "abcb")}),
              (std::vector<int>{2, 4, 0, 0}));
    EXPECT_EQ(
        FirstWord("  05 CUST-NO PIC X.", 1) + "|" + FirstWord("05 CUST-NO PIC X.", 3) + "|" + FirstWord("abc", 10),
        "05|CUST-NO|");
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
    EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_TRUE(SplitLines("").empty());
    std::string out;
    WriteLine(out, "x");
    EXPECT_EQ(out, "x\r\n");
}

TEST(TextParseInt, AcceptsOnlyPlainDecimals) {
    int v = 0;
    EXPECT_TRUE(ParseInt("-12", v) && v == -12);
    EXPECT_TRUE(ParseInt("+7", v) && v == 7);
    for (const char* bad : {"", " 1", "1 ", "1.5", "x", "--1", "99999999999", "+"})
        EXPECT_FALSE(ParseInt(bad, v)) << bad;
}

}  // namespace
}  // namespace rekkan

#include "util/encoding.h"

#include <gtest/gtest.h>

namespace rekkan {
namespace {

TEST(Cp932Conversion, RoundTripsValidText) {
    const std::string utf8 = "顧客番号 ｶﾀｶﾅ ①Ⅱ㈱ ＡＢＣ abc 表示";
    std::string cp932;
    ASSERT_TRUE(Utf8ToCp932(utf8, cp932));
    bool lossless = false;
    EXPECT_EQ(Cp932ToUtf8(cp932, &lossless), utf8);
    EXPECT_TRUE(lossless);
    // Every double-byte character of the first JIS level survives a round trip.
    std::string all;
    for (int lead = 0x88; lead <= 0x9F; ++lead)
        for (int trail = 0x9F; trail <= 0xFC; ++trail) {
            all += static_cast<char>(lead);
            all += static_cast<char>(trail);
        }
    std::string back;
    ASSERT_TRUE(Utf8ToCp932(Cp932ToUtf8(all), back));
    EXPECT_EQ(back, all);
}

TEST(Cp932Conversion, InvalidBytesBecomeReplacementCharacters) {
    bool lossless = true;
    // A lone lead byte at the end, a lead byte followed by a control byte, and 0xFD.
    const std::string out = Cp932ToUtf8(std::string("A\x82\x01"
                                                    "B\xFD"
                                                    "C\x88",
                                                    8),
                                        &lossless);
    EXPECT_FALSE(lossless);
    EXPECT_EQ(out.substr(0, 1), "A");
    EXPECT_NE(out.find("\x01"), std::string::npos) << "the byte after a bad lead byte is kept";
    EXPECT_NE(out.find('B'), std::string::npos);
    EXPECT_NE(out.find('C'), std::string::npos);
    EXPECT_NE(out.find("\xEF\xBF\xBD"), std::string::npos);
}

TEST(Cp932Conversion, WritingBackReportsWhatCannotBeHeld) {
    std::string out;
    EXPECT_FALSE(
        Utf8ToCp932("a\xF0\x9F\x98\x80"
                    "b",
                    out));  // an emoji has no CP932 form
    EXPECT_EQ(out, "a?b");
    EXPECT_FALSE(Utf8ToCp932(std::string("x\xC3", 2), out));  // cut UTF-8 sequence
    EXPECT_EQ(out.substr(0, 1), "x");
    EXPECT_EQ(sj("確認"), std::string("\x8A\x6D\x94\x46"));
}

TEST(Cp932Conversion, TellsUtf8FromShiftJis) {
    // What an editor saved in UTF-8, an emoji included, is UTF-8; ASCII is both.
    EXPECT_TRUE(IsUtf8("plain") && IsUtf8("\xe7\x95\xaa\xe5\x8f\xb7 \xF0\x9F\x98\x80"));
    // Shift-JIS text, a cut sequence, an overlong '/', a surrogate and a code point past U+10FFFF are not.
    for (const std::string& bad : {sj("番号"), std::string("x\xE7\x95"), std::string("\xC0\xAF"),
                                   std::string("\xED\xA0\x80"), std::string("\xF4\x90\x80\x80")})
        EXPECT_FALSE(IsUtf8(bad)) << bad;
}

}  // namespace
}  // namespace rekkan

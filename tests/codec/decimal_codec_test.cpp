// Zoned and packed decimals: sign nibbles under both sign forms, invalid bytes, lengths of
// any size (every digit shown), and the encoders' digit preparation.

#include <gtest/gtest.h>

#include <random>

#include "codec_test_util.h"

namespace rekkan {
namespace {

using test::Bytes;
using test::DecodeAs;
using test::EncodeAs;

CodecOptions Signs(bool ascii) { return ascii ? test::Ascii() : CodecOptions{}; }

TEST(DecimalDecode, GivesTextAndErrorFlag) {
    struct Case {
        int type;
        std::string bytes;
        bool ascii;
        const char* text;
        bool error;
    };
    const Case cases[] = {
        {kSNum, Bytes({0xF1, 0xF2, 0xD3}), false, "-123", false},
        {kSNum, Bytes({0xF1, 0xF2, 0xC3}), false, "123", false},
        {kUNum, Bytes({0xF0, 0xF0, 0xF7}), false, "7", false},
        {kSNum, Bytes({0x31, 0x32, 0x73}), true, "-123", false},
        {kSNum, Bytes({0xF1, 0xF2, 0xD3}), true, "", true},   // EBCDIC bytes under ASCII signs
        {kSNum, Bytes({0xF1, 0xC2, 0xF3}), false, "", true},  // sign in the middle
        {kUNum, Bytes({0xF1, 0xFA}), false, "", true},
        {kUNum, Bytes({0xF1, 0xA2}), false, "", true},
        {kUNum, Bytes({0xF0, 0xF0, 0xF0, 0xF0}), false, "0", false},
        {kSNum, Bytes({0xF0, 0xD0}), false, "-0", false},
        {kUNum, Bytes({0x40, 0x40}), false, "", true},  // spaces
        {kSNum, Bytes({0xD9}), false, "-9", false},
        {kSNum, "", false, "", false},
        {kSNum, Bytes({0xF0, 0xF9, 0xF8, 0xF7, 0xF6, 0xF5, 0xF4, 0xF3, 0xF2, 0xF1, 0xF0, 0xD9}), false, "-98765432109",
         false},
        {kSComp3, Bytes({0x12, 0x3C}), false, "123", false},
        {kSComp3, Bytes({0x12, 0x3D}), false, "-123", false},
        {kUComp3, Bytes({0x00, 0x5F}), false, "5", false},
        {kSComp3, Bytes({0x12, 0x3A}), false, "", true},
        {kSComp3, Bytes({0x1A, 0x3C}), false, "", true},
        {kSComp3, Bytes({0x12, 0xA3}), false, "", true},  // bad high nibble of the last byte
        {kSComp3, Bytes({0x12, 0x37}), true, "-123", false},
        {kSComp3, Bytes({0x12, 0x3C}), true, "", true},
        {kSComp3, Bytes({0x0D}), false, "-0", false},
        {kSComp3, Bytes({0x00, 0x00, 0x0C}), false, "0", false},
        {kSComp3, Bytes({0x01, 0x23, 0x45, 0x67, 0x89, 0x01, 0x23, 0x45, 0x67, 0x8D}), false, "-123456789012345678",
         false},
        {kSComp3, Bytes({0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 0x9C}), false, "9999999999999999999",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << " " << BytesToHex(c.bytes));
        const auto d = DecodeAs(c.type, c.bytes, Signs(c.ascii));
        EXPECT_EQ(d.text, c.text);
        EXPECT_EQ(!d.valid, c.error);
    }
}

TEST(DecimalEncode, StoresBytes) {
    struct Case {
        int type;
        int length;
        const char* text;
        bool ascii;
        std::string bytes;
    };
    const Case cases[] = {
        {kSNum, 3, "-45", false, Bytes({0xF0, 0xF4, 0xD5})},
        {kUNum, 3, "-45", false, Bytes({0xF0, 0xF4, 0xF5})},
        {kUNum, 3, "123456", false, Bytes({0xF4, 0xF5, 0xF6})},  // surplus digits dropped on the left
        {kSNum, 2, "+7", false, Bytes({0xF0, 0xC7})},
        {kSNum, 3, "-123", true, Bytes({0x31, 0x32, 0x73})},
        {kSNum, 2, "12", true, Bytes({0x31, 0x32})},
        {kSNum, 2, "", false, Bytes({0xF0, 0xC0})},
        {kSNum, 2, "1-2", false, Bytes({0xF1, 0xD2})},  // a minus anywhere
        {kUNum, 4, " 1,234 yen", false, Bytes({0xF1, 0xF2, 0xF3, 0xF4})},
        {kSComp3, 2, "12.5", false, Bytes({0x12, 0x5C})},
        {kSComp3, 2, "-123", false, Bytes({0x12, 0x3D})},
        {kUComp3, 2, "-123", false, Bytes({0x12, 0x3F})},
        {kSComp3, 2, "98765", false, Bytes({0x76, 0x5C})},
        {kSComp3, 2, "-1", true, Bytes({0x00, 0x17})},
        {kUComp3, 1, "", false, Bytes({0x0F})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << "/" << c.length << " " << c.text);
        EXPECT_EQ(EncodeAs(c.type, c.length, c.text, Signs(c.ascii)), c.bytes);
    }
}

// Every value of three digits round-trips through zoned and packed text under both sign forms.
TEST(DecimalRoundTrip, AllValuesOfThreeDigits) {
    for (bool ascii : {false, true}) {
        for (int v = -999; v <= 999; ++v) {
            const std::string text = std::to_string(v);
            for (const auto& [type, length] : {std::pair{kSNum, 3}, std::pair{kSComp3, 2}}) {
                const auto d = DecodeAs(type, EncodeAs(type, length, text, Signs(ascii)), Signs(ascii));
                ASSERT_TRUE(d.valid) << type << " " << v;
                ASSERT_EQ(d.text, text) << type << " " << v;
            }
        }
    }
}

// Each single byte either decodes as a digit with a valid sign nibble or is flagged with no
// text; a valid byte re-encodes to itself.
TEST(DecimalRoundTrip, EveryByteOfAOneByteFieldIsValidOrFlagged) {
    for (bool zoned : {true, false}) {
        for (int b = 0; b < 256; ++b) {
            const std::string bytes(1, static_cast<char>(b));
            const auto d = DecodeAs(zoned ? kSNum : kSComp3, bytes);
            const int sign = zoned ? b >> 4 : b & 15, digit = zoned ? b & 15 : b >> 4;
            const bool valid = digit <= 9 && (sign == 0xF || sign == 0xC || sign == 0xD);
            ASSERT_EQ(d.valid, valid) << zoned << " " << b;
            if (!valid) {
                ASSERT_EQ(d.text, "") << zoned << " " << b;
                continue;
            }
            const int type = sign == 0xF ? (zoned ? kUNum : kUComp3) : (zoned ? kSNum : kSComp3);
            ASSERT_EQ(EncodeAs(type, 1, d.text), bytes) << zoned << " " << b;
        }
    }
}

// Fields longer than any integer type keep every digit, beyond the encoders' stack buffers too.
TEST(DecimalRoundTrip, LongFieldsKeepEveryDigit) {
    for (const auto& [type, length, digitCount] :
         {std::tuple{kSNum, 40, 40}, std::tuple{kSNum, 70, 70}, std::tuple{kSComp3, 70, 139}}) {
        std::string digits(static_cast<std::size_t>(digitCount), '7');
        digits[0] = '1';
        const auto d = DecodeAs(type, EncodeAs(type, length, "-" + digits));
        EXPECT_TRUE(d.valid) << type << "/" << length;
        EXPECT_EQ(d.text, "-" + digits) << type << "/" << length;
    }
}

// Digit by digit as a reader of the format would: the values of any length, with zeros and a
// bad nibble anywhere (the decoders look at eight bytes at a time).
TEST(DecimalDecode, AnyLengthReadsAsDigitByDigit) {
    std::mt19937 rng(3);
    for (int round = 0; round < 4000; ++round) {
        const bool zoned = round % 2 == 0;
        const bool ascii = round % 4 < 2;
        const SignNibbles s = NibblesOf(ascii ? SignForm::Ascii : SignForm::Ebcdic);
        const int n = 1 + static_cast<int>(rng() % 24);
        std::vector<int> digits(static_cast<std::size_t>(zoned ? n : 2 * n - 1));
        for (int& d : digits) d = rng() % 3 == 0 ? static_cast<int>(rng() % 10) : 0;
        const int sign = std::vector<int>{s.unsignedNibble, s.positive, s.negative}[rng() % 3];
        std::string bytes;
        for (int i = 0; i < n; ++i) {
            if (zoned)
                bytes += static_cast<char>(((i == n - 1 ? sign : s.unsignedNibble) << 4) | digits[i]);
            else
                bytes += static_cast<char>((digits[2 * i] << 4) | (i == n - 1 ? sign : digits[2 * i + 1]));
        }
        std::string text;
        for (int d : digits)
            if (!text.empty() || d != 0) text += static_cast<char>('0' + d);
        if (text.empty()) text = "0";
        if (sign == s.negative) text = "-" + text;
        const bool broken = rng() % 4 == 0;
        if (broken) {
            char& b = bytes[rng() % bytes.size()];
            const int bad = 0xA + static_cast<int>(rng() % 6);
            b = static_cast<char>(zoned ? (b & 0xF0) | bad : (b & 0x0F) | (bad << 4));
        }
        SCOPED_TRACE(BytesToHex(bytes));
        const auto d = DecodeAs(zoned ? kSNum : kSComp3, bytes, Signs(ascii));
        if (broken) {
            // A digit nibble of A to F.
            EXPECT_FALSE(d.valid);
            EXPECT_EQ(d.text, "");
        } else {
            EXPECT_TRUE(d.valid);
            EXPECT_EQ(d.text, text);
        }
    }
}

}  // namespace
}  // namespace rekkan

// Zoned and packed decimals: sign nibbles under both sign forms, invalid bytes, lengths of
// any size (every digit shown), and the encoders' digit preparation.

#include <gtest/gtest.h>

#include "codec_test_util.h"

namespace rekkan {
namespace {

using test::Bytes;
using test::DecodeAs;
using test::EncodeAs;

struct DecodeCase {
    const char* name;
    int type;
    std::string bytes;
    bool ascii;
    const char* text;
    bool error;
};

class DecimalDecode : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecimalDecode, GivesTextAndErrorFlag) {
    const DecodeCase& c = GetParam();
    const auto d = DecodeAs(c.type, c.bytes, c.ascii ? test::Ascii() : CodecOptions{});
    EXPECT_EQ(d.text, c.text);
    EXPECT_EQ(d.error, c.error);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecimalDecode,
    ::testing::Values(
        DecodeCase{"ZonedNegativeEbcdic", kSNum, Bytes({0xF1, 0xF2, 0xD3}), false, "-123", false},
        DecodeCase{"ZonedPositiveEbcdic", kSNum, Bytes({0xF1, 0xF2, 0xC3}), false, "123", false},
        DecodeCase{"ZonedUnsignedLast", kUNum, Bytes({0xF0, 0xF0, 0xF7}), false, "7", false},
        DecodeCase{"ZonedNegativeAscii", kSNum, Bytes({0x31, 0x32, 0x73}), true, "-123", false},
        DecodeCase{"ZonedEbcdicBytesUnderAscii", kSNum, Bytes({0xF1, 0xF2, 0xD3}), true, "", true},
        DecodeCase{"ZonedSignInMiddle", kSNum, Bytes({0xF1, 0xC2, 0xF3}), false, "", true},
        DecodeCase{"ZonedBadDigit", kUNum, Bytes({0xF1, 0xFA}), false, "", true},
        DecodeCase{"ZonedBadLastZone", kUNum, Bytes({0xF1, 0xA2}), false, "", true},
        DecodeCase{"ZonedAllZero", kUNum, Bytes({0xF0, 0xF0, 0xF0, 0xF0}), false, "0", false},
        DecodeCase{"ZonedNegativeZero", kSNum, Bytes({0xF0, 0xD0}), false, "-0", false},
        DecodeCase{"ZonedSpacesAreInvalid", kUNum, Bytes({0x40, 0x40}), false, "", true},
        DecodeCase{"ZonedOneByte", kSNum, Bytes({0xD9}), false, "-9", false},
        DecodeCase{"ZonedEmptyField", kSNum, "", false, "", false},
        DecodeCase{"ZonedBeyond32Bits", kSNum,
                   Bytes({0xF0, 0xF9, 0xF8, 0xF7, 0xF6, 0xF5, 0xF4, 0xF3, 0xF2, 0xF1, 0xF0, 0xD9}), false,
                   "-98765432109", false},
        DecodeCase{"Zoned18Digits", kUNum,
                   Bytes({0xF1, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5,
                          0xF6, 0xF7, 0xF8, 0xF9}),
                   false, "123456789123456789", false},
        DecodeCase{"PackedPositive", kSComp3, Bytes({0x12, 0x3C}), false, "123", false},
        DecodeCase{"PackedNegative", kSComp3, Bytes({0x12, 0x3D}), false, "-123", false},
        DecodeCase{"PackedUnsignedNibble", kUComp3, Bytes({0x00, 0x5F}), false, "5", false},
        DecodeCase{"PackedBadSign", kSComp3, Bytes({0x12, 0x3A}), false, "", true},
        DecodeCase{"PackedBadDigit", kSComp3, Bytes({0x1A, 0x3C}), false, "", true},
        DecodeCase{"PackedBadHighNibbleOfLastByte", kSComp3, Bytes({0x12, 0xA3}), false, "", true},
        DecodeCase{"PackedAsciiNegative", kSComp3, Bytes({0x12, 0x37}), true, "-123", false},
        DecodeCase{"PackedAsciiRejectsC", kSComp3, Bytes({0x12, 0x3C}), true, "", true},
        DecodeCase{"PackedOneByte", kSComp3, Bytes({0x0D}), false, "-0", false},
        DecodeCase{"PackedZero", kSComp3, Bytes({0x00, 0x00, 0x0C}), false, "0", false},
        DecodeCase{"Packed18Digits", kSComp3,
                   Bytes({0x01, 0x23, 0x45, 0x67, 0x89, 0x01, 0x23, 0x45, 0x67, 0x8D}), false,
                   "-123456789012345678", false},
        DecodeCase{"PackedAbove32Bits", kUComp3, Bytes({0x02, 0x14, 0x74, 0x83, 0x64, 0x8F}), false,
                   "2147483648", false},
        DecodeCase{"Packed19DigitsAllNines", kSComp3,
                   Bytes({0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 0x9C}), false,
                   "9999999999999999999", false}),
    [](const auto& info) { return std::string(info.param.name); });

struct EncodeCase {
    const char* name;
    int type;
    int length;
    const char* text;
    bool ascii;
    std::string bytes;
};

class DecimalEncode : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(DecimalEncode, StoresBytes) {
    const EncodeCase& c = GetParam();
    EXPECT_EQ(EncodeAs(c.type, c.length, c.text, c.ascii ? test::Ascii() : CodecOptions{}), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecimalEncode,
    ::testing::Values(
        EncodeCase{"ZonedSignedNegative", kSNum, 3, "-45", false, Bytes({0xF0, 0xF4, 0xD5})},
        EncodeCase{"ZonedUnsignedDropsSign", kUNum, 3, "-45", false, Bytes({0xF0, 0xF4, 0xF5})},
        EncodeCase{"ZonedSurplusDigitsDroppedLeft", kUNum, 3, "123456", false, Bytes({0xF4, 0xF5, 0xF6})},
        EncodeCase{"ZonedSignedPositive", kSNum, 2, "+7", false, Bytes({0xF0, 0xC7})},
        EncodeCase{"ZonedAscii", kSNum, 3, "-123", true, Bytes({0x31, 0x32, 0x73})},
        EncodeCase{"ZonedAsciiPositive", kSNum, 2, "12", true, Bytes({0x31, 0x32})},
        EncodeCase{"ZonedEmptyText", kSNum, 2, "", false, Bytes({0xF0, 0xC0})},
        EncodeCase{"ZonedMinusAnywhere", kSNum, 2, "1-2", false, Bytes({0xF1, 0xD2})},
        EncodeCase{"ZonedIgnoresJunk", kUNum, 4, " 1,234 yen", false, Bytes({0xF1, 0xF2, 0xF3, 0xF4})},
        EncodeCase{"PackedDecimalPointDropped", kSComp3, 2, "12.5", false, Bytes({0x12, 0x5C})},
        EncodeCase{"PackedNegative", kSComp3, 2, "-123", false, Bytes({0x12, 0x3D})},
        EncodeCase{"PackedUnsigned", kUComp3, 2, "-123", false, Bytes({0x12, 0x3F})},
        EncodeCase{"PackedSurplusDropped", kSComp3, 2, "98765", false, Bytes({0x76, 0x5C})},
        EncodeCase{"PackedAscii", kSComp3, 2, "-1", true, Bytes({0x00, 0x17})},
        EncodeCase{"PackedEmpty", kUComp3, 1, "", false, Bytes({0x0F})}),
    [](const auto& info) { return std::string(info.param.name); });

// Every digit value 0..9 in every zone the sign table knows round-trips through text.
TEST(ZonedDecimal, AllValuesOfThreeDigitsRoundTrip) {
    for (const CodecOptions& o : {CodecOptions{}, test::Ascii()}) {
        for (int v = -999; v <= 999; ++v) {
            const std::string text = std::to_string(v);
            const std::string bytes = EncodeAs(kSNum, 3, text, o);
            const auto d = DecodeAs(kSNum, bytes, o);
            ASSERT_FALSE(d.error) << v;
            ASSERT_EQ(d.text, text) << v;
            const std::string packed = EncodeAs(kSComp3, 2, text, o);
            const auto p = DecodeAs(kSComp3, packed, o);
            ASSERT_FALSE(p.error) << v;
            ASSERT_EQ(p.text, text) << v;
        }
    }
}

// Each single byte either decodes as a zoned digit with a valid zone or is flagged; a valid
// byte re-encodes to itself (apart from the unsigned/positive ambiguity of ASCII).
TEST(ZonedDecimal, EveryByteOfAOneByteFieldIsValidOrFlagged) {
    for (int b = 0; b < 256; ++b) {
        const std::string bytes(1, static_cast<char>(b));
        const auto d = DecodeAs(kSNum, bytes);
        const int zone = b >> 4, digit = b & 15;
        const bool valid = digit <= 9 && (zone == 0xF || zone == 0xC || zone == 0xD);
        ASSERT_EQ(d.error, !valid) << b;
        if (!valid) {
            ASSERT_EQ(d.text, "") << b;
            continue;
        }
        const std::string back = EncodeAs(zone == 0xF ? kUNum : kSNum, 1, d.text);
        ASSERT_EQ(static_cast<unsigned char>(back[0]), b) << b;
    }
}

TEST(PackedDecimal, EveryByteOfAOneByteFieldIsValidOrFlagged) {
    for (int b = 0; b < 256; ++b) {
        const std::string bytes(1, static_cast<char>(b));
        const auto d = DecodeAs(kSComp3, bytes);
        const int high = b >> 4, sign = b & 15;
        const bool valid = high <= 9 && (sign == 0xF || sign == 0xC || sign == 0xD);
        ASSERT_EQ(d.error, !valid) << b;
        if (!valid) continue;
        const std::string back = EncodeAs(sign == 0xF ? kUComp3 : kSComp3, 1, d.text);
        ASSERT_EQ(static_cast<unsigned char>(back[0]), b) << b;
    }
}

TEST(ZonedDecimal, LongFieldKeepsEveryDigit) {
    std::string digits(40, '7');
    digits[0] = '1';
    const std::string bytes = EncodeAs(kSNum, 40, "-" + digits);
    const auto d = DecodeAs(kSNum, bytes);
    EXPECT_FALSE(d.error);
    EXPECT_EQ(d.text, "-" + digits);
}

}  // namespace
}  // namespace rekkan

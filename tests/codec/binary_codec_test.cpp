// COBOL binary, one-byte and C/VB integers: byte orders, signed forms, the lengths that use
// 16, 32 or 64 bits, and the encoders' reduction of values that do not fit.

#include <gtest/gtest.h>

#include "codec_test_util.h"

namespace rekkan {
namespace {

using test::Bytes;
using test::DecodeAs;
using test::EncodeAs;

struct IntCase {
    const char* name;
    int type;
    std::string bytes;
    bool motorola;
    const char* text;
};

class IntegerDecode : public ::testing::TestWithParam<IntCase> {};

TEST_P(IntegerDecode, GivesText) {
    const IntCase& c = GetParam();
    const auto d = DecodeAs(c.type, c.bytes, c.motorola ? test::Motorola() : CodecOptions{});
    EXPECT_EQ(d.text, c.text);
    EXPECT_FALSE(d.error);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IntegerDecode,
    ::testing::Values(
        IntCase{"SShortMotorola", kSShort, Bytes({0xFF, 0xFE}), true, "-2"},
        IntCase{"SShortIntel", kSShort, Bytes({0xFF, 0xFE}), false, "-257"},
        IntCase{"UShortIntel", kUShort, Bytes({0xFF, 0xFE}), false, "65279"},
        IntCase{"WordMotorola", kWord, Bytes({0x12, 0x34}), true, "4660"},
        IntCase{"SLongIntel", kSLong, Bytes({0xFE, 0xFF, 0xFF, 0xFF}), false, "-2"},
        IntCase{"SLongMotorola", kSLong, Bytes({0x80, 0x00, 0x00, 0x00}), true, "-2147483648"},
        IntCase{"DwordIntelMax", kDword, Bytes({0xFF, 0xFF, 0xFF, 0xFF}), false, "4294967295"},
        IntCase{"ULongIntel", kULong, Bytes({0x01, 0x02, 0x03, 0x04}), false, "67305985"},
        IntCase{"ULongMotorola", kULong, Bytes({0x01, 0x02, 0x03, 0x04}), true, "16909060"},
        IntCase{"SLongLength8UsesFirstFour", kSLong, Bytes({0xFF, 0xFF, 0xFF, 0xFF, 9, 9, 9, 9}), false, "-1"},
        IntCase{"SBinaryIgnoresByteOrderIntel", kSBinary, Bytes({0xFF, 0xFE}), false, "-2"},
        IntCase{"SBinaryIgnoresByteOrderMotorola", kSBinary, Bytes({0xFF, 0xFE}), true, "-2"},
        IntCase{"UBinary2", kUBinary, Bytes({0xFF, 0xFE}), false, "65534"},
        IntCase{"UComp4", kUComp, Bytes({0xFF, 0xFF, 0xFF, 0xFE}), false, "4294967294"},
        IntCase{"SComp5Four", kSComp5, Bytes({0xFF, 0xFF, 0xFF, 0xFE}), false, "-2"},
        IntCase{"UBinary8IsSigned", kUBinary, Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), false, "-1"},
        IntCase{"SBinary8Min", kSBinary, Bytes({0x80, 0, 0, 0, 0, 0, 0, 0}), false, "-9223372036854775808"},
        IntCase{"SBinary3Nothing", kSBinary, Bytes({1, 2, 3}), false, ""},
        IntCase{"UChar", kUChar, Bytes({0xFF}), false, "255"},
        IntCase{"Byte", kByte, Bytes({0x80}), false, "128"},
        IntCase{"SChar", kSChar, Bytes({0x80}), false, "-128"},
        IntCase{"SCharMinusOne", kSChar, Bytes({0xFF}), false, "-1"}),
    [](const auto& info) { return std::string(info.param.name); });

struct IntEncodeCase {
    const char* name;
    int type;
    int length;
    const char* text;
    bool motorola;
    std::string bytes;
};

class IntegerEncode : public ::testing::TestWithParam<IntEncodeCase> {};

TEST_P(IntegerEncode, StoresBytes) {
    const IntEncodeCase& c = GetParam();
    EXPECT_EQ(EncodeAs(c.type, c.length, c.text, c.motorola ? test::Motorola() : CodecOptions{}), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IntegerEncode,
    ::testing::Values(
        IntEncodeCase{"UCharModulo255", kUChar, 1, "300", false, Bytes({0x2D})},
        IntEncodeCase{"UCharMax", kUChar, 1, "255", false, Bytes({0xFF})},
        IntEncodeCase{"UCharIgnoresSign", kUChar, 1, "-1", false, Bytes({0x01})},
        IntEncodeCase{"SCharNegative", kSChar, 1, "-1", false, Bytes({0xFF})},
        IntEncodeCase{"ByteEmpty", kByte, 1, "", false, Bytes({0x00})},
        IntEncodeCase{"SShortIntel", kSShort, 2, "-2", false, Bytes({0xFE, 0xFF})},
        IntEncodeCase{"SShortMotorola", kSShort, 2, "-2", true, Bytes({0xFF, 0xFE})},
        IntEncodeCase{"UShortModulo65535", kUShort, 2, "65536", false, Bytes({0x01, 0x00})},
        IntEncodeCase{"UShortMax", kUShort, 2, "65535", false, Bytes({0xFF, 0xFF})},
        IntEncodeCase{"ULongModulo", kULong, 4, "4294967296", false, Bytes({0x01, 0, 0, 0})},
        IntEncodeCase{"SLongMotorola", kSLong, 4, "-2", true, Bytes({0xFF, 0xFF, 0xFF, 0xFE})},
        IntEncodeCase{"DwordIntel", kDword, 4, "305419896", false, Bytes({0x78, 0x56, 0x34, 0x12})},
        IntEncodeCase{"TooManyDigitsStoresZero", kSLong, 4, "99999999999999999999", false, Bytes({0, 0, 0, 0})},
        IntEncodeCase{"SBinaryBigEndianUnderIntel", kSBinary, 2, "-2", false, Bytes({0xFF, 0xFE})},
        IntEncodeCase{"UBinary4", kUComp5, 4, "258", false, Bytes({0, 0, 1, 2})},
        IntEncodeCase{"SBinary8", kSComp, 8, "-2", false, Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE})},
        IntEncodeCase{"SBinary8Min", kSBinary, 8, "-9223372036854775808", false, Bytes({0x80, 0, 0, 0, 0, 0, 0, 0})},
        IntEncodeCase{"SBinary8OverflowZero", kSBinary, 8, "9223372036854775808", false, Bytes({0, 0, 0, 0, 0, 0, 0, 0})},
        IntEncodeCase{"SBinary3KeepsFill", kSBinary, 3, "5", false, Bytes({0, 0, 0})},
        // A C integer field shorter than its value writes only its own bytes.
        IntEncodeCase{"SLongLength1StaysInField", kSLong, 1, "258", false, Bytes({0x02})}),
    [](const auto& info) { return std::string(info.param.name); });

// Every 16-bit value round-trips through text in both byte orders, signed and unsigned.
TEST(CInteger, EverySixteenBitValueRoundTrips) {
    for (const CodecOptions& o : {CodecOptions{}, test::Motorola()}) {
        for (int type : {kSShort, kUShort, kSBinary, kUBinary}) {
            for (int v = 0; v < 65536; ++v) {
                const std::string bytes = Bytes({v >> 8, v & 0xFF});
                const auto d = DecodeAs(type, bytes, o);
                ASSERT_EQ(EncodeAs(type, 2, d.text, o), bytes) << type << " " << v;
            }
        }
    }
}

TEST(OneByteInteger, EveryByteRoundTrips) {
    for (int type : {kUChar, kSChar, kByte}) {
        for (int b = 0; b < 256; ++b) {
            const std::string bytes(1, static_cast<char>(b));
            ASSERT_EQ(EncodeAs(type, 1, DecodeAs(type, bytes).text), bytes) << type << " " << b;
        }
    }
}

TEST(CobolBinary, ThirtyTwoAndSixtyFourBitExtremesRoundTrip) {
    const std::vector<std::pair<int, std::string>> cases = {
        {kSBinary, Bytes({0x7F, 0xFF, 0xFF, 0xFF})}, {kSBinary, Bytes({0x80, 0, 0, 0})},
        {kUBinary, Bytes({0xFF, 0xFF, 0xFF, 0xFF})}, {kSComp, Bytes({0x7F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})},
        {kSComp, Bytes({0x80, 0, 0, 0, 0, 0, 0, 1})}};
    for (const auto& [type, bytes] : cases) {
        const auto d = DecodeAs(type, bytes);
        EXPECT_EQ(EncodeAs(type, static_cast<int>(bytes.size()), d.text), bytes) << d.text;
    }
}

}  // namespace
}  // namespace rekkan

// COBOL binary, one-byte and C/VB integers: byte orders, signed forms, the lengths that use
// 16, 32 or 64 bits, and the encoders' reduction of values that do not fit.

#include <gtest/gtest.h>

#include "codec_test_util.h"

namespace rekkan {
namespace {

using test::Bytes;
using test::DecodeAs;
using test::EncodeAs;

CodecOptions Order(bool motorola) { return motorola ? test::Motorola() : CodecOptions{}; }

TEST(IntegerDecode, GivesText) {
    struct Case {
        int type;
        std::string bytes;
        bool motorola;
        const char* text;
    };
    const Case cases[] = {
        {kSShort, Bytes({0xFF, 0xFE}), true, "-2"},
        {kSShort, Bytes({0xFF, 0xFE}), false, "-257"},
        {kUShort, Bytes({0xFF, 0xFE}), false, "65279"},
        {kWord, Bytes({0x12, 0x34}), true, "4660"},
        {kSLong, Bytes({0xFE, 0xFF, 0xFF, 0xFF}), false, "-2"},
        {kSLong, Bytes({0x80, 0x00, 0x00, 0x00}), true, "-2147483648"},
        {kDword, Bytes({0xFF, 0xFF, 0xFF, 0xFF}), false, "4294967295"},
        {kULong, Bytes({0x01, 0x02, 0x03, 0x04}), false, "67305985"},
        {kULong, Bytes({0x01, 0x02, 0x03, 0x04}), true, "16909060"},
        {kSLong, Bytes({0xFF, 0xFF, 0xFF, 0xFF, 9, 9, 9, 9}), false, "-1"},  // length 8 reads the first four
        // COBOL binary is big-endian whatever the byte order.
        {kSBinary, Bytes({0xFF, 0xFE}), false, "-2"},
        {kSBinary, Bytes({0xFF, 0xFE}), true, "-2"},
        {kUBinary, Bytes({0xFF, 0xFE}), false, "65534"},
        {kUComp, Bytes({0xFF, 0xFF, 0xFF, 0xFE}), false, "4294967294"},
        {kSComp5, Bytes({0xFF, 0xFF, 0xFF, 0xFE}), false, "-2"},
        {kUBinary, Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), false, "-1"},  // 8 bytes are signed
        {kSBinary, Bytes({0x80, 0, 0, 0, 0, 0, 0, 0}), false, "-9223372036854775808"},
        {kSBinary, Bytes({1, 2, 3}), false, ""},
        {kUChar, Bytes({0xFF}), false, "255"},
        {kByte, Bytes({0x80}), false, "128"},
        {kSChar, Bytes({0x80}), false, "-128"},
        {kSChar, Bytes({0xFF}), false, "-1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << " " << c.text);
        const auto d = DecodeAs(c.type, c.bytes, Order(c.motorola));
        EXPECT_EQ(d.text, c.text);
        EXPECT_TRUE(d.valid);
    }
}

TEST(IntegerEncode, StoresBytes) {
    struct Case {
        int type;
        int length;
        const char* text;
        bool motorola;
        std::string bytes;
    };
    const Case cases[] = {
        {kUChar, 1, "300", false, Bytes({0x2D})},  // modulo 255
        {kUChar, 1, "255", false, Bytes({0xFF})},
        {kUChar, 1, "-1", false, Bytes({0x01})},  // sign ignored
        {kSChar, 1, "-1", false, Bytes({0xFF})},
        {kByte, 1, "", false, Bytes({0x00})},
        {kSShort, 2, "-2", false, Bytes({0xFE, 0xFF})},
        {kSShort, 2, "-2", true, Bytes({0xFF, 0xFE})},
        {kUShort, 2, "65536", false, Bytes({0x01, 0x00})},  // modulo 65535
        {kUShort, 2, "65535", false, Bytes({0xFF, 0xFF})},
        {kULong, 4, "4294967296", false, Bytes({0x01, 0, 0, 0})},
        {kSLong, 4, "-2", true, Bytes({0xFF, 0xFF, 0xFF, 0xFE})},
        {kDword, 4, "305419896", false, Bytes({0x78, 0x56, 0x34, 0x12})},
        {kSLong, 4, "99999999999999999999", false, Bytes({0, 0, 0, 0})},  // too many digits
        {kSBinary, 2, "-2", false, Bytes({0xFF, 0xFE})},
        {kUComp5, 4, "258", false, Bytes({0, 0, 1, 2})},
        {kSComp, 8, "-2", false, Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE})},
        {kSBinary, 8, "-9223372036854775808", false, Bytes({0x80, 0, 0, 0, 0, 0, 0, 0})},
        {kSBinary, 8, "9223372036854775808", false, Bytes({0, 0, 0, 0, 0, 0, 0, 0})},
        {kSBinary, 3, "5", false, Bytes({0, 0, 0})},
        {kSLong, 1, "258", false, Bytes({0x02})},  // writes only the field's own bytes
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << "/" << c.length << " " << c.text);
        EXPECT_EQ(EncodeAs(c.type, c.length, c.text, Order(c.motorola)), c.bytes);
    }
}

// Every 16-bit and 8-bit value round-trips through text in both byte orders, signed and unsigned.
TEST(Integer, EverySixteenAndEightBitValueRoundTrips) {
    for (bool motorola : {false, true}) {
        for (int type : {kSShort, kUShort, kSBinary, kUBinary}) {
            for (int v = 0; v < 65536; ++v) {
                const std::string bytes = Bytes({v >> 8, v & 0xFF});
                ASSERT_EQ(EncodeAs(type, 2, DecodeAs(type, bytes, Order(motorola)).text, Order(motorola)), bytes)
                    << type << " " << v;
            }
        }
    }
    for (int type : {kUChar, kSChar, kByte}) {
        for (int b = 0; b < 256; ++b) {
            const std::string bytes(1, static_cast<char>(b));
            ASSERT_EQ(EncodeAs(type, 1, DecodeAs(type, bytes).text), bytes) << type << " " << b;
        }
    }
}

TEST(CobolBinary, ThirtyTwoAndSixtyFourBitExtremesRoundTrip) {
    const std::pair<int, std::string> cases[] = {{kSBinary, Bytes({0x7F, 0xFF, 0xFF, 0xFF})},
                                                 {kSBinary, Bytes({0x80, 0, 0, 0})},
                                                 {kUBinary, Bytes({0xFF, 0xFF, 0xFF, 0xFF})},
                                                 {kSComp, Bytes({0x7F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})},
                                                 {kSComp, Bytes({0x80, 0, 0, 0, 0, 0, 0, 1})}};
    for (const auto& [type, bytes] : cases) {
        EXPECT_EQ(EncodeAs(type, static_cast<int>(bytes.size()), DecodeAs(type, bytes).text), bytes) << type;
    }
}

}  // namespace
}  // namespace rekkan

// Character and bit fields, hex display, fill modes, the record tail and the helpers around
// them; also the conditions under which the conversions do nothing.

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "codec/value_codecs.h"
#include "codec_test_util.h"
#include "model/settings.h"
#include "util/encoding.h"

namespace rekkan {
namespace {

using test::Bytes;
using test::DecodeAs;
using test::EncodeAs;

TEST(CharacterField, StopsAtNulAndFlagsControlBytes) {
    const auto stop = DecodeAs(kX, Bytes({'A', 'B', 0x00, 0x41}));
    EXPECT_EQ(std::make_tuple(stop.text, stop.valid), std::make_tuple("AB", true));
    const auto tab = DecodeAs(kX, Bytes({'A', 0x09, 'B'}));
    // Flagged, but a character field keeps its text.
    EXPECT_EQ(std::make_tuple(tab.text, tab.valid), std::make_tuple("A\tB", false));
    const auto afterNul = DecodeAs(kString, Bytes({'A', 0x00, 0x1F}));
    EXPECT_EQ(std::make_tuple(afterNul.text, afterNul.valid), std::make_tuple("A", false));
    const std::string kanji = sj("漢字");
    EXPECT_EQ(DecodeAs(kJ, kanji).text, kanji);
    EXPECT_TRUE(DecodeAs(kVariant, Bytes({0x7F, 0x20})).valid);
    // Fields longer than a word: the 0x00 or the control byte at any place is found.
    for (std::size_t n = 1; n <= 20; ++n) {
        for (std::size_t at = 0; at < n; ++at) {
            std::string bytes(n, '\x82');
            bytes[at] = '\0';
            EXPECT_EQ(DecodeAs(kX, bytes).text, bytes.substr(0, at)) << n << " " << at;
            bytes[at] = '\x1F';
            EXPECT_FALSE(DecodeAs(kX, bytes).valid) << n << " " << at;
            bytes[at] = ' ';
            EXPECT_TRUE(DecodeAs(kX, bytes).valid) << n << " " << at;
        }
    }
}

TEST(CharacterField, EncodeCopiesAndFills) {
    const CodecOptions spaces{.fillMode = FillMode::Space}, user{.fillMode = FillMode::User, .userFill = 0x20};
    EXPECT_EQ((std::vector<std::string>{EncodeAs(kX, 4, "AB", spaces), EncodeAs(kX, 2, "ABCD"), EncodeAs(kX, 3, "A"),
                                        EncodeAs(kX, 3, "", user), EncodeAs(kVariant, 2, "", user),
                                        EncodeAs(kString, 2, "", spaces)}),
              (std::vector<std::string>{"AB  ", "AB", Bytes({'A', 0, 0}), "   ", "  ", "  "}));
    // J and every other type always fill with 0x00.
    EXPECT_EQ((std::vector<std::string>{EncodeAs(kJ, 3, "", spaces), EncodeAs(kJ, 3, "", user),
                                        EncodeAs(kHex, 2, "12", spaces)}),
              (std::vector<std::string>{Bytes({0, 0, 0}), Bytes({0, 0, 0}), Bytes({0, 0})}));
}

TEST(BitString, DecodesAndEncodes) {
    EXPECT_EQ(DecodeAs(kBit, Bytes({0xA5})).text + "|" + DecodeAs(kBit, Bytes({0x01, 0x80})).text,
              "10100101|0000000110000000");
    // Other characters than 0 and 1 are skipped; surplus bits are dropped on the right.
    EXPECT_EQ((std::vector<std::string>{EncodeAs(kBit, 1, "101"), EncodeAs(kBit, 1, "1 0-1x"),
                                        EncodeAs(kBit, 1, "111111111"), EncodeAs(kBit, 2, "000000011")}),
              (std::vector<std::string>{Bytes({0xA0}), Bytes({0xA0}), Bytes({0xFF}), Bytes({0x01, 0x80})}));
    for (int b = 0; b < 256; ++b) {
        const std::string bytes(1, static_cast<char>(b));
        ASSERT_EQ(EncodeAs(kBit, 1, DecodeAs(kBit, bytes).text), bytes);
    }
}

TEST(HexDisplay, ShowsBytesOfAnyTypeAsValid) {
    // Bytes that are no zoned value still show in hex, and nothing is wrong with them there.
    const DecodedText d = DecodeField(true, Bytes({0x00, 0xF1, 0xAB, 0x00}), test::Field(kSNum, 2, 2, true), {});
    EXPECT_EQ(std::make_tuple(d.text, d.valid), std::make_tuple("F1AB", true));
    // Every type decodes in hex the same way, every byte value included.
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    for (int type = 1; type < kTypeCount; ++type) {
        const auto d = DecodeAs(type, all, CodecOptions{}, true);
        ASSERT_EQ(d.text, BytesToHex(all));
        ASSERT_EQ(EncodeAs(type, 256, d.text, CodecOptions{}, true), all) << type;
    }
}

TEST(HexText, PadsAndIgnoresNonHexDigits) {
    EXPECT_EQ((std::vector<std::string>{EncodeAs(kX, 3, "1f", {}, true), EncodeAs(kX, 2, "1 2-3z4 56", {}, true),
                                        EncodeAs(kX, 2, "abc", {}, true)}),
              (std::vector<std::string>{Bytes({0x1F, 0, 0}), Bytes({0x12, 0x34}), Bytes({0xAB, 0xC0})}));
    EXPECT_EQ(BytesToHex(Bytes({0x00, 0x9A, 0xFF})), "009AFF");
    std::string out = "xxx";
    HexToBytes("009aff", reinterpret_cast<std::uint8_t*>(out.data()), 3);
    EXPECT_EQ(out, Bytes({0x00, 0x9A, 0xFF}));
    HexToBytes("", reinterpret_cast<std::uint8_t*>(out.data()), 3);
    EXPECT_EQ(out, Bytes({0, 0, 0}));
}

TEST(NoConverter, DecodesEmptyAndEncodesFill) {
    for (int type : {kSComp1, kSComp2, kDate, kTime, kObject, kHex}) {
        const auto d = DecodeAs(type, Bytes({0x12, 0x34}));
        EXPECT_EQ(std::make_tuple(d.text, d.valid, EncodeAs(type, 2, "1234")), std::make_tuple("", true, Bytes({0, 0})))
            << type;
    }
}

TEST(FieldCodec, ClosedFileAndGroupDoNothing) {
    // Bytes that would be an invalid S.NUM: nothing is decoded, so nothing is flagged.
    CodecField f = test::Field(kSNum, 1, 2);
    std::string record = Bytes({0xAA, 0xBB});
    const DecodedText closed = DecodeField(false, record, f, CodecOptions{});
    EncodeField("12", false, record, f, CodecOptions{});
    EXPECT_EQ(std::make_tuple(closed.text, closed.valid, record), std::make_tuple("", true, Bytes({0xAA, 0xBB})));
    f.type = kGroup;
    EncodeField("12", true, record, f, CodecOptions{});
    const DecodedText group = DecodeField(true, record, f, CodecOptions{});
    EXPECT_EQ(std::make_tuple(group.text, group.valid, record), std::make_tuple("", true, Bytes({0xAA, 0xBB})));
}

TEST(ValueCodecs, DecodersAppendToOneBuffer) {
    // Several fields decoded one after the other into one line; an invalid zoned value adds
    // nothing and leaves what came before it.
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(
        "\xF1\xD2"
        "AB\x12\x3C\xA5"
        "\xFA\x00\x01");
    std::string line = "#";
    EXPECT_TRUE(DecodeZoned(bytes, 2, NibblesOf(SignForm::Ebcdic), line));
    EXPECT_TRUE(DecodeCharacter(bytes + 2, 2, line));
    EXPECT_TRUE(DecodePacked(bytes + 4, 2, NibblesOf(SignForm::Ebcdic), line));
    DecodeBits(bytes + 6, 1, line);
    EXPECT_FALSE(DecodeZoned(bytes + 7, 1, NibblesOf(SignForm::Ebcdic), line));
    DecodeCInteger(bytes + 8, 2, Signedness::Signed, ByteOrder::Motorola, line);
    EXPECT_EQ(line,
              "#-12AB12310100101"
              "1");
}

TEST(FieldCodec, FieldReachingPastRecordIsClipped) {
    CodecField f = test::Field(kX, 3, 4);
    std::string record = "ABCD";
    EXPECT_EQ(DecodeField(true, record, f, CodecOptions{}).text, "CD");
    EncodeField("WXYZ", true, record, f, CodecOptions{});
    EXPECT_EQ(record, "ABWX");
}

TEST(RecordTail, OverwritesEndButNeverTheFirstByte) {
    struct Case {
        bool on;
        const char* hex;
        int length;
        std::string expected;
    };  // from ten bytes of 'a'
    const Case cases[] = {
        {true, "0D0A", 10, "aaaaaaaa\r\n"},
        {false, "0D0A", 10, "aaaaaaaaaa"},
        {true, "", 10, "aaaaaaaaaa"},
        {true, "D0A", 10, "aaaaaaaa\r\n"},  // odd length gets a leading zero
        {true, "0D 0A", 10, "aaaaaaaa\r\n"},
        {true, "414243", 2, "aCaaaaaaaa"},
        {true, "0102030405", 3,
         std::string("a\x04\x05"
                     "aaaaaaa",
                     10)},  // longer than the record
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.on << " " << c.hex << " " << c.length);
        CodecOptions o;
        o.recordTail = c.on;
        o.tailHex = c.hex;
        std::string record(10, 'a');
        ApplyRecordTail(record, c.length, o);
        EXPECT_EQ(record, c.expected);
    }
}

TEST(CodecOptions, FromSettingsAndFillByte) {
    Settings s;
    s.Cmb_ByteOrder = 1;
    s.Cmb_ZoneSign = 1;
    s.Cmb_PackSign = 0;
    s.Cmb_DefChar = 2;
    s.Str_DefChar = "2A";
    s.Cmb_BtmChar = 1;
    s.Str_BtmChar = "0D0A";
    const CodecOptions o = CodecOptions::FromSettings(s);
    EXPECT_EQ(
        std::tie(o.byteOrder, o.zoneSign, o.packSign, o.fillMode, o.userFill, o.recordTail, o.tailHex),
        std::make_tuple(ByteOrder::Motorola, SignForm::Ascii, SignForm::Ebcdic, FillMode::User, 0x2A, true, "0D0A"));
    EXPECT_EQ((std::vector<int>{ParseFillByte("A"), ParseFillByte(""), ParseFillByte("zz")}),
              (std::vector<int>{0x0A, 0x00, 0x00}));
}

}  // namespace
}  // namespace rekkan

// Field entries: which start in fixed hex display, how the field list of a layout is built,
// and decoding whole records into display texts.

#include <algorithm>
#include <tuple>

#include <gtest/gtest.h>

#include "record_test_layouts.h"
#include "records/field_entry.h"
#include "records/record_fields.h"

namespace rekkan {
namespace {

// The window starts COBOL binary, types without a converter and C integers of odd lengths in
// fixed hex; the command line decodes COBOL binary of 2, 4 or 8 bytes.
TEST(FieldEntry, HexAtStartForWindowAndScript) {
    struct Case {
        int type;
        int length;
        bool window;
        bool script;
    };
    const Case cases[] = {
        {kUBinary, 2, true, false}, {kSBinary, 4, true, false}, {kUComp, 8, true, false},  {kSComp, 2, true, false},
        {kUComp5, 4, true, false},  {kSComp5, 4, true, false},  {kSBinary, 3, true, true}, {kSComp1, 4, true, true},
        {kSComp2, 8, true, true},   {kDate, 8, true, true},     {kTime, 8, true, true},    {kObject, 4, true, true},
        {kHex, 3, true, true},      {kSLong, 8, true, true},    {kUInt, 1, true, true},    {kWord, 3, true, true},
        {kDword, 8, true, true},    {kSShort, 2, false, false}, {kSLong, 4, false, false}, {kUInt, 2, false, false},
        {kDword, 4, false, false},  {kX, 5, false, false},      {kSNum, 3, false, false},  {kSComp3, 2, false, false},
        {kBit, 1, false, false},    {kUChar, 1, false, false},  {kFloat, 4, false, false}, {kDate8, 8, false, false},
        {kGroup, 0, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << "/" << c.length);
        FieldDescriptor d;
        d.TYP = c.type;
        d.size = c.length;
        const TRdbObj window = MakeFieldEntry(d, 0, HexStart::Window);
        EXPECT_EQ(std::make_tuple(StartsHexFixed(c.type, c.length), window.hexDisplay, window.hexFixed,
                                  MakeFieldEntry(d, 0, HexStart::Script).hexDisplay),
                  std::make_tuple(c.window, c.window, c.window, c.script));
    }
}

/// REC, NAME X(4), COUNT S.BINARY 4 digits, AMT group x2 of VALUE S.COMP-3 3 digits, CODE
/// S.NUM 3 and CODE_X redefining CODE: 13 bytes.
std::vector<TRdbObj> SampleFields(HexStart start = HexStart::Window) {
    LayoutDocument doc;
    doc.items = MakeRows({{.name = "REC", .type = kGroup},
                          {.level = 2, .name = "NAME", .bytes = 4},
                          {.level = 2, .name = "COUNT", .type = kSBinary, .bytes = 4},
                          {.level = 2, .name = "AMT", .type = kGroup, .repeat = 2},
                          {.level = 3, .name = "VALUE", .type = kSComp3, .bytes = 3},
                          {.level = 2, .name = "CODE", .type = kSNum, .bytes = 3},
                          {.level = 2, .name = "CODE_X", .bytes = 3}});
    doc.items.back().RED = "CODE";
    const std::vector<TRdbObj> fields = BuildFieldList(doc, start).fields;
    EXPECT_FALSE(fields.empty());
    return fields;
}

TEST(FieldList, BuiltFromLayoutWithoutRedefinitions) {
    const std::vector<TRdbObj> fields = SampleFields();
    // REC, NAME, COUNT, AMT(1), VALUE(1), AMT(2), VALUE(2), CODE; CODE_X redefines and is left out.
    ASSERT_EQ(fields.size(), 8u);
    struct Expect {
        int type, position, length, number;
        bool hex;
    };
    const Expect expect[] = {{kGroup, 1, 13, 0, false}, {kX, 1, 4, 0, false},      {kSBinary, 5, 2, 1, true},
                             {kGroup, 7, 2, 0, false},  {kSComp3, 7, 2, 2, false}, {kGroup, 9, 2, 0, false},
                             {kSComp3, 9, 2, 3, false}, {kSNum, 11, 3, 4, false}};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(
            std::make_tuple(static_cast<int>(fields[i].type), fields[i].position, fields[i].length,
                            fields[i].fieldNumber, fields[i].hexDisplay),
            std::make_tuple(expect[i].type, expect[i].position, expect[i].length, expect[i].number, expect[i].hex))
            << i;
    }
    EXPECT_EQ(fields[6].DisplayName(), "  2.VALUE");
}

TEST(RecordFields, DecodesEveryEntryAsTheWindowShowsIt) {
    std::vector<TRdbObj> fields = SampleFields();
    std::string record = "ABCD" + std::string("\x00\x07\x12\x3C\x45\x6D\xF0\xF1\xF2", 9);
    RecordTexts texts;
    DecodeRecord(record, fields, CodecOptions{}, texts);
    EXPECT_EQ(texts.texts, (std::vector<std::string>{"", "ABCD", "0007", "", "123", "", "-456", "12"}));
    EXPECT_EQ(std::count(texts.errors.begin(), texts.errors.end(), true), 0);
    DecodeRecord(record, SampleFields(HexStart::Script), CodecOptions{}, texts);
    EXPECT_EQ(texts.texts[2], "7");

    // A damaged zoned field shows nothing and is flagged.
    record[12] = '\xA2';
    DecodeRecord(record, fields, CodecOptions{}, texts);
    EXPECT_EQ(texts.texts[7], "");
    EXPECT_EQ(texts.errors, (std::vector<bool>{false, false, false, false, false, false, false, true}));
}

TEST(RecordFields, BlankRecordHoldsFillAndZeros) {
    CodecOptions o;
    o.fillMode = FillMode::Space;
    EXPECT_EQ(BlankRecord(13, SampleFields(HexStart::Script), o),
              std::string("    \x00\x00\x00\x0C\x00\x0C\xF0\xF0\xC0", 13));
}

TEST(RecordFields, PastEndFollowsFileSize) {
    std::vector<TRdbObj> fields = SampleFields();
    // Second record (offset 13) of a 24-byte file: the record's bytes 12 and 13 are missing.
    EXPECT_TRUE(UpdatePastEnd(fields, 13, 24));
    // The group spans the whole record; NAME is bytes 1-4, VALUE(2) 9-10, CODE 11-13.
    EXPECT_EQ(std::make_tuple(fields[0].pastEnd, fields[1].pastEnd, fields[6].pastEnd, fields[7].pastEnd),
              std::make_tuple(true, false, false, true));
    EXPECT_FALSE(UpdatePastEnd(fields, 13, 26));
    EXPECT_FALSE(fields[7].pastEnd);
}

}  // namespace
}  // namespace rekkan

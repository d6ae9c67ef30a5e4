// Field entries: which start in fixed hex display, how the field list of a layout is built,
// and decoding whole records into display texts.

#include <algorithm>

#include <gtest/gtest.h>

#include "records/field_entry.h"
#include "records/record_fields.h"
#include "util/encoding.h"

namespace rekkan {
namespace {

TEST(FieldEntry, HexFixedAtStart) {
    struct Case {
        int type;
        int length;
        bool hex;
    };
    const Case cases[] = {
        {kUBinary, 2, true}, {kSBinary, 4, true}, {kUComp, 8, true}, {kSComp, 2, true}, {kUComp5, 4, true},
        {kSComp5, 4, true}, {kSComp1, 4, true}, {kSComp2, 8, true}, {kDate, 8, true}, {kTime, 8, true},
        {kObject, 4, true}, {kHex, 3, true}, {kSLong, 8, true}, {kUInt, 1, true}, {kWord, 3, true},
        {kDword, 8, true}, {kSShort, 2, false}, {kSLong, 4, false}, {kUInt, 2, false}, {kDword, 4, false},
        {kX, 5, false}, {kSNum, 3, false}, {kSComp3, 2, false}, {kBit, 1, false}, {kUChar, 1, false},
        {kFloat, 4, false}, {kDate8, 8, false}, {kGroup, 0, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(StartsHexFixed(c.type, c.length), c.hex) << c.type << "/" << c.length;
        FieldDescriptor d;
        d.TYP = c.type;
        d.size = c.length;
        const TRdbObj window = MakeFieldEntry(d, 0, HexStart::Window);
        EXPECT_EQ(window.hexDisplay, c.hex);
        EXPECT_EQ(window.hexFixed, c.hex);
    }
}

TEST(FieldEntry, ScriptStartDecodesCobolBinaryOnly) {
    FieldDescriptor d;
    d.TYP = kSBinary;
    d.size = 4;
    EXPECT_FALSE(MakeFieldEntry(d, 0, HexStart::Script).hexDisplay);
    d.size = 3;  // no converter for this length: stays in hex
    EXPECT_TRUE(MakeFieldEntry(d, 0, HexStart::Script).hexDisplay);
    d.TYP = kSLong;
    d.size = 8;
    EXPECT_TRUE(MakeFieldEntry(d, 0, HexStart::Script).hexDisplay);
    d.TYP = kHex;
    EXPECT_TRUE(MakeFieldEntry(d, 0, HexStart::Script).hexDisplay);
}

TRspec Row(int level, int type, int byt, const char* name, int rpt = 1) {
    TRspec r;
    r.LVL = level;
    r.TYP = r.TYP2 = type;
    r.BYT = byt;
    r.RPT = rpt;
    r.KOM = name;
    r.VNM = name;
    return r;
}

LayoutDocument SampleLayout() {
    LayoutDocument doc;
    doc.items = {Row(1, kGroup, 0, "REC"),     Row(2, kX, 4, "NAME"),          Row(2, kSBinary, 4, "COUNT"),
                 Row(2, kGroup, 0, "AMT", 2),  Row(3, kSComp3, 3, "VALUE"),    Row(2, kSNum, 3, "CODE")};
    TRspec red = Row(2, kX, 3, "CODE_X");
    red.RED = "CODE";
    doc.items.push_back(red);
    return doc;
}

TEST(FieldList, BuiltFromLayoutWithoutRedefinitions) {
    LayoutDocument doc = SampleLayout();
    std::vector<TRdbObj> fields;
    ASSERT_TRUE(BuildFieldList(doc, fields));
    // REC, NAME, COUNT, AMT(1), VALUE(1), AMT(2), VALUE(2), CODE; CODE_X redefines and is left out.
    ASSERT_EQ(fields.size(), 8u);
    struct Expect {
        int type, position, length, number;
        bool hex;
    };
    const Expect expect[] = {{kGroup, 1, 13, 0, false}, {kX, 1, 4, 0, false},       {kSBinary, 5, 2, 1, true},
                             {kGroup, 7, 2, 0, false},  {kSComp3, 7, 2, 2, false},  {kGroup, 9, 2, 0, false},
                             {kSComp3, 9, 2, 3, false}, {kSNum, 11, 3, 4, false}};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(fields[i].type, expect[i].type) << i;
        EXPECT_EQ(fields[i].position, expect[i].position) << i;
        EXPECT_EQ(fields[i].length, expect[i].length) << i;
        EXPECT_EQ(fields[i].fieldNumber, expect[i].number) << i;
        EXPECT_EQ(fields[i].hexDisplay, expect[i].hex) << i;
    }
    EXPECT_EQ(fields[6].DisplayName(), "  2.VALUE");
}

TEST(RecordFields, DecodesEveryEntryAsTheWindowShowsIt) {
    LayoutDocument doc = SampleLayout();
    std::vector<TRdbObj> fields;
    ASSERT_TRUE(BuildFieldList(doc, fields, HexStart::Window));
    std::string record = "ABCD";
    record += std::string("\x00\x07", 2);
    record += std::string("\x12\x3C\x45\x6D", 4);
    record += std::string("\xF0\xF1\xF2", 3);
    RecordTexts texts;
    DecodeRecord(record, fields, CodecOptions{}, texts);
    const std::vector<std::string> expected = {"", "ABCD", "0007", "", "123", "", "-456", "12"};
    EXPECT_EQ(texts.texts, expected);
    EXPECT_EQ(std::count(texts.errors.begin(), texts.errors.end(), true), 0);

    std::vector<TRdbObj> script;
    ASSERT_TRUE(BuildFieldList(doc, script, HexStart::Script));
    DecodeRecord(record, script, CodecOptions{}, texts);
    EXPECT_EQ(texts.texts[2], "7");

    // A damaged field: the entry flags go to the texts, the window version to the entries.
    record[12] = '\xA2';
    std::vector<std::string> plain;
    DecodeRecordInto(record, fields, CodecOptions{}, plain);
    EXPECT_EQ(plain[7], "");
    EXPECT_TRUE(fields[7].error);
}

TEST(RecordFields, BlankRecordHoldsFillAndZeros) {
    LayoutDocument doc = SampleLayout();
    std::vector<TRdbObj> fields;
    ASSERT_TRUE(BuildFieldList(doc, fields, HexStart::Script));
    CodecOptions o;
    o.fillMode = FillMode::Space;
    const std::string blank = BlankRecord(13, fields, o);
    EXPECT_EQ(blank, std::string("    \x00\x00\x00\x0C\x00\x0C\xF0\xF0\xC0", 13));
}

TEST(RecordFields, PastEndFollowsFileSize) {
    LayoutDocument doc = SampleLayout();
    std::vector<TRdbObj> fields;
    ASSERT_TRUE(BuildFieldList(doc, fields));
    // Second record (offset 13) of a 24-byte file: the record's bytes 12 and 13 are missing.
    EXPECT_TRUE(UpdatePastEnd(fields, 13, 24));
    EXPECT_TRUE(fields[0].pastEnd);   // the group spans the whole record
    EXPECT_FALSE(fields[1].pastEnd);
    EXPECT_FALSE(fields[6].pastEnd);  // bytes 9-10
    EXPECT_TRUE(fields[7].pastEnd);   // bytes 11-13
    EXPECT_FALSE(UpdatePastEnd(fields, 13, 26));
    EXPECT_FALSE(fields[7].pastEnd);
}

}  // namespace
}  // namespace rekkan

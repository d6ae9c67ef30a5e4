#include <gtest/gtest.h>

#include "model/type_catalogue.h"
#include "tools/key_items.h"
#include "util/encoding.h"
#include "util/text.h"

namespace rekkan {
namespace {

TRspec Row(int lvl, int typ, const std::string& kom, int byt) {
    TRspec r;
    r.LVL = lvl;
    r.TYP = r.TYP2 = typ;
    r.KOM = kom;
    r.VNM = kom;
    r.BYT = byt;
    return r;
}

struct Fixture {
    LayoutDocument doc;
    Geometry geometry;
    TypeNotation types;
    Fixture() {
        doc.items = {Row(1, kGroup, "REC", 0), Row(2, kX, "CODE", 10), Row(2, kUNum, "NO", 5), Row(2, kSComp3, "AMT", 7)};
        EXPECT_TRUE(geometry.Run(doc, GeometryForm::Record));
    }
};

TEST(KeyItems, ItemLineFormAndParse) {
    Fixture f;
    KeyItems keys(f.types);
    const std::string line = keys.ItemLineForRow(f.doc, f.geometry, 2, sj("不"), sj("昇順"));
    const int width = f.types.WidestDisplayLabel();
    EXPECT_EQ(line, "      [000011 : 000005]  " + PadRight(0x20, "U.NUM", width) + sj(" <不> (昇順) NO") +
                        std::string(10, '\t') + "%typ!3");
    const KeyLine k = ParseKeyLine(line, f.types);
    EXPECT_EQ(k.keyNumber, -1);
    EXPECT_EQ(k.position, "000011");
    EXPECT_EQ(k.length, "000005");
    EXPECT_EQ(k.typeCode, 3);
    EXPECT_EQ(k.typeName, "U.NUM");
    EXPECT_EQ(k.duplicates, sj("不"));
    EXPECT_EQ(k.order, sj("昇順"));
    EXPECT_EQ(k.itemName, "NO");
    EXPECT_EQ(FormatKeyLine(k, f.types), line);
}

TEST(KeyItems, TypeNameFollowsCurrentNotation) {
    Fixture f;
    KeyItems keys(f.types);
    const std::string line = keys.ItemLineForRow(f.doc, f.geometry, 1, sj("可"), sj("降順"));
    TypeNotation renamed;
    renamed.SetLabel(kX, sj("#英数字"));
    EXPECT_EQ(ParseKeyLine(line, renamed).typeName, sj("英数字"));
}

TEST(KeyItems, HeadersAndRenumbering) {
    EXPECT_TRUE(IsKeyHeaderLine("   Key #3"));
    EXPECT_TRUE(IsKeyHeaderLine("key#"));
    EXPECT_FALSE(IsKeyHeaderLine("      [000001 : 000002]"));
    Fixture f;
    KeyItems keys(f.types);
    // Dropping the first item into an empty list gives a header numbered 1 and the item.
    keys.Insert(-1, keys.ItemLineForRow(f.doc, f.geometry, 1, sj("不"), sj("昇順")));
    ASSERT_EQ(keys.Lines().size(), 2u);
    EXPECT_EQ(keys.Lines()[0], "   Key #1");
    keys.Insert(1, " Key #");
    keys.Insert(1, " Key #");
    keys.Insert(3, keys.ItemLineForRow(f.doc, f.geometry, 2, sj("不"), sj("昇順")));
    ASSERT_EQ(keys.Lines().size(), 5u);
    EXPECT_EQ(keys.Lines()[2], "   Key #2");
    EXPECT_EQ(keys.Lines()[3], "   Key #3");
    const auto table = keys.KeyTable();
    EXPECT_EQ(table[1].key, 1);
    EXPECT_EQ(table[1].sequence, 1);
    EXPECT_EQ(table[4].key, 3);
    EXPECT_EQ(table[4].sequence, 1);
    EXPECT_EQ(keys.FindKeyItem(11, 5), 4);
    EXPECT_EQ(keys.FindKeyItem(11, 4), -1);
}

TEST(KeyItems, LoadKeyLinesReformatsAndValidates) {
    Fixture f;
    KeyItems keys(f.types);
    const std::vector<std::string> stored = {
        "Key #7",
        sj("[1 : 10]  whatever <不> (昇順) OLDNAME") + std::string(10, '\t') + "%typ!1",
        sj("[16 : 4] S.COMP-3 <可> (降順) AMT"),
        sj("[99 : 1] X <不> (昇順) GONE"),
    };
    keys.LoadKeyLines(stored, f.doc, f.geometry);
    ASSERT_EQ(keys.Lines().size(), 4u);
    EXPECT_EQ(keys.Lines()[0], "   Key #1");
    const KeyLine a = ParseKeyLine(keys.Lines()[1], f.types);
    EXPECT_EQ(a.itemName, "CODE");
    EXPECT_EQ(a.position, "000001");
    EXPECT_EQ(a.typeName, "X");
    EXPECT_EQ(ParseKeyLine(keys.Lines()[2], f.types).itemName, "AMT");
    EXPECT_EQ(ParseKeyLine(keys.Lines()[3], f.types).itemName, UnmatchedKeyName());
    EXPECT_EQ(keys.KeyMark(16, 4, kSComp3), "#1.2d-");
    EXPECT_EQ(keys.KeyMark(1, 10, kX), "#1.1");
    EXPECT_EQ(keys.KeyMark(1, 10, kJ), "");  // type differs
    EXPECT_EQ(keys.KeyMark(2, 10, kX), "");
}

TEST(KeyItems, LayoutKeyLinesGoThroughTheModel) {
    Fixture f;
    f.doc.keyLines = {"key #", sj("[000011 : 000005]  ? <不> (昇順) old") + std::string(10, '\t') + "%typ!3"};
    LoadLayoutKeyLines(f.doc, f.geometry, f.types);
    ASSERT_EQ(f.doc.keyLines.size(), 2u);
    EXPECT_EQ(f.doc.keyLines[0], "   Key #1");
    EXPECT_EQ(ParseKeyLine(f.doc.keyLines[1], f.types).itemName, "NO");
    EXPECT_EQ(ParseKeyLine(f.doc.keyLines[1], f.types).typeName, "U.NUM");
}

TEST(KeyItems, LoadFromImportBuildsHeadersPerKey) {
    Fixture f;
    KeyItems keys(f.types);
    keys.LoadFromImport({sj("001.001<不>(昇順):1"), sj("001.002<可>(降順):3"), sj("002.001<不>(昇順):2"),
                         sj("003.001<不>(昇順):99")},
                        f.doc, f.geometry);
    ASSERT_EQ(keys.Lines().size(), 5u);
    EXPECT_EQ(keys.Lines()[0], "   Key #1");
    EXPECT_EQ(ParseKeyLine(keys.Lines()[1], f.types).itemName, "CODE");
    EXPECT_EQ(ParseKeyLine(keys.Lines()[2], f.types).itemName, "AMT");
    EXPECT_EQ(ParseKeyLine(keys.Lines()[2], f.types).duplicates, sj("可"));
    EXPECT_EQ(keys.Lines()[3], "   Key #2");
    EXPECT_EQ(ParseKeyLine(keys.Lines()[4], f.types).itemName, "NO");
}

}  // namespace
}  // namespace rekkan

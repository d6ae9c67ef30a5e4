#include "model/key_items.h"

#include <gtest/gtest.h>

#include <tuple>

#include "model/row_builder.h"
#include "model/type_catalogue.h"
#include "util/encoding.h"
#include "util/text.h"

namespace rekkan {
namespace {

/// Header lines as they stand, item lines by their item name.
std::vector<std::string> Shown(const std::vector<std::string>& lines, const TypeNotation& types) {
    std::vector<std::string> out;
    for (const std::string& l : lines) out.push_back(IsKeyHeaderLine(l) ? l : ParseKeyLine(l, types).itemName);
    return out;
}

struct Fixture {
    LayoutDocument doc;
    Geometry geometry;
    TypeNotation types;
    Fixture() {
        doc.items = MakeRows({{.name = "REC", .type = kGroup},
                              {.level = 2, .name = "CODE", .bytes = 10},
                              {.level = 2, .name = "NO", .type = kUNum, .bytes = 5},
                              {.level = 2, .name = "AMT", .type = kSComp3, .bytes = 7}});
        geometry = MeasureLayout(doc);
        EXPECT_TRUE(geometry.Ok());
    }
};

TEST(KeyItems, ItemLineFormParseAndTypeNotation) {
    Fixture f;
    KeyItems keys(f.types);
    const std::string line = keys.ItemLineForRow(f.doc, f.geometry, 2, sj("不"), sj("昇順"));
    const int width = f.types.WidestDisplayLabel();
    EXPECT_EQ(line, "      [000011 : 000005]  " + PadRight(0x20, "U.NUM", width) + sj(" <不> (昇順) NO") +
                        std::string(10, '\t') + "%typ!3");
    const KeyLine k = ParseKeyLine(line, f.types);
    EXPECT_EQ(std::tie(k.keyNumber, k.position, k.length, k.typeCode, k.typeName, k.duplicates, k.order, k.itemName),
              std::make_tuple(-1, std::string("000011"), std::string("000005"), 3, std::string("U.NUM"), sj("不"),
                              sj("昇順"), std::string("NO")));
    EXPECT_EQ(FormatKeyLine(k, f.types), line);
    // The type name follows the current notation of the type code on the line.
    TypeNotation renamed;
    renamed.SetLabel(kX, sj("#英数字"));
    EXPECT_EQ(ParseKeyLine(keys.ItemLineForRow(f.doc, f.geometry, 1, sj("可"), sj("降順")), renamed).typeName,
              sj("英数字"));
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
    EXPECT_EQ(Shown(keys.Lines(), f.types),
              (std::vector<std::string>{"   Key #1", "CODE", "   Key #2", "   Key #3", "NO"}));
    const auto table = keys.KeyTable();
    ASSERT_EQ(table.size(), 5u);
    EXPECT_EQ(std::make_pair(table[1].key, table[1].sequence), std::make_pair(1, 1));
    EXPECT_EQ(std::make_pair(table[4].key, table[4].sequence), std::make_pair(3, 1));
    EXPECT_EQ(table[2].sequence, 0) << "a header";
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
    EXPECT_EQ(Shown(keys.Lines(), f.types), (std::vector<std::string>{"   Key #1", "CODE", "AMT", UnmatchedKeyName()}));
    const KeyLine a = ParseKeyLine(keys.Lines()[1], f.types);
    EXPECT_EQ(std::tie(a.position, a.typeName), std::make_tuple(std::string("000001"), std::string("X")));
    EXPECT_EQ(keys.KeyMark(16, 4, kSComp3), "#1.2d-");
    EXPECT_EQ(keys.KeyMark(1, 10, kX), "#1.1");
    EXPECT_EQ(keys.KeyMark(1, 10, kJ), "");  // type differs
    EXPECT_EQ(keys.KeyMark(2, 10, kX), "");
}

TEST(KeyItems, LayoutKeyLinesGoThroughTheModel) {
    Fixture f;
    f.doc.keyLines = {"key #", sj("[000011 : 000005]  ? <不> (昇順) old") + std::string(10, '\t') + "%typ!3"};
    LoadLayoutKeyLines(f.doc, f.geometry, f.types);
    EXPECT_EQ(Shown(f.doc.keyLines, f.types), (std::vector<std::string>{"   Key #1", "NO"}));
    EXPECT_EQ(ParseKeyLine(f.doc.keyLines[1], f.types).typeName, "U.NUM");
}

TEST(KeyItems, LoadFromImportBuildsHeadersPerKey) {
    Fixture f;
    KeyItems keys(f.types);
    keys.LoadFromImport(
        {sj("001.001<不>(昇順):1"), sj("001.002<可>(降順):3"), sj("002.001<不>(昇順):2"), sj("003.001<不>(昇順):99")},
        f.doc, f.geometry);
    EXPECT_EQ(Shown(keys.Lines(), f.types), (std::vector<std::string>{"   Key #1", "CODE", "AMT", "   Key #2", "NO"}))
        << "an entry for a row past the layout is dropped";
    EXPECT_EQ(ParseKeyLine(keys.Lines()[2], f.types).duplicates, sj("可"));
}

}  // namespace
}  // namespace rekkan

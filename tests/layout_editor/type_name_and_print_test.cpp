#include "editor_fixture.h"
#include "layout_editor/layout_print_rows.h"
#include "layout_editor/type_name_input.h"

namespace rekkan::test {
namespace {

TEST(TypeNameInput, ALabelAfterBlankAndStarNamesTheType) {
    const TypeLabelFn renamed = [](int code) { return code == kX ? sj("文字") : StandardTypeLabel(code); };
    struct Case {
        std::string cell;
        std::string nameCell;
        int code;
        std::string label;
    } cases[] = {
        {sj("02 年会費 *U.COMP-3"), sj("02 年会費"), kUComp3, "U.COMP-3"},
        {"02 A *u.comp-3 ", "02 A", kUComp3, "u.comp-3"},  // letter case and blanks do not matter
        {sj("02 A * 文字"), "02 A", kX, sj("文字")},       // the current label, not the standard one
        {"02 A *X", "02 A *X", -1, "X"},                   // "X" was renamed
        {"02 A*S.NUM", "02 A*S.NUM", -1, ""},              // no blank before the star
        {"02 A *", "02 A *", -1, ""},
    };
    for (const Case& c : cases) {
        const TypedName t = SplitTypedName(c.cell, renamed);
        EXPECT_EQ(t.nameCell, c.nameCell) << c.cell;
        EXPECT_EQ(t.typeCode, c.code) << c.cell;
        EXPECT_EQ(t.label, c.label) << c.cell;
    }
}

TEST_F(EditorFixture, TypedLabelsSetTheTypeOnlyWhenTheInputIsOn) {
    SetRows(MakeRows({{.name = "ROOT", .type = kGroup}, {.level = 2, .name = "A", .bytes = 3}}));
    for (const bool on : {false, true}) {
        EditorOptions options;
        options.typeNameInput = on;
        model.SetOptions(options);
        ASSERT_TRUE(model.CommitRow(1, RowTexts{"02 A *S.NUM", "A", "", "", "", "5", "", ""}));
        EXPECT_EQ(doc.items[1].KOM, on ? "A" : "A *S.NUM");
        EXPECT_EQ(doc.items[1].TYP, on ? kSNum : kX);
        EXPECT_TRUE(model.MessageLine().empty());
    }
    ASSERT_TRUE(model.CommitRow(1, RowTexts{"02 B *NOPE", "A", "", "", "", "5", "", ""}));
    EXPECT_EQ(doc.items[1].KOM, "B *NOPE");
    EXPECT_EQ(model.MessageLine(), UnknownTypeLabelMessage("NOPE"));
}

TEST(LayoutPrintGrid, RowsFollowTheListingWithTheEditorsColumns) {
    LayoutDocument doc;
    doc.RdfCmt = sj(" 顧客 ");
    doc.PreFix = "C-";
    doc.items = MakeRows({{.name = "ROOT", .type = kGroup},
                          {.level = 2, .name = "NAME", .var = "C-NAME", .bytes = 10, .repeat = 2, .remarks = "R"}});
    const TypeNotation types;
    ListingSource source;
    ASSERT_TRUE(PrepareListingSource(doc, types, source));
    const LayoutPrintGrid grid = MakeLayoutPrintGrid(source, ListingOptions{}, LangPriority::C);
    EXPECT_EQ(grid.header[3], sj(" 項目名"));
    EXPECT_EQ(grid.header[6], sj(" 型 <C 優先>"));
    using Row = std::array<std::string, kGridColumns>;
    EXPECT_EQ(grid.rows,
              (std::vector<Row>{{" 1", " 1", "", " 01 ROOT", " ROOT", " ", "  Group", " ", " ", " ", " "},
                                {" 2", " 1", "", "    02 NAME", " NAME", " ", "   X", " 2", " 10", " ", " R"}}));
    EXPECT_EQ(grid.headings, (std::vector<std::string>{sj("ファイル名  ： 顧客"), sj("レコ－ド長  ： 20 Byte"),
                                                       sj("Ｐｒｅｆｉｘ： C-")}));
}

}  // namespace
}  // namespace rekkan::test

#include "model/redefinition_view.h"

#include <gtest/gtest.h>

#include <tuple>

#include "model/row_builder.h"
#include "util/encoding.h"

namespace rekkan {
namespace {

/// LVL, KOM, VNM, TYP, RdfKind and RdfPos of a row.
using ViewRow = std::tuple<int, std::string, std::string, int, int, int>;

std::vector<ViewRow> Summary(const std::vector<TRspec>& rows) {
    std::vector<ViewRow> out;
    for (const TRspec& r : rows) out.emplace_back(r.LVL, r.KOM, r.VNM, r.TYP, r.RdfKind, r.RdfPos);
    return out;
}

/// A document of `rows`, each variable name its item name with "_v" appended.
LayoutDocument Doc(std::vector<TRspec> rows) {
    LayoutDocument d;
    d.items = std::move(rows);
    for (TRspec& r : d.items) r.VNM = r.KOM + "_v";
    return d;
}

/// REC: A X(4) redefined by group B (B1 X(2), B2 X(2)); C X(6) redefined by group D (D1 X(6)).
LayoutDocument TwoRedefinitions() {
    LayoutDocument d = Doc(MakeRows({{.name = "REC", .type = kGroup},
                                     {.level = 2, .name = "A", .bytes = 4},
                                     {.level = 2, .name = "B", .type = kGroup, .redefines = "A"},
                                     {.level = 3, .name = "B1", .bytes = 2},
                                     {.level = 3, .name = "B2", .bytes = 2},
                                     {.level = 2, .name = "C", .bytes = 6},
                                     {.level = 2, .name = "D", .type = kGroup, .redefines = "C-VAR"},
                                     {.level = 3, .name = "D1", .bytes = 6}}));
    d.items[5].VNM = "C-VAR";
    return d;
}

TEST(RedefinitionViewDocument, LayoutWithoutRedefinitionsGivesRootOnly) {
    for (int count : {2, 0}) {
        LayoutDocument doc = Doc(MakeRows({{.name = "ROOT", .type = kGroup}, {.level = 2, .name = "A", .bytes = 3}}));
        doc.items.resize(static_cast<std::size_t>(count));
        doc.RdfCmt = " cust ";
        doc.PreFix = "P-";
        doc.modified = true;
        const RedefinitionViewDocument view = MakeViewDocument(doc, 5, 5);
        const std::string kom = count > 0 ? "ROOT" : "";
        const std::string vnm = count > 0 ? "ROOT_v" : "";
        EXPECT_EQ(Summary(view.doc.items),
                  (std::vector<ViewRow>{{1, sj("再定義項目-") + kom, "RED-" + vnm, kGroup, 1, 1}}));
        EXPECT_EQ(view.doc.RdfCmt, sj("再定義項目 cust"));
        EXPECT_EQ(std::tie(view.doc.PreFix, view.doc.modified), std::make_tuple(std::string("P-"), true))
            << "the rest of the layout goes with the view";
        EXPECT_EQ(view.positions, std::vector<std::string>{""}) << "the root shows no position";
    }
}

TEST(RedefinitionViewDocument, FormatZeroGathersEachRedefinitionUnderItsHead) {
    const RedefinitionViewDocument view = MakeViewDocument(TwoRedefinitions(), 0, 5);
    const std::vector<TRspec>& rows = view.doc.items;
    EXPECT_EQ(Summary(rows), (std::vector<ViewRow>{{1, sj("再定義項目-REC"), "RED-REC_v", kGroup, 1, 1},
                                                   {2, sj("再-A"), "R-A_v", kGroup, 0, 1},
                                                   {3, "B", "B_v", kGroup, 0, 1},
                                                   {4, "B1", "B1_v", kX, 0, 1},
                                                   {4, "B2", "B2_v", kX, 0, 3},
                                                   {2, sj("再-C"), "R-C-VAR", kGroup, 0, 5},
                                                   {3, "D", "D_v", kGroup, 0, 5},
                                                   {4, "D1", "D1_v", kX, 0, 5}}));
    EXPECT_EQ(std::tie(rows[1].RdfBase, rows[5].RdfBase), std::make_tuple(1, 5));
    EXPECT_TRUE(rows[2].RED.empty());
    EXPECT_EQ(view.headCount, 0);
    EXPECT_EQ(view.geometry.recordLength, 4 + 6) << "the gathered record";
    EXPECT_EQ(view.positions, (std::vector<std::string>{"", "1", "1", "1", "3", "5", "5", "5"}));
}

TEST(RedefinitionViewDocument, EmbeddedTagsFollowEachHeadInFormatsOneToFour) {
    for (int format = 0; format < kViewFormatCount; ++format) {
        const RedefinitionViewDocument view = MakeViewDocument(TwoRedefinitions(), format, 5);
        const std::vector<TRspec>& rows = view.doc.items;
        const bool tags = format >= 1 && format <= 4;
        ASSERT_EQ(rows.size(), tags ? 10u : 8u) << format;
        EXPECT_EQ(rows[1].RdfKind, format == 0 ? 0 : 2) << format;
        EXPECT_EQ(view.headCount, format == 0 ? 0 : 2) << format;
        EXPECT_EQ(ViewModeText(format), sj("≪ 再定義項目 ≫") + ViewFormatName(format));
        if (tags) {
            EXPECT_EQ(Summary(rows)[2], ViewRow(3, sj("再定義元-A"), "REDEFINES-A_v", kX, 3, 0));
            EXPECT_EQ(rows[2].BYT, 5);
            EXPECT_EQ(rows[7].VNM, "REDEFINES-C-VAR");
            EXPECT_EQ(view.geometry.recordLength, 10 + 2 * 5);
            EXPECT_EQ(view.positions, (std::vector<std::string>{"", "1", "", "1", "1", "3", "5", "", "5", "5"}));
        }
    }
    EXPECT_EQ(MakeViewDocument(TwoRedefinitions(), 2, 0).doc.Count(), 8) << "a tag length of 0 embeds nothing";
    EXPECT_EQ(ViewFormatName(0), sj(" 形式１：単純な寄せ集めで(従来の方法)"));
}

TEST(RedefinitionViewDocument, NestedRedefinitionGetsItsOwnHead) {
    const LayoutDocument doc = Doc(MakeRows({{.name = "REC", .type = kGroup},
                                             {.level = 2, .name = "A", .bytes = 10},
                                             {.level = 2, .name = "B", .type = kGroup, .redefines = "A"},
                                             {.level = 3, .name = "B1", .bytes = 4},
                                             {.level = 3, .name = "B2", .type = kGroup, .redefines = "B1"},
                                             {.level = 4, .name = "B21", .bytes = 2},
                                             {.level = 4, .name = "B22", .bytes = 2},
                                             {.level = 3, .name = "B3", .bytes = 6},
                                             {.level = 2, .name = "Z"}}));
    EXPECT_EQ(Summary(MakeViewDocument(doc, 0, 0).doc.items),
              (std::vector<ViewRow>{{1, sj("再定義項目-REC"), "RED-REC_v", kGroup, 1, 1},
                                    {2, sj("再-A"), "R-A_v", kGroup, 0, 1},
                                    {3, "B", "B_v", kGroup, 0, 1},
                                    {4, "B1", "B1_v", kX, 0, 1},
                                    {4, "B3", "B3_v", kX, 0, 5},
                                    {2, sj("再-B1"), "R-B1_v", kGroup, 0, 1},
                                    {3, "B2", "B2_v", kGroup, 0, 1},
                                    {4, "B21", "B21_v", kX, 0, 1},
                                    {4, "B22", "B22_v", kX, 0, 3}}));
}

TEST(RedefinitionViewDocument, LevelsAreRenumberedFromThreeAcrossJumps) {
    const LayoutDocument doc = Doc(MakeRows({{.name = "REC", .type = kGroup},
                                             {.level = 3, .name = "A", .bytes = 10},
                                             {.level = 3, .name = "B", .type = kGroup, .redefines = "A"},
                                             {.level = 5, .name = "C", .type = kGroup},
                                             {.level = 7, .name = "D", .bytes = 2},
                                             {.level = 5, .name = "E", .bytes = 2},
                                             {.level = 4, .name = "F", .bytes = 2},
                                             {.level = 7, .name = "G"}}));
    std::vector<int> levels;
    for (const TRspec& r : MakeViewDocument(doc, 0, 0).doc.items) levels.push_back(r.LVL);
    EXPECT_EQ(levels, (std::vector<int>{1, 2, 3, 4, 5, 4, 4, 5}));
}

TEST(RedefinitionViewDocument, UnresolvedRedefinitionNamesHeadAfterRed) {
    const LayoutDocument doc = Doc(MakeRows({{.name = "REC", .type = kGroup},
                                             {.level = 2, .name = "A", .bytes = 3},
                                             {.level = 2, .name = "B", .bytes = 3, .redefines = "NOWHERE"}}));
    const RedefinitionViewDocument view = MakeViewDocument(doc, 0, 0);
    const TRspec& head = view.doc.items[1];
    EXPECT_EQ(std::tie(head.KOM, head.VNM, head.RdfBase), std::make_tuple(sj("再-"), std::string("R-NOWHERE"), 0));
    EXPECT_EQ(view.positions[1], "");
}

}  // namespace
}  // namespace rekkan

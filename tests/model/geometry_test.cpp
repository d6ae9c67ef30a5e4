#include "model/geometry.h"

#include <gtest/gtest.h>

#include <tuple>

#include "model_test_rows.h"

namespace rekkan {
namespace {

using test::Row;

LayoutDocument Doc(std::vector<TRspec> rows) {
    LayoutDocument d;
    d.items = std::move(rows);
    return d;
}

struct Pass {
    LayoutDocument doc;
    Geometry g;
    explicit Pass(std::vector<TRspec> rows) : doc(Doc(std::move(rows))), g(MeasureLayout(doc)) {}
    const GeometryRow& operator[](int i) const { return g.rows[i]; }
};

std::vector<FieldDescriptor> Fields(const LayoutDocument& doc) {
    const FieldList listed = ListFields(doc);
    EXPECT_TRUE(listed.Ok());
    return listed.fields;
}

/// Each row's position, "[GroupLen]" for a group (or a row with a group length), then the record length.
std::string Summary(const Pass& p) {
    std::string out;
    for (int i = 0; i < p.doc.Count(); ++i) {
        out += std::to_string(p[i].Pos);
        if (p.doc.items[i].TYP == kGroup || p[i].GroupLen != 0) out += "[" + std::to_string(p[i].GroupLen) + "]";
        out += " ";
    }
    return out + "=> " + std::to_string(p.g.recordLength);
}

TEST(GeometryPass, PositionsAndGroupLengths) {
    struct Case {
        const char* title;
        std::vector<TRspec> rows;
        const char* summary;
    };
    const Case cases[] = {
        {"empty table", {}, "=> 0"},
        {"single item", {Row(1, kX, 1, 10, 0, "A")}, "1 => 10"},
        {"a repeated group's length is one occurrence",
         {Row(1, kGroup, 3, 0, 0, "G"), Row(2, kX, 1, 2, 0, "A"), Row(2, kSNum, 1, 3, 0, "B")}, "1[5] 1 3 => 15"},
        {"nested repeats multiply",
         {Row(1, kGroup, 2, 0, 0, "A"), Row(2, kGroup, 3, 0, 0, "B"), Row(3, kX, 1, 4, 0, "C")}, "1[12] 1[4] 1 => 24"},
        {"empty group", {Row(1, kGroup, 1, 0, 0, "E"), Row(1, kX, 1, 3, 0, "A")}, "1[0] 1 => 3"},
        // An X row followed by deeper rows is walked as a group; its own BYT adds nothing.
        {"item with members", {Row(1, kGroup, 1, 0, 0, "R"), Row(2, kX, 2, 9, 0, "P"), Row(3, kX, 1, 2, 0, "Q")},
         "1[4] 1 1 => 4"},
        {"group inside a group",
         {Row(1, kGroup, 1, 0, 0, "E"), Row(2, kGroup, 3, 0, 0, "G"), Row(3, kX, 1, 2, 0, "A")}, "1[6] 1[2] 1 => 6"},
        // E closes before G starts: it must not collect G's members.
        {"closed empty group", {Row(2, kGroup, 1, 0, 0, "E"), Row(1, kGroup, 3, 0, 0, "G"), Row(2, kX, 1, 2, 0, "A")},
         "1[0] 1[2] 1 => 6"},
        // T's level-2 neighbour above (Q, repeated 3 times) is not one of its ancestors.
        {"multiplicity follows the enclosing rows",
         {Row(1, kGroup, 1, 0, 0, "P"), Row(2, kGroup, 3, 0, 0, "Q"), Row(3, kX, 1, 1, 0, "r"),
          Row(1, kGroup, 1, 0, 0, "S"), Row(3, kGroup, 1, 0, 0, "T"), Row(4, kX, 1, 5, 0, "u")},
         "1[3] 1[1] 1 4[5] 4[5] 4 => 8"},
        {"a repeat count below one counts once",
         {Row(1, kGroup, 0, 0, 0, "G"), Row(2, kX, -2, 3, 0, "A"), Row(1, kX, 0, 2, 0, "B")}, "1[3] 1 4 => 5"},
        {"levels outside the stack",
         {Row(1, kGroup, 1, 0, 0, "G"), Row(40, kX, 2, 3, 0, "A"), Row(-3, kX, 1, 1, 0, "B")}, "1[6] 1 7 => 7"},
    };
    for (const Case& c : cases) {
        const Pass p(c.rows);
        EXPECT_TRUE(p.g.Ok()) << c.title;
        EXPECT_EQ(Summary(p), c.summary) << c.title;
    }
    const Pass nested({Row(1, kGroup, 2, 0, 0, "A"), Row(2, kGroup, 3, 0, 0, "B"), Row(3, kX, 1, 4, 0, "C")});
    EXPECT_GT(nested.g.stepsOutsideRdf, 6);
}

TEST(GeometryPass, BitRepeatsPackIntoOneField) {
    Pass p({Row(1, kBit, 5, 3, 0, "F"), Row(1, kX, 1, 1, 0, "G")});
    EXPECT_EQ(p.g.recordLength, 3);  // ceil(15 / 8) = 2, then one byte
    EXPECT_EQ(p[1].Pos, 3);
    const std::vector<FieldDescriptor> f = Fields(p.doc);
    ASSERT_EQ(f.size(), 2u) << "the repeats are one field";
    EXPECT_EQ(std::tie(f[0].BYT, f[0].size, f[0].prefix), std::make_tuple(15, 2, std::string()));
}

TEST(GeometryPass, RedefinitionsOverlayTheirTarget) {
    Pass p({Row(1, kGroup, 1, 0, 0, "R"), Row(2, kX, 1, 4, 0, "Z"), Row(2, kX, 1, 6, 0, "A"),
            Row(2, kGroup, 1, 0, 0, "B", "A"), Row(3, kX, 2, 2, 0, "B1"), Row(3, kX, 1, 1, 0, "B2"),
            Row(2, kX, 1, 1, 0, "C")});
    EXPECT_EQ(p.g.recordLength, 11);
    EXPECT_EQ(p[3].Pos, p[2].Pos);
    EXPECT_EQ(p[4].Pos, 5);
    EXPECT_EQ(p[5].Pos, 5 + 2 * 2) << "first member's ElemLenAll x RPT";
    EXPECT_EQ(p[6].Pos, 11);
    EXPECT_TRUE(p[4].InRdf);
    EXPECT_EQ(p[3].GroupLen, 0);
    EXPECT_EQ(p[3].GroupLenAll, 5);
    EXPECT_EQ(p[0].GroupLen, 11);
}

TEST(GeometryPass, RedefinitionResolvesByNameOrVariableName) {
    Pass byVnm({Row(1, kX, 1, 4, 0, "A"), Row(1, kX, 1, 2, 0, "B", "A_v")});
    EXPECT_EQ(byVnm[1].Pos, 1);
    Pass missing({Row(1, kX, 1, 4, 0, "A"), Row(1, kX, 1, 2, 0, "B", "NOPE")});
    EXPECT_EQ(missing[1].Pos, -1);
    // A same-named row at another level is not a sibling; a parent ends the search.
    Pass nested({Row(1, kGroup, 1, 0, 0, "A"), Row(2, kX, 1, 1, 0, "x"), Row(2, kX, 1, 1, 0, "y", "A")});
    EXPECT_EQ(nested[2].Pos, -1);
    EXPECT_EQ(RedefinedRow(nested.doc, 2), -1);
    EXPECT_EQ(RedefinedRow(byVnm.doc, 1), 0);
}

TEST(GeometryPass, LengthLimitIsNineHundredNinetyNineThousandBytes) {
    Pass fits({Row(1, kGroup, 999, 0, 0, "G"), Row(2, kX, 1, 1001, 0, "A")});
    EXPECT_TRUE(fits.g.Ok());
    EXPECT_EQ(fits.g.recordLength, 999'999);
    Pass over({Row(1, kGroup, 1000, 0, 0, "G"), Row(2, kX, 1, 1000, 0, "A")});
    EXPECT_EQ(over.g.failure, GeometryFailure::TooLong);
    EXPECT_TRUE(ListFields(over.doc).fields.empty());
    Pass single({Row(1, kX, 1, 1'000'000, 0, "A")});
    EXPECT_FALSE(single.g.Ok());
}

TEST(GeometryPass, ZeroSizeRepeatsStopAtTheStepBound) {
    Pass p({Row(1, kX, 1, 4, 0, "A"), Row(1, kGroup, 2'000'000'000, 0, 0, "B", "A"), Row(2, kX, 2'000'000'000, 1, 0, "C")});
    EXPECT_EQ(p.g.failure, GeometryFailure::TooManySteps);
    EXPECT_EQ(GeometryFailureMessage(p.g.failure), TooManyStepsMessage());
}

TEST(FieldListWalk, PrefixesAndDisplayNames) {
    const LayoutDocument doc = Doc({Row(1, kGroup, 2, 0, 0, "G"), Row(2, kX, 3, 2, 0, "A")});
    const auto f = Fields(doc);
    ASSERT_EQ(f.size(), 8u);  // G twice, A three times in each
    EXPECT_EQ(f[0].prefix, "1.");
    EXPECT_EQ(f[0].size, 6);
    EXPECT_EQ(f[1].displayName, " 1.1.A");
    EXPECT_EQ(f[3].displayName, " 1.3.A");
    EXPECT_EQ(f[3].pos, 5);
    EXPECT_EQ(f[4].prefix, "2.");
    EXPECT_EQ(f[4].pos, 7);
    EXPECT_EQ(f[7].displayName, " 2.3.A");
    EXPECT_EQ(f[7].displayVarName, " 2.3.A_v");
    for (std::size_t i = 0; i < f.size(); ++i) EXPECT_EQ(f[i].step, static_cast<int>(i));
}

TEST(FieldListWalk, SkipsRedefinitionMembersForTheRecordEditor) {
    const LayoutDocument doc = Doc({Row(1, kX, 1, 4, 0, "A"), Row(1, kGroup, 1, 0, 0, "B", "A"),
                                    Row(2, kX, 1, 2, 0, "C"), Row(1, kSNum, 1, 3, 0, "D")});
    const FieldList listed = ListFields(doc);
    EXPECT_EQ(listed.recordLength, 7);
    const std::vector<FieldDescriptor>& f = listed.fields;
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[1].row, 3);
    EXPECT_EQ(f[1].pos, 5);
    EXPECT_EQ(f[1].size, 3);
}

}  // namespace
}  // namespace rekkan

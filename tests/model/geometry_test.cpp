#include "model/geometry.h"

#include <gtest/gtest.h>

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
    bool ok = false;
    explicit Pass(std::vector<TRspec> rows) : doc(Doc(std::move(rows))) { ok = g.Run(doc, GeometryForm::Record); }
    const GeometryRow& operator[](int i) const { return g.Rows()[i]; }
};

std::vector<FieldDescriptor> Fields(LayoutDocument& doc, bool withRdf = false) {
    Geometry g;
    std::vector<FieldDescriptor> out;
    EXPECT_TRUE(g.Run(doc, GeometryForm::Record));
    EXPECT_TRUE(g.Run(doc, GeometryForm::FieldList, [&](const FieldDescriptor& d) {
        if (withRdf || !d.inRdf) out.push_back(d);
    }));
    return out;
}

TEST(GeometryPass, SingleItemAndEmptyTable) {
    Pass one({Row(1, kX, 1, 10, 0, "A")});
    EXPECT_TRUE(one.ok);
    EXPECT_EQ(one[0].Pos, 1);
    EXPECT_EQ(one.doc.recordLength, 10);
    Pass none({});
    EXPECT_TRUE(none.ok);
    EXPECT_EQ(none.doc.recordLength, 0);
}

TEST(GeometryPass, RepeatedGroupLengthIsOneOccurrence) {
    Pass p({Row(1, kGroup, 3, 0, 0, "G"), Row(2, kX, 1, 2, 0, "A"), Row(2, kSNum, 1, 3, 0, "B")});
    EXPECT_EQ(p[0].GroupLen, 5);
    EXPECT_EQ(p[0].ElemLen, 5);
    EXPECT_EQ(p.doc.recordLength, 15);
    EXPECT_EQ(p[2].Pos, 3);
}

TEST(GeometryPass, NestedRepeatsMultiply) {
    Pass p({Row(1, kGroup, 2, 0, 0, "A"), Row(2, kGroup, 3, 0, 0, "B"), Row(3, kX, 1, 4, 0, "C")});
    EXPECT_EQ(p[1].GroupLen, 4);
    EXPECT_EQ(p[0].GroupLen, 12);
    EXPECT_EQ(p.doc.recordLength, 24);
    EXPECT_GT(p.doc.stepsOutsideRdf, 6);
}

TEST(GeometryPass, BitRepeatsPackIntoOneFieldAndAreRestored) {
    Pass p({Row(1, kBit, 5, 3, 0, "F"), Row(1, kX, 1, 1, 0, "G")});
    EXPECT_EQ(p.doc.recordLength, 3);  // ceil(15 / 8) = 2, then one byte
    EXPECT_EQ(p[1].Pos, 3);
    EXPECT_EQ(p.doc.items[0].BYT, 3);
    EXPECT_EQ(p.doc.items[0].RPT, 5);
}

TEST(GeometryPass, RedefinitionsOverlayTheirTarget) {
    Pass p({Row(1, kGroup, 1, 0, 0, "R"), Row(2, kX, 1, 4, 0, "Z"), Row(2, kX, 1, 6, 0, "A"),
            Row(2, kGroup, 1, 0, 0, "B", "A"), Row(3, kX, 2, 2, 0, "B1"), Row(3, kX, 1, 1, 0, "B2"),
            Row(2, kX, 1, 1, 0, "C")});
    EXPECT_EQ(p.doc.recordLength, 11);
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
    EXPECT_TRUE(fits.ok);
    EXPECT_EQ(fits.doc.recordLength, 999'999);
    Pass over({Row(1, kGroup, 1000, 0, 0, "G"), Row(2, kX, 1, 1000, 0, "A")});
    EXPECT_FALSE(over.ok);
    EXPECT_EQ(over.g.LastFailure(), GeometryFailure::TooLong);
    EXPECT_EQ(over.doc.items[0].RPT, 1000);
    Pass single({Row(1, kX, 1, 1'000'000, 0, "A")});
    EXPECT_FALSE(single.ok);
}

TEST(GeometryPass, ZeroSizeRepeatsStopAtTheStepBound) {
    Pass p({Row(1, kX, 1, 4, 0, "A"), Row(1, kGroup, 2'000'000'000, 0, 0, "B", "A"), Row(2, kX, 2'000'000'000, 1, 0, "C")});
    EXPECT_FALSE(p.ok);
    EXPECT_EQ(p.g.LastFailure(), GeometryFailure::TooManySteps);
}

TEST(GeometryPass, EmptyGroupsAndItemsWithMembers) {
    Pass empty({Row(1, kGroup, 1, 0, 0, "E"), Row(1, kX, 1, 3, 0, "A")});
    EXPECT_EQ(empty[0].GroupLen, 0);
    EXPECT_EQ(empty.doc.recordLength, 3);
    EXPECT_EQ(empty[1].Pos, 1);
    // An X row followed by deeper rows is walked as a group; its own BYT adds nothing.
    Pass xgroup({Row(1, kGroup, 1, 0, 0, "R"), Row(2, kX, 2, 9, 0, "P"), Row(3, kX, 1, 2, 0, "Q")});
    EXPECT_EQ(xgroup.doc.recordLength, 4);
    EXPECT_EQ(xgroup[0].GroupLen, 4);
    EXPECT_EQ(xgroup[1].GroupLen, 0);
}

TEST(GeometryPass, ClosedEmptyGroupCollectsNothingFromLaterRows) {
    // E closes before G starts: it must not collect G's members.
    Pass p({Row(1, kGroup, 1, 0, 0, "E"), Row(2, kGroup, 3, 0, 0, "G"), Row(3, kX, 1, 2, 0, "A")});
    EXPECT_EQ(p[1].GroupLen, 2);
    Pass q({Row(2, kGroup, 1, 0, 0, "E"), Row(1, kGroup, 3, 0, 0, "G"), Row(2, kX, 1, 2, 0, "A")});
    EXPECT_EQ(q[0].GroupLen, 0);
    EXPECT_EQ(q[1].GroupLen, 2);
}

TEST(GeometryPass, GroupMultiplicityFollowsTheEnclosingRows) {
    // G3's level-2 neighbour above (Q, repeated 3 times) is not one of its ancestors.
    Pass p({Row(1, kGroup, 1, 0, 0, "P"), Row(2, kGroup, 3, 0, 0, "Q"), Row(3, kX, 1, 1, 0, "r"),
            Row(1, kGroup, 1, 0, 0, "S"), Row(3, kGroup, 1, 0, 0, "T"), Row(4, kX, 1, 5, 0, "u")});
    EXPECT_EQ(p[4].GroupLen, 5);
    EXPECT_EQ(p[3].GroupLen, 5);
    EXPECT_EQ(p.doc.recordLength, 8);
}

TEST(GeometryPass, LevelsOutsideTheStackDoNotBreakTheWalk) {
    Pass p({Row(1, kGroup, 1, 0, 0, "G"), Row(40, kX, 2, 3, 0, "A"), Row(-3, kX, 1, 1, 0, "B")});
    EXPECT_TRUE(p.ok);
    EXPECT_EQ(p.doc.recordLength, 7);
}

TEST(FieldListWalk, PrefixesAndDisplayNames) {
    LayoutDocument doc = Doc({Row(1, kGroup, 2, 0, 0, "G"), Row(2, kX, 3, 2, 0, "A")});
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
    LayoutDocument doc = Doc({Row(1, kX, 1, 4, 0, "A"), Row(1, kGroup, 1, 0, 0, "B", "A"), Row(2, kX, 1, 2, 0, "C"),
                              Row(1, kSNum, 1, 3, 0, "D")});
    Geometry g;
    std::vector<FieldDescriptor> f;
    ASSERT_TRUE(ListFields(doc, g, f));
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[1].row, 3);
    EXPECT_EQ(f[1].pos, 5);
    EXPECT_EQ(f[1].size, 3);
    EXPECT_EQ(Fields(doc, true).size(), 4u);
}

}  // namespace
}  // namespace rekkan

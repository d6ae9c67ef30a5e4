#include <gtest/gtest.h>

#include "model/group_rule.h"
#include "model/name_adjust.h"
#include "model/row_builder.h"
#include "model/type_catalogue.h"

namespace rekkan {
namespace {

TEST(NameAdjust, ViewNamesBecomeCobolNames) {
    const std::pair<const char*, const char*> cases[] = {
        {"RED.CUST", "RED-CUST"},
        {"  R.AMT ", "R-AMT"},
        {"red.cust", "red.cust"},
        {"REDX", "REDX"},
        {"R.", "R-"},
        {"AR.B", "AR.B"},
        {"", ""},
        {" RED. ", "RED-"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(AdjustViewName(in), out) << in;
}

// The rule seen from the row above is covered through the cell commit (RowCommit tests).
TEST(GroupRule, RowFollowedByDeeperRowBecomesAGroupAndBack) {
    auto rows = MakeRows({{.level = 1}, {.level = 2, .type = kGroup}});
    EXPECT_TRUE(ApplyGroupRule(rows, 0));
    EXPECT_EQ(rows[0].TYP, kGroup);
    EXPECT_EQ(rows[0].TYP2, kX);
    rows[1].LVL = 1;
    EXPECT_TRUE(ApplyGroupRule(rows, 0));
    EXPECT_EQ(rows[0].TYP, kX);
    // A real group (saved type Group) stays a group when its member moves up.
    auto groups = MakeRows({{.level = 1, .type = kGroup}, {.level = 2}});
    groups[1].LVL = 1;
    EXPECT_FALSE(ApplyGroupRule(groups, 1));
    EXPECT_EQ(groups[0].TYP, kGroup);
    EXPECT_FALSE(ApplyGroupRule(groups, 5));
}

}  // namespace
}  // namespace rekkan

#include "layout_editor/range_state.h"

#include <gtest/gtest.h>

#include "util/encoding.h"

namespace rekkan {
namespace {

TEST(RangeState, MarkingSpansAnchorAndCurrentRowInEitherDirection) {
    RangeState r;
    ASSERT_TRUE(r.BeginMarking(5));
    EXPECT_EQ(r.state, RangeState::Marking);
    r.MoveTo(8);
    EXPECT_EQ(r.start, 5);
    EXPECT_EQ(r.end, 8);
    r.MoveTo(2);
    EXPECT_EQ(r.start, 2);
    EXPECT_EQ(r.end, 5);
    EXPECT_FALSE(r.BeginMarking(9)) << "a range already exists";
}

TEST(RangeState, ButtonStatesFollowTheState) {
    struct Case {
        int state;
        bool confirm;
        bool clear;
    };
    for (const Case& c : {Case{RangeState::None, false, false}, Case{RangeState::Marking, true, false},
                          Case{RangeState::Confirmed, false, true}}) {
        RangeState r;
        r.state = c.state;
        EXPECT_EQ(r.CanConfirm(), c.confirm) << c.state;
        EXPECT_EQ(r.CanClear(), c.clear) << c.state;
    }
}

TEST(RangeState, MousePressDropsOnlyAnUnconfirmedRange) {
    RangeState r;
    ASSERT_TRUE(r.BeginMarking(1));
    r.MousePressed();
    EXPECT_EQ(r.state, RangeState::None);
    ASSERT_TRUE(r.BeginMarking(1));
    r.MoveTo(3);
    ASSERT_TRUE(r.Confirm());
    r.MousePressed();
    EXPECT_EQ(r.state, RangeState::Confirmed);
    EXPECT_FALSE(r.Confirm());
}

TEST(RangeState, ClearKeepsTheLastRowsAndMenuTextShowsConfirmedRows) {
    RangeState r;
    EXPECT_EQ(r.ConfirmMenuText(), sj("1. 確定"));
    ASSERT_TRUE(r.BeginMarking(2));
    r.MoveTo(6);
    EXPECT_EQ(r.ConfirmMenuText(), sj("1. 確定"));
    ASSERT_TRUE(r.Confirm());
    EXPECT_EQ(r.ConfirmMenuText(), sj("1. 確定 ( 3 ～ 7 )"));
    r.Clear();
    EXPECT_FALSE(r.Active());
    EXPECT_EQ(r.start, 2);
    EXPECT_EQ(r.end, 6);
    EXPECT_FALSE(r.Contains(3));
}

}  // namespace
}  // namespace rekkan

#include "layout_editor/range_state.h"

#include <gtest/gtest.h>

#include <utility>

#include "util/encoding.h"

namespace rekkan {
namespace {

TEST(RangeState, MarkingSpansAnchorAndCurrentRowInEitherDirection) {
    RangeState r;
    ASSERT_TRUE(r.BeginMarking(5));
    EXPECT_EQ(r.state, RangeState::Marking);
    r.MoveTo(8);
    EXPECT_EQ(std::make_pair(r.start, r.end), std::make_pair(5, 8));
    r.MoveTo(2);
    EXPECT_EQ(std::make_pair(r.start, r.end), std::make_pair(2, 5));
    EXPECT_FALSE(r.BeginMarking(9)) << "a range already exists";
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

TEST(RangeState, ButtonsAndMenuTextFollowTheStateAndClearKeepsTheLastRows) {
    RangeState r;
    EXPECT_EQ(std::make_pair(r.CanConfirm(), r.CanClear()), std::make_pair(false, false));
    EXPECT_EQ(r.ConfirmMenuText(), sj("1. 確定"));
    ASSERT_TRUE(r.BeginMarking(2));
    r.MoveTo(6);
    EXPECT_EQ(std::make_pair(r.CanConfirm(), r.CanClear()), std::make_pair(true, false));
    EXPECT_EQ(r.ConfirmMenuText(), sj("1. 確定"));
    ASSERT_TRUE(r.Confirm());
    EXPECT_EQ(std::make_pair(r.CanConfirm(), r.CanClear()), std::make_pair(false, true));
    EXPECT_EQ(r.ConfirmMenuText(), sj("1. 確定 ( 3 ～ 7 )"));
    r.Clear();
    EXPECT_FALSE(r.Active());
    EXPECT_EQ(std::make_pair(r.start, r.end), std::make_pair(2, 6));
    EXPECT_FALSE(r.Contains(3));
}

}  // namespace
}  // namespace rekkan

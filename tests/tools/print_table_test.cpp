#include "tools/print_table.h"

#include <gtest/gtest.h>

#include <tuple>

#include "util/encoding.h"

namespace rekkan {
namespace {

TEST(PrintTable, SplitsItemsIntoPagesRepeatingTheFixedOnes) {
    const struct {
        std::vector<int> sizes;
        int fixed, available;
        std::vector<PageSpan> expected;
    } cases[] = {
        {{10, 10, 10, 10}, 0, 25, {{0, 2}, {2, 4}}},
        {{5, 10, 10, 10}, 1, 25, {{1, 3}, {3, 4}}},       // the fixed item takes room on every page
        {{10, 40, 10}, 0, 25, {{0, 1}, {1, 2}, {2, 3}}},  // too large: a page of its own
        {{10, 10}, 2, 25, {{2, 2}}},                      // only fixed items: one page
        {{}, 0, 25, {{0, 0}}},
        {{10, 10, 10}, 0, 30, {{0, 3}}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitIntoPages(c.sizes, c.fixed, c.available), c.expected);
}

TEST(PrintTable, RowLimitCountsRowsAfterTheFixedOnesAndIsNoted) {
    PrintTable t;
    t.fixedRows = 1;
    t.cells.assign(2002, {"x"});
    t.rowLimit = kRecordPrintRowLimit;
    EXPECT_EQ(std::make_tuple(t.PrintedRowCount(), t.IsCut(), t.CutNote()),
              std::make_tuple(2001, true,
                              sj("※ 行数が多いため、先頭の 2000 行だけを印刷します（全 2001 行、以降は切り捨て）。")));
    t.cells.pop_back();
    EXPECT_EQ(std::make_tuple(t.IsCut(), t.CutNote()), std::make_tuple(false, ""));
    t.rowLimit = 0;
    t.cells.assign(5000, {"x"});
    EXPECT_EQ(t.PrintedRowCount(), 5000);
}

TEST(PrintTable, TextLinesBecomeOneColumnWithALeadingBlank) {
    const PrintTable t = TextLinesTable("ab\r\n\r\nxyz\r\n", "Browse x", 7);
    ASSERT_EQ(t.RowCount(), 3);
    // Cells outside the table are empty.
    EXPECT_EQ((std::vector<std::string_view>{t.Cell(0, 0), t.Cell(1, 0), t.Cell(2, 0), t.Cell(2, 1), t.Cell(3, 0)}),
              (std::vector<std::string_view>{" ab", " ", " xyz", "", ""}));
    EXPECT_EQ(std::make_tuple(t.columnWidths, t.title, t.fixedRows, t.RowHeight(2)),
              std::make_tuple(std::vector<int>{5 * 7}, "Browse x", 0, t.defaultRowHeight));
}

}  // namespace
}  // namespace rekkan

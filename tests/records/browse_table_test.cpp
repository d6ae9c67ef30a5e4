#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "record_test_layouts.h"
#include "records/browse/browse_base.h"
#include "records/browse/browse_choices.h"
#include "records/browse/browse_geometry.h"
#include "records/browse/browse_header.h"
#include "records/browse/browse_row_reader.h"
#include "records/browse/browse_table.h"

namespace rekkan {
namespace {

TEST(BrowseRefill, RowsFollowTheBaseAndRowsPastTheEndStayEmpty) {
    std::vector<std::int64_t> read;
    const RowReader reader = [&](std::int64_t index, BrowseRow& row) {
        read.push_back(index);
        if (index >= 6) return false;  // a file of 6 records
        row.cells = {std::to_string(index + 1)};
        return true;
    };
    const auto shown = [](const BrowseRows& rows) {
        std::string s;
        for (const BrowseRow& r : rows.Rows()) s += (r.cells.empty() ? "-" : r.cells[0]) + " ";
        return s;
    };
    BrowseRows rows;
    EXPECT_EQ(rows.Refill(0, 4, reader), 4);
    // "＋" three times: the rows move up and only the one uncovered record is read each time.
    for (int base = 1; base <= 3; ++base) EXPECT_EQ(rows.Refill(base, 4, reader), 1);
    EXPECT_EQ(shown(rows), "4 5 6 - ");
    EXPECT_EQ(read, (std::vector<std::int64_t>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(rows.Rows()[3].index, -1);
    EXPECT_EQ(rows.Refill(1, 4, reader), 2);  // back by two
    EXPECT_EQ(shown(rows), "2 3 4 5 ");
    EXPECT_EQ(rows.Refill(1, 2, reader), 0);  // a shorter table reads nothing
    EXPECT_EQ(shown(rows), "2 3 ");
    EXPECT_EQ(rows.Refill(2, 3, reader), 3);  // another height and base: every row
    EXPECT_EQ(rows.Refill(2, 5, reader), 2);  // a taller table reads the rows below
    EXPECT_EQ(shown(rows), "3 4 5 6 - ");
    EXPECT_EQ(rows.Refill(7, 5, reader), 5);  // a screen or more away: every row
    rows.Reset();
    EXPECT_EQ(rows.Refill(7, 5, reader), 5);
}

struct BrowseFileFixture : ::testing::Test {
    test::TempDir dir;
    std::vector<TRdbObj> fields;
    TFileInf file;

    void SetUp() override {
        LayoutDocument doc;
        doc.items = test::OrderItems();
        fields = BuildFieldList(doc, HexStart::Script).fields;
        std::string bytes = "HDR";
        for (int i = 0; i < 1001; ++i)
            bytes += test::OrderRecord(i == 1000 ? "pear" : "plum", i % 7, 12, -3, sj("受注"), 9);
        const std::string path = dir.File("orders.dat");
        test::WriteBytes(ToFsPath(path), bytes);
        ASSERT_TRUE(file.OpenDataFile(path, 3, test::kOrderLength, OpenMode::ReadOnly));
    }
};

TEST_F(BrowseFileFixture, RowCellsCarryRecNoPositionFixedItemAndDisplayTexts) {
    BrowseRowReader reader(file, fields, CodecOptions{}, 2);  // fixed item: NAME
    BrowseRow row;
    ASSERT_TRUE(reader.Read(1000, row));
    const std::vector<std::string> want = {"1,001", "19,004", " pear",  // Rec.No, 19 x 1000 + 3 + 1, NAME
                                           "",      "pear  ", "6",     "", "12", "", "-3", sj("受注"), "9"};
    EXPECT_EQ(row.cells, want);
    EXPECT_FALSE(reader.Read(1001, row));
    EXPECT_FALSE(reader.Read(-1, row));
    BrowseRowReader plain(file, fields, CodecOptions{}, 0);
    ASSERT_TRUE(plain.Read(0, row));
    EXPECT_EQ(row.cells[1], "4");
    EXPECT_EQ(row.cells[2], "");
}

TEST_F(BrowseFileFixture, HeaderCellsAndFixedItemChoices) {
    EXPECT_EQ(BrowseItemHeader(2, fields[1]), (std::array<std::string, 4>{" 2", " 1:6", " X", " NAME"}));
    const std::vector<std::string> choices = FixedItemChoices(fields);
    ASSERT_EQ(choices.size(), fields.size() + 1);
    EXPECT_EQ(choices[0], sj("無し"));
    EXPECT_EQ(choices[2], "2. NAME");
    EXPECT_EQ(choices[9], sj("9. CNT"));
}

TEST_F(BrowseFileFixture, TableReadsOnlyTheRowsTheBaseUncovers) {
    BrowseTable table({dir.File("orders.dat"), 3, test::kOrderLength, 5000, "orders.dat", 0}, fields, CodecOptions{});
    ASSERT_TRUE(table.Open());
    EXPECT_EQ(table.Base(), 1000);  // an editor record past the end shows the last one
    const BrowseLabels labels = table.Labels();
    EXPECT_EQ(std::tie(labels.basePosition, labels.records, labels.recordLength, labels.recNoBox, labels.fileName),
              std::tie("4", "1,001", "19", "1,001", " orders.dat"));
    EXPECT_EQ(labels.fileSize, "19,022");
    EXPECT_EQ(table.Refill(3), 3);
    EXPECT_EQ(table.Rows()[0].cells[4], "pear  ");
    EXPECT_TRUE(table.Rows()[1].cells.empty());  // past the end
    EXPECT_FALSE(table.SetBaseFromBox("999").missing);
    EXPECT_EQ(table.Refill(3), 2);  // back by two: two records decoded, one row moved
    EXPECT_EQ(table.Rows()[2].cells[0], "1,001");
    table.SetFixedItem(2);
    EXPECT_EQ(table.Refill(3), 3);  // another fixed item reads every row again
    EXPECT_EQ(table.Rows()[0].cells[2], " plum");
    EXPECT_EQ(table.LeadingRows(2).size(), 2u);

    BrowseTable missing({dir.File("none.dat"), 0, test::kOrderLength, 7, "none.dat", 0}, fields, CodecOptions{});
    EXPECT_FALSE(missing.Open());
    EXPECT_EQ(missing.RecordCount(), 0);
    const BaseChoice choice = missing.SetBaseFromBox("5");
    EXPECT_TRUE(choice.missing);
    EXPECT_EQ(missing.Base(), 0);  // never -1 on a file without records
    EXPECT_EQ(missing.Refill(2), 2);
    EXPECT_TRUE(missing.Rows()[0].cells.empty() && missing.Rows()[1].cells.empty());
}

TEST(BrowseBase, SetBaseNormalisesTheBoxAndStopsAtTheLastRecord) {
    using Want = std::tuple<std::string, std::int64_t, bool>;  // box text, base, missing
    const std::tuple<const char*, std::int64_t, Want> cases[] = {
        {"4", 10, {"4", 3, false}},    {"", 10, {"1", 0, false}},   {"0", 10, {"1", 0, false}},
        {"1,0", 10, {"10", 9, false}}, {"11", 10, {"11", 9, true}}, {"5", 0, {"5", 0, true}},  // empty file: 0
    };
    for (const auto& [box, count, want] : cases) {
        const BaseChoice c = ChooseBase(box, count);
        EXPECT_EQ(Want(c.boxText, c.base, c.missing), want) << box;
    }
    EXPECT_EQ(StepBaseText(" 1", -1), "1");
    EXPECT_EQ(StepBaseText("999", 1), "1,000");
    EXPECT_EQ(StepBaseText("9223372036854775807", 1), "9,223,372,036,854,775,807");
    EXPECT_EQ(BaseMissingMessage("11"),
              "Rec.No [11" + sj("] のレコードは存在しません。\r\n\r\n尚、Rec.No の最小値は  [1]  です。\r\n\r\n"));
}

TEST(BrowseBase, ScrollBarCoversFilesBeyondTheIntRange) {
    const ScrollMap small(1000);
    EXPECT_EQ(std::tuple(small.Maximum(), small.BarOf(437), small.PositionOf(437)), std::tuple(1000, 437, 437L));
    EXPECT_EQ(std::tuple(small.Step(999, 5), small.Step(2, -5)), std::tuple(1000L, 0L));

    const std::int64_t count = 6'000'000'000;  // records of 2 bytes in a 12 GB file
    const ScrollMap big(count);
    const int max = std::numeric_limits<int>::max();
    EXPECT_EQ(std::tuple(big.Maximum(), big.BarOf(0), big.BarOf(count), big.BarOf(count + 5), big.PositionOf(max)),
              std::tuple(max, 0, max, max, count));
    std::int64_t prior = -1;
    for (const int bar : {0, 1, 2, 1'000'000, 1'073'741'823, max - 1, max}) {
        const std::int64_t position = big.PositionOf(bar);
        EXPECT_EQ(big.BarOf(position), bar);
        EXPECT_GT(position, prior);
        prior = position;
    }
    EXPECT_EQ(big.Step(count - 1, 1), count);  // arrows step single records
    EXPECT_EQ(big.Step(count, std::numeric_limits<std::int64_t>::max()), count);
}

TEST(BrowseGeometry, ColumnGrowthFoldingAndRows) {
    const int w = 8;  // (2 + 1.5) x 8; "4 桁" grows to 5 characters at most, a wider column stays; "80 桁"
    EXPECT_EQ(std::tuple(GrownWidth(0, 2, WidthLimitChars(6), w), GrownWidth(0, 100, WidthLimitChars(0), w),
                         GrownWidth(90, 100, WidthLimitChars(0), w), GrownWidth(0, 100, WidthLimitChars(38), w)),
              std::tuple(28, 5 * w, 90, 81 * w));
    EXPECT_EQ(MaxWidthChoiceText(6) + FoldChoiceText(1) + FoldChoiceText(3), sj(" 16 桁 無し 3 行"));
    // A text 3 times its column: " 自動" 1 + round(3) lines, " 3 行" caps it, " 無し" one line.
    const std::vector<FoldCell> cells = {{80, 80}, {240, 80}, {500, 0}};
    EXPECT_EQ(std::tuple(FoldLines(cells, 0), FoldLines(cells, 3), FoldLines(cells, 1), FoldLines({{81, 80}}, 0)),
              std::tuple(4, 3, 1, 2));
    EXPECT_EQ(std::tuple(RowHeight(3, 12, 20), RowHeight(1, 12, 20)), std::tuple(42, 20));  // 3 x 12 + 6
    // round(10) rows less 4 header rows; at least 5 rows.
    EXPECT_EQ(std::tuple(DataRowCount(210, 20, 1), DataRowCount(40, 20, 1)), std::tuple(6, 1));
    EXPECT_EQ(std::tuple(WrapChars(88, 8), WrapChars(8, 8)), std::tuple(10, 1));
    EXPECT_EQ(std::tuple(DrawnLines(20, 9), DrawnLines(21, 9)), std::tuple(1, 2));  // no line ends on the edge
    // Hex: one mark per byte at 100 + round(16 (k + 1) + 3) - 1, every fifth red; BIT: two per byte.
    const std::vector<CellMark> hex = CellMarks(true, 6, 8, 100, 1000);
    ASSERT_EQ(hex.size(), 6u);
    EXPECT_EQ(std::tuple(hex[0], hex[4]), std::tuple(CellMark{118, false}, CellMark{182, true}));
    EXPECT_EQ(std::tuple(CellMarks(false, 3, 8, 0, 1000).size(), CellMarks(true, 1'000'000, 8, 0, 60).size()),
              std::tuple(6u, 3u));
}

TEST(BrowseChoicesStore, SettingsRoundTripAndIndexesOutsideTheBoxes) {
    Settings s;
    std::tie(s.Cmb_Scroll, s.Cmb_BrowseFixedKeta, s.RT_LimColLen, s.RT_Fold, s.RT_FmtChg) = std::tuple(1, 7, 38, 30, 1);
    Settings back;
    BrowseChoices::FromSettings(s).StoreTo(back);
    EXPECT_EQ(FormatSettings(back), FormatSettings(s));
    std::tie(s.Cmb_BrowseFixedKeta, s.RT_LimColLen, s.RT_Fold) = std::tuple(100, 39, -1);
    const BrowseChoices c = BrowseChoices::FromSettings(s);
    EXPECT_EQ(std::tuple(c.fixedWidth, c.maxWidth, c.fold), std::tuple(16, kDefaultMaxWidthIndex, 0));
}

}  // namespace
}  // namespace rekkan

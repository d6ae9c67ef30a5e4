#include <gtest/gtest.h>

#include <limits>

#include "codec/field_codec.h"
#include "record_test_layouts.h"
#include "records/browse/browse_base.h"
#include "records/browse/browse_choices.h"
#include "records/browse/browse_geometry.h"
#include "records/browse/browse_header.h"
#include "records/browse/browse_row_reader.h"

namespace rekkan {
namespace {

TEST(BrowseRefill, ReusesTheRowsOnScreenWhenTheBaseMovesLessThanAScreen) {
    struct Case {
        std::int64_t first, last, base;
        int rows;
        RefillPlan plan;
    };
    const Case cases[] = {
        {kNothingCached, kNothingCached, 0, 5, {0, 0, 5, 0}},  // nothing cached: every row
        {10, 14, 10, 5, {}},                                   // same base: nothing read
        {10, 14, 10, 7, {0, 15, 2, 5}},                        // taller table: the rows below
        {10, 14, 12, 5, {-2, 15, 2, 3}},                       // forward by 2: move up, read 15-16
        {10, 14, 9, 5, {1, 9, 1, 0}},                          // back by 1: move down, read 9
        {10, 14, 15, 5, {0, 15, 5, 0}},                        // a screen forward: every row
        {10, 14, 5, 5, {0, 5, 5, 0}},                          // a screen back: every row
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlanRefill(c.first, c.last, c.base, c.rows), c.plan) << c.first << " " << c.base << " " << c.rows;
    }
}

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
    EXPECT_EQ(shown(rows), "3 4 5 ");
    rows.Reset();
    EXPECT_EQ(rows.Refill(2, 3, reader), 3);
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
    ASSERT_EQ(row.cells.size(), fields.size() + 3);
    EXPECT_EQ(row.cells[0], "1,001");
    EXPECT_EQ(row.cells[1], "19,004");  // 19 x 1000 + 3 + 1
    EXPECT_EQ(row.cells[2], " pear");
    EXPECT_EQ(row.cells[3], "");  // group REC
    EXPECT_EQ(row.cells[4], "pear  ");
    EXPECT_EQ(row.cells[3 + 6], DecodeField(true, file.RecordBuffer(), fields[6], CodecOptions{}).text);
    EXPECT_EQ(row.cells[3 + 6], "-3");
    EXPECT_EQ(row.cells[3 + 7], sj("受注"));
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

TEST(BrowseBase, SetBaseNormalisesTheBoxAndStopsAtTheLastRecord) {
    struct Case {
        const char* box;
        std::int64_t count;
        const char* text;
        std::int64_t base;
        bool missing;
    };
    const Case cases[] = {
        {"4", 10, "4", 3, false},    {"", 10, "1", 0, false},   {"0", 10, "1", 0, false},
        {"1,0", 10, "10", 9, false}, {"11", 10, "11", 9, true}, {"5", 0, "5", 0, true},  // an empty file: 0, not -1
    };
    for (const Case& c : cases) {
        const BaseChoice choice = ChooseBase(c.box, c.count);
        EXPECT_EQ(choice.boxText, c.text) << c.box;
        EXPECT_EQ(choice.base, c.base) << c.box;
        EXPECT_EQ(choice.missing, c.missing) << c.box;
    }
    EXPECT_EQ(StepBaseText(" 1", -1), "1");
    EXPECT_EQ(StepBaseText("999", 1), "1,000");
    EXPECT_EQ(StepBaseText("9223372036854775807", 1), "9,223,372,036,854,775,807");
    EXPECT_EQ(BaseMissingMessage("11"),
              "Rec.No [11" + sj("] のレコードは存在しません。\r\n\r\n尚、Rec.No の最小値は  [1]  です。\r\n\r\n"));
}

TEST(BrowseBase, ScrollBarCoversFilesBeyondTheIntRange) {
    const ScrollMap small(1000);
    EXPECT_EQ(small.Maximum(), 1000);
    EXPECT_EQ(small.BarOf(437), 437);
    EXPECT_EQ(small.PositionOf(437), 437);
    EXPECT_EQ(small.Step(999, 5), 1000);
    EXPECT_EQ(small.Step(2, -5), 0);

    const std::int64_t count = 6'000'000'000;  // a 10 GiB file of 2-byte records is of this order
    const ScrollMap big(count);
    EXPECT_EQ(big.Maximum(), std::numeric_limits<int>::max());
    EXPECT_EQ(big.BarOf(0), 0);
    EXPECT_EQ(big.BarOf(count), big.Maximum());
    EXPECT_EQ(big.PositionOf(big.Maximum()), count);
    EXPECT_EQ(big.BarOf(count + 5), big.Maximum());
    std::int64_t prior = -1;
    for (const int bar : {0, 1, 2, 1'000'000, 1'073'741'823, big.Maximum() - 1, big.Maximum()}) {
        const std::int64_t position = big.PositionOf(bar);
        EXPECT_EQ(big.BarOf(position), bar);
        EXPECT_GT(position, prior);
        prior = position;
    }
    EXPECT_EQ(big.Step(count - 1, 1), count);  // arrows step single records
    EXPECT_EQ(big.Step(count, std::numeric_limits<std::int64_t>::max()), count);
}

TEST(BrowseGeometry, ColumnGrowthFoldingAndRows) {
    const int w = 8;
    EXPECT_EQ(GrownWidth(0, 2, WidthLimitChars(6), w), 28);         // (2 + 1.5) x 8
    EXPECT_EQ(GrownWidth(0, 100, WidthLimitChars(0), w), 5 * w);    // "4 桁": 5 characters at most
    EXPECT_EQ(GrownWidth(90, 100, WidthLimitChars(0), w), 90);      // a wider column stays
    EXPECT_EQ(GrownWidth(0, 100, WidthLimitChars(38), w), 81 * w);  // "80 桁"
    EXPECT_EQ(MaxWidthChoiceText(6), " 16" + sj(" 桁"));
    EXPECT_EQ(FoldChoiceText(1), sj(" 無し"));
    EXPECT_EQ(FoldChoiceText(3), " 3" + sj(" 行"));

    const std::vector<FoldCell> cells = {{80, 80}, {240, 80}, {500, 0}};  // one 3 times its column
    EXPECT_EQ(FoldLines(cells, 0), 4);                                    // " 自動": 1 + round(3)
    EXPECT_EQ(FoldLines(cells, 3), 3);                                    // " 3 行" caps it
    EXPECT_EQ(FoldLines(cells, 1), 1);                                    // " 無し"
    EXPECT_EQ(FoldLines({{81, 80}}, 0), 2);
    EXPECT_EQ(RowHeight(3, 12, 20), 42);  // 3 x 12 + 6
    EXPECT_EQ(RowHeight(1, 12, 20), 20);

    EXPECT_EQ(DataRowCount(210, 20, 1), 6);  // round(10) rows less 4 header rows
    EXPECT_EQ(DataRowCount(40, 20, 1), 1);   // at least 5 rows
    EXPECT_EQ(WrapChars(88, 8), 10);
    EXPECT_EQ(WrapChars(8, 8), 1);
    EXPECT_EQ(DrawnLines(20, 9), 1);  // the second line would end on the bottom edge
    EXPECT_EQ(DrawnLines(21, 9), 2);

    const std::vector<CellMark> hex = CellMarks(true, 6, 8, 100, 1000);
    ASSERT_EQ(hex.size(), 6u);
    EXPECT_EQ(hex[0], (CellMark{118, false}));  // 100 + round(16 + 3) - 1
    EXPECT_EQ(hex[4], (CellMark{182, true}));
    EXPECT_EQ(CellMarks(false, 3, 8, 0, 1000).size(), 6u);  // BIT: two marks per byte
    EXPECT_EQ(CellMarks(true, 1'000'000, 8, 0, 60).size(), 3u);
}

TEST(BrowseChoicesStore, SettingsRoundTripAndIndexesOutsideTheBoxes) {
    Settings s;
    s.Cmb_Scroll = 1;
    s.Cmb_BrowseFixedKeta = 7;
    s.RT_LimColLen = 38;
    s.RT_Fold = 30;
    s.RT_FmtChg = 1;
    BrowseChoices c = BrowseChoices::FromSettings(s);
    EXPECT_EQ(c.scroll, ScrollMode::OnRelease);
    EXPECT_TRUE(c.positionHidden);
    Settings back;
    c.StoreTo(back);
    EXPECT_EQ(FormatSettings(back), FormatSettings(s));

    s.RT_LimColLen = 39;
    s.RT_Fold = -1;
    s.Cmb_BrowseFixedKeta = 100;
    c = BrowseChoices::FromSettings(s);
    EXPECT_EQ(c.maxWidth, kDefaultMaxWidthIndex);
    EXPECT_EQ(c.fold, 0);
    EXPECT_EQ(c.fixedWidth, 16);
    EXPECT_TRUE(RefillsOn(ScrollMode::Follow, false));
    EXPECT_FALSE(RefillsOn(ScrollMode::OnRelease, false));
    EXPECT_TRUE(RefillsOn(ScrollMode::OnRelease, true));
}

}  // namespace
}  // namespace rekkan

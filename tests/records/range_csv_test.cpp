#include "records/range_csv.h"

#include <gtest/gtest.h>

#include "record_test_layouts.h"
#include "util/encoding.h"
#include "util/text.h"

namespace rekkan {
namespace {

/// Runs the writer into a string.
std::string Csv(const RangeCsvRequest& request, RangeCsvResult* result = nullptr) {
    std::string out;
    const RangeCsvResult r = WriteRangeCsv(request, [&](std::string_view b) {
        out.append(b);
        return true;
    });
    if (result) *result = r;
    return out;
}

struct RangeCsvFixture : ::testing::Test {
    test::TempDir dir;
    std::vector<TRdbObj> fields;
    RangeCsvRequest request;

    void SetUp() override {
        LayoutDocument doc;
        doc.items = test::OrderItems();
        fields = BuildFieldList(doc, HexStart::Script).fields;
        ASSERT_FALSE(fields.empty());
        std::string bytes = "HEAD";
        bytes += test::OrderRecord("ab\"c", 5, 12, -3, sj("受注"), 258);
        bytes += test::OrderRecord("x", -7, 0, 999, "AB", 1);
        bytes += test::OrderRecord("short", 1, 1, 1, "", 2).substr(0, 8);  // partial last record
        request.path = dir.File("orders.dat");
        test::WriteBytes(ToFsPath(request.path), bytes);
        request.basePosition = 4;
        request.recordLength = test::kOrderLength;
        request.fields = &fields;
        request.start = 1;
        request.end = 3;
    }
};

// Plain lines leave out groups and end without a comma; every option on; control statements,
// which turn the other options off.
TEST_F(RangeCsvFixture, TheOptionsChooseColumnsAndHeadings) {
    const std::tuple<int, int, RangeCsvOptions, const char*> cases[] = {
        {1, 2, {}, "records/range_plain.csv"},
        {2, 2, {true, true, true, true, false}, "records/range_every_option.csv"},
        {3, 3, {true, true, true, true, true}, "records/range_tofgen.csv"},
    };
    for (const auto& [start, end, options, golden] : cases) {
        request.start = start;
        request.end = end;
        request.options = options;
        test::ExpectGolden(golden, Cp932ToUtf8(Csv(request)));
    }
}

TEST_F(RangeCsvFixture, ALeftOutGroupAsLastDescriptorLeavesATrailingComma) {
    LayoutDocument doc;
    doc.items = MakeRows({{.name = "A", .bytes = 2}, {.name = "G", .type = kGroup}});
    const std::vector<TRdbObj> f = BuildFieldList(doc).fields;
    ASSERT_FALSE(f.empty());
    request.fields = &f;
    request.recordLength = 2;
    request.basePosition = 0;
    request.end = 1;
    request.options.heading = true;
    EXPECT_EQ(Csv(request), "\"A\",\r\n\"HE\",\r\n");
}

TEST_F(RangeCsvFixture, LinesAreCountedAndUnreadableRecordsWriteNothing) {
    RangeCsvResult result;
    request.options.heading = true;
    request.start = 2;
    request.end = 9;  // past the end: only records 2 and 3 exist
    const std::string out = Csv(request, &result);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.lines, 3);
    EXPECT_EQ(SplitLines(out).size(), 3u);

    request.path = dir.File("missing.dat");
    (void)Csv(request, &result);
    EXPECT_FALSE(result.ok);
}

TEST_F(RangeCsvFixture, LargeRangesStreamInPiecesWithFlatMemory) {
    std::string bytes;
    const std::string record = test::OrderRecord("name", 1, 2, 3, "AB", 4);
    for (int i = 0; i < 100000; ++i) bytes += record;
    request.path = dir.File("big.dat");
    request.basePosition = 0;
    test::WriteBytes(ToFsPath(request.path), bytes);
    request.end = 100000;
    std::size_t pieces = 0;
    std::size_t largest = 0;
    std::size_t total = 0;
    const RangeCsvResult result = WriteRangeCsv(request, [&](std::string_view b) {
        ++pieces;
        largest = std::max(largest, b.size());
        total += b.size();
        return true;
    });
    EXPECT_EQ(result.lines, 100000);
    EXPECT_GT(pieces, 1u);
    EXPECT_LT(largest, 2u << 20);
    EXPECT_EQ(total, 100000u * std::string("\"name  \",\"1\",\"2\",\"3\",\"AB\",\"4\"\r\n").size());
}

TEST(RangeCsvRange, ExecuteRules) {
    struct Case {
        const char* start;
        const char* end;
        std::int64_t count;
        std::int64_t wantStart;
        std::int64_t wantEnd;
    };
    const Case cases[] = {
        {"10", "3", 20, 3, 10}, {"1", "1,000", 50, 1, 50}, {"", "", 50, 1, 1},  {"7", "", 50, 7, 7},
        {"0", "0", 50, 1, 1},   {"a2b", "x5", 50, 2, 5},   {"1", "5", 0, 1, 0}, {"3", "99999999999999999999", 9, 3, 9},
    };
    for (const Case& c : cases) {
        std::int64_t s = -1;
        std::int64_t e = -1;
        NormaliseRange(c.start, c.end, c.count, s, e);
        EXPECT_EQ(s, c.wantStart) << c.start << " " << c.end;
        EXPECT_EQ(e, c.wantEnd) << c.start << " " << c.end;
    }
    EXPECT_EQ(InitialEndText(10, 20, 1000000), "30");
    EXPECT_EQ(InitialEndText(999990, 20, 1000000), "1,000,000");
    EXPECT_EQ(
        RangeCsvQuestion("/o.csv", 1000, 2000),
        sj("レコード内容をＣＳＶ形式で\r\n\r\n下記のファイルに出力します。\r\n\r\n     PATH = /o.csv\r\n\r\n     出力 Rec.No = 1,000  ～ 2,000"));
    EXPECT_EQ(DefaultOutputPath(" /d/o.dat ", "/p", RangeCsvNaming()), "/d/o.csv");
    EXPECT_EQ(DefaultOutputPath("", "/home/user/rekkan", RangeCsvNaming()), "/home/user/rekkan/REKKAN.CSV");
}

}  // namespace
}  // namespace rekkan

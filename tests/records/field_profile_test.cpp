#include "records/field_profile.h"

#include <gtest/gtest.h>

#include "record_test_layouts.h"
#include "records/field_profile_report.h"
#include "records/value_tally.h"

namespace rekkan {
namespace {

TEST(FieldProfile, CountsWhatSixOrderRecordsHold) {
    // NAME, QTY, AMOUNT x2, KANJI, CNT (U.BINARY of 4 digits: 10000 is past them).
    std::string data =
        test::OrderRecord("apple", 12, 5, 0, sj("漢字"), 3) + test::OrderRecord("pear", -30, 5, 0, sj("漢字"), 0) +
        test::OrderRecord("apple", 0, 999, 1, "    ", 3) + test::OrderRecord("", 12, 5, 0, sj("漢字"), 10000) +
        test::OrderRecord("fig", 0, 5, 0, sj("漢字"), 3) + test::OrderRecord("apple", 7, 5, 0, "", 9999);
    data.replace(4 * 19 + 6, 3, "   ");  // record 5: blank quantity
    test::TempDir dir;
    test::WriteBytes(dir.Path() / "d.dat", data);
    LayoutDocument doc;
    doc.items = test::OrderItems();
    const RecordFieldList list = BuildFieldList(doc, HexStart::Script);
    ProfileRequest request;
    request.path = dir.File("d.dat");
    request.recordLength = list.recordLength;
    request.fields = &list.fields;
    const ProfileResult r = ProfileFields(request);
    ASSERT_TRUE(r.opened);
    EXPECT_EQ(r.checked, 6);

    const std::string csv = ProfileCsv(r, list.fields);
    const char* const lines[] = {
        R"("No","Name","Pos","Len","Type","Valid","Invalid","Blank","Zero","Minimum","Maximum","Distinct","Most frequent")",
        R"("2","NAME","1","6","X","6","0","1","0","      ","pear  ","4","""apple "" x3, ""pear  "" x1, ""      "" x1, ""fig   "" x1")",
        R"("3","QTY","7","3","S.NUM","5","1","1","1","-30","12","4","""12"" x2, ""-30"" x1, ""0"" x1, ""7"" x1")",
        R"("9","CNT","18","2","U.BINARY","5","1","0","1","0","9999","3","""3"" x3, ""0"" x1, ""9999"" x1")",
    };
    for (const char* line : lines)
        EXPECT_NE(csv.find(std::string(line) + "\n"), std::string::npos) << line << "\n" << csv;
    // KANJI: "    " and the empty text of record 6 are blank.
    EXPECT_EQ(r.fields[4].blank, 2);
}

TEST(FieldProfile, NumbersAreOrderedByValue) {
    const std::tuple<const char*, const char*, int> cases[] = {
        {"-30", "7", -1},     {"12", "7", 1},           {"-0", "0", 0},  {"1.50", "1.5", 0},
        {"-1.25", "-1.3", 1}, {"1.5E+10", "2.0E+9", 1}, {"007", "7", 0},
    };
    for (const auto& [a, b, order] : cases) EXPECT_EQ(CompareNumberText(a, b), order) << a << " " << b;
    EXPECT_TRUE(IsZeroText("-0.00"));
    EXPECT_FALSE(IsZeroText("0.01"));
    EXPECT_FALSE(IsZeroText(""));
}

TEST(ValueTally, ExactUpToItsLimitThenEstimatedWithinTheStatedError) {
    ValueTally small(100);
    for (int i = 0; i < 300; ++i) small.Add(ValueHash(std::to_string(i % 50)), i);
    EXPECT_TRUE(small.Exact());
    EXPECT_EQ(small.Distinct(), 50);
    EXPECT_EQ(small.MostFrequent(1).front().count, 6);

    ValueTally many(100);
    for (int i = 0; i < 200'000; ++i) many.Add(ValueHash(std::to_string(i % 50'000)), i);
    EXPECT_FALSE(many.Exact());
    EXPECT_NEAR(static_cast<double>(many.Distinct()), 50'000.0, 50'000.0 * 3 * ValueTally::kEstimateError);
    // The values met first are still counted exactly.
    EXPECT_EQ(many.MostFrequent(1).front().count, 4);
}

}  // namespace
}  // namespace rekkan

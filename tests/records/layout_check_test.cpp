#include "records/layout_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "record_test_layouts.h"
#include "records/layout_check_report.h"

namespace rekkan {
namespace {

/// Order records of varied content, under EBCDIC signs.
std::string OrderRecords(int count) {
    static const char* const kNames[] = {"apple", "pear", "plum", "fig", "kiwi", "lime", "date"};
    static const std::string kKanji[] = {sj("漢字"), sj("受注"), sj("果物")};
    std::string data;
    for (int i = 0; i < count; ++i)
        data += test::OrderRecord(kNames[i % 7], (i * 37) % 1000 * (i % 3 == 0 ? -1 : 1), i * 7 % 1000, i % 500,
                                  kKanji[i % 3], static_cast<unsigned>(i * 13 % 10000));
    return data;
}

/// Each record with `extra` inserted at its 0-based `at`.
std::string Widened(const std::string& data, std::size_t at, const std::string& extra) {
    std::string out;
    for (std::size_t r = 0; r < data.size(); r += test::kOrderLength)
        out += data.substr(r, at) + extra + data.substr(r + at, test::kOrderLength - at);
    return out;
}

struct Checked {
    LayoutCheck check;
    std::vector<TRdbObj> fields;
    std::string findings;  ///< every finding, one per line
    std::vector<std::string> suggestions;
};

Checked RunCheck(const std::vector<TRspec>& items, const std::string& data) {
    test::TempDir dir;
    LayoutDocument doc;
    doc.items = items;
    const std::string path = dir.File("order.dat");
    test::WriteBytes(dir.Path() / "order.dat", data);
    Checked c;
    RecordFieldList list = BuildFieldList(doc, HexStart::Script);
    c.fields = std::move(list.fields);
    CheckRequest request;
    request.path = path;
    request.recordLength = list.recordLength;
    request.fields = &c.fields;
    c.check = CheckLayout(request);
    for (const std::string& line : CheckFindings(c.check, c.fields, list.recordLength, 0)) c.findings += line + "\n";
    c.suggestions = SuggestLines(c.check);
    return c;
}

TEST(LayoutCheck, NamesTheCauseAndTheCorrectionOfAKnownFault) {
    const std::string good = OrderRecords(300);
    std::vector<TRspec> packedQty = test::OrderItems();
    packedQty[2].TYP = packedQty[2].TYP2 = kSComp3;
    packedQty[2].BYT = 5;  // 3 bytes, as the zoned quantity the records hold
    const std::string highValues(test::kOrderLength, '\xFF');
    struct Case {
        const char* fault;
        std::vector<TRspec> items;
        std::string data;
        const char* finding;     // a line must hold this
        const char* suggestion;  // the first suggest line; "" for none
    };
    const Case cases[] = {
        {"fits", test::OrderItems(), good, "the layout fits every record checked", ""},
        {"2-byte header", test::OrderItems(), "HD" + good, "a 2-byte header? base 3 fits 100.0% against",
         "suggest: length=19 base=3 fit=100.0"},
        {"header record", test::OrderItems(), highValues + good, "the first 1 record does not fit",
         "suggest: length=19 base=20 fit=100.0"},
        {"record 2 bytes longer (line ends)", test::OrderItems(), Widened(good, 19, "\r\n"),
         "records of 21 bytes? length 21 base 1 fits 100.0% against", "suggest: length=21 base=1 fit=100.0"},
        {"layout one byte short", test::OrderItems(), Widened(good, 9, "-"),
         "fields 5 1.AMOUNT to 9 CNT fit 1 byte later (at length 20 base 1)", "suggest: length=20 base=1 fit="},
        {"trailer record", test::OrderItems(), good + highValues,
         "the last 1 record does not fit while the others do: a trailer record? (Rec.No 301;", ""},
        {"field of another type", packedQty, good, "field 3 QTY: 0.0% valid as S.COMP-3; its bytes fit as S.NUM", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        const Checked r = RunCheck(c.items, c.data);
        ASSERT_TRUE(r.check.opened);
        EXPECT_NE(r.findings.find(c.finding), std::string::npos) << r.findings;
        if (*c.suggestion == '\0') {
            EXPECT_TRUE(r.suggestions.empty()) << r.suggestions.front();
        } else {
            ASSERT_FALSE(r.suggestions.empty()) << r.findings;
            EXPECT_EQ(r.suggestions.front().rfind(c.suggestion, 0), 0u) << r.suggestions.front();
        }
    }
}

TEST(LayoutCheck, FieldTableCountsValidRecordsAndKeepsTheFirstInvalidBytes) {
    std::string data = OrderRecords(4);
    data[19 + 6] = ' ';  // record 2: quantity "  " + sign: blank zone
    data[57 + 6] = 'x';  // record 4 as well
    const Checked r = RunCheck(test::OrderItems(), data);
    const auto qty = std::find_if(r.check.fit.fields.begin(), r.check.fit.fields.end(),
                                  [](const FieldFit& f) { return f.field.entry == 2; });
    ASSERT_NE(qty, r.check.fit.fields.end());
    EXPECT_EQ(qty->checked, 4);
    EXPECT_EQ(qty->valid, 2);
    EXPECT_EQ(qty->firstInvalid, 1);
    const std::string table = CheckTableText(r.check, r.fields);
    EXPECT_NE(table.find("50.0%  Rec.No 2: 20F3C7"), std::string::npos) << table;
    // 6 of the 4 x 19 weighed bytes of the records are in the two bad quantities.
    EXPECT_NE(table.find("weighted fit: 92.1% of 4 records checked (of 4)"), std::string::npos) << table;
    EXPECT_NE(r.findings.find("the invalid values are the data's own"), std::string::npos) << r.findings;
    EXPECT_TRUE(r.suggestions.empty());
}

TEST(LayoutCheck, HeatBarShowsWhereTheDataChangesKind) {
    std::string data = OrderRecords(120);
    for (int r = 90; r < 120; ++r) data.replace(static_cast<std::size_t>(r) * 19, 19, std::string(19, '\0'));
    const Checked r = RunCheck(test::OrderItems(), data);
    ASSERT_EQ(r.check.fit.heatChecked.size(), 60u);
    const FieldFit& qty = r.check.fit.fields[1];
    EXPECT_EQ(HeatBar(r.check.fit, qty), std::string(45, '#') + std::string(15, ' '));
    EXPECT_NE(r.findings.find("the last 30 records do not fit"), std::string::npos) << r.findings;
}

TEST(LayoutCheck, ALargeFileIsCountedAsOnePassWould) {
    // Large enough to be judged in parts (on several threads where there are several cores).
    const std::string high(test::kOrderLength, '\xFF');
    std::string data = high + high + OrderRecords(150000) + high;
    data[19 * 120000 + 6] = 'x';  // a bad quantity far into the file
    // Records that do not fit where a half or a third of the file ends.
    for (const std::size_t at : {50000, 75000, 100001}) data.replace(19 * at, 19, high);
    const Checked r = RunCheck(test::OrderItems(), data);
    const LayoutFit& fit = r.check.fit;
    EXPECT_EQ(fit.checked, 150003);
    EXPECT_EQ(fit.fields[1].valid, 150000 - 4);
    EXPECT_EQ(fit.misfits, 6);
    EXPECT_EQ(fit.leadingMisfits, 2);
    EXPECT_EQ(fit.trailingMisfits, 1);
    EXPECT_EQ(fit.lastFitting, 150001);
    EXPECT_EQ(r.check.header.records, 2);
    EXPECT_EQ(r.check.trailer.records, 1);
    std::int64_t heat = 0;
    for (std::uint32_t c : fit.heatChecked) heat += c;
    EXPECT_EQ(heat, fit.checked);
}

TEST(LayoutCheck, PercentIsRoundedDownSoOnlyAFullFitReadsHundred) {
    const std::pair<double, const char*> cases[] = {
        {1.0, "100.0"}, {0.99999, "99.9"}, {0.416, "41.6"}, {0.0, "0.0"}, {0.0005, "0.0"}};
    for (const auto& [share, text] : cases) EXPECT_EQ(PercentText(share), text) << share;
}

}  // namespace
}  // namespace rekkan

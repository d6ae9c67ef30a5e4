#include "tools/redefinition_listing.h"

#include <gtest/gtest.h>

#include "model/row_builder.h"
#include "support/test_support.h"
#include "util/encoding.h"

namespace rekkan {
namespace {

/// A customer record whose name is overlaid by a split name and whose amount by a text.
LayoutDocument Customer() {
    LayoutDocument doc;
    doc.RdfCmt = sj("顧客ファイル");
    doc.items = MakeRows({
        {.name = sj("顧客"), .var = "CUST", .type = kGroup},
        {.level = 2, .name = sj("氏名"), .var = "NAME", .bytes = 10},
        {.level = 2, .name = sj("姓名"), .var = "SPLIT", .type = kGroup, .redefines = sj("氏名")},
        {.level = 3, .name = sj("姓"), .var = "LAST", .bytes = 4},
        {.level = 3, .name = sj("名"), .var = "FIRST", .bytes = 6},
        {.level = 2, .name = sj("金額"), .var = "AMT", .type = kSComp3, .bytes = 5, .repeat = 2},
        {.level = 2, .name = sj("金額文字"), .var = "AMT-X", .bytes = 6, .redefines = "AMT"},
    });
    return doc;
}

ListingOptions Options(bool csv) {
    ListingOptions o;
    o.csv = csv;
    o.indentWidth = 2;
    return o;
}

/// Text of format 1 lists the gathered record with the ordinary positions; the CSV of format 0
/// has no tag rows.
TEST(RedefinitionListing, GatheredRecordInTextAndCsv) {
    const LayoutDocument doc = Customer();
    const TypeNotation types;
    const RedefinitionListing tagged(doc, 1, 3, types);
    EXPECT_EQ(tagged.Source().recordLength, 10 + 3 + 6 + 3);
    test::ExpectGolden("tools/redefinition_listing.txt", Cp932ToUtf8(tagged.Format(Options(false))));
    const RedefinitionListing plain(doc, 0, 3, types);
    ListingOptions o = Options(true);
    o.title = o.prefix = o.indent = o.typ = o.rpt = o.syo = o.bko = o.red = false;
    test::ExpectGolden("tools/redefinition_listing_format0.csv", Cp932ToUtf8(plain.Format(o)));
    EXPECT_EQ(Cp932ToUtf8(plain.ViewDocument().RdfCmt), "再定義項目 顧客ファイル");
}

}  // namespace
}  // namespace rekkan

#include "tools/redefinition_listing.h"

#include <gtest/gtest.h>

#include "model/layout_file.h"
#include "support/test_support.h"
#include "util/encoding.h"
#include "util/scripted_messages.h"

namespace rekkan {
namespace {

/// A customer record whose name is overlaid by a split name and whose amount by a text.
LayoutDocument Customer() {
    LayoutDocument doc;
    ScriptedMessages messages;
    EXPECT_TRUE(
        ReadLayoutFile(doc, (test::DataDir() / "tools" / "customer_redefinitions.kvl").string(), false, messages).ok);
    return doc;
}

ListingOptions Options(bool csv) { return {.csv = csv, .indentWidth = 2}; }

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

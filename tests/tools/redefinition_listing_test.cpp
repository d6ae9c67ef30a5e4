#include "tools/redefinition_listing.h"

#include <gtest/gtest.h>

#include "model/row_builder.h"
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

TEST(RedefinitionListing, TextListsTheGatheredRecordWithOrdinaryPositions) {
    const LayoutDocument doc = Customer();
    const TypeNotation types;
    const RedefinitionListing listing(doc, 1, 3, types);
    EXPECT_EQ(listing.Source().recordLength, 10 + 3 + 6 + 3);
    const std::string expected =
        "ファイル名  ： 再定義項目 顧客ファイル\r\n"
        "レコ－ド長  ： 22 Byte\r\n"
        "Ｐｒｅｆｉｘ： \r\n"
        " \r\n"
        "  SEQ    位置  項目名                                 再定義  型         繰返   桁数   小数 備考\r\n"
        "    1          01 再定義項目-顧客 (RED-CUST)                  Group                         \r\n"
        "    2       1    02 再-氏名 (R-NAME)                          Group                         \r\n"
        "    3              03 再定義元-氏名 (REDEFINES-NAME)          X                    3        \r\n"
        "    4       1      03 姓名 (SPLIT)                            Group                         \r\n"
        "    5       1        04 姓 (LAST)                             X                    4        \r\n"
        "    6       5        04 名 (FIRST)                            X                    6        \r\n"
        "    7      11    02 再-金額 (R-AMT)                           Group                         \r\n"
        "    8              03 再定義元-金額 (REDEFINES-AMT)           X                    3        \r\n"
        "    9      11      03 金額文字 (AMT-X)                        X                    6        \r\n";
    EXPECT_EQ(Cp932ToUtf8(listing.Format(Options(false))), expected);
}

TEST(RedefinitionListing, CsvOfFormatZeroHasNoTagRows) {
    const LayoutDocument doc = Customer();
    const TypeNotation types;
    const RedefinitionListing listing(doc, 0, 3, types);
    ListingOptions o = Options(true);
    o.title = o.prefix = o.indent = o.typ = o.rpt = o.syo = o.bko = o.red = false;
    const std::string expected =
        "\"\"\r\n"
        "\"SEQ\",\"位置\",\"項目名\",\"Variable.Name\",\"桁数\"\r\n"
        "\"1\",\"\",\"01 再定義項目-顧客\",\"RED-CUST\",\"\"\r\n"
        "\"2\",\"1\",\"02 再-氏名\",\"R-NAME\",\"\"\r\n"
        "\"3\",\"1\",\"03 姓名\",\"SPLIT\",\"\"\r\n"
        "\"4\",\"1\",\"04 姓\",\"LAST\",\"4\"\r\n"
        "\"5\",\"5\",\"04 名\",\"FIRST\",\"6\"\r\n"
        "\"6\",\"11\",\"02 再-金額\",\"R-AMT\",\"\"\r\n"
        "\"7\",\"11\",\"03 金額文字\",\"AMT-X\",\"6\"\r\n";
    EXPECT_EQ(Cp932ToUtf8(listing.Format(o)), expected);
    EXPECT_EQ(Cp932ToUtf8(listing.ViewDocument().RdfCmt), "再定義項目 顧客ファイル");
}

}  // namespace
}  // namespace rekkan

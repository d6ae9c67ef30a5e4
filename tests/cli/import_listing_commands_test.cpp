#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_run.h"
#include "cli/command.h"
#include "model/layout_file.h"
#include "support/test_support.h"
#include "util/encoding.h"
#include "util/scripted_messages.h"

namespace rekkan::cli {
namespace {

std::string Source(const char* lang, const char* name) { return (test::DataDir() / "lang" / lang / name).string(); }

/// Reads layout bytes; the reader gives int rows the document's int size.
LayoutDocument ReadLayout(const std::string& bytes, IntSizes sizes = {}) {
    LayoutDocument doc;
    doc.sizes = sizes;
    ScriptedMessages messages;
    EXPECT_TRUE(ReadLayoutText(doc, bytes, messages).ok);
    return doc;
}

TEST(CliImportC, ImportsTheSelectedStructure) {
    test::TempDir dir;
    const std::string out = dir.File("order.kvl");
    // By name, with the LLP64 integer sizes; the array option from the command wins.
    const CliRun r = Cli({"import", "c", Source("c", "orders.h"), "--select", "order", "--array-groups", "no",
                          "--option", "Cmb_Int=1", "-o", out});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    EXPECT_TRUE(r.out.empty());
    const LayoutDocument doc = ReadLayout(test::ReadBytes(std::string_view(out)), {4, 2, 4});
    ASSERT_EQ(doc.Count(), 34);
    EXPECT_EQ(doc.RdfCmt, sj("受注"));
    EXPECT_EQ(doc.PreFix, "OD_");
    EXPECT_EQ(doc.items[22].TYP, kFloat);
    EXPECT_EQ(doc.items[22].RPT, 6);  // float grid[2][3] without the array option
    EXPECT_EQ(doc.items[20].BYT, 4);  // int with Cmb_Int=1
    EXPECT_FALSE(doc.keyLines.empty());

    // By number, to stdout, with the default array option (on).
    const CliRun byNumber = Cli({"import", "c", Source("c", "orders.h"), "--select", "4"});
    ASSERT_EQ(byNumber.code, kExitOk) << byNumber.err;
    EXPECT_EQ(ReadLayout(byNumber.out).Count(), 36);
}

TEST(CliImportVb, ImportsAType) {
    const CliRun list = Cli({"import", "vb", Source("vb", "customer.bas"), "--list", "--utf8"});
    ASSERT_EQ(list.code, kExitOk) << list.err;
    EXPECT_EQ(list.out, "    1. 8 11       ADDRESS          \n    2. 13 24      CUSTOMER         顧客\n");
    const CliRun r = Cli({"import", "vb", Source("vb", "customer.bas"), "--select", "CUSTOMER"});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    const LayoutDocument doc = ReadLayout(r.out);
    ASSERT_EQ(doc.Count(), 16);
    EXPECT_EQ(doc.items[1].KOM, sj("顧客番号"));
    EXPECT_EQ(doc.items[1].TYP, kSLong);
}

TEST(CliListing, TextAndCsvWithOptions) {
    test::TempDir dir;
    const std::string layout = dir.File("date.kvl");
    ASSERT_EQ(Cli({"import", "c", Source("c", "orders.h"), "--select", "DATE", "-o", layout}).code, kExitOk);

    const CliRun text = Cli({"listing", "text", layout, "--option", "Csv_Chk_Prefix=0", "--option", "Cmb_CobIV=0",
                             "--option", "Csv_Chk_Red=0", "--option", "Csv_Chk_Bko=0", "--utf8"});
    ASSERT_EQ(text.code, kExitOk) << text.err;
    // Exact bytes: CP932 with CR LF, whatever --utf8 says (the listing is a file format).
    test::ExpectGolden("cli/date_listing.txt", Cp932ToUtf8(text.out));

    const std::string csvFile = dir.File("date.csv");
    const CliRun csv = Cli({"listing", "csv", layout, "--option", "Csv_Chk_Indent=0", "--option",
                            "Csv_Chk_LvlConnect=0", "--option", "Csv_Chk_Title=0", "-o", csvFile});
    ASSERT_EQ(csv.code, kExitOk) << csv.err;
    test::ExpectGolden("cli/date_listing.csv", Cp932ToUtf8(test::ReadBytes(std::string_view(csvFile))));
}

TEST(CliExport, NamesTheLanguageWouldNotTakeAreListed) {
    const std::string cobolNames = (test::DataDir() / "lang" / "cobol_types.kvl").string();
    for (const char* language : {"c", "vb"}) {
        const CliRun r = Cli({"export", language, cobolNames});
        EXPECT_EQ(r.code, kExitOk) << r.err;
        EXPECT_FALSE(r.out.empty());
        EXPECT_NE(r.err.find(std::string("identifiers: X-ITEM, J-ITEM, SNUM-FRAC, G-A,")), std::string::npos) << r.err;
    }
    const CliRun plain = Cli({"export", "c", (test::DataDir() / "records" / "order.kvl").string()});
    EXPECT_EQ(plain.code, kExitOk);
    EXPECT_TRUE(plain.err.empty()) << plain.err;
}

}  // namespace
}  // namespace rekkan::cli

#include "lang/vb_import.h"

#include <gtest/gtest.h>

#include "import_test_rows.h"

namespace rekkan {
namespace {

std::string ImportVb(std::string_view utf8, bool arrayGroups, std::string_view name = {}) {
    VbImport vb;
    vb.Scan(sj(utf8));
    LayoutDocument doc;
    ImportSession session;
    test::ExtractNamed(vb.C(), name, test::Options(arrayGroups), session, doc);
    return test::RowsSummary(doc.items);
}

/// Member forms the golden source does not hold.
TEST(VbImportTranslation, MemberLines) {
    struct Case {
        const char* vb;
        const char* c;
    };
    const Case cases[] = {
        {"Code As String", "char  Code[1];  // "},
        {"Count%", "signed int  Count%;  // "},
        {"Total&", "signed long  Total&;  // "},
        {"Money@", "currency  Money@;  // "},
        {"Plain", "float  Plain;  // "},
        {"\tKey  As  Object", "object  Key;  // "},
        {"' only a comment", ""},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(Cp932ToUtf8(TranslateVbMember(sj(c.vb))), c.c) << c.vb;
}

TEST(VbImportScan, ListsTypesWithVbLineNumbers) {
    VbImport vb;
    vb.Scan(
        sj("Option Explicit\r\n"
           "Const LEN = 8\r\n"
           "Public Type CUST ' 顧客\r\n"
           "  No As Long ' 番号\r\n"
           "  Name As String * 20\r\n"
           "End Type\r\n"
           "\r\n"
           "Type ORDER\r\n"
           "  Code As String * LEN\r\n"
           "End Type ' 受注\r\n"
           "Type BROKEN\r\n"
           "  X As Integer\r\n"));
    ASSERT_EQ(vb.Structures().size(), 2u);
    EXPECT_EQ(Cp932ToUtf8(vb.Structures()[0].listText), "3 6        CUST             顧客");
    EXPECT_EQ(Cp932ToUtf8(vb.Structures()[1].listText), "8 10       ORDER            受注");
    EXPECT_EQ(Cp932ToUtf8(vb.Translation()),
              "#define LEN 8\r\n"
              "Typedef struct { // 顧客\r\n"
              "signed long  No;  // 番号\r\n"
              "char  Name[20];  // \r\n"
              "} CUST;\r\n"
              "Typedef struct { // 受注\r\n"
              "char  Code[LEN];  // \r\n"
              "} ORDER;\r\n");
    // An unclosed Type is not listed.
    vb.Scan("Sub Main()\r\nEnd Sub\r\nType OPEN\r\nX As Integer\r\n");
    EXPECT_TRUE(vb.Structures().empty());
}

/// Members the golden source does not hold: the % suffix, bounds of every form, "As String"
/// without a length, and a 2-D array of a user type.
TEST(VbImportRows, MembersGiveRows) {
    struct Case {
        const char* source;
        bool arrayGroups;
        const char* structure;
        const char* rows;
    };
    const Case cases[] = {
        {"Type R\nRate!\nCount%\nEnd Type\n", false, "",
         "1 0 1 0 0 Typedef struct {|R\n2 25 1 4 0 Rate!|Rate!\n2 22 1 2 0 Count%|Count%\n"},
        {"Type R\nAmount(9) As Integer\nNames(4) As String * 20\nTbl(1 To 5) As Byte\nCode As String\nEnd Type\n",
         false, "",
         "1 0 1 0 0 Typedef struct {|R\n2 22 10 2 0 Amount|Amount\n2 16 5 20 0 Names|Names\n2 31 5 1 0 Tbl|Tbl\n"
         "2 16 1 1 0 Code|Code\n"},
        {"Type ADDR\nZip As String * 7\nEnd Type\nType CUST\nHome(1, 2) As ADDR\nEnd Type\n", true, "CUST",
         "1 0 1 0 0 Typedef struct {|CUST\n2 0 2 0 0 Home|Home\n3 0 3 0 0 Home|Home\n4 16 1 7 0 Zip|Zip\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(ImportVb(c.source, c.arrayGroups, c.structure), c.rows) << c.source;
}

/// The list, the C translation and every structure's rows of a VB source, with the VB sizes
/// (Integer 2, Long 4 bytes).
TEST(VbImportGolden, SourcesGiveTheirGoldenRows) {
    const int files = test::ExpectGoldenSources(test::DataDir() / "lang" / "vb", ".bas", [](const std::string& source) {
        VbImport vb;
        vb.Scan(source);
        return test::ListText(vb.C()) + "\ntranslation:\n" + Cp932ToUtf8(RemoveAll(vb.Translation(), "\r")) +
               test::StructuresText(vb.C(), {2, 2, 4}, false);
    });
    EXPECT_GE(files, 1);
}

}  // namespace
}  // namespace rekkan

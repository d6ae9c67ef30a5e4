#include "lang/vb_import.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "model/geometry.h"
#include "support/test_support.h"
#include "util/encoding.h"
#include "util/text.h"

namespace rekkan {
namespace {

std::string RowsText(const LayoutDocument& doc) {
    std::string out;
    for (const TRspec& r : doc.items)
        out += std::to_string(r.LVL) + " " + std::to_string(r.TYP) + " " + std::to_string(r.RPT) + " " +
               std::to_string(r.BYT) + " " + Cp932ToUtf8(r.KOM) + "|" + Cp932ToUtf8(r.VNM) + "\n";
    return out;
}

CExtractOptions Options(bool arrayGroups) {
    CExtractOptions o;
    o.arrayGroups = arrayGroups;
    o.sizes = {2, 2, 4};
    return o;
}

std::string ImportVb(std::string_view utf8, bool arrayGroups, std::string_view name = {}) {
    VbImport vb;
    vb.Scan(sj(utf8));
    int index = 0;
    for (std::size_t i = 0; i < vb.Structures().size(); ++i)
        if (vb.Structures()[i].name == name) index = static_cast<int>(i);
    LayoutDocument doc;
    ImportSession session;
    vb.Extract(index, Options(arrayGroups), session, doc);
    return RowsText(doc);
}

TEST(VbImportTranslation, MemberLines) {
    struct Case {
        const char* vb;
        const char* c;
    };
    const Case cases[] = {
        {"No As Long ' 番号", "signed long  No;  // 番号"},
        {"Name As String * 20", "char  Name[20];  // "},
        {"Code As String", "char  Code[1];  // "},
        {"Names(4) As String * 20", "char  Names[4][20];  // "},
        {"Grid(2, 3) As Integer", "signed int  Grid[2][ 3];  // "},
        {"Tbl(1 To 5) As Byte", "Byte  Tbl[1 To 5];  // "},
        {"Rate!", "float  Rate!;  // "},
        {"Count%", "signed int  Count%;  // "},
        {"Total&", "signed long  Total&;  // "},
        {"Money@", "currency  Money@;  // "},
        {"Label$", "char  Label$[1];  // "},
        {"Plain", "float  Plain;  // "},
        {"Data As Variant", "variant  Data;  // "},
        {"Home As ADDR ' 自宅", "ADDR Home;  // 自宅"},
        {"\tKey  As  Object", "object  Key;  // "},
        {"' only a comment", ""},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(Cp932ToUtf8(TranslateVbMember(sj(c.vb))), c.c) << c.vb;
}

TEST(VbImportScan, ListsTypesWithVbLineNumbers) {
    VbImport vb;
    vb.Scan(sj("Option Explicit\r\n"
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
}

struct VbRowsCase {
    const char* title;
    const char* source;
    bool arrayGroups;
    const char* structure;
    const char* rows;
};

class VbImportRows : public ::testing::TestWithParam<VbRowsCase> {};

TEST_P(VbImportRows, GivesRows) {
    const VbRowsCase& c = GetParam();
    EXPECT_EQ(ImportVb(c.source, c.arrayGroups, c.structure), c.rows) << c.title;
}

const VbRowsCase kVbRowsCases[] = {
    {"customer", "Type CUST ' 顧客\nNo As Long ' 番号\nName As String * 20\nEnd Type\n", false, "",
     "1 0 1 0 顧客|CUST\n2 24 1 4 番号|No\n2 16 1 20 Name|Name\n"},
    {"constant as string length", "Const LEN = 8\nType R\nCode As String * LEN\nEnd Type\n", false, "",
     "1 0 1 0 Typedef struct {|R\n2 16 1 8 Code|Code\n"},
    {"suffixes", "Type R\nRate!\nCount%\nEnd Type\n", false, "",
     "1 0 1 0 Typedef struct {|R\n2 25 1 4 Rate!|Rate!\n2 22 1 2 Count%|Count%\n"},
    {"bounds", "Type R\nAmount(9) As Integer\nNames(4) As String * 20\nTbl(1 To 5) As Byte\nCode As String\nEnd Type\n",
     false, "",
     "1 0 1 0 Typedef struct {|R\n2 22 10 2 Amount|Amount\n2 16 5 20 Names|Names\n2 31 5 1 Tbl|Tbl\n"
     "2 16 1 1 Code|Code\n"},
    {"variant", "Type R\nData As Variant\nEnd Type\n", false, "", "1 0 1 0 Typedef struct {|R\n2 28 1 1 Data|Data\n"},
    {"2-D array with the option", "Type R\nGrid(1, 2) As Integer\nEnd Type\n", true, "",
     "1 0 1 0 Typedef struct {|R\n2 0 2 0 Grid|Grid\n3 22 3 2 Grid|Grid\n"},
    {"user type member", "Type ADDR ' 住所\nZip As String * 7\nEnd Type\nType CUST\nHome(1) As ADDR ' 自宅\nEnd Type\n",
     false, "CUST", "1 0 1 0 Typedef struct {|CUST\n2 0 2 0 自宅|Home\n3 16 1 7 Zip|Zip\n"},
    {"user type member, 2-D with the option",
     "Type ADDR\nZip As String * 7\nEnd Type\nType CUST\nHome(1, 2) As ADDR\nEnd Type\n", true, "CUST",
     "1 0 1 0 Typedef struct {|CUST\n2 0 2 0 Home|Home\n3 0 3 0 Home|Home\n4 16 1 7 Zip|Zip\n"},
};

INSTANTIATE_TEST_SUITE_P(Cases, VbImportRows, ::testing::ValuesIn(kVbRowsCases));

TEST(VbImportScan, SourceWithoutTypeListsNothing) {
    VbImport vb;
    vb.Scan("Sub Main()\r\nEnd Sub\r\nType OPEN\r\nX As Integer\r\n");
    EXPECT_TRUE(vb.Structures().empty());
}

/// The list, the C translation and every structure's rows of a VB source (UTF-8), with the
/// VB sizes (Integer 2, Long 4 bytes).
std::string GoldenText(const VbImport& vb) {
    std::string out = "list:\n";
    for (std::size_t i = 0; i < vb.Structures().size(); ++i)
        out += Cp932ToUtf8(StructureListLine(static_cast<int>(i) + 1, vb.Structures()[i])) + "\n";
    out += "\ntranslation:\n" + Cp932ToUtf8(RemoveAll(vb.Translation(), "\r"));
    for (std::size_t i = 0; i < vb.Structures().size(); ++i) {
        for (bool option : {false, true}) {
            LayoutDocument doc;
            ImportSession session;
            vb.Extract(static_cast<int>(i), Options(option), session, doc);
            out += "\n== " + vb.Structures()[i].name + (option ? ", array groups" : "") + " ==\n";
            for (const TRspec& r : doc.items) {
                const std::string label = Trim(TypeInfoOf(r.TYP).standardLabel).substr(1);
                out += PadRight(' ', label, 9) + PadLeft(' ', std::to_string(r.RPT), 4) +
                       PadLeft(' ', std::to_string(r.BYT), 4) + "  " + std::string(2 * (r.LVL - 1), ' ') +
                       Cp932ToUtf8(r.KOM) + " (" + Cp932ToUtf8(r.VNM) + ")\n";
            }
            Geometry g;
            EXPECT_TRUE(g.Run(doc, GeometryForm::Record));
            out += "record length " + std::to_string(doc.recordLength) + "\n";
            for (const std::string& k : session.keyEntries) out += "key " + Cp932ToUtf8(k) + "\n";
        }
    }
    return out;
}

TEST(VbImportGolden, SourcesGiveTheirGoldenRows) {
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(test::DataDir() / "lang" / "vb")) {
        if (e.path().extension() != ".bas") continue;
        ++files;
        VbImport vb;
        vb.Scan(test::ReadBytes(e.path()));
        std::filesystem::path golden = e.path();
        golden.replace_extension(".golden");
        const std::string actual = GoldenText(vb);
        if (std::getenv("REKKAN_UPDATE_GOLDEN"))
            test::WriteBytes(golden, actual);
        else
            EXPECT_EQ(test::ReadBytes(golden), actual) << golden;
    }
    EXPECT_GE(files, 1);
}

}  // namespace
}  // namespace rekkan

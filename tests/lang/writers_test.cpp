#include <gtest/gtest.h>

#include "lang/c_writer.h"
#include "lang/cobol_import.h"
#include "lang/cobol_writer.h"
#include "lang/vb_writer.h"
#include "model/type_catalogue.h"
#include "model/type_notation.h"
#include "tools/key_items.h"
#include "util/encoding.h"
#include "util/text.h"

namespace rekkan {
namespace {

TRspec Row(int lvl, int typ, const std::string& kom, const std::string& vnm, int byt = 0, int syo = 0, int rpt = 1,
           const std::string& red = {}) {
    TRspec r;
    r.LVL = lvl;
    r.TYP = r.TYP2 = typ;
    r.KOM = kom;
    r.VNM = vnm;
    r.BYT = byt;
    r.SYO = syo;
    r.RPT = rpt;
    r.RED = red;
    return r;
}

/// A layout with its geometry, ready for the writers.
struct Prepared {
    LayoutDocument doc;
    Geometry geometry;
    explicit Prepared(std::vector<TRspec> rows, std::string comment = "TEST") {
        doc.items = std::move(rows);
        doc.RdfCmt = std::move(comment);
        EXPECT_TRUE(geometry.Run(doc, GeometryForm::Record));
    }
    [[nodiscard]] LanguageOutputInput In(const KeyItems* keys = nullptr) const { return {doc, geometry, keys}; }
};

std::vector<std::string> Lines(const std::string& text) { return SplitLines(text); }

CobolOutputOptions SpecExampleOptions() {
    CobolOutputOptions o;
    o.levelStart = 0;  // 1
    o.levelStep = 0;   // 1
    o.indent = 0;      // 1 blank
    o.picColumn = 22;  // column 30
    o.comments = 0;
    return o;
}

TEST(CobolWriter, CustomerRecordColumns) {
    const Prepared p({Row(1, kGroup, "CUST", "CUST"), Row(2, kUNum, "NO", "NO", 5), Row(2, kSComp3, "AMT", "AMT", 7, 2)});
    const auto lines = Lines(WriteCobolText(p.In(), SpecExampleOptions()));
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "000100" + std::string(66, '*'));
    EXPECT_EQ(lines[2], "000300*  TEST  10 Byte" + std::string(72 - 22, ' ') + "*");
    EXPECT_EQ(lines[5], "000600 01 CUST.");
    EXPECT_EQ(lines[6], "000700  02 NO" + std::string(29 - 13, ' ') + "PIC 9(5).");
    EXPECT_EQ(lines[7], "000800  02 AMT" + std::string(29 - 14, ' ') + "PIC S9(7)V9(2) COMP-3.");

    CobolOutputOptions packed = SpecExampleOptions();
    packed.packed = 1;
    EXPECT_EQ(Lines(WriteCobolText(p.In(), packed))[7], "000800  02 AMT" + std::string(15, ' ') + "PIC S9(7)V9(2) PACKED-DECIMAL.");
    EXPECT_TRUE(WriteCobolText(p.In(), packed).find("\r\n") != std::string::npos);
}

TEST(CobolWriter, LevelNumbersFollowStartAndIncrement) {
    EXPECT_EQ(CobolLevelNumber(1, 1, 5), "01");
    EXPECT_EQ(CobolLevelNumber(2, 1, 5), "06");
    EXPECT_EQ(CobolLevelNumber(3, 1, 5), "11");
    EXPECT_EQ(CobolLevelNumber(15, 20, 20), "00");  // 300: the last two digits
    EXPECT_EQ(CobolLevelNumber(-98, 1, 1), "02");     // never fewer than two characters
    Settings s;
    s.Cmb_CobPP = 900;
    s.Cmb_CobCR = -4;
    const CobolOutputOptions o = CobolOutputOptions::FromSettings(s);
    EXPECT_EQ(o.picColumn, 39);
    EXPECT_EQ(o.blankLines, 0);
}

TEST(CobolWriter, LongNamePutsPicOnNextLine) {
    const Prepared p({Row(1, kGroup, "R", "R"), Row(2, kX, "N", "A-VERY-LONG-VARIABLE-NAME-INDEED", 3)});
    const auto lines = Lines(WriteCobolText(p.In(), SpecExampleOptions()));
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[6], "000700  02 A-VERY-LONG-VARIABLE-NAME-INDEED");
    EXPECT_EQ(lines[7], "000800" + std::string(29 - 6, ' ') + "PIC X(3).");
}

TEST(CobolWriter, PictureClausesByType) {
    struct Case {
        TRspec row;
        const char* clause;
    };
    const Case cases[] = {
        {Row(2, kJ, "J", "J", 4), "PIC N(4)."},
        {Row(2, kBit, "B", "B", 8), "PIC 1(8) BIT."},
        {Row(2, kSBinary, "B", "B", 4), "PIC S9(4) BINARY."},
        {Row(2, kUComp, "B", "B", 4), "PIC 9(4) COMP."},
        {Row(2, kSComp5, "B", "B", 9), "PIC S9(9) COMP-5."},
        {Row(2, kSComp1, "B", "B", 4), "PIC S9(4) COMP-1."},
        {Row(2, kSNum, "B", "B", 0, 2), "PIC SV9(2)."},
        {Row(2, kString, "B", "B", 12), "PIC String(12)."},
        {Row(2, kSInt, "B", "B", 2), "PIC S_Integer."},
        {Row(2, kDword, "B", "B", 4), "PIC DWORD."},
    };
    for (const Case& c : cases) {
        const Prepared p({Row(1, kGroup, "R", "R"), c.row});
        const std::string last = Lines(WriteCobolText(p.In(), SpecExampleOptions())).back();
        EXPECT_EQ(Trim(last.substr(28)), c.clause) << c.clause;
    }
    CobolOutputOptions o = SpecExampleOptions();
    o.japanese = 1;
    o.comp12WithoutPic = 1;
    const Prepared p({Row(1, kGroup, "R", "R"), Row(2, kJ, "J", "J", 4), Row(2, kSComp2, "F", "F", 8)});
    const auto lines = Lines(WriteCobolText(p.In(), o));
    EXPECT_EQ(Trim(lines[6].substr(28)), "PIC G(4) DISPLAY-1.");
    EXPECT_EQ(Trim(lines[7].substr(28)), "COMP-2.");
}

TEST(CobolWriter, CommentLinesRedefinesAndOccurs) {
    const Prepared p({Row(1, kGroup, sj("顧客"), "CUST"), Row(2, kX, sj("番号"), "NO", 4, 0, 3),
                      Row(2, kUNum, sj("数字"), "NUM", 4, 0, 1, sj("番号"))});
    CobolOutputOptions o = SpecExampleOptions();
    o.comments = 1;
    o.blankLines = 1;
    const auto lines = Lines(WriteCobolText(p.In(), o));
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[5], "000600*   " + sj("顧客") + " ");
    EXPECT_EQ(lines[8], "000900*    " + sj("番号") + " ");
    EXPECT_EQ(lines[9], "001000  02 NO  OCCURS 3      PIC X(4).");
    EXPECT_EQ(lines[12], "001300  02 NUM REDEFINES NO  PIC 9(4).");
    EXPECT_EQ(lines[13], "001400*");
}

TEST(CWriter, DeclarationsAndGroups) {
    const Prepared p({Row(1, kGroup, "REC", "REC"), Row(2, kSNum, "AMT", "AMT", 5, 0, 3), Row(2, kGroup, "G", "G", 0, 0, 2),
                      Row(3, kSShort, "S", "S", 2), Row(2, kFloat, "F", "F", 4)});
    const std::string text = WriteCText(p.In());
    const auto lines = Lines(text);
    EXPECT_EQ(lines[0], "  /*" + std::string(72, '-') + "*/");
    EXPECT_EQ(lines[1], "  " + FillTo("/*   TEST  23 Byte", 74) + "*/");
    EXPECT_NE(text.find("char   AMT [3][5];"), std::string::npos);
    // Declaration width: indented "AMT" (5) + "char  " (6) + 5 + 1 + 1 + 4 = 22.
    const auto line = [](const std::string& decl, const std::string& name) {
        return "  " + FillTo(decl, 21) + "/* " + FillTo(name, 6) + " */";
    };
    EXPECT_EQ(lines[4], line("struct {  ", "REC "));
    EXPECT_EQ(lines[5], line("  char   AMT [3][5];", "  AMT "));
    EXPECT_EQ(lines[7], line("    short  S;", "    S "));
    EXPECT_EQ(lines[8], line("  } G[2];", ""));
    EXPECT_EQ(lines[9], " ");
    EXPECT_EQ(lines[10], line("  float  F;", "  F "));
    EXPECT_EQ(lines[11], line("} REC;", ""));
    EXPECT_EQ(lines[12], " ");
}

TEST(VbWriter, NestedTypeWrittenFirst) {
    const Prepared p({Row(1, kGroup, "REC", "rec"), Row(2, kX, "A", "A", 3), Row(2, kGroup, "IN", "inner", 0, 0, 2),
                      Row(3, kSLong, "L", "L", 4), Row(2, kSInt, "I", "I", 2)});
    const auto lines = Lines(WriteVbText(p.In()));
    EXPECT_EQ(lines[0], "  '" + std::string(75, '-'));
    ASSERT_GE(lines.size(), 14u);
    EXPECT_EQ(lines[4].substr(0, 16), "  Type T003_INNE");
    EXPECT_EQ(Trim(lines[5].substr(0, lines[5].find('\''))), "L       As Long");
    EXPECT_EQ(lines[6], "  End Type");
    EXPECT_EQ(lines[8].substr(0, 16), "  Type T001_REC ");
    EXPECT_NE(lines[9].find("As String * 3"), std::string::npos);
    EXPECT_NE(lines[10].find("inner(1)"), std::string::npos);
    EXPECT_NE(lines[10].find("As T003_INNER"), std::string::npos);
    EXPECT_NE(lines[11].find("As Integer"), std::string::npos);
}

TEST(LanguageOutput, KeyMarkAndPrefixOnItemNames) {
    Prepared p({Row(1, kGroup, "REC", "REC"), Row(2, kX, "A", "A", 3), Row(2, kX, "B", "B", 5)});
    p.doc.PreFix = "CU_";
    const TypeNotation types;
    KeyItems keys(types);
    keys.LoadFromImport({sj("001.002<可>(降順):2")}, p.doc, p.geometry);
    EXPECT_EQ(OutputItemName(p.In(&keys), 0), "REC Prefix(CU_) ");
    EXPECT_EQ(OutputItemName(p.In(&keys), 1), "A ");
    EXPECT_EQ(OutputItemName(p.In(&keys), 2), "B #1.1d-");
}

TEST(CobolWriter, EditorTextImportsBackToTheSameLayout) {
    std::vector<TRspec> rows = {
        Row(1, kGroup, sj("顧客レコード"), "CUST-REC"), Row(2, kUNum, sj("顧客番号"), "CUST-NO", 5),
        Row(2, kX, sj("氏名"), "NAME", 20),           Row(2, kJ, sj("住所"), "ADDR", 10),
        Row(2, kSComp3, sj("金額"), "AMT", 7, 2),      Row(2, kSNum, sj("数量"), "QTY", 0, 3),
        Row(2, kGroup, sj("明細"), "DTL", 0, 0, 3),    Row(3, kSBinary, sj("件数"), "CNT", 4),
        Row(3, kUComp5, sj("識別"), "IDN", 9),         Row(3, kBit, sj("フラグ"), "FLG", 8),
        Row(2, kSComp1, sj("率"), "RATE", 4),          Row(2, kUComp, sj("番号2"), "NO2", 4, 1),
        Row(2, kX, sj("別名"), "ALIAS", 5, 0, 1, sj("金額")),
    };
    rows[1].BKO = sj("備考のテキスト");
    Prepared p(rows, sj("顧客"));
    p.doc.PreFix = "CU_";
    const std::string text = WriteCobolEditorText(p.In(), CobolOutputOptions{});
    CobolImportOptions o = CobolImportOptions::FromSettings(Settings{}, true);
    o.sameStructure = true;
    const CobolScan scan = ScanCobolText(text, o);
    ASSERT_EQ(scan.structures.size(), 1u);
    LayoutDocument back;
    ImportSession session;
    session.editorMode = true;
    ASSERT_EQ(ExtractCobolRecord(scan, 0, o, session, back), static_cast<int>(rows.size()));
    EXPECT_EQ(back.PreFix, "CU_");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const TRspec& a = rows[i];
        const TRspec& b = back.items[i];
        EXPECT_EQ(b.LVL, a.LVL) << i;
        EXPECT_EQ(b.TYP, a.TYP) << i;
        EXPECT_EQ(b.BYT, a.BYT) << i;
        EXPECT_EQ(b.SYO, a.SYO) << i;
        EXPECT_EQ(b.RPT, a.RPT) << i;
        EXPECT_EQ(b.KOM, a.KOM) << i;
        EXPECT_EQ(b.VNM, a.VNM) << i;
        EXPECT_EQ(b.RED, a.RED) << i;
        EXPECT_EQ(b.BKO, a.BKO) << i;
    }
}

}  // namespace
}  // namespace rekkan

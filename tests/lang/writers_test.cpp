#include <gtest/gtest.h>

#include <tuple>

#include "lang/cobol_import.h"
#include "lang/cobol_writer.h"
#include "lang/vb_writer.h"
#include "model/key_items.h"
#include "model/type_catalogue.h"
#include "model/type_notation.h"
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
        geometry = MeasureLayout(doc);
        EXPECT_TRUE(geometry.Ok());
    }
    [[nodiscard]] LanguageOutputInput In(const KeyItems* keys = nullptr) const { return {doc, geometry, keys}; }
};

std::vector<std::string> Lines(const std::string& text) { return SplitLines(text); }

CobolOutputOptions PlainOptions() {
    CobolOutputOptions o;
    o.levelStart = 0;  // 1
    o.levelStep = 0;   // 1
    o.indent = 0;      // 1 blank
    o.picColumn = 22;  // column 30
    o.comments = 0;
    return o;
}

TEST(CobolWriter, ColumnsAndALongNamePuttingPicOnTheNextLine) {
    const Prepared p({Row(1, kGroup, "CUST", "CUST"), Row(2, kUNum, "NO", "NO", 5), Row(2, kSComp3, "AMT", "AMT", 7, 2),
                      Row(2, kX, "N", "A-VERY-LONG-VARIABLE-NAME-INDEED", 3)});
    const auto lines = Lines(WriteCobolText(p.In(), PlainOptions()));
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], "000100" + std::string(66, '*'));
    EXPECT_EQ(lines[2], "000300*  TEST  13 Byte" + std::string(72 - 22, ' ') + "*");
    EXPECT_EQ(lines[5], "000600 01 CUST.");
    EXPECT_EQ(lines[6], "000700  02 NO" + std::string(29 - 13, ' ') + "PIC 9(5).");
    EXPECT_EQ(lines[7], "000800  02 AMT" + std::string(29 - 14, ' ') + "PIC S9(7)V9(2) COMP-3.");
    EXPECT_EQ(lines[8], "000900  02 A-VERY-LONG-VARIABLE-NAME-INDEED");
    EXPECT_EQ(lines[9], "001000" + std::string(29 - 6, ' ') + "PIC X(3).");
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

/// Clauses the golden outputs do not hold.
TEST(CobolWriter, PictureClausesByType) {
    const auto clauses = [](const std::vector<TRspec>& rows, const CobolOutputOptions& o) {
        const Prepared p(rows);
        const auto lines = Lines(WriteCobolText(p.In(), o));
        std::string out;  // the clauses of the items after "01 R."
        for (std::size_t i = 6; i < lines.size(); ++i) out += Trim(lines[i].substr(28)) + "\n";
        return out;
    };
    EXPECT_EQ(clauses({Row(1, kGroup, "R", "R"), Row(2, kBit, "B", "B", 8), Row(2, kSComp1, "F", "F", 4)},
                      PlainOptions()),
              "PIC 1(8) BIT.\nPIC S9(4) COMP-1.\n");
    CobolOutputOptions o = PlainOptions();
    o.comp12WithoutPic = 1;
    EXPECT_EQ(clauses({Row(1, kGroup, "R", "R"), Row(2, kSComp1, "F", "F", 4), Row(2, kSComp2, "D", "D", 8)}, o),
              "COMP-1.\nCOMP-2.\n");
}

/// A redefinition holds the item name of its target; the output gives the target's data name.
TEST(CobolWriter, RedefinesNamesTheTargetsDataName) {
    const Prepared p({Row(1, kGroup, "R", "R"), Row(2, kX, sj("番号"), "NO", 4),
                      Row(2, kUNum, sj("数字"), "NUM", 4, 0, 1, sj("番号"))});
    EXPECT_EQ(Lines(WriteCobolText(p.In(), PlainOptions())).back(), "000800  02 NUM REDEFINES NO  PIC 9(4).");
}

TEST(VbWriter, GroupTypeNameUpperCasesSingleByteLettersOnly) {
    // The trail byte of Ｂ (0x82 0x61) is a lower-case 'a' to a byte-wise upper-casing.
    const Prepared p({Row(1, kGroup, "G", "cust" + sj("Ｂ")), Row(2, kGroup, "H", sj("ＺＢ") + "x"), Row(3, kX, "N", "n", 3)});
    const std::string text = WriteVbText(p.In());
    EXPECT_NE(text.find("Type T001_CUST" + sj("Ｂ") + " "), std::string::npos);
    EXPECT_NE(text.find("Type T002_" + sj("ＺＢ") + "X "), std::string::npos);
}

TEST(LanguageOutput, ProposedFileNames) {
    EXPECT_EQ(DefaultOutputPath("/home/u/cust.kvl", "/opt/r/", LanguageOutputNaming(OutputLanguage::C)), "/home/u/cust.h");
    EXPECT_EQ(DefaultOutputPath("/home/u/cust.kvl", "/opt/r/", LanguageOutputNaming(OutputLanguage::Vb)), "/home/u/cust.vb");
    EXPECT_EQ(DefaultOutputPath("/home/u/cust.kvl", "/opt/r/", LanguageOutputNaming(OutputLanguage::Cobol)), "/home/u/CUST.COB");
    EXPECT_EQ(DefaultOutputPath("", "/opt/r/", LanguageOutputNaming(OutputLanguage::C)), "/opt/r/MORVANE.H");
    EXPECT_EQ(DefaultOutputPath("", "/opt/r/", LanguageOutputNaming(OutputLanguage::Vb)), "/opt/r/MORVANE.VB");
    EXPECT_EQ(DefaultOutputPath("", "/opt/r/", LanguageOutputNaming(OutputLanguage::Cobol)), "/opt/r/MORVANE.COB");
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
        Row(1, kGroup, sj("顧客レコード"), "CUST-REC"), Row(2, kUNum, sj("顧客番号"), "CUST-NO", 5, 2),
        Row(2, kX, sj("氏名"), "NAME", 20),           Row(2, kJ, sj("住所"), "ADDR", 10),
        Row(2, kSComp3, sj("金額"), "AMT", 7, 2),      Row(2, kSNum, sj("数量"), "QTY", 0, 3),
        Row(2, kUComp3, "UPACK", "UPACK", 5),          Row(2, kUBinary, "UBIN", "UBIN", 4),
        Row(2, kGroup, sj("明細"), "DTL", 0, 0, 3),    Row(3, kSBinary, sj("件数"), "CNT", 4),
        Row(3, kUComp5, sj("識別"), "IDN", 9),         Row(3, kBit, sj("フラグ"), "FLG", 8),
        Row(3, kGroup, "SUB", "SUB", 0, 0, 2),         Row(4, kSComp5, "SC5", "SC5", 18),
        Row(4, kSComp, "SC", "SC", 3),                 Row(2, kSComp1, sj("率"), "RATE", 4),
        Row(2, kUComp, sj("番号2"), "NO2", 4, 1),      Row(2, kX, sj("別名"), "ALIAS", 5, 0, 1, sj("金額")),
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
        EXPECT_EQ(std::tie(b.LVL, b.TYP, b.BYT, b.SYO, b.RPT, b.KOM, b.VNM, b.RED, b.BKO),
                  std::tie(a.LVL, a.TYP, a.BYT, a.SYO, a.RPT, a.KOM, a.VNM, a.RED, a.BKO))
            << i;
    }
}

}  // namespace
}  // namespace rekkan

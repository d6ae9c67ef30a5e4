#include <gtest/gtest.h>

#include "lang/cobol_import.h"
#include "lang/cobol_writer.h"
#include "lang/vb_writer.h"
#include "model/key_items.h"
#include "model/layout_file.h"
#include "model/row_builder.h"
#include "model/type_catalogue.h"
#include "model/type_notation.h"
#include "support/row_summary.h"
#include "support/test_support.h"
#include "util/encoding.h"
#include "util/scripted_messages.h"
#include "util/text.h"

namespace rekkan {
namespace {

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

/// No comment lines, PIC at column 30, one blank of indent per level, levels 01, 02, ...
CobolOutputOptions PlainOptions() {
    return {.comments = 0, .picColumn = 22, .indent = 0, .levelStart = 0, .levelStep = 0};
}

/// Plain options (sequence numbers, levels 01 02, PIC at column 30, no comments): a long data name
/// puts PIC on the next line; BIT, COMP-1 and COMP-2 with a PIC and without one; a redefinition
/// holds its target's item name and the output gives the target's data name.
TEST(CobolWriter, PlainOutputGivesItsGoldenText) {
    const Prepared p(
        MakeRows({{.name = "CUST", .type = kGroup},
                  {.level = 2, .name = "NO", .type = kUNum, .bytes = 5},
                  {.level = 2, .name = "AMT", .type = kSComp3, .bytes = 7, .decimals = 2},
                  {.level = 2, .name = "N", .var = "A-VERY-LONG-VARIABLE-NAME-INDEED", .bytes = 3},
                  {.level = 2, .name = "B", .type = kBit, .bytes = 8},
                  {.level = 2, .name = "F", .type = kSComp1, .bytes = 4},
                  {.level = 2, .name = "D", .type = kSComp2, .bytes = 8},
                  {.level = 2, .name = sj("番号"), .var = "NB", .bytes = 4},
                  {.level = 2, .name = sj("数字"), .var = "NUM", .type = kUNum, .bytes = 4, .redefines = sj("番号")}}));
    CobolOutputOptions o = PlainOptions();
    test::ExpectGolden("lang/writers/plain.cob", WriteCobolText(p.In(), o));
    o.comp12WithoutPic = 1;
    test::ExpectGolden("lang/writers/plain_comp12.cob", WriteCobolText(p.In(), o));
}

TEST(CobolWriter, LevelNumbersFollowStartAndIncrement) {
    // 15 x 20 = 300 gives its last two digits; a number has never fewer than two characters.
    EXPECT_EQ((std::vector<std::string>{CobolLevelNumber(1, 1, 5), CobolLevelNumber(2, 1, 5), CobolLevelNumber(3, 1, 5),
                                        CobolLevelNumber(15, 20, 20), CobolLevelNumber(-98, 1, 1)}),
              (std::vector<std::string>{"01", "06", "11", "00", "02"}));
    Settings s;
    s.Cmb_CobPP = 900;
    s.Cmb_CobCR = -4;
    const CobolOutputOptions o = CobolOutputOptions::FromSettings(s);
    EXPECT_EQ(std::make_pair(o.picColumn, o.blankLines), std::make_pair(39, 0));
}

TEST(VbWriter, GroupTypeNameUpperCasesSingleByteLettersOnly) {
    // The trail byte of Ｂ (0x82 0x61) is a lower-case 'a' to a byte-wise upper-casing.
    const Prepared p(MakeRows({{.name = "G", .var = "cust" + sj("Ｂ"), .type = kGroup},
                               {.level = 2, .name = "H", .var = sj("ＺＢ") + "x", .type = kGroup},
                               {.level = 3, .name = "N", .var = "n", .bytes = 3}}));
    const std::string text = WriteVbText(p.In());
    EXPECT_NE(text.find("Type T001_CUST" + sj("Ｂ") + " "), std::string::npos);
    EXPECT_NE(text.find("Type T002_" + sj("ＺＢ") + "X "), std::string::npos);
}

TEST(LanguageOutput, ProposedFileNames) {
    std::string proposed;
    for (const char* layout : {"/home/u/cust.kvl", ""})
        for (OutputLanguage l : {OutputLanguage::C, OutputLanguage::Vb, OutputLanguage::Cobol})
            proposed += DefaultOutputPath(layout, "/opt/r/", LanguageOutputNaming(l)) + " ";
    EXPECT_EQ(proposed,
              "/home/u/cust.h /home/u/cust.vb /home/u/CUST.COB /opt/r/MORVANE.H /opt/r/MORVANE.VB "
              "/opt/r/MORVANE.COB ");
}

TEST(LanguageOutput, KeyMarkAndPrefixOnItemNames) {
    Prepared p(MakeRows({{.name = "REC", .type = kGroup},
                         {.level = 2, .name = "A", .bytes = 3},
                         {.level = 2, .name = "B", .bytes = 5}}));
    p.doc.PreFix = "CU_";
    const TypeNotation types;
    KeyItems keys(types);
    keys.LoadFromImport({sj("001.002<可>(降順):2")}, p.doc, p.geometry);
    EXPECT_EQ(
        OutputItemName(p.In(&keys), 0) + "|" + OutputItemName(p.In(&keys), 1) + "|" + OutputItemName(p.In(&keys), 2),
        "REC Prefix(CU_) |A |B #1.1d-");
}

/// editor_round_trip.kvl holds every COBOL type, remarks, a redefinition, a comment and a prefix.
TEST(CobolWriter, EditorTextImportsBackToTheSameLayout) {
    LayoutDocument layout;
    ScriptedMessages messages;
    ASSERT_TRUE(
        ReadLayoutFile(layout, (test::DataDir() / "lang" / "editor_round_trip.kvl").string(), false, messages).ok);
    const std::vector<TRspec>& rows = layout.items;
    Prepared p(rows, layout.RdfCmt);
    p.doc.PreFix = layout.PreFix;
    const std::string text = WriteCobolEditorText(p.In(), CobolOutputOptions{});
    CobolImportOptions o = CobolImportOptions::FromSettings(Settings{}, true);
    o.sameStructure = true;
    const CobolScan scan = ScanCobolText(text, o);
    ASSERT_EQ(scan.structures.size(), 1u);
    LayoutDocument back;
    ImportSession session;
    session.editorMode = true;
    ASSERT_EQ(ExtractCobolRecord(scan, 0, o, session, back), static_cast<int>(rows.size()));
    EXPECT_EQ(back.PreFix + "\n" + test::RowsSummary(back.items), "CU_\n" + test::RowsSummary(rows));
}

}  // namespace
}  // namespace rekkan

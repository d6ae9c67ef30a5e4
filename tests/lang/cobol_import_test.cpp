#include "lang/cobol_import.h"

#include <gtest/gtest.h>

#include "model/geometry.h"
#include "model/type_catalogue.h"
#include "support/row_summary.h"
#include "util/encoding.h"

namespace rekkan {
namespace {

/// Options without sequence area or column limits, so that sources can be written freely.
CobolImportOptions FreeForm() {
    CobolImportOptions o;
    o.sequenceWidth = 0;
    o.validColumns = 0;
    o.commentValidColumns = 0;
    return o;
}

struct Imported {
    CobolScan scan;
    LayoutDocument doc;
    ImportSession session;
    int rows = 0;
};

Imported Import(const std::string& utf8Source, const CobolImportOptions& options = FreeForm(), int index = 0) {
    Imported r;
    r.scan = ScanCobolText(sj(utf8Source), options);
    r.session.sameStructure = options.sameStructure;
    r.session.editorMode = options.editorMode;
    r.rows = ExtractCobolRecord(r.scan, index, options, r.session, r.doc);
    return r;
}

std::string Rows(const Imported& r) { return test::RowsSummary(r.doc.items); }

TEST(CobolImport, LevelRankingFollowsNesting) {
    struct Case {
        std::vector<int> levels;
        std::vector<int> ranks;
    };
    const Case cases[] = {
        {{1, 5, 10, 10, 5}, {1, 2, 3, 3, 2}},
        {{1, 2, 3, 3, 2}, {1, 2, 3, 3, 2}},
        {{1, 3, 5, 7, 3}, {1, 2, 3, 4, 2}},
        {{1, 5, 10, 1, 10}, {1, 2, 3, 1, 2}},
        {{5, 10, 1}, {1, 2, 1}},  // a lower level later starts a record of its own
    };
    for (const Case& c : cases) {
        LevelRanker ranker;
        std::vector<int> got;
        for (int level : c.levels) got.push_back(ranker.Rank(level));
        EXPECT_EQ(got, c.ranks);
    }
}

TEST(CobolImport, PictureClassification) {
    struct Case {
        const char* entry;
        PicClass expected;
        bool comp12WithoutPic = false;
        bool editorMode = false;
    };
    const Case cases[] = {
        {"02 A PIC 9(3).99;", {kX, 6, 0}},
        {"02 A PIC G(10) DISPLAY-1;", {kJ, 10, 0}},
        {"02 A PIC 1(8);", {kBit, 8, 0}},
        {"02 A PIC 9(8) BIT;", {kBit, 8, 0}},
        {"02 A PIC 9(9) COMP-5;", {kUComp5, 9, 0}},
        {"02 A PIC S9(7)V99 USAGE IS PACKED-DECIMAL;", {kSComp3, 7, 2}},
        {"02 A PIC X(4) COMP-3;", {kX, 4, 0}},
        {"02 A PIC IS X(5);", {kX, 5, 0}},
        {"02 A PICTURE IS S9(3)V9(4);", {kSNum, 3, 4}},
        {"02 A PIC 9(4) COMP;", {kUComp, 4, 0}},
        {"02 A PIC S9(4) COMPUTATIONAL;", {kSComp, 4, 0}},
        {"02 A PIC S9(4) COMP-4;", {kSBinary, 4, 0}},
        {"02 A PIC 9(9) COMPUTATIONAL-4;", {kUBinary, 9, 0}},
        {"02 A PIC 9(5)CR;", {kX, 7, 0}},
        {"02 A PIC ZZ,ZZ9.99DB;", {kX, 11, 0}},
        {"02 A PIC 9(5) VALUE 12.", {kUNum, 5, 0}},
        {"02 A PIC S9(4) COMP-1;", {kSComp1, 4, 0}},
        {"02 A;", {kGroup, 0, 0}},
        {"02 F COMP-1;", {kGroup, 0, 0}},
        {"02 F COMP-1;", {kSComp1, 4, 0}, true},
        {"02 X1 COMP-2;", {kSComp2, 8, 0}, true},
        {"02 A PIC SV9(3);", {kSNum, 0, 3}},
        {"02 A PIC S9(5)V99 SIGN LEADING SEPARATE;", {kX, 8, 0}},
        {"02 A PIC S9(5) SIGN IS TRAILING;", {kSNum, 5, 0}},
        // Type names of the editor text; outside editor mode they are ordinary (edited) pictures.
        {"02 A PIC String(20);", {kString, 20, 0}, false, true},
        {"02 A PIC U_Char;", {kUChar, 0, 0}, false, true},
        {"02 A PIC DWORD;", {kDword, 0, 0}, false, true},
        {"02 A PIC Date8;", {kDate8, 0, 0}, false, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassifyPicture(c.entry, c.comp12WithoutPic, c.editorMode), c.expected) << c.entry;
    EXPECT_EQ(ClassifyPicture("02 A PIC DWORD;", false, false).type, kX);
}

/// Sources in free form and the rows they give.
TEST(CobolImportRows, EntriesGiveRows) {
    struct Case {
        const char* title;
        const char* source;
        const char* rows;
    };
    const Case cases[] = {
        {"data name left out and FILLER", "01 R.\n05 PIC X(5).\n05 FILLER PIC X(2).\n05  SPACED    PIC X.\n",
         "1 0 1 0 0 R|R\n2 1 1 5 0 FILLER|FILLER\n2 1 1 2 0 FILLER|FILLER\n2 1 1 1 0 SPACED|SPACED\n"},
        {"OCCURS, also with DEPENDING ON (the longest form)",
         "01 R.\n05 T OCCURS 3 TIMES.\n10 E PIC X(2) OCCURS 4.\n05 D OCCURS 1 TO 10 TIMES DEPENDING ON N PIC X.\n",
         "1 0 1 0 0 R|R\n2 0 3 0 0 T|T\n3 1 4 2 0 E|E\n2 1 10 1 0 D|D\n"},
        {"condition names, 66 and 77 entries are skipped whole",
         "01 R.\n05 A PIC 9(2).\n88 A-OK VALUE 1 2\n   3 4\n   5.\n05 B PIC X.\n88 B-DOT VALUE '.'\n   'X.Y'.\n"
         "05 C PIC 9V9(6).\n88 RATE VALUE .029999\n   THRU .5.\n77 STANDALONE PIC X.\n66 ALIAS RENAMES A THRU B.\n"
         "05 D PIC X.\n",
         "1 0 1 0 0 R|R\n2 3 1 2 0 A|A\n2 1 1 1 0 B|B\n2 3 1 1 6 C|C\n2 1 1 1 0 D|D\n"},
        {"digits continuing an entry start no new one",
         "01 R.\n05 A PIC 9(5) VALUE\n 12345.\n05 B PIC\n 9(3).\n05 C OCCURS\n 4 TIMES PIC X.\n"
         "05 D PIC X(3) VALUE\n 'A'.\n05 E PIC X.\n",
         "1 0 1 0 0 R|R\n2 3 1 5 0 A|A\n2 3 1 3 0 B|B\n2 1 4 1 0 C|C\n2 1 1 3 0 D|D\n2 1 1 1 0 E|E\n"},
        {"level number alone on its line", "01\n  R.\n05\n  1ST-FIELD\n  PIC X(4).\n05 B PIC 9.\n",
         "1 0 1 0 0 R|R\n2 1 1 4 0 1ST-FIELD|1ST-FIELD\n2 3 1 1 0 B|B\n"},
        {"unclosed last entry", "01 R.\n05 A PIC X.\n05 B PIC X\n", "1 0 1 0 0 R|R\n2 1 1 1 0 A|A\n"},
        {"PROCEDURE DIVISION ends the data", "01 R.\n05 A PIC X.\nPROCEDURE DIVISION.\n05 B PIC X.\n",
         "1 0 1 0 0 R|R\n2 1 1 1 0 A|A\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(Rows(Import(c.source)), c.rows) << c.title;
    // Binary items take 2, 4 or 8 bytes by their digits (1-4, 5-9, 10-18): S99 COMP-5 is 2.
    EXPECT_EQ(MeasureLayout(Import("01 R.\n05 A PIC S99 COMP-5.\n05 B PIC S9(5) COMP-5.\n").doc).recordLength, 6);
    // A variable record is reported; a fixed one is not.
    EXPECT_EQ(Import("01 R.\n05 N PIC 9.\n05 D OCCURS 1 TO 4 DEPENDING ON N PIC X.\n").session.notes.size(), 1u);
    EXPECT_TRUE(Import("01 R.\n05 D OCCURS 4 PIC X.\n").session.notes.empty());
    // A code line that is no part of an entry is reported with its line number.
    const Imported skipped = Import("01 R.\n05 A PIC X.\nEJECT\n05 B PIC X.\n");
    ASSERT_EQ(skipped.session.notes.size(), 1u);
    EXPECT_EQ(skipped.session.notes[0].line, 3);
    EXPECT_EQ(skipped.session.notes[0].text, "EJECT");
    // An entry without its period is closed by the next level line and keeps its own name;
    // a comment line read while it was open names the next entry.
    EXPECT_EQ(Rows(Import("01 R.\n05 A PIC X\n05 B PIC X.\n")), "1 0 1 0 0 R|R\n2 1 1 1 0 A|A\n2 1 1 1 0 B|B\n");
    EXPECT_EQ(Rows(Import("01 R.\n*名前A\n05 A PIC X\n*名前B\n05 B PIC X.\n")),
              "1 0 1 0 0 R|R\n2 1 1 1 0 名前A|A\n2 1 1 1 0 名前B|B\n");
}

/// Gathered mode: nested redefinitions get heads of their own in the RED- record and are
/// left out of the record itself (the golden copybook holds a single redefinition).
TEST(CobolImportRows, NestedRedefinitionsGathered) {
    CobolImportOptions o = FreeForm();
    o.sameStructure = false;
    const std::string src =
        "01 R.\n05 A PIC X(6).\n05 B REDEFINES A.\n10 B1 PIC X(2).\n10 B2 REDEFINES B1 PIC 9(2).\n10 B3 PIC X(4).\n"
        "05 C PIC X.\n";
    const Imported record = Import(src, o, 0);
    ASSERT_EQ(record.scan.structures.size(), 2u);
    EXPECT_EQ(record.scan.structures[1].name, "RED-R");
    EXPECT_EQ(Rows(record), "1 0 1 0 0 R|R\n2 1 1 6 0 A|A\n2 1 1 1 0 C|C\n");
    EXPECT_EQ(Rows(Import(src, o, 1)),
              "1 0 1 0 0 再定義項目 R|RED-R\n2 0 1 0 0 再-A|R-A\n3 0 1 0 0 B|B\n4 1 1 2 0 B1|B1\n4 1 1 4 0 B3|B3\n"
              "2 0 1 0 0 再-B1|R-B1\n3 3 1 2 0 B2|B2\n");
}

TEST(CobolImport, SourceFormOptions) {
    CobolImportOptions o = FreeForm();
    o.ignoredChars = "\\-";
    // "ソ" is 0x83 0x5C in CP932: its second byte is the ignored backslash.
    EXPECT_EQ(Rows(Import("01 R.\n* ソート\n05 A PIC X.\n", o)), "1 0 1 0 0 R|R\n2 1 1 1 0 ソート|A\n");
    o = FreeForm();
    o.inlineMarker = "*>";
    EXPECT_EQ(Rows(Import("01 R.\n05 A PIC X. *> note\n", o)), "1 0 1 0 0 R|R\n2 1 1 1 0 note|A\n");
    // The defaults: a sequence area of 6 and 72 valid columns.
    std::string line = "000200     05 FIELD-A PIC X(3).";
    line += std::string(72 - line.size(), ' ') + "GARBAGE!";
    EXPECT_EQ(Rows(Import("000100 01 REC.\r\n" + line + "\r\n", CobolImportOptions{})),
              "1 0 1 0 0 REC|REC\n2 1 1 3 0 FIELD-A|FIELD-A\n");
}

TEST(CobolImport, KeyMarksAndPrefixAreTakenOut) {
    CobolImportOptions o = FreeForm();
    o.ignoredChars = "-+*=/%_";  // neither a descending mark nor the prefix loses a byte
    const Imported r = Import("01 R.\n* 顧客 Prefix(CU_)\n05 A PIC X.\n* 顧客番号 #1.2d-#2.1\n05 B PIC 9.\n", o);
    EXPECT_EQ(test::RowsSummary(r.doc.items), "1 0 1 0 0 R|R\n2 1 1 1 0 顧客|A\n2 3 1 1 0 顧客番号|B\n");
    EXPECT_EQ(r.doc.PreFix, "CU_");
    EXPECT_EQ(r.session.keyEntries, (std::vector<std::string>{sj("001.002<可>(降順):2"), sj("002.001<不>(昇順):2")}));
}

TEST(CobolImport, ListTextsShowSourceLines) {
    const Imported r = Import("01 FIRST-REC.\n05 A PIC X.\n\n01 SECOND-REC.\n05 B PIC X.\n");
    ASSERT_EQ(r.scan.structures.size(), 2u);
    EXPECT_EQ(r.scan.structures[0].listText, "1 3        FIRST-REC              FIRST-REC");
    EXPECT_EQ(r.scan.structures[1].listText, "4 5        SECOND-REC             SECOND-REC");
    EXPECT_EQ(r.doc.RdfCmt, "FIRST-REC");
}

TEST(CobolImport, RowsStopAtTheEditableLineCount) {
    std::string src = "01 R.\n";
    for (int i = 0; i < 30; ++i) src += "05 F" + std::to_string(i) + " PIC X.\n";
    Imported r;
    r.scan = ScanCobolText(src, FreeForm());
    r.doc.editableLineCount = 10;
    EXPECT_EQ(ExtractCobolRecord(r.scan, 0, FreeForm(), r.session, r.doc), 10);
    EXPECT_EQ(r.doc.Count(), 10);
}

TEST(CobolImport, MalformedSourcesListNothingOrStop) {
    const char* sources[] = {
        "", "\x1a", "no entries here", "01", "01 .", "99999999999999 X.", "01 A. 05 (((((", "88 X VALUE 1"};
    for (const char* s : sources) EXPECT_LE(Import(s).rows, 1) << s;
}

}  // namespace
}  // namespace rekkan

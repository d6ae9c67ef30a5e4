#include <gtest/gtest.h>

#include "lang/cobol_import.h"
#include "model/type_catalogue.h"
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

TEST(CobolImport, ThreeEntriesGiveGroupXAndPacked) {
    const Imported r = Import("01 A.\n05 B PIC X(10).\n05 C PIC S9(5)V99 COMP-3.\n");
    ASSERT_EQ(r.rows, 3);
    EXPECT_EQ(r.doc.items[0].LVL, 1);
    EXPECT_EQ(r.doc.items[0].TYP, kGroup);
    EXPECT_EQ(r.doc.items[1].LVL, 2);
    EXPECT_EQ(r.doc.items[1].TYP, kX);
    EXPECT_EQ(r.doc.items[1].BYT, 10);
    EXPECT_EQ(r.doc.items[2].TYP, kSComp3);
    EXPECT_EQ(r.doc.items[2].BYT, 5);
    EXPECT_EQ(r.doc.items[2].SYO, 2);
    EXPECT_EQ(r.doc.RdfCmt, "A");
}

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
    };
    const Case cases[] = {
        {"02 A PIC 9(3).99;", {kX, 6, 0}},
        {"02 A PIC ZZ9;", {kX, 3, 0}},
        {"02 A PIC N(10);", {kJ, 10, 0}},
        {"02 A PIC G(10) DISPLAY-1;", {kJ, 10, 0}},
        {"02 A PIC 1(8);", {kBit, 8, 0}},
        {"02 A PIC 9(8) BIT;", {kBit, 8, 0}},
        {"02 A PIC S9(4) BINARY;", {kSBinary, 4, 0}},
        {"02 A PIC 9(9) COMP-5;", {kUComp5, 9, 0}},
        {"02 A PIC S9(7)V99 USAGE IS PACKED-DECIMAL;", {kSComp3, 7, 2}},
        {"02 A PIC X(4) COMP-3;", {kX, 4, 0}},
        {"02 A PIC IS X(5);", {kX, 5, 0}},
        {"02 A PICTURE IS S9(3)V9(4);", {kSNum, 3, 4}},
        {"02 A PIC 9(4) COMP;", {kUComp, 4, 0}},
        {"02 A PIC S9(4) COMPUTATIONAL;", {kSComp, 4, 0}},
        {"02 A PIC S9(4) COMP-4;", {kSBinary, 4, 0}},
        {"02 A PIC 9(9) COMPUTATIONAL-4;", {kUBinary, 9, 0}},
        {"02 A PIC $$,$$9.99;", {kX, 9, 0}},
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
    };
    for (const Case& c : cases) EXPECT_EQ(ClassifyPicture(c.entry, c.comp12WithoutPic, false), c.expected) << c.entry;
}

TEST(CobolImport, EditorModeTypeNames) {
    EXPECT_EQ(ClassifyPicture("02 A PIC String(20);", false, true), (PicClass{kString, 20, 0}));
    EXPECT_EQ(ClassifyPicture("02 A PIC U_Char;", false, true), (PicClass{kUChar, 0, 0}));
    EXPECT_EQ(ClassifyPicture("02 A PIC DWORD;", false, true), (PicClass{kDword, 0, 0}));
    EXPECT_EQ(ClassifyPicture("02 A PIC Date8;", false, true), (PicClass{kDate8, 0, 0}));
    // Outside editor mode these names are ordinary (edited) pictures.
    EXPECT_EQ(ClassifyPicture("02 A PIC DWORD;", false, false).type, kX);
}

TEST(CobolImport, DataNameAndFiller) {
    const Imported r = Import("01 R.\n05 PIC X(5).\n05 FILLER PIC X(2).\n05  SPACED    PIC X.\n");
    ASSERT_EQ(r.rows, 4);
    EXPECT_EQ(r.doc.items[1].VNM, "FILLER");
    EXPECT_EQ(r.doc.items[1].BYT, 5);
    EXPECT_EQ(r.doc.items[2].VNM, "FILLER");
    EXPECT_EQ(r.doc.items[3].VNM, "SPACED");
}

TEST(CobolImport, OccursGivesRepeat) {
    const Imported r = Import(
        "01 R.\n05 T OCCURS 3 TIMES.\n10 E PIC X(2) OCCURS 4.\n05 D OCCURS 1 TO 10 TIMES DEPENDING ON N PIC X.\n");
    ASSERT_EQ(r.rows, 4);
    EXPECT_EQ(r.doc.items[1].RPT, 3);
    EXPECT_EQ(r.doc.items[2].RPT, 4);
    EXPECT_EQ(r.doc.items[2].LVL, 3);
    EXPECT_EQ(r.doc.items[3].RPT, 1);
}

TEST(CobolImport, GatheredModeListsRedefinitionsApart) {
    CobolImportOptions o = FreeForm();
    o.sameStructure = false;
    const std::string src = "01 R.\n05 A PIC X(4).\n05 B REDEFINES A PIC 9(4).\n";
    const Imported first = Import(src, o, 0);
    ASSERT_EQ(first.scan.structures.size(), 2u);
    EXPECT_EQ(first.scan.structures[0].name, "R");
    EXPECT_EQ(first.scan.structures[1].name, "RED-R");
    ASSERT_EQ(first.rows, 2);
    EXPECT_EQ(first.doc.items[1].VNM, "A");

    const Imported second = Import(src, o, 1);
    ASSERT_EQ(second.rows, 3);
    EXPECT_EQ(second.doc.items[0].VNM, "RED-R");
    EXPECT_EQ(second.doc.items[0].KOM, sj("再定義項目 R"));
    EXPECT_EQ(second.doc.items[1].VNM, "R-A");
    EXPECT_EQ(second.doc.items[1].LVL, 2);
    EXPECT_EQ(second.doc.items[1].KOM, sj("再-A"));
    EXPECT_EQ(second.doc.items[2].VNM, "B");
    EXPECT_EQ(second.doc.items[2].LVL, 3);
    EXPECT_EQ(second.doc.items[2].TYP, kUNum);
    EXPECT_TRUE(second.doc.items[2].RED.empty());
}

TEST(CobolImport, GatheredModeNestedRedefinitionsGetOwnHeads) {
    CobolImportOptions o = FreeForm();
    o.sameStructure = false;
    const Imported r = Import(
        "01 R.\n05 A PIC X(6).\n05 B REDEFINES A.\n10 B1 PIC X(2).\n10 B2 REDEFINES B1 PIC 9(2).\n10 B3 PIC X(4).\n05 C PIC X.\n",
        o, 0);
    ASSERT_EQ(r.scan.structures.size(), 2u);
    ASSERT_EQ(r.rows, 3);  // R, A, C: the redefining subtree is left out
    EXPECT_EQ(r.doc.items[2].VNM, "C");

    LayoutDocument doc;
    ImportSession session;
    session.sameStructure = false;
    ASSERT_EQ(ExtractCobolRecord(r.scan, 1, o, session, doc), 7);
    const char* names[] = {"RED-R", "R-A", "B", "B1", "B3", "R-B1", "B2"};
    const int levels[] = {1, 2, 3, 4, 4, 2, 3};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(doc.items[i].VNM, names[i]) << i;
        EXPECT_EQ(doc.items[i].LVL, levels[i]) << i;
    }
}

TEST(CobolImport, SameStructureModeKeepsRedefinesWithItemName) {
    const Imported r = Import("01 R.\n* 項目A\n05 A PIC X(4).\n05 B REDEFINES A PIC 9(4).\n");
    ASSERT_EQ(r.scan.structures.size(), 1u);
    ASSERT_EQ(r.rows, 3);
    EXPECT_EQ(r.doc.items[1].KOM, sj("項目A"));
    EXPECT_EQ(r.doc.items[2].RED, sj("項目A"));
}

TEST(CobolImport, CommentLinesNameTheNextItem) {
    CobolImportOptions o = FreeForm();
    const Imported r = Import(
        "01 R.\n* 顧客番号\n05 CUST-NO PIC 9(5).\n* 名前\n*------\n05 NAME PIC X(5).\n* 備考→要確認\n05 X PIC X.\n", o);
    ASSERT_EQ(r.rows, 4);
    EXPECT_EQ(r.doc.items[1].KOM, sj("顧客番号"));
    EXPECT_EQ(r.doc.items[2].KOM, sj("名前"));
    EXPECT_EQ(r.doc.items[3].BKO, sj("要確認"));
    EXPECT_EQ(r.doc.items[3].KOM, "X");
}

TEST(CobolImport, DoubleByteCharactersSurviveIgnoredCharacters) {
    CobolImportOptions o = FreeForm();
    o.ignoredChars = "\\-";
    // "ソ" is 0x83 0x5C in CP932: its second byte is the ignored backslash.
    const Imported r = Import("01 R.\n* ソート\n05 A PIC X.\n", o);
    ASSERT_EQ(r.rows, 2);
    EXPECT_EQ(r.doc.items[1].KOM, sj("ソート"));
}

TEST(CobolImport, SequenceAreaAndValidColumns) {
    CobolImportOptions o;  // sequence 6, valid 72
    std::string line1 = "000100 01 REC.";
    std::string line2 = "000200     05 FIELD-A PIC X(3).";
    line2 += std::string(72 - line2.size(), ' ') + "GARBAGE!";
    const Imported r = Import(line1 + "\r\n" + line2 + "\r\n", o);
    ASSERT_EQ(r.rows, 2);
    EXPECT_EQ(r.doc.items[1].VNM, "FIELD-A");
    EXPECT_EQ(r.doc.items[1].BYT, 3);
}

TEST(CobolImport, InlineCommentMarker) {
    CobolImportOptions o = FreeForm();
    o.inlineMarker = "*>";
    const Imported r = Import("01 R.\n05 A PIC X. *> note\n", o);
    ASSERT_EQ(r.rows, 2);
    EXPECT_EQ(r.doc.items[1].KOM, "note");
    EXPECT_EQ(r.doc.items[1].TYP, kX);
}

TEST(CobolImport, ConditionNamesAreSkippedWhole) {
    const Imported r = Import(
        "01 R.\n05 A PIC 9(2).\n88 A-OK VALUE 1 2\n   3 4\n   5.\n05 B PIC X.\n"
        "88 B-DOT VALUE '.'\n   'X.Y'.\n05 C PIC 9V9(6).\n88 RATE VALUE .029999\n   THRU .5.\n"
        "77 STANDALONE PIC X.\n66 ALIAS RENAMES A THRU B.\n05 D PIC X.\n");
    ASSERT_EQ(r.rows, 5);
    EXPECT_EQ(r.doc.items[2].VNM, "B");
    EXPECT_EQ(r.doc.items[3].VNM, "C");
    EXPECT_EQ(r.doc.items[4].VNM, "D");
    for (const TRspec& row : r.doc.items) EXPECT_LE(row.LVL, 2);
}

TEST(CobolImport, DigitsContinuingAnEntryStartNoNewOne) {
    const Imported r = Import(
        "01 R.\n05 A PIC 9(5) VALUE\n 12345.\n05 B PIC\n 9(3).\n05 C OCCURS\n 4 TIMES PIC X.\n"
        "05 D PIC X(3) VALUE\n 'A'.\n05 E PIC X.\n");
    ASSERT_EQ(r.rows, 6);
    EXPECT_EQ(r.doc.items[1].TYP, kUNum);
    EXPECT_EQ(r.doc.items[2].BYT, 3);
    EXPECT_EQ(r.doc.items[3].RPT, 4);
    EXPECT_EQ(r.doc.items[4].VNM, "D");
    // An entry without its period is still closed by the next level line without VALUE.
    const Imported open = Import("01 R.\n05 A PIC X\n05 B PIC X.\n");
    ASSERT_EQ(open.rows, 3);
    EXPECT_EQ(open.doc.items[2].VNM, "B");
}

TEST(CobolImport, LevelNumberAloneOnItsLine) {
    const Imported r = Import("01\n  R.\n05\n  1ST-FIELD\n  PIC X(4).\n05 B PIC 9.\n");
    ASSERT_EQ(r.rows, 3);
    EXPECT_EQ(r.doc.items[0].VNM, "R");
    EXPECT_EQ(r.doc.items[1].VNM, "1ST-FIELD");
    EXPECT_EQ(r.doc.items[1].BYT, 4);
    EXPECT_EQ(r.doc.items[2].LVL, 2);
}

TEST(CobolImport, UnclosedLastEntryAndProcedureDivision) {
    const Imported open = Import("01 R.\n05 A PIC X.\n05 B PIC X\n");
    EXPECT_EQ(open.rows, 2);
    const Imported stopped = Import("01 R.\n05 A PIC X.\nPROCEDURE DIVISION.\n05 B PIC X.\n");
    EXPECT_EQ(stopped.rows, 2);
}

TEST(CobolImport, KeyMarksAndPrefixAreTakenOut) {
    CobolImportOptions o = FreeForm();
    o.ignoredChars = "-+*=/%_";  // neither a descending mark nor the prefix loses a byte
    const Imported r = Import("01 R.\n* 顧客 Prefix(CU_)\n05 A PIC X.\n* 顧客番号 #1.2d-#2.1\n05 B PIC 9.\n", o);
    ASSERT_EQ(r.rows, 3);
    EXPECT_EQ(r.doc.PreFix, "CU_");
    EXPECT_EQ(r.doc.items[1].KOM, sj("顧客"));
    EXPECT_EQ(r.doc.items[2].KOM, sj("顧客番号"));
    ASSERT_EQ(r.session.keyEntries.size(), 2u);
    EXPECT_EQ(r.session.keyEntries[0], sj("001.002<可>(降順):2"));
    EXPECT_EQ(r.session.keyEntries[1], sj("002.001<不>(昇順):2"));
}

TEST(CobolImport, ListTextsShowSourceLines) {
    const Imported r = Import("01 FIRST-REC.\n05 A PIC X.\n\n01 SECOND-REC.\n05 B PIC X.\n");
    ASSERT_EQ(r.scan.structures.size(), 2u);
    EXPECT_EQ(r.scan.structures[0].listText, "1 3        FIRST-REC              FIRST-REC");
    EXPECT_EQ(r.scan.structures[1].listText, "4 5        SECOND-REC             SECOND-REC");
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
    const char* sources[] = {"", "\x1a", "no entries here", "01", "01 .", "99999999999999 X.", "01 A. 05 (((((", "88 X VALUE 1"};
    for (const char* s : sources) {
        const Imported r = Import(s);
        EXPECT_LE(r.rows, 1) << s;
    }
}

}  // namespace
}  // namespace rekkan

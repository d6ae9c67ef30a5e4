#include "lang/cobol_import.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "import_test_rows.h"

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

std::string Rows(const std::vector<TRspec>& rows) { return test::RowsSummary(rows); }
std::string Rows(const Imported& r) { return Rows(r.doc.items); }

/// Each entry of pictures.txt classified as it stands, with COMP-1 and COMP-2 taken without a
/// PIC, and in editor mode (where the type names of the editor text are read).
TEST(CobolImport, PictureClassification) {
    std::string out;
    for (const std::string& entry : SplitLines(test::ReadBytes(test::DataDir() / "lang" / "pictures.txt"))) {
        if (entry.empty()) continue;
        out += entry;
        for (const auto& [comp12, editor] : {std::pair{false, false}, {true, false}, {false, true}}) {
            const PicClass c = ClassifyPicture(entry, comp12, editor);
            out += " | " + Trim(Trim(TypeInfoOf(c.type).standardLabel).substr(1)) + " " + std::to_string(c.digits) +
                   " " + std::to_string(c.decimals);
        }
        out += "\n";
    }
    EXPECT_GE(std::count(out.begin(), out.end(), '\n'), 20);
    test::ExpectGolden("lang/pictures.golden", out);
}

/// The list and each record's rows, length, layout comment, prefix, keys and notes of a
/// free-form source, with redefinitions kept in place and gathered into RED- records (UTF-8).
std::string RecordsText(const std::string& source) {
    std::string out;
    for (bool inPlace : {true, false}) {
        CobolImportOptions o = FreeForm();
        o.sameStructure = inPlace;
        const CobolScan scan = ScanCobolText(source, o);
        for (std::size_t i = 0; i < scan.structures.size(); ++i) {
            LayoutDocument doc;
            ImportSession session;
            session.sameStructure = inPlace;
            ExtractCobolRecord(scan, static_cast<int>(i), o, session, doc);
            out += "\n== " + Cp932ToUtf8(scan.structures[i].listText) + (inPlace ? "" : ", gathered") + " ==\n" +
                   Rows(doc.items) + "record length " + std::to_string(MeasureLayout(doc).recordLength) + ", layout " +
                   Cp932ToUtf8(doc.RdfCmt) + ", prefix " + doc.PreFix + "\n";
            for (const std::string& k : session.keyEntries) out += "key " + Cp932ToUtf8(k) + "\n";
            for (const ImportNote& n : session.notes)
                out += "note " + std::to_string(n.line) + " " + Cp932ToUtf8(n.text) + "\n";
        }
    }
    return out;
}

/// Entry forms: levels ranked by their nesting, data names left out, OCCURS (also DEPENDING ON: the longest form, reported),
/// condition names, 66 and 77 entries skipped whole, entries continued over lines, a level
/// number alone on its line, binary sizes by digits, a missing period closed by the next level
/// line, comments naming the next entry, a stray code line (reported), an unclosed last entry,
/// PROCEDURE DIVISION ending the data and nested redefinitions.
TEST(CobolImportGolden, SourcesGiveTheirGoldenRows) {
    EXPECT_GE(test::ExpectGoldenSources(test::DataDir() / "lang" / "cobol_forms", ".cpy", RecordsText), 4);
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
    EXPECT_EQ(Rows(r), "1 0 1 0 0 R|R\n2 1 1 1 0 顧客|A\n2 3 1 1 0 顧客番号|B\n");
    EXPECT_EQ(r.doc.PreFix, "CU_");
    EXPECT_EQ(r.session.keyEntries, (std::vector<std::string>{sj("001.002<可>(降順):2"), sj("002.001<不>(昇順):2")}));
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

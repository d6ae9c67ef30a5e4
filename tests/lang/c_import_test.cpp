#include "lang/c_import.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "import_test_rows.h"
#include "lang/c_import_words.h"

namespace rekkan {
namespace {

using test::Options;
using test::RecordLength;
using test::RowsSummary;

struct Imported {
    CImport import;
    LayoutDocument doc;
    ImportSession session;
    int rows = 0;
};

/// Scans UTF-8 source text and extracts structure `name` (the first one when empty).
Imported ImportC(std::string_view utf8, const CExtractOptions& options, std::string_view name = {}) {
    Imported r;
    r.import.Scan(sj(utf8));
    r.rows = test::ExtractNamed(r.import, name, options, r.session, r.doc);
    return r;
}

TEST(CImportLines, CommentsAreCutFromCode) {
    const auto lines =
        ReadCSourceLines(sj("int a; // 番号 // x\n"
                            "long b; /* 金額 */ short c;\n"
                            "/* start\n"
                            " inside struct x;\n"
                            "end */ char d;\n"
                            "char e; /* open\n"
                            "*/\n"
                            "\tchar\tf;\t// see /* here\n"
                            "double g;\n"));
    // Each line as "code|comment"; "-" marks a line wholly inside a block comment. A "/*"
    // inside a line comment opens no block comment.
    std::string got;
    for (const CSourceLine& l : lines) got += (l.used ? "" : "-") + l.code + "|" + Cp932ToUtf8(l.comment) + "\n";
    EXPECT_EQ(got,
              "int a;|番号\nlong b;   short c;|金額\n|start\n-|\nchar d;|\nchar e;|open\n|\nchar f;|see /* here\n"
              "double g;|\n");
}

TEST(CImportLines, DimensionsAndExpressions) {
    struct Case {
        const char* code;
        std::vector<int> sizes;
        int product;
    };
    const Case cases[] = {
        {"int a;", {}, 1},
        {"int a[3][4];", {3, 4}, 12},
        {"char s[0];", {1}, 1},
        {"char s[];", {1}, 1},
        {"char s[LEN];", {1}, 1},
        {"char s[20+1];", {21}, 21},
        {"char s[(4*2)-1][0x10];", {7, 16}, 112},
        {"char s[100][200];", {100, 200}, 20000},
        {"char s[10UL];", {10}, 10},
        {"int a[2][", {2}, 2},
        {"int a[1000000][1000000];", {1000000, 1000000}, 1000000},
        {"int a[((((((((((((((((((((((((((((((((((1))))))))))))))))))))))))))))))))))];", {1}, 1},
    };
    for (const Case& c : cases) {
        const CDimensions d = ReadDimensions(c.code);
        EXPECT_EQ(d.sizes, c.sizes) << c.code;
        EXPECT_EQ(d.product, c.product) << c.code;
    }
    EXPECT_EQ(
        ReadDimensions("int a[1][1][1][1][1][1][1][1][1][1][1][1][1][1][1][1][1][1][1][1][1][1][1][1];").sizes.size(),
        static_cast<std::size_t>(kMaxDimensions));
}

TEST(CImportLines, VbBoundsBecomeCounts) {
    // "n", "a To b" and 2-D bounds are in the VB rows and golden tests.
    EXPECT_EQ(RewriteVbBounds("Byte  Tbl[-1 to 3];"), "Byte  Tbl[5];");
    EXPECT_EQ(RewriteVbBounds("char  Code[1];"), "char  Code[1];");
    EXPECT_EQ(RewriteVbBounds("x[LEN]"), "x[LEN]");
}

TEST(CImportLines, DefinesAreSubstitutedBounded) {
    const std::unordered_map<std::string, std::string> defines = {
        {"LEN", "20"}, {"N", "(LEN+1)"}, {"SELF", "SELF"}, {"A", "B"}, {"B", "A"}, {"GROW", "GROW GROW"}};
    EXPECT_EQ(SubstituteDefines("char s[N][LEN];", defines), "char s[(20+1)][20];");
    EXPECT_EQ(SubstituteDefines("char s[SELF];", defines), "char s[SELF];");
    EXPECT_EQ(SubstituteDefines("char LENGTH[LEN_X];", defines), "char LENGTH[LEN_X];");
    (void)SubstituteDefines("char s[A];", defines);  // flips between A and B, must end
    EXPECT_LE(SubstituteDefines("x[GROW]", defines).size(), 8192u);
}

TEST(CImportScan, ListsStructuresWithTexts) {
    CImport c;
    c.Scan(
        sj("#define LEN 20\n"
           "typedef unsigned short WORD2;\n"
           "typedef struct {      // 売上\n"
           "  char code[5];\n"
           "} SALE;\n"
           "struct tagCUST {\n"
           "  long no;\n"
           "};  /* 顧客 Prefix(CU_) */\n"
           "struct A a;\n"
           "struct {\n"
           "  int x;\n"
           "};\n"));
    ASSERT_EQ(c.Structures().size(), 2u);
    EXPECT_EQ(c.Structures()[0].name, "SALE");
    EXPECT_EQ(Cp932ToUtf8(c.Structures()[0].listText), "3 5        SALE             売上");
    EXPECT_EQ(c.Structures()[1].name, "tagCUST");
    EXPECT_EQ(Cp932ToUtf8(c.Structures()[1].listText), "6 8        tagCUST          顧客");
    ASSERT_EQ(c.Defines().size(), 1u);
    EXPECT_EQ(c.Defines()[0].value, "20");
    // WORD2, the typedef block SALE, then the two listed structures.
    ASSERT_EQ(c.Types().size(), 4u);
    EXPECT_EQ(c.Types()[0].baseType, "unsigned short");
    EXPECT_EQ(c.Types()[0].name, "WORD2");
    EXPECT_EQ(c.Types()[1].name, "SALE");
    EXPECT_EQ(c.Types()[3].name, "tagCUST");
}

/// Member forms the golden sources do not hold.
TEST(CImportRows, MembersGiveRows) {
    struct Case {
        const char* title;
        const char* source;
        bool arrayGroups;
        const char* structure;
        const char* rows;
    };
    const Case cases[] = {
        {"char kinds", "struct R {\n char c;\n unsigned char b[4];\n signed char d[4];\n bool flag;\n};\n", false, "",
         "1 0 1 0 0 R|R\n2 21 1 1 0 c|c\n2 17 4 1 0 b|b\n2 21 4 1 0 d|d\n"},
        {"3-D char with the option", "struct R {\n char s[2][3][10]; // 名\n};\n", true, "",
         "1 0 1 0 0 R|R\n2 0 2 0 0 名|s\n3 16 3 10 0 名|s\n"},
        {"keyword order", "struct R {\n long double d;\n unsigned long u;\n short int s;\n unsigned x;\n};\n", false,
         "", "1 0 1 0 0 R|R\n2 26 1 8 0 d|d\n2 20 1 4 0 u|u\n2 23 1 2 0 s|s\n2 18 1 2 0 x|x\n"},
        {"VB types",
         "struct R {\n currency c;\n variant v;\n Byte b;\n object o;\n WORD w;\n DWORD dw;\n float f;\n};\n", false,
         "",
         "1 0 1 0 0 R|R\n2 27 1 8 0 c|c\n2 28 1 1 0 v|v\n2 31 1 1 0 b|b\n2 32 1 4 0 o|o\n2 35 1 2 0 w|w\n2 36 1 4 0 "
         "dw|dw\n"
         "2 25 1 4 0 f|f\n"},
        {"keyword as a member name", "struct R {\n char word[10];\n int byte;\n};\n", false, "",
         "1 0 1 0 0 R|R\n2 16 1 10 0 word|word\n2 22 1 2 0 byte|byte\n"},
        {"structure tag that is a type word", "struct Object {\n char c;\n};\n", false, "",
         "1 0 1 0 0 Object|Object\n2 21 1 1 0 c|c\n"},
        {"typedef'd structure 2-D array with the option",
         "typedef struct {\n int qty;\n} ITEM;\nstruct ORD {\n ITEM m[2][3];\n};\n", true, "ORD",
         "1 0 1 0 0 ORD|ORD\n2 0 2 0 0 m|m\n3 0 3 0 0 m|m\n4 22 1 2 0 qty|qty\n"},
        {"typedef of a structure tag",
         "struct tagP {\n short x;\n};\ntypedef struct tagP P;\nstruct R {\n P pt[2];\n};\n", false, "R",
         "1 0 1 0 0 R|R\n2 0 2 0 0 pt|pt\n3 23 1 2 0 x|x\n"},
        {"unknown type gives no row", "struct R {\n size_t n;\n int a;\n};\n", false, "",
         "1 0 1 0 0 R|R\n2 22 1 2 0 a|a\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RowsSummary(ImportC(c.source, Options(c.arrayGroups), c.structure).doc.items), c.rows) << c.title;
}

/// Members the import drops or sizes by a guess are reported with their line; plain ones are not.
TEST(CImportExtract, ReportsDroppedAndGuessedMembers) {
    const Imported r = ImportC(
        "struct N {\n  char id[4];\n  UNKNOWN_T u;\n  char *p;\n  int bits : 3;\n"
        "  long long big;\n  char name[NAMELEN];\n  unsigned char data[];\n  int ok;\n};\n",
        Options(true, test::kLlp64));
    std::vector<int> lines;
    for (const ImportNote& n : r.session.notes) lines.push_back(n.line);
    EXPECT_EQ(lines, (std::vector<int>{3, 4, 5, 6, 7, 8}));
    EXPECT_TRUE(ImportC("struct P { char id[4]; int n; };\n", Options(true, test::kLlp64)).session.notes.empty());
}

TEST(CImportExtract, SetsLayoutCommentPrefixAndKeys) {
    const Imported r =
        ImportC("struct R { // 受注\n long no; /* 顧客 Prefix(CU_) */\n int k; // 区分 #1.2d-\n};\n", Options(false));
    EXPECT_EQ(RowsSummary(r.doc.items), "1 0 1 0 0 受注|R\n2 24 1 4 0 顧客|no\n2 22 1 2 0 区分|k\n")
        << "marks are taken out of the names";
    EXPECT_EQ(r.rows, 3);
    EXPECT_EQ(Cp932ToUtf8(r.doc.RdfCmt), "受注");
    EXPECT_EQ(r.doc.PreFix, "CU_");
    ASSERT_EQ(r.session.keyEntries.size(), 1u);
    EXPECT_EQ(Cp932ToUtf8(r.session.keyEntries[0]), "001.002<可>(降順):2");
}

/// The longest union member comes first (the golden sources show the overlay); key marks follow their rows.
TEST(CImportExtract, KeyMarksFollowReorderedUnionMembers) {
    const Imported r =
        ImportC("struct R {\n union {\n  char c; // #1.1\n  long l;\n } u;\n int k; // #2.1\n};\n", Options(false));
    EXPECT_EQ(RowsSummary(r.doc.items),
              "1 0 1 0 0 R|R\n2 0 1 0 0 union {|u\n3 24 1 4 0 l|l\n3 21 1 1 0 |c red l\n2 22 1 2 0 |k\n");
    EXPECT_EQ(r.doc.items[3].RED, "l");
    ASSERT_EQ(r.session.keyEntries.size(), 2u);
    EXPECT_EQ(r.session.keyEntries[0].substr(r.session.keyEntries[0].rfind(':')), ":3");
    EXPECT_EQ(r.session.keyEntries[1].substr(r.session.keyEntries[1].rfind(':')), ":4");
}

TEST(CImportExtract, TypesReferringToEachOtherEnd) {
    const char* src =
        "typedef A B;\ntypedef B A;\n"
        "struct X {\n struct Y y;\n int a;\n};\n"
        "struct Y {\n struct X x;\n B b;\n};\n";
    const Imported r = ImportC(src, Options(true), "X");
    // X holds Y, whose X member is not expanded again; B and A name each other and give no row.
    EXPECT_EQ(RowsSummary(r.doc.items), "1 0 1 0 0 X|X\n2 0 1 0 0 y|y\n3 0 1 0 0 x|x\n2 22 1 2 0 a|a\n");
}

TEST(CImportExtract, WideExpansionIsBounded) {
    std::string src;
    // Each level holds ten of the level below: 10^8 leaves if nothing held it back.
    for (int level = 0; level < 8; ++level) {
        src += "struct S" + std::to_string(level) + " {\n";
        if (level == 0)
            src += " int v;\n";
        else
            src += " struct S" + std::to_string(level - 1) + " a, b, c, d, e, f, g, h, i, j;\n";
        src += "};\n";
    }
    const Imported r = ImportC(src, Options(false), "S7");
    EXPECT_GT(r.rows, 0);
    EXPECT_LE(r.rows, Options(false).capacity);
}

TEST(CImportExtract, MalformedSourcesGiveAClearOutcome) {
    const char* sources[] = {
        "",
        "struct",
        "struct R {\n int a;\n",  // never closed: nothing listed
        "}}}}\nstruct R {\n}\n}\n}\n",
        "struct R {\n{\n{\n{\n{\n{\n{\n{\n{\n{\n{\n{\n{\n{\n{\n{\n{\n{\n int a;\n};\n",
        "struct R {\n } x[2][3][4][5];\n } y[2];\n};\n",
        "typedef struct {\n",
        "#define\n#define A\nstruct R { char s[A]; };\n",
        "/* open\nstruct R { int a; };\n",
    };
    for (const char* s : sources) {
        for (bool option : {false, true}) {
            CImport c;
            c.Scan(s);
            for (int i = 0; i < static_cast<int>(c.Structures().size()); ++i) {
                LayoutDocument doc;
                ImportSession session;
                const int rows = c.Extract(i, Options(option), session, doc);
                EXPECT_EQ(rows, doc.Count()) << s;
                for (const TRspec& row : doc.items)
                    EXPECT_TRUE(row.LVL >= 1 && row.LVL <= 15 && row.RPT >= 1) << s << " level " << row.LVL;
            }
        }
    }
    CImport never;
    never.Scan("struct R {\n int a;\n");
    EXPECT_TRUE(never.Structures().empty());
    LayoutDocument doc;
    ImportSession session;
    EXPECT_EQ(never.Extract(0, Options(false), session, doc), 0);
}

TEST(CImportGolden, SourcesGiveTheirGoldenRows) {
    const int files = test::ExpectGoldenSources(test::DataDir() / "lang" / "c", ".h", [](const std::string& source) {
        CImport c;
        c.Scan(source);
        return test::ListText(c) + test::StructuresText(c, test::kLlp64, true);
    });
    EXPECT_GE(files, 2);
}

/// The record length the import gives each structure of our headers equals the structure's
/// size as a compiler lays it out packed (Windows x64: int 4, short 2, long 4 bytes).
TEST(CImportCompilerCheck, RecordLengthsEqualPackedSizeof) {
    if (std::system("clang --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "clang not found";
    test::TempDir dir;
    std::string program;
    int checks = 0;
    for (const auto& e : std::filesystem::directory_iterator(test::DataDir() / "lang" / "c")) {
        if (e.path().extension() != ".h") continue;
        const std::string source = test::ReadBytes(e.path());
        CImport c;
        c.Scan(source);
        program += "#pragma pack(push, 1)\n#include \"" + e.path().string() + "\"\n#pragma pack(pop)\n";
        const std::vector<std::string> lines = SplitLines(source);
        for (std::size_t i = 0; i < c.Structures().size(); ++i) {
            const StructureEntry& s = c.Structures()[i];
            LayoutDocument doc;
            ImportSession session;
            c.Extract(static_cast<int>(i), Options(true, test::kLlp64), session, doc);
            const bool typedefName =
                lines[static_cast<std::size_t>(s.firstLine - 1)].find("typedef") != std::string::npos;
            const std::string type = (typedefName ? "" : "struct ") + s.name;
            program += "_Static_assert(sizeof(" + type + ") == " + std::to_string(RecordLength(doc)) + ", \"" + type +
                       "\");\n";
            ++checks;
        }
    }
    ASSERT_GE(checks, 5);
    const std::filesystem::path file = dir.Path() / "sizes.c";
    test::WriteBytes(file, program);
    const std::filesystem::path log = dir.Path() / "clang.log";
    const std::string command = "clang --target=x86_64-pc-windows-msvc -fsyntax-only -Wno-pragma-pack \"" +
                                file.string() + "\" > \"" + log.string() + "\" 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << test::ReadBytes(log) << program;
}

}  // namespace
}  // namespace rekkan

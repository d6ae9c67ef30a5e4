#include "lang/c_import.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "import_test_rows.h"
#include "lang/c_import_words.h"

namespace rekkan {
namespace {

using test::Options;
using test::RecordLength;

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

/// Each line of c_lines.h as "code|comment" ("-" marks a line wholly inside a block comment; a
/// "/*" inside a line comment opens none), then the dimensions and their product read from the code.
TEST(CImportLines, CommentsAreCutFromCodeAndDimensionsRead) {
    std::string out;
    for (const CSourceLine& l : ReadCSourceLines(test::ReadBytes(test::DataDir() / "lang" / "c_lines.h"))) {
        out += (l.used ? "" : "-") + l.code + "|" + Cp932ToUtf8(l.comment);
        if (!l.code.empty()) {
            const CDimensions d = ReadDimensions(l.code);
            out += " =>";
            for (int size : d.sizes) out += " " + std::to_string(size);
            out += " = " + std::to_string(d.product);
        }
        out += "\n";
    }
    EXPECT_GE(std::count(out.begin(), out.end(), '\n'), 20);
    test::ExpectGolden("lang/c_lines.golden", out);
}

TEST(CImportLines, DefinesAreSubstitutedBounded) {
    const std::unordered_map<std::string, std::string> defines = {
        {"LEN", "20"}, {"N", "(LEN+1)"}, {"SELF", "SELF"}, {"A", "B"}, {"B", "A"}, {"GROW", "GROW GROW"}};
    EXPECT_EQ(SubstituteDefines("char s[N][LEN];", defines), "char s[(20+1)][20];");
    EXPECT_EQ(SubstituteDefines("char s[SELF];", defines), "char s[SELF];");
    EXPECT_EQ(SubstituteDefines("char LENGTH[LEN_X];", defines), "char LENGTH[LEN_X];");
    (void)SubstituteDefines("char s[A];", defines);  // flips between A and B, must end
    EXPECT_LE(SubstituteDefines("x[GROW]", defines).size(), 8192u);
    // A size that cannot be computed is one element (and reported), never the digits it holds.
    EXPECT_EQ(ReadDimensions("char s[F(2,3)][ISODCL(16, 20)];").product, 1);
}

/// Members the import drops or sizes by a guess are reported with their line; plain ones are not.
TEST(CImportExtract, ReportsDroppedAndGuessedMembers) {
    const Imported r = ImportC(
        "struct N {\n  char id[4];\n  UNKNOWN_T u;\n  char *p;\n  int bits : 3;\n"
        "  long long big;\n  char name[NAMELEN];\n  unsigned char data[];\n  enum { A, B } e;\n  FIELDS\n"
        "  int ok;\n  char neg[2 - 3];\n  char zero[2][1 - 1];\n};\n",
        Options(true, test::kLlp64));
    std::vector<int> lines;
    for (const ImportNote& n : r.session.notes) lines.push_back(n.line);
    EXPECT_EQ(lines, (std::vector<int>{3, 4, 5, 6, 7, 8, 9, 10, 12, 13}));
    EXPECT_TRUE(ImportC("struct P { char id[4]; int n; };\n", Options(true, test::kLlp64)).session.notes.empty());
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

/// The sources of c_malformed (stray and deep braces, open comments and typedefs, empty defines):
/// every structure listed extracts to rows of levels 1 to 15 repeated at least once.
TEST(CImportExtract, MalformedSourcesGiveAClearOutcome) {
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(test::DataDir() / "lang" / "c_malformed")) {
        ++files;
        const std::string s = e.path().filename().string();
        for (bool option : {false, true}) {
            CImport c;
            c.Scan(test::ReadBytes(e.path()));
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
    EXPECT_GE(files, 8);
    // A structure never closed is not listed.
    CImport never;
    never.Scan("struct R {\n int a;\n");
    EXPECT_TRUE(never.Structures().empty());
    LayoutDocument doc;
    ImportSession session;
    EXPECT_EQ(never.Extract(0, Options(false), session, doc), 0);
}

/// "c" holds whole headers (also checked against a compiler below), "c_forms" member forms,
/// layout comments, prefixes, key marks and types naming each other.
TEST(CImportGolden, SourcesGiveTheirGoldenRows) {
    for (const char* dir : {"c", "c_forms"}) {
        const int files =
            test::ExpectGoldenSources(test::DataDir() / "lang" / dir, ".h", [](const std::string& source) {
                CImport c;
                c.Scan(source);
                return test::ListText(c) + test::StructuresText(c, test::kLlp64, true);
            });
        EXPECT_GE(files, 2) << dir;
    }
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

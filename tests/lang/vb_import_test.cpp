#include "lang/vb_import.h"

#include <gtest/gtest.h>

#include "import_test_rows.h"

namespace rekkan {
namespace {

/// The list, the C translation and every structure's rows of each VB source, with the VB sizes
/// (Integer 2, Long 4 bytes): "customer" a whole module, "forms" the type suffixes, bounds of
/// every form, "As String" without a length, 2-D arrays of a user type and an unclosed Type.
TEST(VbImportGolden, SourcesGiveTheirGoldenRows) {
    const int files = test::ExpectGoldenSources(test::DataDir() / "lang" / "vb", ".bas", [](const std::string& source) {
        VbImport vb;
        vb.Scan(source);
        return test::ListText(vb.C()) + "\ntranslation:\n" + Cp932ToUtf8(RemoveAll(vb.Translation(), "\r")) +
               test::StructuresText(vb.C(), {2, 2, 4}, false);
    });
    EXPECT_GE(files, 2);
}

/// A member the import cannot size is reported with its line in the VB source.
TEST(VbImportRows, ReportNamesVbLines) {
    VbImport vb;
    vb.Scan("Const N = 3\nType R\n' comment\nA As Integer\n\nB As Color\nC As Integer\nEnd Type\n");
    LayoutDocument doc;
    ImportSession session;
    test::ExtractNamed(vb.C(), "R", test::Options(false), session, doc);
    ASSERT_EQ(session.notes.size(), 1u);
    EXPECT_EQ(session.notes[0].line, 6);
}

}  // namespace
}  // namespace rekkan

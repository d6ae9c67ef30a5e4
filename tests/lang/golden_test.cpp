// Golden files: copybooks in, layout files and list texts out; layouts in, C, VB and COBOL
// text out. With REKKAN_UPDATE_GOLDEN=1 the expected files are rewritten from the results
// (then read them before committing).
#include <gtest/gtest.h>

#include "import_test_rows.h"
#include "lang/c_writer.h"
#include "lang/cobol_writer.h"
#include "lang/import_pipeline.h"
#include "lang/vb_writer.h"
#include "model/key_items.h"
#include "model/layout_file.h"
#include "model/type_notation.h"
#include "util/scripted_messages.h"

namespace rekkan {
namespace {

std::filesystem::path Golden(const std::string& name) { return test::DataDir() / "lang" / "golden" / name; }

void ExpectGolden(const std::string& name, const std::string& actual) { test::ExpectGolden(Golden(name), actual); }

std::string ImportToLayout(bool sameStructure, int index, std::string& listText) {
    Settings s;
    s.Chk_RedInclude = sameStructure;
    ImportPipeline pipeline(s);
    std::string error;
    EXPECT_TRUE(pipeline.Scan(SourceLanguage::Cobol, Golden("customer.cpy").string(), error)) << error;
    for (const std::string& line : pipeline.ListLines()) listText += line + "\r\n";
    LayoutDocument doc;
    EXPECT_TRUE(pipeline.Import(index, doc));
    return FormatLayoutFile(doc);
}

TEST(GoldenFiles, CopybookImports) {
    std::string list;
    ExpectGolden("customer.kvl", ImportToLayout(true, 0, list));
    ExpectGolden("customer_trailer.kvl", ImportToLayout(true, 1, list));
    ExpectGolden("customer_red.kvl", ImportToLayout(false, 1, list));
    ExpectGolden("customer_list.txt", list);
}

struct WriterCase {
    const char* layout;
    const char* stem;
    int intChoice;
};

TEST(GoldenFiles, LanguageOutputs) {
    const WriterCase cases[] = {{"cobol_types.kvl", "cobol_types", 0}, {"c_types.kvl", "c_types", 1}};
    for (const WriterCase& c : cases) {
        LayoutDocument doc;
        doc.sizes = IntSizes::FromChoices(c.intChoice, 0, 1);
        ScriptedMessages messages;
        ASSERT_TRUE(ReadLayoutFile(doc, (test::DataDir() / "lang" / c.layout).string(), false, messages).ok);
        NormaliseAll(doc);
        const Geometry geometry = MeasureLayout(doc);
        ASSERT_TRUE(geometry.Ok());
        const TypeNotation types;
        KeyItems keys(types);
        keys.LoadKeyLines(doc.keyLines, doc, geometry);
        const LanguageOutputInput in{doc, geometry, &keys};
        const std::string stem = c.stem;
        ExpectGolden(stem + ".h.golden", WriteCText(in));
        ExpectGolden(stem + ".vb", WriteVbText(in));
        ExpectGolden(stem + ".cob", WriteCobolText(in, CobolOutputOptions{}));
        const CobolOutputOptions options{.commentColumn = 3,
                                         .picColumn = 30,
                                         .indent = 0,
                                         .packed = 1,
                                         .levelStart = 0,
                                         .levelStep = 4,
                                         .blankLines = 1,
                                         .japanese = 1};
        ExpectGolden(stem + "_options.cob", WriteCobolText(in, options));
        ExpectGolden(stem + "_editor.txt", WriteCobolEditorText(in, CobolOutputOptions{}));
    }
}

}  // namespace
}  // namespace rekkan

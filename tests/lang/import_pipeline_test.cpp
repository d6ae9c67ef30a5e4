#include "lang/import_pipeline.h"

#include <gtest/gtest.h>

#include <tuple>

#include "model/editor_hooks.h"
#include "model/type_catalogue.h"
#include "support/row_summary.h"
#include "support/test_support.h"
#include "util/encoding.h"
#include "util/scripted_messages.h"

namespace rekkan {
namespace {

class RecordingHooks : public EditorHooks {
public:
    std::string log;
    void SetImporting(bool on) override { log += on ? "I" : "i"; }
    void LeaveRedefinitionView() override { log += "L"; }
    void ResetUndoHistory() override { log += "U"; }
    void LayoutReplaced() override { log += "R"; }
};

/// A copy of pipeline.cpy (CUST with a key mark and a redefinition, SECOND) as "a.cpy" in a
/// temporary folder, free-form settings and a pipeline reporting to hooks.
class ImportPipelineTest : public ::testing::Test {
protected:
    ImportPipelineTest() {
        s.Cmb_CobSeq = 0;
        s.Cmb_CobValid = 0;
        s.Cmb_CobCmtValid = 0;
        std::filesystem::copy_file(test::DataDir() / "lang" / "pipeline.cpy", dir.Path() / "a.cpy");
    }
    test::TempDir dir;
    Settings s;
    RecordingHooks hooks;
    ImportPipeline pipeline{s, &hooks};
    ScriptedMessages messages;
    LayoutDocument doc;
    std::string error;
};

TEST_F(ImportPipelineTest, ListLinesAndMessages) {
    ASSERT_TRUE(pipeline.Scan(SourceLanguage::Cobol, dir.File("a.cpy"), error));
    const auto lines = pipeline.ListLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(std::make_tuple(lines[0], pipeline.ListMessage(), s.Path_Hed),
              std::make_tuple("    1. 1 5        CUST                   CUST", sj("取り込む構造体を選択して下さい。"),
                              dir.File("a.cpy")));

    ASSERT_TRUE(pipeline.SwitchRedefinitionMode(false, error));  // rescans: the RED- record is listed
    ASSERT_EQ(std::make_tuple(s.Chk_RedInclude, pipeline.ListLines().size()), std::make_tuple(false, 3u));
    EXPECT_NE(pipeline.ListLines()[1].find("RED-CUST"), std::string::npos);

    test::WriteBytes(dir.Path() / "empty.cpy", "nothing\n");
    ASSERT_TRUE(pipeline.Scan(SourceLanguage::Cobol, dir.File("empty.cpy"), error));
    EXPECT_EQ(std::make_tuple(pipeline.ListLines().size(), pipeline.ListMessage()),
              std::make_tuple(0u, sj("取り込める構造体はありません。")));
    EXPECT_FALSE(pipeline.Import(0, doc));

    EXPECT_FALSE(pipeline.Scan(SourceLanguage::Cobol, dir.File("missing.cpy"), error) || error.empty());
}

TEST_F(ImportPipelineTest, ImportBuildsKeysAndCallsTheEditor) {
    ASSERT_TRUE(pipeline.Scan(SourceLanguage::Cobol, dir.File("a.cpy"), error));
    ASSERT_TRUE(pipeline.Import(0, doc));
    EXPECT_EQ(hooks.log, "ILRiU");
    ASSERT_EQ(doc.Count(), 4);
    EXPECT_EQ(std::make_tuple(doc.items[1].KOM, doc.items[3].RED, doc.modified),
              std::make_tuple(sj("顧客番号"), "NAME", true));
    ASSERT_EQ(doc.keyLines.size(), 2u);
    EXPECT_EQ(doc.keyLines[0], "   Key #1");
    EXPECT_NE(doc.keyLines[1].find("[000001 : 000005]"), std::string::npos);
}

TEST_F(ImportPipelineTest, DroppedFileKeepsOverlayInTheUsersGatheredMode) {
    s.Chk_RedInclude = false;
    ASSERT_TRUE(pipeline.ImportDropped(dir.File("a.cpy"), SourceLanguage::Cobol, true, doc, &messages, error));
    EXPECT_FALSE(s.Chk_RedInclude);
    ASSERT_EQ(std::make_tuple(doc.Count(), messages.Log().size()), std::make_tuple(4, 1u));
    EXPECT_EQ(doc.items[3].RED, "NAME");
    EXPECT_NE(messages.Log()[0].text.find(sj("【 COBOL 】")), std::string::npos);
}

TEST_F(ImportPipelineTest, EditorModeTextComesBackWithTypeSizes) {
    s.Chk_RedInclude = false;
    s.Cmb_Int = 1;
    doc.keyLines = {"   Key #1"};
    ASSERT_TRUE(pipeline.ImportCobolEditorMode((test::DataDir() / "lang" / "editor_mode.txt").string(), doc, error));
    EXPECT_FALSE(s.Chk_RedInclude);  // restored
    EXPECT_EQ(hooks.log, "ILRi");    // no undo reset in editor mode
    EXPECT_EQ(test::RowsSummary(doc.items),
              "1 0 1 0 0 R|R\n2 1 1 3 0 key item|A\n2 17 1 1 0 B|B\n2 22 1 4 0 C|C\n2 16 1 7 0 D|D\n");
    EXPECT_EQ(doc.keyLines, std::vector<std::string>{"   Key #1"});  // keys stay as they were
}

TEST_F(ImportPipelineTest, DroppedCSourceIsReportedAsC) {
    test::WriteBytes(dir.Path() / "a.h", "struct REC {\r\n  char code[5];\r\n  short qty;\r\n};\r\n");
    ASSERT_TRUE(pipeline.ImportDropped(dir.File("a.h"), SourceLanguage::C, true, doc, &messages, error)) << error;
    ASSERT_EQ(std::make_tuple(doc.Count(), messages.Log().size()), std::make_tuple(3, 1u));
    EXPECT_EQ(std::tie(messages.Log()[0].text, messages.Log()[0].caption),
              std::make_tuple(sj("指定のファイルから 【 Ｃ言語 】 の構造体の取り込みを行いました。") +
                                  "\r\n\r\n   PATH = " + dir.File("a.h"),
                              sj("確認")));
    // A source without structures imports nothing and reports nothing.
    test::WriteBytes(dir.Path() / "none.h", "int x;\n");
    EXPECT_FALSE(pipeline.ImportDropped(dir.File("none.h"), SourceLanguage::C, true, doc, &messages, error));
    EXPECT_EQ(messages.Log().size(), 1u);
}

}  // namespace
}  // namespace rekkan

#include "layout_editor/structure_import_controller.h"

#include <tuple>

#include "controller_fixture.h"

namespace rekkan::test {
namespace {

struct ScriptedImportShell : StructureImportShell {
    std::deque<std::string> answers;
    std::vector<FileDialogRequest> asked;
    std::vector<std::string> notices;
    int finished = 0;
    std::string AskSourcePath(const FileDialogRequest& r) override {
        asked.push_back(r);
        std::string a = answers.empty() ? std::string() : answers.front();
        if (!answers.empty()) answers.pop_front();
        return a;
    }
    void ShowWrittenNotice(const std::string& caption, const std::string& path) override {
        notices.push_back(caption + path);
    }
    void ImportFinished() override { ++finished; }
};

class StructureImportTest : public ControllerFixture {
protected:
    StructureImportTest() {
        settings.Cmb_CobSeq = 0;
        settings.Cmb_CobValid = 0;
        settings.Cmb_CobCmtValid = 0;
        Put(dir.File("a.cpy"),
            "01 CUST.\n05 CUST-NO PIC 9(5).\n05 NAME PIC X(10).\n"
            "05 ALT REDEFINES NAME PIC 9(10).\n01 SECOND.\n05 S-A PIC X.\n");
    }
    ScriptedImportShell importShell;
    StructureImportController import{controller, messages, clipboard, importShell};
};

TEST_F(StructureImportTest, OptionsAreStoredAtOnceAndTheRedefinitionModeScansAgain) {
    import.SetSequenceDigits(12);
    import.SetValidColumns(66);
    import.SetCommentValidColumns(70);
    import.SetCommentMarker("  *> ");
    import.SetIgnoredCharacters(" -= ");
    import.SetArrayGroups(false);
    // At most 10 sequence digits; the marker and the ignored characters trimmed.
    EXPECT_EQ(std::tie(settings.Cmb_CobSeq, settings.Cmb_CobValid, settings.Cmb_CobCmtValid, settings.Edt_CobCmtStr,
                       settings.Edt_CobCmtTrim, settings.Chk_AryExt),
              std::make_tuple(10, 66, 70, "*>", "-=", false));
    import.SetCommentValidColumns(0);
    import.SetValidColumns(0);
    import.SetSequenceDigits(0);

    importShell.answers = {"", dir.File("a.cpy")};
    EXPECT_FALSE(import.ChooseAndScan(SourceLanguage::Cobol));  // cancelled
    EXPECT_TRUE(import.ListLines().empty());
    ASSERT_TRUE(import.ChooseAndScan(SourceLanguage::Cobol));
    EXPECT_EQ(std::make_tuple(import.ListLines().size(), import.ListMessage(), import.FileLabel()),
              std::make_tuple(2u, sj("取り込む構造体を選択して下さい。"), dir.File("a.cpy")));
    // The next dialog starts in the folder of the last import and proposes the file.
    const FileDialogRequest c = import.DialogFor(SourceLanguage::C);
    EXPECT_EQ(std::make_tuple(c.folder + "/a.cpy", c.fileName), std::make_tuple(dir.File("a.cpy"), dir.File("a.cpy")));
    EXPECT_NE(c.filter.find("*.clp"), std::string::npos);

    ASSERT_TRUE(import.SetSameStructure(false));
    // The RED- record is listed on its own.
    EXPECT_EQ(std::make_tuple(settings.Chk_RedInclude, import.ListLines().size()), std::make_tuple(false, 3u));

    EXPECT_FALSE(import.ScanPath(SourceLanguage::Cobol, dir.File("missing.cpy")));
    EXPECT_EQ(std::make_tuple(import.ListLines().size(), messages.Log().back().kind),
              std::make_tuple(0u, ScriptedMessages::Entry::Kind::Inform));
}

TEST_F(StructureImportTest, OkAsksToSaveAModifiedLayoutThenImportsWithKeysAndReport) {
    Put(dir.File("v.cpy"), sj("01 VREC.\n* 番号 #1.1-\n05 N PIC 9(2).\n05 T PIC X OCCURS 1 TO 5 DEPENDING ON N.\n"));
    ASSERT_TRUE(import.ScanPath(SourceLanguage::Cobol, dir.File("v.cpy")));
    EXPECT_FALSE(import.Ok(5));  // no such line
    Doc().modified = true;
    const std::vector<TRspec> before = Doc().items;
    messages.Script(Answer::Yes);  // save first: the save dialog is cancelled, nothing is imported
    EXPECT_FALSE(import.Ok(0));
    EXPECT_EQ(std::make_tuple(Doc().items, importShell.finished), std::make_tuple(before, 0));

    messages.Script(Answer::Yes);  // a dropped source asks the same
    EXPECT_FALSE(controller.Drop({dir.File("v.cpy")}));
    EXPECT_EQ(Doc().items, before);

    messages.Script(Answer::No);
    ASSERT_TRUE(import.Ok(0));
    EXPECT_EQ(std::make_tuple(importShell.finished, Doc().Count(), Doc().modified, Model().History().Empty()),
              std::make_tuple(1, 3, true, true));
    ASSERT_EQ(Doc().keyLines.size(), 2u);
    EXPECT_NE(Doc().keyLines[1].find(sj("(降順) 番号")), std::string::npos);
    // The variable-length record is reported with the result.
    EXPECT_NE(import.Report().find("VREC"), std::string::npos);
    EXPECT_EQ(messages.Log().back().text, import.Report());

    // The same file through a pipeline of its own (as the command line runs it) gives the same rows.
    ImportPipeline alone(settings);
    std::string error;
    LayoutDocument expected;
    ASSERT_TRUE(alone.Scan(SourceLanguage::Cobol, dir.File("v.cpy"), error));
    ASSERT_TRUE(alone.Import(0, expected));
    EXPECT_EQ(Doc().items, expected.items);

    // An unmodified layout is not asked about; a clean import reports nothing.
    ASSERT_TRUE(import.ScanPath(SourceLanguage::Cobol, dir.File("a.cpy")));
    Doc().modified = false;
    messages.Clear();
    ASSERT_TRUE(import.Ok(1));
    EXPECT_TRUE(messages.Log().empty() && import.Report().empty());
}

TEST_F(StructureImportTest, ClipboardTextIsWrittenAnewOrAppendedAfterTheQuestion) {
    EXPECT_FALSE(import.ClipboardToFile(false));
    EXPECT_EQ(messages.Texts().back(), sj("クリップボードにテキストがありません。"));
    clipboard.SetText("01 A.\n05 B PIC X.");
    messages.Script(Answer::No);
    EXPECT_FALSE(import.ClipboardToFile(false) || std::filesystem::exists(ToFsPath(import.ClipboardPath())));
    messages.Script(Answer::Yes);
    ASSERT_TRUE(import.ClipboardToFile(true));  // appending to no file creates it
    clipboard.SetText("05 C PIC X.\r\n");
    messages.Script(Answer::Yes);
    ASSERT_TRUE(import.ClipboardToFile(true));
    EXPECT_EQ(std::make_tuple(Bytes(import.ClipboardPath()), importShell.notices.back()),
              std::make_tuple("01 A.\r\n05 B PIC X.\r\n05 C PIC X.\r\n\r\n",
                              sj("★出力しました。 ") + import.ClipboardPath()));
    messages.Script(Answer::Yes);
    ASSERT_TRUE(import.ClipboardToFile(false));
    EXPECT_EQ(Bytes(import.ClipboardPath()), "05 C PIC X.\r\n\r\n");
}

}  // namespace
}  // namespace rekkan::test

#include "layout_editor/language_output_controller.h"
#include "tool_fixture.h"

#include <tuple>

namespace rekkan::test {
namespace {

class LanguageOutputTest : public ToolFixture {
public:
    LanguageOutputController xfm{controller, messages, tools};
};

TEST_F(LanguageOutputTest, EachButtonWritesTheLanguageAfterDialogAndQuestion) {
    struct Case {
        OutputLanguage language;
        const char* proposedName;
        const char* question;
    };
    const Case cases[] = {
        {OutputLanguage::C, "MORVANE.H", "編集中の内容をＣ言語形式で下記のファイルに出力します。"},
        {OutputLanguage::Vb, "MORVANE.VB", "編集中の内容をＶＢ言語形式で下記のファイルに出力します。"},
        {OutputLanguage::Cobol, "MORVANE.COB", "編集中の内容をＣＯＢＯＬ言語形式で下記のファイルに出力します。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.proposedName);
        tools.asked.clear();
        messages.Clear();
        const std::string target = dir.File(std::string("out_") + c.proposedName);
        tools.saveAnswers = {target};
        messages.Script(Answer::Yes);
        ASSERT_EQ(xfm.Write(c.language), LayoutOutputRun::Written);
        ASSERT_EQ(tools.asked.size(), 1u);
        // No layout file is open: the program folder is proposed.
        EXPECT_EQ(std::make_tuple(tools.asked[0].folder, tools.asked[0].fileName),
                  std::make_tuple(controller.ProgramFolderText(), c.proposedName));
        ASSERT_EQ(messages.Log().size(), 1u);
        EXPECT_EQ(messages.Log()[0].text, sj(c.question) + "\r\n\r\n     PATH = " + target);
        EXPECT_EQ(Bytes(target), controller.LanguageText(c.language));
        EXPECT_EQ(std::make_tuple(tools.shownFiles.back(), tools.captions.back()),
                  std::make_tuple(target, sj("★出力しました。 ")));
    }
}

TEST_F(LanguageOutputTest, CancelNoAndAnUnwritableFileLeaveNothingShown) {
    const std::string target = dir.File("x.h");
    EXPECT_EQ(xfm.Write(OutputLanguage::C), LayoutOutputRun::Abandoned);  // dialog cancelled
    tools.saveAnswers = {target};
    messages.Script(Answer::No);
    EXPECT_EQ(xfm.Write(OutputLanguage::C), LayoutOutputRun::Abandoned);
    EXPECT_FALSE(std::filesystem::exists(ToFsPath(target)));
    tools.saveAnswers = {dir.File("no_such_folder/x.h")};
    messages.Script(Answer::Yes);
    messages.Clear();
    EXPECT_EQ(xfm.Write(OutputLanguage::C), LayoutOutputRun::Failed);
    ASSERT_EQ(messages.Log().size(), 2u);
    EXPECT_NE(messages.Log()[1].text.find(dir.File("no_such_folder/x.h")), std::string::npos);
    EXPECT_TRUE(tools.shownFiles.empty());
}

TEST_F(LanguageOutputTest, ProposedFileFollowsTheLayoutAndCobolNameIsUpperCased) {
    OpenRichLayout();
    EXPECT_EQ(std::make_tuple(xfm.Request(OutputLanguage::C).proposedPath, xfm.Request(OutputLanguage::Vb).proposedPath,
                              xfm.Request(OutputLanguage::Cobol).proposedPath),
              std::make_tuple(dir.File("rich.h"), dir.File("rich.vb"), dir.File("RICH.COB")));
}

TEST_F(LanguageOutputTest, OptionListsCarryTheirItemsAndEveryChoiceIsStoredAtOnce) {
    struct Case {
        CobolOptionBox box;
        std::size_t count;
        const char* first;
        const char* last;
    };
    const Case cases[] = {
        {CobolOptionBox::CommentColumn, 76, "  変数名と同じ", "  80 桁目"},
        {CobolOptionBox::PicColumn, 40, "   8 桁目", "  47 桁目"},
        {CobolOptionBox::Indent, 3, "   1 桁", "   3 桁"},
        {CobolOptionBox::LevelStart, 20, "  01", "  20"},
        {CobolOptionBox::BlankLines, 11, "   0 行", "  10 行"},
        {CobolOptionBox::Japanese, 2, " PIC N(n)", " PIC G(n) DISPLAY-1"},
    };
    for (const Case& c : cases) {
        const CobolOptionList& list = CobolOptionListOf(c.box);
        SCOPED_TRACE(list.key);
        ASSERT_EQ(list.items.size(), c.count);
        EXPECT_EQ(std::make_tuple(list.items.front(), list.items.back()), std::make_tuple(sj(c.first), sj(c.last)));
    }
    EXPECT_EQ(CobolOptionListOf(CobolOptionBox::CommentColumn).items[3], sj("   8 桁目"));

    settings.Cmb_CobID = 7;  // not an index of its list: stored back as the first item
    xfm.SetChoice(CobolOptionBox::Packed, 1);
    xfm.SetChoice(CobolOptionBox::PicColumn, 22);  // column 30
    EXPECT_EQ(std::tie(settings.Cmb_CobPK, settings.Cmb_CobPP, settings.Cmb_CobID), std::make_tuple(1, 22, 0));
    OpenRichLayout();
    const std::string cobol = controller.LanguageText(OutputLanguage::Cobol);
    EXPECT_NE(cobol.find("PIC S9(7)V9(2) PACKED-DECIMAL."), std::string::npos);
    EXPECT_EQ(cobol.find("COMP-3"), std::string::npos);
}

}  // namespace
}  // namespace rekkan::test

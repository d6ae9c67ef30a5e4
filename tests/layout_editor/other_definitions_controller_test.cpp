#include "layout_editor/other_definitions_controller.h"
#include "model/redefinition_view.h"
#include "tool_fixture.h"

#include <tuple>

namespace rekkan::test {
namespace {

class OtherDefinitionsTest : public ToolFixture {
public:
    void Rows(int count) {
        Doc().items.assign(static_cast<std::size_t>(count), MakeRow({.name = "A", .bytes = 2}));
        Model().Recompute();
    }
    OtherDefinitionsController etc{controller, messages, tools};
};

TEST_F(OtherDefinitionsTest, ListsCarryTheirItems) {
    EXPECT_EQ(std::make_tuple(EtcListOf(EtcList::Short).items.back(), EtcListOf(EtcList::EditLine).items.front(),
                              EtcListOf(EtcList::EditLine).items.back(), EtcListOf(EtcList::RedPlotType).items.size(),
                              EtcListOf(EtcList::RedTagLen).items[20], etc.WorkFileName()),
              std::make_tuple(" 16 Byte", sj(" 2000 行"), sj(" 10000 行"), 7u, sj(" 20 桁"), "KvelWk093015"));
}

TEST_F(OtherDefinitionsTest, UpdateStoresEveryChoiceAndTheEditorFollows) {
    Doc().items = MakeRows({{.name = "N", .type = kSInt}});
    EtcChoices& c = etc.Choices();
    for (const auto& [list, choice] : {std::pair{EtcList::Int, 1},
                                       {EtcList::Short, 1},
                                       {EtcList::Long, 3},
                                       {EtcList::Lang, 2},
                                       {EtcList::InpTyp, 1},
                                       {EtcList::RedPlotType, 2},
                                       {EtcList::RedTagLen, 0}})
        c[list] = choice;
    std::tie(c.kinshiBack, c.editorOther, c.editorPath, c.workExt) =
        std::make_tuple(false, true, "  /usr/bin/vi  ", "  ");
    EXPECT_FALSE(etc.Update());  // No
    EXPECT_EQ(settings.Cmb_Int, 0);

    messages.Clear();
    messages.Script(Answer::Yes);
    ASSERT_TRUE(etc.Update());
    EXPECT_EQ(messages.Log().back().text, sj("その他の定義を更新しました。"));
    EXPECT_EQ(std::tie(settings.Cmb_Int, settings.Cmb_Long, settings.Cmb_Lang, settings.Cmb_InpTyp,
                       settings.Cmb_RedPlotType, settings.Cmb_RedTagLen),
              std::make_tuple(1, 3, 2, 1, 2, 0));
    EXPECT_EQ(std::tie(settings.Rbt_KinshiBackOn, settings.Rbt_KinshiBackOff, settings.Rbt_EditorOther,
                       settings.Rbt_EditorSelf, settings.Edt_EditorPath, settings.Edt_EditorWorkExt),
              std::make_tuple(false, true, true, false, "/usr/bin/vi", "cpp"));
    // The editor follows: int as long, long of 8 bytes.
    EXPECT_EQ(std::make_tuple(controller.RecordLength(), Model().Options().priority, Model().Options().typeNameInput,
                              Model().Options().viewFormat),
              std::make_tuple(8, LangPriority::Vb, true, 2));
}

TEST_F(OtherDefinitionsTest, FewerEditableRowsWarnAndTruncateOnlyWhenAccepted) {
    for (const int rows : {2500, 2000}) {
        SCOPED_TRACE(rows);
        Rows(rows);
        settings.Cmb_EditLine = 1;
        etc.Choices()[EtcList::EditLine] = 0;
        ASSERT_TRUE(Model().BeginMarking(1));
        Model().MarkTo(3);
        ASSERT_TRUE(Model().ConfirmRange());
        Model().RecordStep(StepKind::CellContent, 5, 1, 3);
        messages.Clear();
        messages.Script(Answer::Yes);
        messages.Script(Answer::No);
        EXPECT_FALSE(etc.Update());
        EXPECT_EQ(
            messages.Log().back().text,
            sj("<< 注意 >>\r\r編集可能行数以降は破棄されます。\r\r(2000 行目以降は破棄されます)\r\rよろしいですか？"));
        EXPECT_EQ(std::make_tuple(Doc().Count(), settings.Cmb_EditLine), std::make_tuple(rows, 1));

        messages.Script(Answer::Yes);
        messages.Script(Answer::Yes);
        Doc().modified = false;
        ASSERT_TRUE(etc.Update());
        EXPECT_EQ(std::make_tuple(Doc().Count(), Doc().modified, Model().History().Empty(), Model().Range().Active(),
                                  settings.Cmb_EditLine, Doc().editableLineCount),
                  std::make_tuple(2000, true, true, false, 0, 2000));
    }
    Rows(1999);  // fewer rows than the count: no warning
    messages.Clear();
    messages.Script(Answer::Yes);
    ASSERT_TRUE(etc.Update());
    EXPECT_EQ(messages.Log().size(), 2u);
}

TEST_F(OtherDefinitionsTest, AWorkFileExtensionNamingAnotherPlaceIsRefused) {
    for (const char* bad : {"../x", "a/b", "a\\b", ".cpp"}) {
        SCOPED_TRACE(bad);
        etc.Choices().workExt = bad;
        etc.Choices()[EtcList::Indent] = 0;
        settings.Cmb_Indent = 2;
        messages.Clear();
        messages.Script(Answer::Yes);
        ASSERT_TRUE(etc.Update());
        // The other choices still apply.
        EXPECT_EQ(std::make_tuple(settings.Edt_EditorWorkExt, etc.Choices().workExt, settings.Cmb_Indent),
                  std::make_tuple("cpp", "cpp", 0));
        ASSERT_EQ(messages.Log().size(), 3u);
        EXPECT_NE(messages.Log()[1].text.find("cpp"), std::string::npos);
    }
    ASSERT_TRUE(controller.WriteWorkFile("old"));
    etc.Choices().workExt = sj(" ソ ");  // a trail byte 0x5C is no separator
    messages.Script(Answer::Yes);
    ASSERT_TRUE(etc.Update());
    EXPECT_EQ(std::make_tuple(settings.Edt_EditorWorkExt, controller.WorkFilePath()),
              std::make_tuple(sj("ソ"), dir.File("KvelWk093015." + sj("ソ"))));
    // Both work files the session named are gone at the end.
    ASSERT_TRUE(controller.WriteWorkFile("new"));
    ASSERT_TRUE(controller.Shutdown({}));
    EXPECT_FALSE(std::filesystem::exists(ToFsPath(dir.File("KvelWk093015.cpp"))) ||
                 std::filesystem::exists(ToFsPath(controller.WorkFilePath())));
}

TEST_F(OtherDefinitionsTest, TypedTextShiftJisCannotHoldIsNotTaken) {
    EXPECT_TRUE(etc.TypeEditorPath("/opt/ed", true).empty());
    EXPECT_TRUE(etc.TypeWorkExtension("txt", true).empty());
    // "é" typed after them: converted it reads '?', and neither box's choice takes it.
    EXPECT_NE(etc.TypeEditorPath("/opt/ed?", false).find("Shift-JIS"), std::string::npos);
    EXPECT_NE(etc.TypeWorkExtension("txt?", false).find("Shift-JIS"), std::string::npos);
    EXPECT_EQ(std::make_tuple(etc.Choices().editorPath, etc.Choices().workExt), std::make_tuple("/opt/ed", "txt"));
}

TEST_F(OtherDefinitionsTest, UpdateInTheViewLeavesAppliesAndEntersAgain) {
    Doc().items = MakeRows({{.name = "R", .type = kGroup},
                            {.level = 2, .name = "A", .bytes = 4},
                            {.level = 2, .name = "B", .bytes = 4, .redefines = "A"}});
    for (int i = 0; i < 2497; ++i) Doc().items.push_back(MakeRow({.level = 2, .name = "F", .bytes = 1}));
    settings.Cmb_EditLine = 1;
    Model().Recompute();
    ASSERT_TRUE(etc.SetViewShown(true));
    EXPECT_TRUE(etc.ViewShown());
    etc.Choices()[EtcList::EditLine] = 0;
    etc.Choices()[EtcList::RedPlotType] = 0;
    messages.Script(Answer::Yes);
    messages.Script(Answer::Yes);
    ASSERT_TRUE(etc.Update());
    EXPECT_EQ(std::make_tuple(etc.ViewShown(), Model().ModeText(), Doc().Count()),
              std::make_tuple(true, ViewModeText(0), 2000));
    ASSERT_TRUE(etc.SetViewShown(false));
    EXPECT_EQ(std::make_tuple(etc.ViewShown(), Model().Shown().Count()), std::make_tuple(false, 2000));
}

TEST_F(OtherDefinitionsTest, BrowseStoresTheChosenProgramAtOnce) {
    EXPECT_FALSE(etc.EditorPathEnabled());
    EXPECT_FALSE(etc.BrowseEditor());
    EXPECT_EQ(std::make_tuple(tools.asked.back().folder, tools.asked.back().title),
              std::make_tuple(controller.ProgramFolderText(), sj("使用するエディタのパスを指定して下さい。")));
    tools.openAnswers = {" /opt/ed/edit.exe "};
    ASSERT_TRUE(etc.BrowseEditor());
    EXPECT_EQ(std::make_tuple(settings.Edt_EditorPath, etc.Choices().editorPath),
              std::make_tuple("/opt/ed/edit.exe", "/opt/ed/edit.exe"));
    EXPECT_FALSE(etc.BrowseEditor());
    EXPECT_EQ(std::make_tuple(tools.asked.back().folder, tools.asked.back().fileName),
              std::make_tuple("/opt/ed", "edit.exe"));
}

}  // namespace
}  // namespace rekkan::test

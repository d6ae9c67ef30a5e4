#include "layout_editor/other_definitions_controller.h"
#include "model/redefinition_view.h"
#include "tool_fixture.h"

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
    EXPECT_EQ(EtcListOf(EtcList::Short).items.back(), " 16 Byte");
    EXPECT_EQ(EtcListOf(EtcList::EditLine).items.front(), sj(" 2000 行"));
    EXPECT_EQ(EtcListOf(EtcList::EditLine).items.back(), sj(" 10000 行"));
    EXPECT_EQ(EtcListOf(EtcList::RedPlotType).items.size(), 7u);
    EXPECT_EQ(EtcListOf(EtcList::RedTagLen).items[20], sj(" 20 桁"));
    EXPECT_EQ(etc.WorkFileName(), "KvelWk093015");
}

TEST_F(OtherDefinitionsTest, UpdateStoresEveryChoiceAndTheEditorFollows) {
    Doc().items = MakeRows({{.name = "N", .type = kSInt}});
    EtcChoices& c = etc.Choices();
    c[EtcList::Int] = 1;
    c[EtcList::Short] = 1;
    c[EtcList::Long] = 3;
    c[EtcList::Lang] = 2;
    c[EtcList::InpTyp] = 1;
    c[EtcList::RedPlotType] = 2;
    c[EtcList::RedTagLen] = 0;
    c.kinshiBack = false;
    c.editorOther = true;
    c.editorPath = "  /usr/bin/vi  ";
    c.workExt = "  ";
    EXPECT_FALSE(etc.Update());  // No
    EXPECT_EQ(settings.Cmb_Int, 0);

    messages.Clear();
    messages.Script(Answer::Yes);
    ASSERT_TRUE(etc.Update());
    EXPECT_EQ(messages.Log().back().text, sj("その他の定義を更新しました。"));
    EXPECT_EQ(settings.Cmb_Int, 1);
    EXPECT_EQ(settings.Cmb_Long, 3);
    EXPECT_EQ(settings.Cmb_Lang, 2);
    EXPECT_EQ(settings.Cmb_InpTyp, 1);
    EXPECT_EQ(settings.Cmb_RedPlotType, 2);
    EXPECT_EQ(settings.Cmb_RedTagLen, 0);
    EXPECT_FALSE(settings.Rbt_KinshiBackOn);
    EXPECT_TRUE(settings.Rbt_KinshiBackOff);
    EXPECT_TRUE(settings.Rbt_EditorOther);
    EXPECT_FALSE(settings.Rbt_EditorSelf);
    EXPECT_EQ(settings.Edt_EditorPath, "/usr/bin/vi");
    EXPECT_EQ(settings.Edt_EditorWorkExt, "cpp");
    EXPECT_EQ(controller.RecordLength(), 8);  // int as long, long of 8 bytes
    EXPECT_EQ(Model().Options().priority, LangPriority::Vb);
    EXPECT_TRUE(Model().Options().typeNameInput);
    EXPECT_EQ(Model().Options().viewFormat, 2);
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
        EXPECT_EQ(Doc().Count(), rows);
        EXPECT_EQ(settings.Cmb_EditLine, 1);

        messages.Script(Answer::Yes);
        messages.Script(Answer::Yes);
        Doc().modified = false;
        ASSERT_TRUE(etc.Update());
        EXPECT_EQ(Doc().Count(), 2000);
        EXPECT_TRUE(Doc().modified);
        EXPECT_TRUE(Model().History().Empty());
        EXPECT_FALSE(Model().Range().Active());
        EXPECT_EQ(settings.Cmb_EditLine, 0);
        EXPECT_EQ(Doc().editableLineCount, 2000);
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
        EXPECT_EQ(settings.Edt_EditorWorkExt, "cpp");
        EXPECT_EQ(etc.Choices().workExt, "cpp");
        EXPECT_EQ(settings.Cmb_Indent, 0);  // the other choices still apply
        ASSERT_EQ(messages.Log().size(), 3u);
        EXPECT_NE(messages.Log()[1].text.find("cpp"), std::string::npos);
    }
    ASSERT_TRUE(controller.WriteWorkFile("old"));
    etc.Choices().workExt = sj(" ソ ");  // a trail byte 0x5C is no separator
    messages.Script(Answer::Yes);
    ASSERT_TRUE(etc.Update());
    EXPECT_EQ(settings.Edt_EditorWorkExt, sj("ソ"));
    EXPECT_EQ(controller.WorkFilePath(), dir.File("KvelWk093015." + sj("ソ")));
    // Both work files the session named are gone at the end.
    ASSERT_TRUE(controller.WriteWorkFile("new"));
    ASSERT_TRUE(controller.Shutdown({}));
    EXPECT_FALSE(std::filesystem::exists(ToFsPath(dir.File("KvelWk093015.cpp"))));
    EXPECT_FALSE(std::filesystem::exists(ToFsPath(controller.WorkFilePath())));
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
    EXPECT_TRUE(etc.ViewShown());
    EXPECT_EQ(Model().ModeText(), ViewModeText(0));
    EXPECT_EQ(Doc().Count(), 2000);
    ASSERT_TRUE(etc.SetViewShown(false));
    EXPECT_FALSE(etc.ViewShown());
    EXPECT_EQ(Model().Shown().Count(), 2000);
}

TEST_F(OtherDefinitionsTest, BrowseStoresTheChosenProgramAtOnce) {
    EXPECT_FALSE(etc.EditorPathEnabled());
    EXPECT_FALSE(etc.BrowseEditor());
    EXPECT_EQ(tools.asked.back().folder, controller.ProgramFolderText());
    EXPECT_EQ(tools.asked.back().title, sj("使用するエディタのパスを指定して下さい。"));
    tools.openAnswers = {" /opt/ed/edit.exe "};
    ASSERT_TRUE(etc.BrowseEditor());
    EXPECT_EQ(settings.Edt_EditorPath, "/opt/ed/edit.exe");
    EXPECT_EQ(etc.Choices().editorPath, "/opt/ed/edit.exe");
    EXPECT_FALSE(etc.BrowseEditor());
    EXPECT_EQ(tools.asked.back().folder, "/opt/ed");
    EXPECT_EQ(tools.asked.back().fileName, "edit.exe");
}

}  // namespace
}  // namespace rekkan::test

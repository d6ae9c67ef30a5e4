#include <algorithm>
#include <filesystem>
#include <tuple>

#include "controller_fixture.h"
#include "lang/lang_output.h"
#include "layout_editor/save_button_rule.h"
#include "support/row_summary.h"

namespace rekkan::test {
namespace {

std::vector<TRspec> Rows(const std::string& first) {
    return MakeRows({{.name = first, .type = kGroup}, {.level = 2, .name = "B", .bytes = 4}});
}

TEST_F(ControllerFixture, GridEditsAreSavedAsTheCoreWritesTheSameRows) {
    // The first commit after start is an edit like any other.
    ASSERT_TRUE(Model().CommitRow(2, RowTexts{"02 CUSTOMER", "CUST", "", "", "", "10", "", ""}));
    Model().SetCursor(2, 3);
    ASSERT_TRUE(Model().LevelUp());
    EXPECT_EQ(controller.RecordLength(), 10);
    // Another window changes the rows: the record length is measured again before it is read.
    Doc().items[2].BYT = 12;
    EXPECT_EQ(controller.RecordLength(), 12);
    EXPECT_EQ(controller.PrintGrid().headings[1], sj("レコ－ド長  ： 12 Byte"));
    Doc().items[2].BYT = 14;
    for (const OutputLanguage language : {OutputLanguage::C, OutputLanguage::Vb, OutputLanguage::Cobol})
        EXPECT_NE(controller.LanguageText(language).find("  14 Byte"), std::string::npos);
    Doc().items[2].BYT = 12;

    EXPECT_TRUE(controller.SaveEnabled());
    shell.saveAnswers = {dir.File("cust")};
    messages.Script(Answer::Yes);
    ASSERT_TRUE(controller.Save(false));
    ASSERT_EQ(shell.asked.size(), 1u);
    EXPECT_EQ(shell.asked[0].folder, controller.ProgramFolderText());  // no layout read yet
    LayoutDocument expected;
    SetSampleLayout(expected, LangPriority::Cobol);
    expected.items.push_back(MakeRow({.level = 3, .name = "CUSTOMER", .var = "CUST", .bytes = 12}));
    expected.items[1].TYP = kGroup;  // above a deeper row; its digits stay for a later change back
    EXPECT_EQ(Bytes(dir.File("cust.kvl")), FormatLayoutFile(expected));
    EXPECT_EQ(Doc().path, dir.File("cust.kvl"));
    EXPECT_FALSE(controller.SaveEnabled() || !Model().History().Empty());
}

TEST_F(ControllerFixture, SaveAsksForAPathOnlyWhenItHasNone) {
    const std::string path = WriteLayout("a.kvl", Rows("A"));
    recordEditor.shown = dir.File("./a.kvl");
    ASSERT_TRUE(controller.OpenPath(path));
    Doc().items[0].KOM = "CHANGED";
    Doc().modified = true;
    EXPECT_FALSE(controller.Save(true));  // the save-as dialog was cancelled
    messages.Script(Answer::Yes);
    EXPECT_TRUE(controller.Save(false));
    EXPECT_NE(Bytes(path).find("CHANGED"), std::string::npos);
    EXPECT_EQ(std::make_tuple(shell.asked.size(), recordEditor.refreshed),
              std::make_tuple(1u, 1));  // the shown entry's
    // The redefinition view disables saving, modified or not.
    Doc().modified = true;
    ASSERT_TRUE(Model().EnterView());
    EXPECT_FALSE(controller.SaveEnabled() || controller.Save(false));
    EXPECT_EQ(controller.PrintGrid().rows.size(), 1u);  // the view's root row: no redefinitions
}

TEST_F(ControllerFixture, OpenAndCloseGoOnOnlyAfterAnOfferedSaveSucceeded) {
    const std::string other = WriteLayout("other.kvl", Rows("OTHER"));
    struct Case {
        bool close;
        Answer question;
        std::string saveDialog;
        bool goesOn;
    } cases[] = {{false, Answer::Yes, "", false},
                 {false, Answer::No, "", true},
                 {false, Answer::Yes, dir.File("o.kvl"), true},
                 {true, Answer::Cancel, "", false},
                 {true, Answer::Yes, "", false},
                 {true, Answer::No, "", true},
                 {true, Answer::Yes, dir.File("c.kvl"), true},
                 {true, Answer::Yes, dir.File("none/c.kvl"), false}};  // the write failed
    int closings = 0;
    for (const Case& c : cases) {
        Doc().items = Rows("EDITED");
        Doc().modified = true;
        shell.openAnswers = {other};
        shell.saveAnswers = {c.saveDialog};
        messages.Script(c.question);
        if (!c.saveDialog.empty()) messages.Script(Answer::Yes);  // the save confirmation
        EXPECT_EQ(c.close ? controller.Close() : controller.Open(), c.goesOn);
        closings += c.close && c.goesOn;
        EXPECT_EQ(std::make_pair(recordEditor.closed, shell.hidden), std::make_pair(closings, closings));
        EXPECT_EQ(Doc().items[0].KOM, !c.close && c.goesOn ? "OTHER" : "EDITED");
        EXPECT_EQ(Bytes(c.saveDialog).find("EDITED") != std::string::npos, c.goesOn && !c.saveDialog.empty());
    }
}

TEST_F(ControllerFixture, AFailedReadLeavesTheShownLayoutWhole) {
    const std::string good = WriteLayout("good.kvl", Rows("GOOD"));
    ASSERT_TRUE(controller.OpenPath(good));
    const std::string bad = dir.File("bad.kvl");
    Put(bad, std::string(kLayoutMagic) + "\r\n" + ItemLine(Rows("HALF")[0], 0) +
                 "\r\n%!#SEQ=2%!#LVL=two%!#TYP=1%!#RPT=1%!#BYT=1%!#SYO=0%!#\r\n");
    messages.Clear();
    EXPECT_FALSE(controller.OpenPath(bad));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{NotLayoutFileMessage(bad)});
    EXPECT_EQ(RowsSummary(Doc().items), RowsSummary(Rows("GOOD")));
    EXPECT_EQ(Doc().path, good);
    // A layout read with a notice shows it in the resident message window.
    std::vector<TRspec> unknownType = Rows("NEW");
    unknownType[1].TYP = 40;
    ASSERT_TRUE(controller.OpenPath(WriteLayout("new.kvl", unknownType)));
    EXPECT_EQ(std::make_tuple(shell.notices.size(), Doc().items[1].TYP), std::make_tuple(1u, kString));
}

TEST_F(ControllerFixture, ARecordTooLongIsToldOnceAndTakenBackWhenItFitsAgain) {
    const auto rows = [](int repeat) {
        return MakeRows({{.name = "REC", .type = kGroup}, {.level = 2, .name = "A", .bytes = 1000, .repeat = repeat}});
    };
    ASSERT_TRUE(controller.OpenPath(WriteLayout("fits.kvl", rows(1))));
    controller.FollowGeometry();
    EXPECT_TRUE(shell.notices.empty());
    // 1000 times 1000 bytes: longer than the 999,999 bytes a record may have. The window
    // refreshes after every change; the message comes once.
    ASSERT_TRUE(Model().CommitRow(1, RowTexts{.name = "   02 A", .repeat = "1000", .digits = "1000"}));
    controller.FollowGeometry();
    controller.FollowGeometry();
    EXPECT_EQ(shell.notices, std::vector<std::string>{RecordTooLongMessage()});
    ASSERT_TRUE(Model().CommitRow(1, RowTexts{.name = "   02 A", .repeat = "", .digits = "1000"}));
    controller.FollowGeometry();
    EXPECT_EQ(std::make_tuple(shell.notices.size(), shell.closedNotices), std::make_tuple(1u, 1));

    // Opening a layout too long tells at once; opening one that fits after it closes the window.
    ASSERT_TRUE(controller.OpenPath(WriteLayout("long.kvl", rows(1000))));
    EXPECT_EQ(std::make_tuple(shell.notices.size(), shell.notices.back()), std::make_tuple(2u, RecordTooLongMessage()));
    ASSERT_TRUE(controller.OpenPath(WriteLayout("fits2.kvl", rows(2))));
    controller.FollowGeometry();
    EXPECT_EQ(std::make_tuple(shell.notices.size(), shell.closedNotices), std::make_tuple(2u, 2));
}

TEST_F(ControllerFixture, InitialiseForgetsRangeAndUndoOfTheOldTable) {
    Model().SetCursor(1, 3);
    ASSERT_TRUE(Model().Copy());
    ASSERT_TRUE(Model().BeginMarking(0));
    messages.Script(Answer::No);
    EXPECT_FALSE(controller.Initialise());
    EXPECT_FALSE(Model().History().Empty());
    messages.Script(Answer::Yes);
    ASSERT_TRUE(controller.Initialise());
    EXPECT_EQ(std::make_tuple(Model().History().Empty(), Model().Range().Active(), Doc().Count(), Doc().modified),
              std::make_tuple(true, false, 2, true));
}

TEST_F(ControllerFixture, DroppedFilesAreJudgedFromTheirStart) {
    const std::string first = WriteLayout("first.kvl", Rows("FIRST"));
    ASSERT_TRUE(controller.OpenPath(first));
    const std::string dropped = WriteLayout("dropped.kvl", Rows("DROPPED"));
    const std::string cobol = dir.File("rec.cpy");
    Put(cobol, "       01 REC.\r\n         05 F1 PIC X(3).\r\n");
    const std::string late = dir.File("late.cpy");
    Put(late, std::string(1000, '*') + "\r\n       01 REC.\r\n         05 F1 PIC X(3).\r\n");
    const std::string refused =
        sj("\r\n★\r\n★ 指定されたファイルを MORVANE は処理できませんでした。\r\n★ \r\n\r\n   PATH = ");
    struct Case {
        std::string path;
        bool taken;
        std::string message;
        std::string firstName;
        std::size_t messageCount;  // a layout is opened as the open command does: save question first
    } cases[] = {
        {dir.File(""), false, refused + dir.File(""), "FIRST", 1},  // a folder
        {late, false, refused + late, "FIRST", 1},
        {dropped, true, sj("指定のレイアウトを読み込みました。\r\n\r\n   PATH = ") + dropped, "DROPPED", 2},
        {cobol, true, sj("指定のファイルから 【 COBOL 】 の構造体の取り込みを行いました。\r\n\r\n   PATH = ") + cobol,
         "REC", 1},
    };
    Doc().modified = true;
    for (const Case& c : cases) {
        messages.Clear();
        EXPECT_EQ(controller.Drop({c.path, first}), c.taken) << c.path;
        EXPECT_EQ(messages.Texts().size(), c.messageCount);
        EXPECT_EQ(messages.Texts().back(), c.message);
        EXPECT_EQ(Doc().items[0].KOM, c.firstName);
    }
    // The dropped layout became the layout's file: an overwrite save cannot go to the first.
    EXPECT_EQ(Doc().path, dropped);
    messages.Script(Answer::Yes);
    ASSERT_TRUE(controller.Save(false));
    EXPECT_NE(Bytes(dropped).find("REC"), std::string::npos);
    EXPECT_NE(Bytes(first).find("FIRST"), std::string::npos);
}

TEST_F(ControllerFixture, TheRecordEditorsEntryIsLoadedIntoTheSharedDocument) {
    recordEditor.shown = WriteLayout("entry.kvl", Rows("ENTRY"));
    ASSERT_TRUE(controller.EditShownEntryLayout());
    EXPECT_EQ(std::tie(Doc().items[0].KOM, Doc().path, Doc().modified),
              std::make_tuple(std::string("ENTRY"), recordEditor.shown, false));
    recordEditor.shown = dir.File("missing.kvl");
    EXPECT_FALSE(controller.EditShownEntryLayout());
    EXPECT_EQ(Doc().items[0].KOM, "ENTRY");
    // An entry without a layout: the record editor set up the sample; old undo steps must go.
    ASSERT_TRUE(Model().Copy());
    recordEditor.shown.clear();
    SetSampleLayout(Doc(), LangPriority::Cobol);
    EXPECT_TRUE(controller.EditShownEntryLayout());
    EXPECT_TRUE(Model().History().Empty());
}

TEST_F(ControllerFixture, OutputsAndSettingsFollowTheLayout) {
    EXPECT_EQ(controller.ProposedOutputPath(LanguageOutputNaming(OutputLanguage::Cobol)),
              controller.ProgramFolderText() + "/MORVANE.COB");
    ASSERT_TRUE(controller.OpenPath(WriteLayout("cust.kvl", Rows("A"))));
    EXPECT_EQ(controller.ProposedOutputPath(LanguageOutputNaming(OutputLanguage::Cobol)), dir.File("CUST.COB"));
    EXPECT_EQ(controller.ProposedOutputPath(ListingNaming(true)), dir.File("cust.csv"));
    settings.Cmb_Lang = 2;
    messages.Clear();
    controller.SettingsChanged();
    EXPECT_EQ(Model().Types().Priority(), LangPriority::Vb);
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{sj("型名リストの並び順を     \r\n\r\n < VB > 優先に変更しました。")});
}

TEST_F(ControllerFixture, HeaderFieldsAreStoredTrimmedAndCut) {
    Doc().modified = false;
    controller.StoreHeaderFields(Doc().RdfCmt, "");
    EXPECT_FALSE(Doc().modified);
    const std::string longComment = std::string(254, 'a') + sj("表");  // the cut would split the character
    controller.StoreHeaderFields(longComment, sj(" 顧客- "));
    EXPECT_EQ(std::tie(Doc().RdfCmt, Doc().PreFix, Doc().modified),
              std::make_tuple(std::string(254, 'a'), sj("顧客-"), true));
}

TEST_F(ControllerFixture, ShutdownStoresTheWindowAndRemovesTemporaries) {
    for (const char* name : {"morvane0.tmp", "morvane10.tmp", "morvane11.tmp", "KvelWk093015.cpp"})
        WriteBytes(dir.Path() / name, "x");
    controller.Types().SetLabel(kX, sj("#文字"));
    const LayoutEditorWindowState window{{10, 20, 300, 400}, {40, 50, 0, 200, 150, 60, 90, 40, 40, 40, 120}};
    ASSERT_TRUE(controller.Shutdown(window));
    // The next start finds what this one stored.
    Settings stored;
    LayoutEditorController next(stored, dir.Path(), messages, clipboard, shell);
    next.Start(8, "100000");
    EXPECT_EQ(stored.FPS_kvel, (WindowPlace{10, 20, 300, 400}));
    EXPECT_EQ(next.GridColumnWidths(), window.widths);
    EXPECT_EQ(next.Model().CellsOf(1).type, sj("文字"));
    std::vector<std::string> left;
    for (const auto& e : std::filesystem::directory_iterator(dir.Path())) left.push_back(e.path().filename().string());
    std::sort(left.begin(), left.end());
    // A work file this program never created belongs to another one started in the same second.
    EXPECT_EQ(left, (std::vector<std::string>{"KvelWk093015.cpp", kSettingsFileName, kTypeNotationFileName,
                                              "morvane11.tmp"}));
}

}  // namespace
}  // namespace rekkan::test

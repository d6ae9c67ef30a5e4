#include <filesystem>

#include "session_fixture.h"
#include "util/file_util.h"

namespace rekkan {
namespace {

using test::OrderRecord;
using test::SessionFixture;

std::string Bytes(const std::string& path) { return test::ReadBytes(std::string_view(path)); }

TEST_F(SessionFixture, ReturningToAnEntryKeepsOnlyUnwrittenEdits) {
    const std::string data = ThreeRecords();
    ShowWith(data);
    ASSERT_TRUE(session.AddLayouts({EnteredText{layout, true}}));  // a second entry on the same file
    ASSERT_TRUE(session.SetEditFile(EnteredText{data, true}));
    settings.Chk_Msg_Update = false;

    // Entry 0 on record 2 with an unwritten edit; entry 1 writes record 2 meanwhile.
    session.ShowEntry(0);
    ASSERT_TRUE(session.Next());
    session.ToggleRowHex(2);
    ASSERT_TRUE(session.MemoEdit(kName, EnteredText{"MINE", true}));
    session.NoteGridPlace({3, 5});
    session.ShowEntry(1);
    ASSERT_TRUE(session.Next());
    ASSERT_TRUE(session.CommitCell(kName, EnteredText{"THEIRS", true}));
    ASSERT_TRUE(session.Update());
    session.ShowEntry(0);
    EXPECT_EQ(session.CellText(kName), "MINE");
    EXPECT_EQ(session.Info().recNo, "2");
    EXPECT_EQ(session.Row(2).cells[6], "HEX");
    EXPECT_EQ(session.RestoredGridPlace().topRow, 3);
    EXPECT_EQ(session.RestoredGridPlace().row, 5);

    // Written now; entry 1 changes the record again; returning shows the file's bytes.
    ASSERT_TRUE(session.Update());
    session.ShowEntry(1);
    ASSERT_TRUE(session.CommitCell(kName, EnteredText{"LATEST", true}));
    ASSERT_TRUE(session.Update());
    session.ShowEntry(0);
    EXPECT_EQ(session.CellText(kName), "LATEST");
    EXPECT_EQ(Bytes(data).substr(19, 6), "LATEST");
}

TEST_F(SessionFixture, GroupIsReplacedOrClosedOnlyAfterASuccessfulSave) {
    ShowWith(ThreeRecords());
    ASSERT_TRUE(session.GroupModified());
    const std::string saved = dir.File("saved");

    struct Case {
        const char* name;
        std::vector<Answer> answers;                      // modified question, then the save question
        std::vector<std::optional<std::string>> dialogs;  // save dialog
        bool closes;
    };
    const Case cases[] = {
        {"cancel", {Answer::Cancel}, {}, false},
        {"yes, dialog cancelled", {Answer::Yes}, {std::nullopt}, false},
        {"yes, save question no", {Answer::Yes, Answer::No}, {saved}, false},
        {"yes, saved", {Answer::Yes, Answer::Yes}, {saved}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (Answer a : c.answers) messages.Script(a);
        dialogs.answers.assign(c.dialogs.begin(), c.dialogs.end());
        EXPECT_EQ(session.QueryClose(), c.closes);
    }
    EXPECT_EQ(Bytes(saved + ".LGP").substr(0, 27), "Layout#Group=Layout#Group\r\n");
    EXPECT_FALSE(session.GroupModified());
    EXPECT_EQ(session.GroupPathLabel(), saved + ".LGP");
    EXPECT_TRUE(session.QueryClose());  // not modified: no question
    EXPECT_EQ(Cp932ToUtf8(dialogs.asked.at(0).title), "指定のファイル名で ﾚｲｱｳﾄ・ｸﾞﾙｰﾌﾟ を保存します。");
    EXPECT_EQ(dialogs.asked.at(0).filter, "(*.LGP)|*.LGP|(*.*)|*.*");

    // Opening another group: a failed save keeps the current group.
    ASSERT_TRUE(session.AddLayouts({EnteredText{layout, true}}));
    messages.Script(Answer::Yes);  // save the modified group
    messages.Script(Answer::No);   // but not under that name
    EXPECT_FALSE(session.OpenGroupCommand());
    EXPECT_EQ(session.EntryCount(), 2);
    messages.Script(Answer::No);  // do not save
    dialogs.answers = {saved + ".LGP"};
    EXPECT_TRUE(session.OpenGroupCommand());
    EXPECT_EQ(session.EntryCount(), 1);
    EXPECT_EQ(session.ShownIndex(), 0);
    EXPECT_EQ(session.CellText(kName), "A     ");
}

TEST_F(SessionFixture, DroppedFilesAreClassifiedAndStoredWithAbsolutePaths) {
    const std::string data = ThreeRecords();
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    const std::string report = "\r\n\r\n   PATH = ";

    session.DropFile(EnteredText{"orders.dat", true});  // no layout shown
    ASSERT_EQ(messages.Log().size(), 1u);
    EXPECT_EQ(
        Cp932ToUtf8(messages.Log()[0].text),
        "\r\n★\r\n★ 現在、レイアウトは何も表示されてないので下記のファイルを\r\n★ 「編集するファイル」として設定すること"
        "はできません。\r\n★" +
            report + data);

    messages.Clear();
    session.DropFile(EnteredText{"order.kvl", true});
    EXPECT_EQ(Cp932ToUtf8(messages.Log().at(0).text),
              "指定のレイアウトをレイアウトグループに追加しました。" + report + layout);
    EXPECT_EQ(session.ShownEntry()->layoutPath, layout);
    EXPECT_TRUE(session.GroupModified());

    messages.Clear();
    messages.Script(Answer::Yes);
    session.DropFile(EnteredText{"./orders.dat", true});
    EXPECT_EQ(Cp932ToUtf8(messages.Log().at(0).text),
              "表示中のレイアウトの 「編集するファイル」 として\r\n下記のファイルを設定してもよろしいですか？" +
                  report + data);
    EXPECT_EQ(session.EditFilePath(), data);
    EXPECT_EQ(session.CellText(kName), "A     ");

    messages.Clear();
    session.DropFile(EnteredText{"nothing.dat", true});
    EXPECT_EQ(Cp932ToUtf8(messages.Log().at(0).text),
              "\r\n★\r\n★ これは現在編集中か又は他で使用中のファイルです。\r\n★" + report + dir.File("nothing.dat"));

    test::WriteBytes(dir.Path() / "g.LGP", "Layout#Group=Layout#Group\r\nPath_Rdf=" + layout +
                                               " Path_EditFile=" + data + " #BrowseFixedCol=0 #GetBasePos=0\r\n");
    messages.Clear();
    messages.Script(Answer::No);  // the modified group is not saved
    session.DropFile(EnteredText{"g.LGP", true});
    EXPECT_EQ(Cp932ToUtf8(messages.Log().at(0).text), "ﾚｲｱｳﾄ・ｸﾞﾙｰﾌﾟの内容が変更されています。\r\n\r\n保存しますか？");
    EXPECT_EQ(Cp932ToUtf8(messages.Log().at(1).text),
              "指定のレイアウトグループを読み込みました。" + report + dir.File("g.LGP"));
    EXPECT_EQ(session.GroupPathLabel(), dir.File("g.LGP"));
    EXPECT_FALSE(session.GroupModified());

    // The command-line argument: no reports; a data file is ignored.
    messages.Clear();
    session.TakeArgument(EnteredText{"orders.dat", true});
    session.TakeArgument(EnteredText{"order.kvl", true});
    EXPECT_TRUE(messages.Log().empty());
    EXPECT_EQ(session.EntryCount(), 2);
    std::filesystem::current_path(before);
}

TEST_F(SessionFixture, RemovingEntriesShowsTheNextAndFinallyNothing) {
    ShowWith(ThreeRecords());
    ASSERT_TRUE(session.AddLayouts({EnteredText{dir.File("gone.kvl"), true}}));
    EXPECT_EQ(session.ShownIndex(), 1);
    messages.Script(Answer::No);
    EXPECT_FALSE(session.RemoveEntryCommand(0));
    EXPECT_TRUE(session.RemoveEntryCommand(0));
    EXPECT_EQ(
        Cp932ToUtf8(messages.Log().back().text),
        "下記のレイアウトをレイアウト・グループより削除します。\r\n\r\n      1. Orders                        \r\n\r\n"
        "よろしいですか？");
    EXPECT_EQ(session.ShownIndex(), 0);
    EXPECT_TRUE(session.LayoutMissing());
    EXPECT_EQ(Cp932ToUtf8(session.Captions(0).entry), " 1. ★★ レイアウトが存在しません ★★");
    EXPECT_TRUE(session.RemoveEntryCommand(0));
    EXPECT_EQ(session.ShownIndex(), -1);
    EXPECT_EQ(session.RowCount(), 0);
    EXPECT_EQ(session.Warning(), "");
    EXPECT_EQ(session.Info().recordCount, "");
    EXPECT_FALSE(session.Enabling().removeLayout);
}

TEST_F(SessionFixture, EditFileCommandsChooseClearCloseOpenAndInitialise) {
    const std::string data = ThreeRecords();
    ShowWith("");
    EXPECT_FALSE(session.Enabling().clearEditFile);
    dialogs.answers = {data};
    EXPECT_TRUE(session.ChooseEditFileCommand());
    EXPECT_EQ(dialogs.asked.back().filter, "(*.dat)|*.dat|(*.*)|*.*");
    EXPECT_EQ(session.Captions(0).edit, "Edit   = " + data);
    EXPECT_TRUE(session.Enabling().openCloseEditFile);

    session.CloseEditFile();
    EXPECT_EQ(Outcome(), "編集ファイルをクローズしました。");
    EXPECT_EQ(session.CellText(kName), "");
    EXPECT_FALSE(session.Enabling().gridEditable);
    EXPECT_TRUE(session.OpenEditFile());
    EXPECT_EQ(Outcome(), "先頭レコードを読み込みました。");
    EXPECT_EQ(session.CellText(kName), "A     ");

    const std::string fresh = dir.File("fresh");
    dialogs.answers = {fresh};
    EXPECT_TRUE(session.InitialiseEditFileCommand());
    const std::string path = fresh + ".dat";
    EXPECT_EQ(
        Cp932ToUtf8(messages.Log().at(0).text),
        "編集するファイルを初期化します。 (空ファイルの作成)\r\n\r\n初期化を行うとファイルサイズは 【 0 byte 】 になります。"
        "\r\n\r\n     PATH = " +
            path + "\r\n\r\nよろしいですか？");
    EXPECT_EQ(Cp932ToUtf8(messages.Log().at(1).text), "編集ファイルを初期化しました。\r\n\r\n     PATH = " + path);
    EXPECT_EQ(Outcome(), "編集中のファイルを初期化しました。");
    EXPECT_TRUE(std::filesystem::exists(ToFsPath(path)));
    EXPECT_EQ(session.EditFilePath(), path);
    EXPECT_EQ(Cp932ToUtf8(session.Warning()), "【警告】ファイルにレコードは存在しません。");
    EXPECT_EQ(Bytes(data).size(), 57u);  // the old edit file is untouched

    dialogs.answers = {dir.File("no/such/folder/x.dat")};
    messages.Clear();
    EXPECT_FALSE(session.InitialiseEditFileCommand());
    EXPECT_EQ(Outcome(), "編集中のファイルの初期化に失敗しました。");
    EXPECT_EQ(Kind(), OutcomeKind::Error);

    messages.Script(Answer::Yes);
    EXPECT_TRUE(session.ClearEditFileCommand());
    EXPECT_EQ(session.EditFilePath(), "");
    EXPECT_EQ(Cp932ToUtf8(session.Warning()), "【警告】編集ファイルが未設定です。");

    ASSERT_TRUE(session.RemoveEntryCommand(0));
    messages.Clear();
    EXPECT_FALSE(session.InitialiseEditFileCommand());
    EXPECT_EQ(Cp932ToUtf8(messages.Log().at(0).text),
              "現在、レイアウトは何も表示されていないので\r\n編集ファイルの初期化はできません。");
}

}  // namespace
}  // namespace rekkan

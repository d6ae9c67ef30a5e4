#include <filesystem>

#include "session_fixture.h"
#include "util/file_util.h"

namespace rekkan {
namespace {

using test::SessionFixture;

TEST_F(SessionFixture, ReturningToAnEntryKeepsOnlyUnwrittenEdits) {
    const std::string data = ThreeRecords();
    ShowWith(data);
    ShowWith(data);  // a second entry on the same file
    settings.Chk_Msg_Update = settings.Chk_Msg_Delete = false;

    session.ShowEntry(0);  // on record 2 with an unwritten edit, while entry 1 writes record 2
    ASSERT_TRUE(session.Next());
    session.ToggleRowHex(2);
    ASSERT_TRUE(session.MemoEdit(kName, EnteredText{"MINE", true}));
    session.NoteGridPlace({3, 5});
    session.ShowEntry(1);
    ASSERT_TRUE(session.Next() && session.CommitCell(kName, EnteredText{"THEIRS", true}) && session.Update());
    session.ShowEntry(0);
    EXPECT_EQ(std::make_tuple(session.CellText(kName), session.Info().recNo, session.Row(2).cells[6],
                              session.RestoredGridPlace().topRow + session.RestoredGridPlace().row),
              std::make_tuple("MINE", "2", "HEX", 8));

    ASSERT_TRUE(session.Update());  // written now: returning shows what the file holds
    session.ShowEntry(1);
    ASSERT_TRUE(session.CommitCell(kName, EnteredText{"LATEST", true}) && session.Update());
    session.ShowEntry(0);
    EXPECT_EQ(session.CellText(kName), "LATEST");

    session.ShowEntry(1);  // the record entry 0 stood on goes, then the file
    ASSERT_TRUE(session.Delete() && session.Delete());
    session.ShowEntry(0);
    EXPECT_EQ(std::make_tuple(Outcome(), Kind()),
              std::make_tuple("Rec.No [2] のレコードは存在しません。", OutcomeKind::Error));
    session.ShowEntry(1);
    std::filesystem::remove(ToFsPath(data));
    session.ShowEntry(0);
    EXPECT_EQ(Outcome(), "編集ファイルのオープンに失敗しました。");
}

TEST_F(SessionFixture, GroupIsReplacedOrClosedOnlyAfterASuccessfulSave) {
    ShowWith(ThreeRecords());
    const std::string saved = dir.File("saved");
    const struct {
        std::vector<Answer> answers;                     // the modified question, then the save question
        std::vector<std::optional<std::string>> dialog;  // the save dialog
        bool closes;
    } cases[] = {
        {{Answer::Cancel}, {}, false},
        {{Answer::Yes}, {std::nullopt}, false},
        {{Answer::Yes, Answer::No}, {saved}, false},
        {{Answer::Yes, Answer::Yes}, {saved}, true},
    };
    for (const auto& c : cases) {
        for (Answer a : c.answers) messages.Script(a);
        dialogs.answers.assign(c.dialog.begin(), c.dialog.end());
        EXPECT_EQ(session.QueryClose(), c.closes);
    }
    EXPECT_EQ(std::make_tuple(Bytes(saved + ".LGP").substr(0, 27), session.GroupPathLabel()),
              std::make_tuple("Layout#Group=Layout#Group\r\n", saved + ".LGP"));
    EXPECT_TRUE(session.QueryClose());  // not modified: no question
    EXPECT_EQ(Cp932ToUtf8(dialogs.asked.at(0).title), "指定のファイル名で ﾚｲｱｳﾄ・ｸﾞﾙｰﾌﾟ を保存します。");

    ShowWith("");
    messages.Script(Answer::Yes);  // save the modified group
    messages.Script(Answer::No);   // but not under that name: the group stays
    EXPECT_FALSE(session.OpenGroupCommand());
    EXPECT_EQ(session.EntryCount(), 2);
    messages.Script(Answer::No);  // do not save
    dialogs.answers = {saved + ".LGP"};
    EXPECT_TRUE(session.OpenGroupCommand());
    EXPECT_EQ(std::make_tuple(session.EntryCount(), session.CellText(kName)), std::make_tuple(1, "A     "));
}

TEST_F(SessionFixture, DroppedFilesAreClassifiedAndStoredWithAbsolutePaths) {
    const std::string data = ThreeRecords(), path = "\r\n\r\n   PATH = ";
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    session.DropFile(EnteredText{"orders.dat", true});  // no layout shown
    EXPECT_EQ(Said(0),
              "\r\n★\r\n★ 現在、レイアウトは何も表示されてないので下記のファイルを\r\n"
              "★ 「編集するファイル」として設定することはできません。\r\n★" +
                  path + data);
    session.DropFile(EnteredText{"order.kvl", true});
    EXPECT_EQ(std::make_tuple(Said(1), session.ShownEntry()->layoutPath),
              std::make_tuple("指定のレイアウトをレイアウトグループに追加しました。" + path + layout, layout));
    session.DropFile(EnteredText{"./orders.dat", true});
    EXPECT_EQ(
        Said(2),
        "表示中のレイアウトの 「編集するファイル」 として\r\n下記のファイルを設定してもよろしいですか？" + path + data);
    EXPECT_EQ(session.EditFilePath(), data);
    session.DropFile(EnteredText{"nothing.dat", true});
    EXPECT_EQ(Said(3),
              "\r\n★\r\n★ これは現在編集中か又は他で使用中のファイルです。\r\n★" + path + dir.File("nothing.dat"));

    test::WriteBytes("g.LGP", "Layout#Group=Layout#Group\r\nPath_Rdf=" + layout + " Path_EditFile= #GetBasePos=4\r\n");
    messages.Script(Answer::No);  // the modified group is not saved
    session.DropFile(EnteredText{"g.LGP", true});
    EXPECT_EQ(Said(4), "ﾚｲｱｳﾄ・ｸﾞﾙｰﾌﾟの内容が変更されています。\r\n\r\n保存しますか？");
    EXPECT_EQ(Said(5), "指定のレイアウトグループを読み込みました。" + path + dir.File("g.LGP"));
    // The base position is shown without an edit file too.
    EXPECT_EQ(std::make_tuple(session.GroupModified(), session.Info().basePosition), std::make_tuple(false, "5"));
    session.DropFile(EnteredText{"?.kvl", false});  // a path Shift-JIS cannot hold
    EXPECT_EQ(session.LastOutcome().text, NotShiftJisText());
    messages.Clear();  // the command-line argument: no reports; a data file is ignored
    session.TakeArgument(EnteredText{"orders.dat", true});
    session.TakeArgument(EnteredText{"order.kvl", true});
    EXPECT_EQ(std::make_tuple(messages.Log().size(), session.EntryCount()), std::make_tuple(0u, 2));
    std::filesystem::current_path(before);
}

TEST_F(SessionFixture, RemovingEntriesShowsTheNextAndFinallyNothing) {
    ShowWith(ThreeRecords());
    ShowWith("", dir.File("gone.kvl"));
    messages.Script(Answer::No);
    EXPECT_FALSE(session.RemoveEntryCommand(0));
    EXPECT_TRUE(session.RemoveEntryCommand(0));
    EXPECT_EQ(Said(1),
              "下記のレイアウトをレイアウト・グループより削除します。\r\n\r\n      1. Orders                        "
              "\r\n\r\nよろしいですか？");
    EXPECT_EQ(Cp932ToUtf8(session.Captions(0).entry), " 1. ★★ レイアウトが存在しません ★★");
    EXPECT_TRUE(session.RemoveEntryCommand(0));
    EXPECT_EQ(std::make_tuple(session.ShownIndex(), session.RowCount(), session.Warning() + session.Info().recordCount,
                              session.Enabling().removeLayout),
              std::make_tuple(-1, 0, "", false));
}

TEST_F(SessionFixture, EditFileCommandsChooseCloseOpenInitialiseAndClear) {
    const std::string data = ThreeRecords();
    ShowWith("");
    dialogs.answers = {data};
    EXPECT_TRUE(session.ChooseEditFileCommand());
    EXPECT_EQ(std::make_tuple(dialogs.asked.back().filter, session.Captions(0).edit),
              std::make_tuple("(*.dat)|*.dat|(*.*)|*.*", "Edit   = " + data));
    session.CloseEditFile();
    const RecordInfo closed = session.Info();  // nothing of the closed file's last state stays
    EXPECT_EQ(closed.recNo + "|" + closed.recordCount + "|" + closed.fileSize + "|" + closed.filePos + "|" +
                  closed.recordLength + "|" + closed.basePosition,
              "||||19|1");
    EXPECT_EQ(std::make_tuple(Outcome(), session.CellText(kName), session.Enabling().gridEditable),
              std::make_tuple("編集ファイルをクローズしました。", "", false));
    EXPECT_TRUE(session.OpenEditFile());
    EXPECT_EQ(session.CellText(kName), "A     ");

    const std::string fresh = dir.File("fresh.dat");
    dialogs.answers = {dir.File("fresh")};
    EXPECT_TRUE(session.InitialiseEditFileCommand());
    EXPECT_EQ(
        Said(0),
        "編集するファイルを初期化します。 (空ファイルの作成)\r\n\r\n初期化を行うとファイルサイズは 【 0 byte 】 に"
        "なります。\r\n\r\n     PATH = " +
            fresh + "\r\n\r\nよろしいですか？");
    EXPECT_EQ(Said(1), "編集ファイルを初期化しました。\r\n\r\n     PATH = " + fresh);
    // The old edit file is untouched.
    EXPECT_EQ(std::make_tuple(Outcome(), session.EditFilePath(), Cp932ToUtf8(session.Warning()), Bytes(data).size()),
              std::make_tuple("編集中のファイルを初期化しました。", fresh, "【警告】ファイルにレコードは存在しません。",
                              57u));
    dialogs.answers = {dir.File("no/such/folder/x.dat")};
    EXPECT_FALSE(session.InitialiseEditFileCommand());
    EXPECT_EQ(Outcome(), "編集中のファイルの初期化に失敗しました。");

    EXPECT_TRUE(session.ClearEditFileCommand());
    EXPECT_EQ(Cp932ToUtf8(session.Warning()), "【警告】編集ファイルが未設定です。");
    ASSERT_TRUE(session.RemoveEntryCommand(0));
    messages.Clear();
    EXPECT_FALSE(session.InitialiseEditFileCommand());
    EXPECT_EQ(Said(0), "現在、レイアウトは何も表示されていないので\r\n編集ファイルの初期化はできません。");
}

}  // namespace
}  // namespace rekkan

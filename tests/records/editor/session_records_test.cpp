#include <thread>

#include "session_fixture.h"
#include "util/file_util.h"

namespace rekkan {
namespace {

using test::SessionFixture;

bool Command(RecordEditorSession& s, const std::string& command) {
    if (command == "prior") return s.Prior();
    if (command == "next") return s.Next();
    if (command == "last") return s.Last();
    if (command == "first") return s.First();
    if (command == "update") return s.Update();
    if (command == "insert") return s.Insert();
    if (command == "append") return s.Append();
    return s.Delete();
}

TEST_F(SessionFixture, NavigationAndRecNoReportEachMoveAndStopAtTheEnds) {
    ShowWith(ThreeRecords());
    const struct {
        const char* command;  // a navigation command, or the text of the Rec.No box
        bool ok;
        const char* text;
        const char* recNo;
    } cases[] = {
        {"prior", false, "先頭レコードです。", "1"},
        {"next", true, "次のレコードを読み込みました。", "2"},
        {"last", true, "最終レコードを読み込みました。", "3"},
        {"next", false, "最終レコードです。", "3"},
        {"prior", true, "前のレコードを読み込みました。", "2"},
        {"first", true, "先頭レコードを読み込みました。", "1"},
        {" 3 ", true, "Rec.No [3] のレコードを読み込みました。", "3"},
        {"0", true, "Rec.No [1] のレコードを読み込みました。", "1"},
        {"4", false, "Rec.No [4] のレコードは存在しません。", "1"},
        {"99999999999999999999", false, "Rec.No [9223372036854775807] のレコードは存在しません。", "1"},
    };
    for (const auto& c : cases) {
        const std::string cmd = c.command;
        const bool box = cmd.find_first_not_of(" 0123456789") == std::string::npos;
        EXPECT_EQ(box ? session.GoToRecNo(cmd) : Command(session, cmd), c.ok) << cmd;
        EXPECT_EQ(Outcome(), c.text);
        EXPECT_EQ(Kind(), c.ok ? OutcomeKind::Success : OutcomeKind::NothingToRead);
        EXPECT_EQ(session.Info().recNo, c.recNo) << cmd;
    }
    EXPECT_EQ(session.RecNoBoxText(), " 9,223,372,036,854,775,807");
    ASSERT_TRUE(session.Next());
    // The position is the 1-based file offset of record 2's first byte.
    EXPECT_EQ(std::make_tuple(session.CellText(kName), session.Row(kName).cells[1]), std::make_tuple("B     ", "20"));
}

TEST_F(SessionFixture, AnEmptyFileHasNothingToReadAndUpdateInserts) {
    const std::string data = Data("empty.dat", "");
    ShowWith(data);
    EXPECT_FALSE(session.First());
    EXPECT_EQ(Outcome(), "先頭レコードは存在しません。");
    EXPECT_FALSE(session.Next());
    EXPECT_EQ(std::make_tuple(Outcome(), Kind()),
              std::make_tuple("ファイルにレコードは存在しません。", OutcomeKind::Error));
    EXPECT_TRUE(session.Enabling().insert && !session.Enabling().update);
    ASSERT_TRUE(session.CommitCell(kName, EnteredText{"NEW", true}));
    EXPECT_TRUE(session.Update());
    EXPECT_EQ(Said(0), "編集中のレコードを Rec.No [1] として挿入します。\r\n\r\nよろしいですか？");
    EXPECT_EQ(Outcome(), "編集中のレコードを挿入しました。");
    EXPECT_EQ(Bytes(data).substr(0, 6), std::string("NEW\0\0\0", 6));  // character fill NUL by default
}

TEST_F(SessionFixture, BasePositionSkipsAHeaderAndIsClampedToTheFileSize) {
    ShowWith(Data("head.dat", "HEAD" + kA + kB));
    EXPECT_EQ(Cp932ToUtf8(session.Warning()), "【警告】レコード長で割り切れません。");
    EXPECT_TRUE(session.ChangeBasePosition(" 4", BaseStep::PlusByte));
    EXPECT_EQ(std::make_tuple(session.CellText(kName), session.Info().recordCount, session.Row(kName).cells[1],
                              session.Warning(), session.ShownEntry()->basePosition, session.GroupModified()),
              std::make_tuple("A     ", "2", "5", "", 4, true));
    EXPECT_FALSE(session.ChangeBasePosition("500", BaseStep::None));
    EXPECT_EQ(std::make_tuple(Outcome(), Kind(), Said(0)),
              std::make_tuple("読み込み基底位置はファイルサイズ内にして下さい。", OutcomeKind::Error, Outcome()));
    EXPECT_EQ(session.BasePositionBoxText(), " 42");  // the file size
}

TEST_F(SessionFixture, RecordCommandsAskThenWriteTheEditedRecord) {
    const std::string z = std::string("Z\0\0\0\0\0", 6) + kB.substr(6);
    const struct {
        const char* command;
        int recNo;
        std::string file;
        const char* question;
        const char* done;
        const char* recNoAfter;
    } cases[] = {
        {"update", 2, kA + z + kC, "編集中のレコードを更新します。", "編集中のレコードを更新しました。", "2"},
        {"insert", 2, kA + z + kB + kC, "編集中のレコードを Rec.No [2] として挿入します。",
         "編集中のレコードを挿入しました。", "2"},
        {"append", 2, kA + kB + kC + z, "編集中のレコードをファイルの最後に追加します。",
         "編集中のレコードをファイルの最後に追加しました。", "4"},
        {"delete", 2, kA + kC, "編集中のレコードを削除します。", "編集中のレコードを削除しました。", "2"},
        {"delete", 3, kA + kB, "編集中のレコードを削除します。", "編集中のレコードを削除しました。", "2"},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " " + std::to_string(c.recNo));
        const std::string data = ThreeRecords(std::to_string(++n) + ".dat");
        ShowWith(data);
        ASSERT_TRUE(session.GoToRecNo(std::to_string(c.recNo)));
        ASSERT_TRUE(session.CommitCell(kName, EnteredText{"Z", true}));
        messages.Script(Answer::No);
        EXPECT_FALSE(Command(session, c.command));
        EXPECT_EQ(Bytes(data), kA + kB + kC);
        EXPECT_TRUE(Command(session, c.command));
        EXPECT_EQ(Said(1), std::string(c.question) + "\r\n\r\nよろしいですか？");
        EXPECT_EQ(Bytes(data), c.file);
        EXPECT_EQ(std::make_tuple(Outcome(), Kind(), session.Info().recNo),
                  std::make_tuple(c.done, OutcomeKind::Done, c.recNoAfter));
    }
    settings.Chk_Msg_Update = settings.Chk_Msg_Insert = settings.Chk_Msg_Append = settings.Chk_Msg_Delete = false;
    messages.Clear();
    for (const char* command : {"update", "insert", "append", "delete"}) EXPECT_TRUE(Command(session, command));
    EXPECT_TRUE(messages.Log().empty());
}

TEST_F(SessionFixture, CancelledInsertOrDeleteLeavesTheFileAsItWas) {
    const std::string data = ThreeRecords();
    ShowWith(data);
    observer.cancelRebuild = true;
    EXPECT_FALSE(session.Insert());
    EXPECT_EQ(Outcome(), "レコードの挿入を中止しました。ファイルは変更していません。");
    EXPECT_FALSE(session.Delete());
    EXPECT_EQ(std::make_tuple(Outcome(), Kind()),
              std::make_tuple("レコードの削除を中止しました。ファイルは変更していません。", OutcomeKind::Error));
    EXPECT_GE(observer.progressCalls, 2);
    EXPECT_EQ(Bytes(data), kA + kB + kC);
    EXPECT_EQ(messages.Log().size(), 2u);  // the two questions, no error message
    EXPECT_TRUE(session.Next());           // the file is still open
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        EXPECT_EQ(entry.path().string().find("KvelWork"), std::string::npos);
}

TEST_F(SessionFixture, RebuildCanRunOnAWorkerThread) {
    const std::string data = ThreeRecords();
    ShowWith(data);
    ASSERT_TRUE(session.BeginDelete());
    EXPECT_EQ(std::make_tuple(Outcome(), Kind()), std::make_tuple("レコードの削除処理中です。", OutcomeKind::Working));
    // Nothing touches the file meanwhile.
    EXPECT_FALSE(session.Next() || session.QueryClose() || session.Enabling().update);
    bool ok = false;
    std::int64_t done = 0, total = 0;
    std::thread worker(
        [&] { ok = session.RunRebuild([&](std::int64_t d, std::int64_t t) { return done = d, total = t, true; }); });
    worker.join();
    // The count stays as before until finished.
    EXPECT_EQ(std::make_tuple(ok, done, total, session.Info().recordCount), std::make_tuple(true, 38, 38, "3"));
    session.FinishRebuild(ok);
    EXPECT_EQ(std::make_tuple(session.Rebuilding(), session.Info().recordCount, Bytes(data), Outcome(),
                              session.CellText(kName)),
              std::make_tuple(false, "2", kB + kC, "編集中のレコードを削除しました。", "B     "));
}

TEST_F(SessionFixture, APartialLayoutNeverRewritesTheDataFile) {
    std::vector<TRspec> many(2001, MakeRow({.name = "F"}));
    const std::vector<TRspec> layouts[] = {
        MakeRows({{.name = "N", .type = kSInt, .bytes = 4}, {.name = "X", .bytes = 2}}),  // int is 2 bytes here
        many,  // beyond the editable line count
    };
    int n = 0;
    for (const auto& items : layouts) {
        const std::string name = std::to_string(++n);
        const std::string data = Data(name + ".dat", std::string(3000, 'Q'));
        ShowWith(data, test::WriteLayout(dir.File(name + ".kvl"), "P", items));
        EXPECT_TRUE(session.LayoutPartial());
        for (const char* command : {"update", "insert", "append", "delete"}) {
            EXPECT_FALSE(Command(session, command)) << command;
            EXPECT_EQ(std::make_tuple(session.LastOutcome().text, Kind()),
                      std::make_tuple(PartialLayoutRefusedText(), OutcomeKind::Error));
        }
        EXPECT_TRUE(messages.Log().empty());  // refused before any question
        EXPECT_EQ(Bytes(data), std::string(3000, 'Q'));
    }
}

}  // namespace
}  // namespace rekkan

#include <thread>

#include "session_fixture.h"
#include "util/file_util.h"

namespace rekkan {
namespace {

using test::OrderRecord;
using test::SessionFixture;

std::string ReadBytes(const std::string& path) { return test::ReadBytes(std::string_view(path)); }

const std::string kA = OrderRecord("A", 1, 1, 1, "", 1);
const std::string kB = OrderRecord("B", 2, 2, 2, "", 2);
const std::string kC = OrderRecord("C", 3, 3, 3, "", 3);

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

TEST_F(SessionFixture, NavigationReportsEachMoveAndStopsAtTheEnds) {
    ShowWith(ThreeRecords());
    struct Case {
        const char* command;
        bool ok;
        const char* text;
        OutcomeKind kind;
        const char* recNo;
    };
    const Case cases[] = {
        {"prior", false, "先頭レコードです。", OutcomeKind::NothingToRead, "1"},
        {"next", true, "次のレコードを読み込みました。", OutcomeKind::Success, "2"},
        {"last", true, "最終レコードを読み込みました。", OutcomeKind::Success, "3"},
        {"next", false, "最終レコードです。", OutcomeKind::NothingToRead, "3"},
        {"prior", true, "前のレコードを読み込みました。", OutcomeKind::Success, "2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        EXPECT_EQ(Command(session, c.command), c.ok);
        EXPECT_EQ(Outcome(), c.text);
        EXPECT_EQ(Kind(), c.kind);
        EXPECT_EQ(session.Info().recNo, c.recNo);
    }
    EXPECT_EQ(session.CellText(kName), "B     ");
    EXPECT_EQ(session.Row(kName).cells[1], "20");  // 1-based file offset of record 2's first byte
}

TEST_F(SessionFixture, AnEmptyFileHasNothingToReadAndUpdateInserts) {
    ShowWith(Data("empty.dat", {}));
    EXPECT_EQ(Outcome(), "");
    EXPECT_FALSE(session.First());
    EXPECT_EQ(Outcome(), "先頭レコードは存在しません。");
    EXPECT_EQ(Kind(), OutcomeKind::NothingToRead);
    EXPECT_FALSE(session.Next());
    EXPECT_EQ(Outcome(), "ファイルにレコードは存在しません。");
    EXPECT_EQ(Kind(), OutcomeKind::Error);
    EXPECT_EQ(session.Info().recNo, "");
    EXPECT_TRUE(session.Enabling().insert);
    EXPECT_FALSE(session.Enabling().update);

    ASSERT_TRUE(session.CommitCell(kName, EnteredText{"NEW", true}));
    EXPECT_TRUE(session.Update());
    EXPECT_EQ(Cp932ToUtf8(messages.Log().at(0).text),
              "編集中のレコードを Rec.No [1] として挿入します。\r\n\r\nよろしいですか？");
    EXPECT_EQ(Outcome(), "編集中のレコードを挿入しました。");
    EXPECT_EQ(ReadBytes(dir.File("empty.dat")).substr(0, 6), std::string("NEW\0\0\0", 6));  // NUL fill by default
    EXPECT_EQ(session.Info().recordCount, "1");
}

TEST_F(SessionFixture, RecNoBoxReadsTheRecordItNamesAndSaturates) {
    ShowWith(ThreeRecords());
    struct Case {
        const char* box;
        bool ok;
        const char* text;
        const char* shownBox;
        const char* name;
    };
    const Case cases[] = {
        {" 2 ", true, "Rec.No [2] のレコードを読み込みました。", " 2", "B     "},
        {"", true, "Rec.No [1] のレコードを読み込みました。", " 1", "A     "},
        {"0", true, "Rec.No [1] のレコードを読み込みました。", " 1", "A     "},
        {"4", false, "Rec.No [4] のレコードは存在しません。", " 4", "A     "},
        {"99999999999999999999", false, "Rec.No [9223372036854775807] のレコードは存在しません。",
         " 9,223,372,036,854,775,807", "A     "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        EXPECT_EQ(session.GoToRecNo(c.box), c.ok);
        EXPECT_EQ(Outcome(), c.text);
        EXPECT_EQ(Kind(), c.ok ? OutcomeKind::Success : OutcomeKind::NothingToRead);
        EXPECT_EQ(session.RecNoBoxText(), c.shownBox);
        EXPECT_EQ(session.CellText(kName), c.name);
    }
}

TEST_F(SessionFixture, BasePositionSkipsAHeaderAndIsClampedToTheFileSize) {
    ShowWith(Data("head.dat", {kA, kB}, "HEAD"));
    EXPECT_EQ(Cp932ToUtf8(session.Warning()), "【警告】レコード長で割り切れません。");
    EXPECT_TRUE(session.ChangeBasePosition(" 4", BaseStep::PlusByte));
    EXPECT_EQ(session.CellText(kName), "A     ");
    EXPECT_EQ(session.Info().basePosition, "5");
    EXPECT_EQ(session.Info().recordCount, "2");
    EXPECT_EQ(session.Row(kName).cells[1], "5");
    EXPECT_EQ(session.Warning(), "");
    EXPECT_EQ(session.ShownEntry()->basePosition, 4);
    EXPECT_TRUE(session.GroupModified());
    EXPECT_EQ(session.BasePositionBoxText(), " 5");

    EXPECT_FALSE(session.ChangeBasePosition("500", BaseStep::None));
    const std::string clamp = "読み込み基底位置はファイルサイズ内にして下さい。";
    EXPECT_EQ(Outcome(), clamp);
    EXPECT_EQ(Kind(), OutcomeKind::Error);
    ASSERT_EQ(messages.Log().size(), 1u);
    EXPECT_EQ(Cp932ToUtf8(messages.Log()[0].text), clamp);
    EXPECT_EQ(session.Info().basePosition, "42");  // the file size
    EXPECT_EQ(session.BasePositionBoxText(), " 42");
}

TEST_F(SessionFixture, RecordCommandsAskThenWriteTheEditedRecord) {
    struct Case {
        const char* command;
        int startRecNo;
        std::string expectedFile;
        const char* question;
        const char* done;
        const char* nameAfter;
        const char* recNoAfter;
    };
    const std::string z = std::string("Z\0\0\0\0\0", 6) + kB.substr(6);  // the default fill is NUL
    const Case cases[] = {
        {"update", 2, kA + z + kC, "編集中のレコードを更新します。", "編集中のレコードを更新しました。", "Z", "2"},
        {"insert", 2, kA + z + kB + kC, "編集中のレコードを Rec.No [2] として挿入します。",
         "編集中のレコードを挿入しました。", "Z", "2"},
        {"append", 2, kA + kB + kC + z, "編集中のレコードをファイルの最後に追加します。",
         "編集中のレコードをファイルの最後に追加しました。", "Z", "4"},
        {"delete", 2, kA + kC, "編集中のレコードを削除します。", "編集中のレコードを削除しました。", "C     ", "2"},
        {"delete", 3, kA + kB, "編集中のレコードを削除します。", "編集中のレコードを削除しました。", "B     ", "2"},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " at " + std::to_string(c.startRecNo));
        const std::string data = ThreeRecords("cmd" + std::to_string(++n) + ".dat");
        ShowWith(data);
        ASSERT_TRUE(session.GoToRecNo(std::to_string(c.startRecNo)));
        ASSERT_TRUE(session.CommitCell(kName, EnteredText{"Z", true}));

        messages.Script(Answer::No);
        EXPECT_FALSE(Command(session, c.command));
        EXPECT_EQ(ReadBytes(data), kA + kB + kC);

        messages.Clear();
        EXPECT_TRUE(Command(session, c.command));
        ASSERT_EQ(messages.Log().size(), 1u);
        EXPECT_EQ(Cp932ToUtf8(messages.Log()[0].text), std::string(c.question) + "\r\n\r\nよろしいですか？");
        EXPECT_EQ(ReadBytes(data), c.expectedFile);
        EXPECT_EQ(Outcome(), c.done);
        EXPECT_EQ(Kind(), OutcomeKind::Done);
        EXPECT_EQ(session.CellText(kName), c.nameAfter);
        EXPECT_EQ(session.Info().recNo, c.recNoAfter);
    }
}

TEST_F(SessionFixture, ConfirmationSettingsOffWriteWithoutAsking) {
    settings.Chk_Msg_Update = settings.Chk_Msg_Insert = settings.Chk_Msg_Append = settings.Chk_Msg_Delete = false;
    const std::string data = ThreeRecords();
    ShowWith(data);
    for (const char* command : {"update", "insert", "append", "delete"})
        EXPECT_TRUE(Command(session, command)) << command;
    EXPECT_TRUE(messages.Log().empty());
    EXPECT_EQ(ReadBytes(data), kA + kA + kB + kC);
}

TEST_F(SessionFixture, CancelledInsertOrDeleteLeavesTheFileAsItWas) {
    const std::string data = ThreeRecords();
    ShowWith(data);
    observer.cancelRebuild = true;
    EXPECT_FALSE(session.Insert());
    EXPECT_EQ(Outcome(), "レコードの挿入を中止しました。ファイルは変更していません。");
    EXPECT_EQ(Kind(), OutcomeKind::Error);
    EXPECT_FALSE(session.Delete());
    EXPECT_EQ(Outcome(), "レコードの削除を中止しました。ファイルは変更していません。");
    EXPECT_GE(observer.progressCalls, 2);
    EXPECT_EQ(ReadBytes(data), kA + kB + kC);
    EXPECT_EQ(messages.Log().size(), 2u);  // the two questions, no error message
    EXPECT_EQ(session.CellText(kName), "A     ");
    EXPECT_TRUE(session.Next());  // the file is still open and readable
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        EXPECT_EQ(entry.path().string().find("KvelWork"), std::string::npos) << entry.path();
}

TEST_F(SessionFixture, RebuildCanRunOnAWorkerThread) {
    const std::string data = ThreeRecords();
    ShowWith(data);
    ASSERT_TRUE(session.BeginDelete());
    EXPECT_EQ(Outcome(), "レコードの削除処理中です。");
    EXPECT_EQ(Kind(), OutcomeKind::Working);
    EXPECT_TRUE(session.Rebuilding());
    EXPECT_FALSE(session.Next());  // nothing touches the file meanwhile
    EXPECT_FALSE(session.QueryClose());
    EXPECT_FALSE(session.Enabling().update);
    bool ok = false;
    std::int64_t lastDone = 0, lastTotal = 0;
    std::thread worker([&] {
        ok = session.RunRebuild([&](std::int64_t done, std::int64_t total) {
            lastDone = done;
            lastTotal = total;
            return true;
        });
    });
    worker.join();
    EXPECT_TRUE(ok);
    EXPECT_EQ(lastTotal, 38);
    EXPECT_EQ(lastDone, 38);
    EXPECT_EQ(session.Info().recordCount, "3");  // as before, until finished
    session.FinishRebuild(ok);
    EXPECT_FALSE(session.Rebuilding());
    EXPECT_EQ(session.Info().recordCount, "2");
    EXPECT_EQ(ReadBytes(data), kB + kC);
    EXPECT_EQ(Outcome(), "編集中のレコードを削除しました。");
    EXPECT_EQ(session.CellText(kName), "B     ");
}

TEST_F(SessionFixture, APartialLayoutNeverRewritesTheDataFile) {
    struct Case {
        const char* name;
        std::vector<TRspec> items;
    };
    std::vector<TRspec> many;
    for (int i = 0; i < 2001; ++i) many.push_back(MakeRow({.name = "F" + std::to_string(i)}));
    const Case cases[] = {
        {"integer stored with 4 bytes, settings give 2",
         MakeRows({{.name = "N", .type = kSInt, .bytes = 4}, {.name = "X", .bytes = 2}})},
        {"more rows than the editable line count", many},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = test::WriteLayout(dir.File("p" + std::to_string(++n) + ".kvl"), "P", c.items);
        const std::string data = Data("p" + std::to_string(n) + ".dat", {std::string(3000, 'Q')});
        ASSERT_TRUE(session.AddLayouts({EnteredText{path, true}}));
        ASSERT_TRUE(session.SetEditFile(EnteredText{data, true}));
        EXPECT_TRUE(session.LayoutPartial());
        messages.Clear();
        for (const char* command : {"update", "insert", "append", "delete"}) {
            EXPECT_FALSE(Command(session, command)) << command;
            EXPECT_EQ(Kind(), OutcomeKind::Error);
            EXPECT_EQ(session.LastOutcome().text, PartialLayoutRefusedText());
        }
        EXPECT_TRUE(messages.Log().empty());  // refused before any question
        EXPECT_EQ(ReadBytes(data), std::string(3000, 'Q'));
    }
}

}  // namespace
}  // namespace rekkan

#include "records/editor/record_editor_session.h"

#include "session_fixture.h"
#include "util/file_util.h"

namespace rekkan {
namespace {

using test::SessionFixture;

TEST_F(SessionFixture, ShowingAnEntryReadsTheFirstRecordIntoTheRows) {
    ShowWith(ThreeRecords());
    EXPECT_EQ(session.ShownIndex(), 0);
    EXPECT_EQ(Outcome(), "先頭レコードを読み込みました。");
    EXPECT_EQ(Kind(), OutcomeKind::Success);
    ASSERT_EQ(session.RowCount(), 9);
    EXPECT_EQ(session.CellText(kName), "A     ");
    EXPECT_EQ(session.CellText(2), "1");  // QTY
    const RecordGridRow row = session.Row(kName);
    EXPECT_EQ(row.cells[0], "2");
    EXPECT_EQ(row.cells[1], "1");  // file offset of the first record's first byte, 1-based
    EXPECT_EQ(row.cells[7], "A     ");
    EXPECT_EQ(session.Row(8).cells[6], "HEX");  // U.BINARY starts in hex display

    const RecordInfo info = session.Info();
    EXPECT_EQ(info.recNo, "1");
    EXPECT_EQ(info.recordCount, "3");
    EXPECT_EQ(info.recordLength, "19");
    EXPECT_EQ(info.fileSize, "57");
    EXPECT_EQ(info.basePosition, "1");
    EXPECT_EQ(session.Warning(), "");
    EXPECT_EQ(session.CommentPanel(), " Orders");
    EXPECT_GE(observer.entryShown, 1);
}

TEST_F(SessionFixture, WarningFollowsThePriorityList) {
    struct Case {
        const char* name;
        std::string bytes;  // data file contents; "-" for no file, "" with unset for no path
        bool unset;
        const char* warning;
    };
    const std::string record = test::OrderRecord("A", 1, 1, 1, "", 1);
    const Case cases[] = {
        {"unset", "", true, "【警告】編集ファイルが未設定です。"},
        {"missing", "-", false, "【警告】編集ファイルが存在しません。"},
        {"partial", record + "xyz", false, "【警告】レコード長で割り切れません。"},
        {"empty", "", false, "【警告】ファイルにレコードは存在しません。"},
        {"whole", record + record, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.File(std::string(c.name) + ".dat");
        if (!c.unset && c.bytes != "-") test::WriteBytes(ToFsPath(path), c.bytes);
        ASSERT_TRUE(session.AddLayouts({EnteredText{layout, true}}));
        if (!c.unset) {
            ASSERT_TRUE(session.SetEditFile(EnteredText{path, true}));
        }
        EXPECT_EQ(Cp932ToUtf8(session.Warning()), c.warning);
    }
}

TEST_F(SessionFixture, MissingLayoutEmptiesTheBoxesAndKeepsTheEditPath) {
    const std::string data = ThreeRecords();
    ASSERT_TRUE(session.AddLayouts({EnteredText{dir.File("gone.kvl"), true}}));
    ASSERT_TRUE(session.SetEditFile(EnteredText{data, true}));
    EXPECT_TRUE(session.LayoutMissing());
    EXPECT_TRUE(session.CommentIsRed());
    EXPECT_EQ(Cp932ToUtf8(session.Warning()), "【警告】レイアウトが存在しません。");
    EXPECT_EQ(session.RowCount(), 0);
    EXPECT_EQ(session.Info().recordCount, "");
    EXPECT_EQ(session.EditFilePath(), data);
    EXPECT_EQ(Cp932ToUtf8(session.CommentPanel()), " ★★ レイアウトが存在しません ★★");
    EXPECT_FALSE(session.Enabling().layoutCommands);
}

}  // namespace
}  // namespace rekkan

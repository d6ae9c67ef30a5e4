#include "records/editor/record_editor_session.h"

#include "model/geometry.h"
#include "model/layout_file.h"
#include "session_fixture.h"
#include "util/file_util.h"

namespace rekkan {
namespace {

using test::SessionFixture;

TEST_F(SessionFixture, ShowingAnEntryReadsTheFirstRecordIntoTheRows) {
    ShowWith(ThreeRecords());
    EXPECT_EQ(Outcome(), "先頭レコードを読み込みました。");
    EXPECT_EQ(Kind(), OutcomeKind::Success);
    ASSERT_EQ(session.RowCount(), 9);
    const RecordGridRow row = session.Row(kName);
    EXPECT_EQ(row.cells, (std::array<std::string, 8>{"2", "1", "6", "   X", "  NAME", "", "", "A     "}));
    EXPECT_EQ(session.CellText(2), "1");        // QTY
    EXPECT_EQ(session.Row(8).cells[6], "HEX");  // U.BINARY starts in hex display
    const RecordInfo info = session.Info();
    EXPECT_EQ(info.recNo + "|" + info.recordCount + "|" + info.recordLength + "|" + info.fileSize + "|" +
                  info.basePosition + "|" + info.filePos,
              "1|3|19|57|1|1");
    EXPECT_EQ(session.CommentPanel(), " Orders");
    EXPECT_EQ(session.RecNoBoxText(), " 1");
}

TEST_F(SessionFixture, WarningFollowsThePriorityListAndMarksFieldsPastTheEnd) {
    const struct {
        const char* name;
        const char* bytes;  // nullptr: no file
        bool unset;
        const char* warning;
    } cases[] = {
        {"unset", "", true, "【警告】編集ファイルが未設定です。"},
        {"missing", nullptr, false, "【警告】編集ファイルが存在しません。"},
        {"partial", "0123456789012345678ABCDEFGHIJ", false, "【警告】レコード長で割り切れません。"},
        {"empty", "", false, "【警告】ファイルにレコードは存在しません。"},
        {"whole", "0123456789012345678", false, ""},
    };
    for (const auto& c : cases) {
        const std::string path = dir.File(std::string(c.name) + ".dat");
        if (c.bytes && !c.unset) test::WriteBytes(ToFsPath(path), c.bytes);
        ShowWith(c.unset ? "" : path);
        EXPECT_EQ(Cp932ToUtf8(session.Warning()), c.warning) << c.name;
    }
    session.ShowEntry(2);  // the last record holds 10 of its 19 bytes
    ASSERT_TRUE(session.Last());
    EXPECT_TRUE(session.AnyPastEnd());
    EXPECT_FALSE(session.Field(2).pastEnd);  // QTY: record bytes 7 to 9
    EXPECT_TRUE(session.Field(4).pastEnd);   // AMOUNT(1): record bytes 10 and 11
}

TEST_F(SessionFixture, MissingLayoutEmptiesTheBoxesAndKeepsTheEditPath) {
    const std::string data = ThreeRecords();
    ShowWith(data, dir.File("gone.kvl"));
    EXPECT_TRUE(session.LayoutMissing() && session.CommentIsRed());
    EXPECT_EQ(Cp932ToUtf8(session.Warning()), "【警告】レイアウトが存在しません。");
    EXPECT_EQ(session.RowCount(), 0);
    EXPECT_EQ(session.Info().recordCount, "");
    EXPECT_EQ(session.Info().editFilePath, data);
    EXPECT_EQ(Cp932ToUtf8(session.CommentPanel()), " ★★ レイアウトが存在しません ★★");
    EXPECT_FALSE(session.Enabling().layoutCommands);
}

TEST_F(SessionFixture, ALayoutThatCannotBeLaidOutSaysWhyAndIsNotCalledMissing) {
    const struct {
        const char* name;
        std::vector<TRspec> rows;
        GeometryFailure failure;
    } cases[] = {
        {"long.kvl",
         MakeRows({{.name = "G", .type = kGroup, .repeat = 1000}, {.level = 2, .name = "A", .bytes = 1000}}),
         GeometryFailure::TooLong},
        {"steps.kvl",
         MakeRows({{.name = "A", .bytes = 4},
                   {.name = "B", .type = kGroup, .repeat = 99999, .redefines = "A"},
                   {.level = 2, .name = "C", .type = kGroup, .repeat = 99999},
                   {.level = 3, .name = "D", .repeat = 99999}}),
         GeometryFailure::TooManySteps},
    };
    const std::string data = ThreeRecords();
    for (const auto& c : cases) {
        ShowWith(data, test::WriteLayout(dir.File(c.name), "Big", c.rows));
        EXPECT_EQ(session.LastOutcome().text, GeometryFailureMessage(c.failure)) << c.name;
        EXPECT_EQ(Kind(), OutcomeKind::Error);
        EXPECT_FALSE(session.LayoutMissing() || session.CommentIsRed()) << c.name;
        EXPECT_EQ(session.Warning(), "") << c.name;
        EXPECT_EQ(session.RowCount(), 0);
        EXPECT_FALSE(session.Enabling().update || session.Enabling().layoutCommands) << c.name;
    }
}

TEST_F(SessionFixture, ChangedSettingsAndAStoredLayoutAreFollowed) {
    ShowWith(ThreeRecords());
    settings.Cmb_ZoneSign = 1;  // ASCII signs: the EBCDIC-signed quantity no longer decodes
    session.SettingsChanged();
    EXPECT_TRUE(session.RowError(2));
    EXPECT_EQ(Cp932ToUtf8(session.Captions().codec), "[ Order→I ] [ Zone→ASC ] [ Pack→EBC ]");
    session.ToggleCompactInfo();
    EXPECT_EQ(Cp932ToUtf8(session.Captions().codec), "[ Byte.Order→Intel ] [ Zone→ASCII ] [ Pack→EBCDIC ]");

    doc.RdfCmt = "Renamed";
    doc.items = MakeRows({{.name = "WHOLE", .bytes = 19}});
    test::WriteBytes(ToFsPath(layout), FormatLayoutFile(doc));
    session.LayoutStored(layout);
    EXPECT_EQ(session.CommentPanel(), " Renamed");
    EXPECT_EQ(session.Captions(0).entry, " 1. Renamed                       ");
    ASSERT_EQ(session.RowCount(), 1);
    EXPECT_EQ(session.CellText(0).substr(0, 6), "A     ");
}

}  // namespace
}  // namespace rekkan

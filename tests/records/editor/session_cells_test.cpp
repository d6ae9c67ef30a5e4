#include "session_fixture.h"

namespace rekkan {
namespace {

using test::SessionFixture;

constexpr int kGroupRow = 0;
constexpr int kAmount1 = 4;  // S.COMP-3 of 3 digits, 2 bytes
constexpr int kCount = 8;    // U.BINARY

TEST_F(SessionFixture, CommittingACellEncodesItAndShowsWhatTheBytesHold) {
    ShowWith(ThreeRecords());
    EXPECT_FALSE(session.CommitCell(kGroupRow, EnteredText{"X", true}));  // group rows take no input
    EXPECT_FALSE(session.MemoEdit(kGroupRow, EnteredText{"X", true}));
    EXPECT_FALSE(session.CommitCell(kName, EnteredText{"A     ", true}));  // unchanged text

    EXPECT_FALSE(session.CommitCell(kName, EnteredText{"?", false}));
    EXPECT_EQ(Kind(), OutcomeKind::Error);
    EXPECT_EQ(session.LastOutcome().text, NotShiftJisText());
    EXPECT_EQ(session.CellText(kName), "A     ");
    EXPECT_FALSE(session.ShownFile()->RecordBuffer().starts_with("?"));

    EXPECT_TRUE(session.CommitCell(2, EnteredText{"+12", true}));  // QTY S.NUM 3 shows normalised
    EXPECT_EQ(session.CellText(2), "12");
    EXPECT_EQ(session.ShownFile()->RecordBuffer().substr(6, 3), "\xF0\xF1\xC2");

    // A row in hex display: the error flag follows the value the hex bytes make.
    session.ToggleRowHex(kAmount1);
    EXPECT_EQ(session.Row(kAmount1).cells[6], "HEX");
    EXPECT_TRUE(session.CommitCell(kAmount1, EnteredText{"1234", true}));
    EXPECT_EQ(session.CellText(kAmount1), "1234");
    EXPECT_TRUE(session.RowError(kAmount1));
    EXPECT_TRUE(session.CommitCell(kAmount1, EnteredText{"123c", true}));
    EXPECT_EQ(session.CellText(kAmount1), "123C");
    EXPECT_FALSE(session.RowError(kAmount1));
    session.ToggleRowHex(kAmount1);
    EXPECT_EQ(session.CellText(kAmount1), "123");
}

TEST_F(SessionFixture, MemoEditsArePendingUndoableAndWrittenByUpdate) {
    const std::string data = ThreeRecords();
    ShowWith(data);
    EXPECT_FALSE(session.CanUndo());
    EXPECT_TRUE(session.MemoEdit(kName, EnteredText{"X\r\nY", true}, 0));
    EXPECT_EQ(session.CellText(kName), "XY");
    EXPECT_TRUE(session.Field(kName).modified);
    EXPECT_TRUE(session.ShownEntry()->recordModified);
    EXPECT_EQ(Cp932ToUtf8(session.UndoCaption()), "元に戻す   #1   【A     】");
    EXPECT_TRUE(session.MemoEdit(kName, EnteredText{"Q", true}, 0));
    EXPECT_TRUE(session.Undo());
    EXPECT_EQ(session.CellText(kName), "XY");
    EXPECT_EQ(session.UndoneRow(), kName);
    EXPECT_EQ(observer.cursor.back(), kName);
    EXPECT_TRUE(session.Enabling().undo);

    settings.Chk_Msg_Update = false;
    EXPECT_TRUE(session.Update());  // the pending edit is committed first
    EXPECT_EQ(test::ReadBytes(std::string_view(data)).substr(0, 6), std::string("XY\0\0\0\0", 6));
    EXPECT_FALSE(session.ShownEntry()->recordModified);

    EXPECT_TRUE(session.Undo());  // puts back the text, not the bytes
    EXPECT_EQ(session.CellText(kName), "A     ");
    EXPECT_FALSE(session.CanUndo());
    EXPECT_FALSE(session.Undo());
}

TEST_F(SessionFixture, SecondEnterInARowMovesByTheCursorSetting) {
    ShowWith(ThreeRecords());
    const struct {
        int choice;
        int moved;
    } cases[] = {{0, 3}, {1, 2}, {2, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choice);
        settings.Cmb_RecCrNext = c.choice;
        session.RowSelected(3);
        EXPECT_EQ(session.EnterPressed(3), 3);
        EXPECT_EQ(session.EnterPressed(3), c.moved);
        session.RowSelected(5);
        EXPECT_EQ(session.EnterPressed(5), 5);  // a new row counts from the start
    }
    EXPECT_EQ(observer.cursor, (std::vector<int>{2, 4}));
}

TEST_F(SessionFixture, HexTogglesLeaveFixedRowsInHex) {
    settings.Cmb_Long = 3;  // long of 8 bytes
    const std::string path = test::WriteLayout(
        dir.File("hex.kvl"), "H", MakeRows({{.name = "L8", .type = kSLong, .bytes = 8}, {.name = "T", .bytes = 2}}));
    ASSERT_TRUE(session.AddLayouts({EnteredText{path, true}}));
    ASSERT_TRUE(session.SetEditFile(EnteredText{Data("h.dat", {"\x01\x02\x03\x04\x05\x06\x07\x08"
                                                               "AB"}),
                                                true}));
    EXPECT_TRUE(session.Field(0).hexFixed);
    EXPECT_EQ(session.CellText(0), "0102030405060708");
    session.ToggleRowHex(0);
    EXPECT_EQ(session.Row(0).cells[6], "HEX");
    session.ToggleAllHex();
    EXPECT_TRUE(session.AllHex());
    EXPECT_EQ(session.CellText(1), "4142");
    session.ToggleAllHex();
    EXPECT_EQ(session.CellText(0), "0102030405060708");
    EXPECT_EQ(session.CellText(1), "AB");

    ASSERT_TRUE(session.AddLayouts({EnteredText{layout, true}}));
    ASSERT_TRUE(session.SetEditFile(EnteredText{ThreeRecords(), true}));
    EXPECT_EQ(session.CellText(kCount), "0001");  // U.BINARY always in hex here
    session.ToggleRowHex(kCount);
    EXPECT_EQ(session.CellText(kCount), "0001");
}

}  // namespace
}  // namespace rekkan

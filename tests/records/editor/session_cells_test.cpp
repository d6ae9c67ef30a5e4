#include "session_fixture.h"

namespace rekkan {
namespace {

using test::SessionFixture;

constexpr int kAmount1 = 4;  // S.COMP-3 of 3 digits, 2 bytes
constexpr int kCount = 8;    // U.BINARY

TEST_F(SessionFixture, CommittingACellEncodesItAndShowsWhatTheBytesHold) {
    ShowWith(ThreeRecords());
    // Group rows take no input.
    EXPECT_FALSE(session.CommitCell(0, EnteredText{"X", true}) || session.MemoEdit(0, EnteredText{"X", true}));
    EXPECT_FALSE(session.CommitCell(kName, EnteredText{"A     ", true}));  // unchanged text
    EXPECT_FALSE(session.CommitCell(kName, EnteredText{"?", false}));      // text Shift-JIS cannot hold
    EXPECT_EQ(std::make_tuple(session.LastOutcome().text, Kind(), session.ShownFile()->RecordBuffer().substr(0, 6)),
              std::make_tuple(NotShiftJisText(), OutcomeKind::Error, "A     "));

    EXPECT_TRUE(session.CommitCell(2, EnteredText{"+12", true}));  // QTY S.NUM 3 shows normalised
    EXPECT_EQ(std::make_tuple(session.CellText(2), session.ShownFile()->RecordBuffer().substr(6, 3)),
              std::make_tuple("12", "\xF0\xF1\xC2"));

    // In hex display the error flag follows the value the typed bytes make.
    session.ToggleRowHex(kAmount1);
    EXPECT_TRUE(session.CommitCell(kAmount1, EnteredText{"1234", true}));
    EXPECT_EQ(std::make_tuple(session.CellText(kAmount1), session.RowError(kAmount1)), std::make_tuple("1234", true));
    EXPECT_TRUE(session.CommitCell(kAmount1, EnteredText{"123c", true}));
    EXPECT_EQ(std::make_tuple(session.CellText(kAmount1), session.RowError(kAmount1)), std::make_tuple("123C", false));
    session.ToggleRowHex(kAmount1);
    EXPECT_EQ(session.CellText(kAmount1), "123");
}

TEST_F(SessionFixture, MemoEditsArePendingUndoableAndWrittenByUpdate) {
    const std::string data = ThreeRecords();
    ShowWith(data);
    EXPECT_TRUE(session.MemoEdit(kName, EnteredText{"X\r\nY", true}, 0));
    EXPECT_EQ(session.CellText(kName), "XY");
    EXPECT_TRUE(session.Field(kName).modified && session.ShownEntry()->recordModified);
    EXPECT_EQ(Cp932ToUtf8(session.UndoCaption()), "元に戻す   #1   【A     】");
    EXPECT_TRUE(session.MemoEdit(kName, EnteredText{"Q", true}, 0));
    EXPECT_TRUE(session.Undo());
    EXPECT_EQ(std::make_tuple(session.CellText(kName), session.UndoneRow(), observer.cursor.back()),
              std::make_tuple("XY", kName, kName));

    settings.Chk_Msg_Update = false;
    EXPECT_TRUE(session.Update());  // the pending edit is committed first
    EXPECT_EQ(Bytes(data).substr(0, 6), std::string("XY\0\0\0\0", 6));
    EXPECT_TRUE(session.Undo());  // puts back the text, not the bytes
    EXPECT_EQ(session.CellText(kName), "A     ");
    EXPECT_FALSE(session.Undo());
}

TEST_F(SessionFixture, SecondEnterInARowMovesByTheCursorSetting) {
    ShowWith(ThreeRecords());
    for (const auto& [choice, moved] : {std::pair{0, 3}, {1, 2}, {2, 4}}) {
        settings.Cmb_RecCrNext = choice;
        session.RowSelected(3);
        EXPECT_EQ(session.EnterPressed(3), 3);
        EXPECT_EQ(session.EnterPressed(3), moved) << choice;
        EXPECT_EQ(session.EnterPressed(5), 5);  // another row counts from the start
    }
    EXPECT_EQ(observer.cursor, (std::vector<int>{2, 4}));
}

TEST_F(SessionFixture, HexTogglesLeaveFixedRowsInHex) {
    settings.Cmb_Long = 3;  // long of 8 bytes
    const std::vector<TRspec> items = MakeRows({{.name = "L8", .type = kSLong, .bytes = 8}, {.name = "T", .bytes = 2}});
    ShowWith(Data("h.dat",
                  "\x01\x02\x03\x04\x05\x06\x07\x08"
                  "AB"),
             test::WriteLayout(dir.File("hex.kvl"), "H", items));
    EXPECT_EQ(session.CellText(0), "0102030405060708");
    session.ToggleRowHex(0);
    EXPECT_EQ(session.Row(0).cells[6], "HEX");
    session.ToggleAllHex();
    EXPECT_EQ(std::make_tuple(session.AllHex(), session.CellText(1)), std::make_tuple(true, "4142"));
    session.ToggleAllHex();
    EXPECT_EQ(session.CellText(0) + "|" + session.CellText(1), "0102030405060708|AB");

    ShowWith(ThreeRecords());
    session.ToggleRowHex(kCount);
    EXPECT_EQ(session.CellText(kCount), "0001");  // U.BINARY always in hex here
}

}  // namespace
}  // namespace rekkan

#include "records/editor/rec_etc_controller.h"

#include <gtest/gtest.h>

#include "session_fixture.h"

namespace rekkan::test {
namespace {

using SettingsWindow = SessionFixture;
constexpr int kQty = 2;  ///< row of the S.NUM field QTY

TEST_F(SettingsWindow, StoresOnlyAfterYesAndKeepsTheHexDigitsOfTheEntries) {
    RecEtcController c(settings, messages, nullptr);
    RecEtcValues& v = c.Values();
    v.ask = {false, false, false, false};
    v.byteOrder = 1;
    v.tailValue = " 0d 0f ";  // the tail is off: its text is stored all the same
    v.fillValue = sj("ｆ");   // a half-width katakana is no digit
    v.fontIndex = 6;
    v.background = 0x00FF00;
    messages.Script(Answer::No);
    EXPECT_FALSE(c.Store());
    EXPECT_TRUE(settings.Chk_Msg_Update);
    EXPECT_EQ(Said(0), "動作環境の定義を更新します。\r\n\r\nよろしいですか？");

    EXPECT_TRUE(c.Store());
    EXPECT_FALSE(settings.Chk_Msg_Update || settings.Chk_Msg_Insert || settings.Chk_Msg_Append ||
                 settings.Chk_Msg_Delete);
    EXPECT_EQ(settings.Cmb_ByteOrder, 1);
    EXPECT_EQ(settings.Str_BtmChar, "0D0F");
    EXPECT_EQ(settings.Str_DefChar, "");
    EXPECT_EQ(settings.Cmb_FontSize, 15);
    EXPECT_EQ(settings.Opt_LayoutBC, 0x00FF00);
    EXPECT_EQ(c.RememberedColours().first, 0x00FF00);
}

TEST_F(SettingsWindow, AStoredFontSizeNotInTheListIsKept) {
    settings.Cmb_FontSize = 12;
    EXPECT_EQ(RecEtcController(settings, messages, nullptr).Values().fontIndex, 3);  // " 12" in 9 ... 15
    settings.Cmb_FontSize = 20;
    RecEtcController c(settings, messages, nullptr);
    EXPECT_EQ(c.Values().fontIndex, -1);
    ASSERT_TRUE(c.Store());
    EXPECT_EQ(settings.Cmb_FontSize, 20);
}

TEST_F(SettingsWindow, StoringDecodesTheBufferAgainAndKeepsUnwrittenEdits) {
    constexpr int kAmount = 4;  // AMOUNT(1): 1 in kA, 3 in kC
    std::string ascii = kA;
    ascii.replace(6, 3, "\x31\x32\x73");  // -123 under ASCII signs
    const std::string path = Data("signs.dat", ascii + kB);
    ShowWith(path);
    EXPECT_TRUE(session.RowError(kQty));                             // no EBCDIC zoned number
    ASSERT_TRUE(session.MemoEdit(kName, EnteredText{"NEW", true}));  // pending, not yet encoded
    WriteBytes(ToFsPath(path), kC + kC);                             // changed underneath: must not be read again

    RecEtcController c(settings, messages, &session);
    c.Values().zoneSign = 1;
    ASSERT_TRUE(c.Store());
    EXPECT_FALSE(session.RowError(kQty));
    EXPECT_EQ(session.CellText(kQty), "-123");
    EXPECT_EQ(session.CellText(kName).substr(0, 3), "NEW");
    EXPECT_EQ(session.CellText(kAmount), "1");
}

}  // namespace
}  // namespace rekkan::test

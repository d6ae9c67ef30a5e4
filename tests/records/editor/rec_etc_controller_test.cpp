#include "records/editor/rec_etc_controller.h"

#include <gtest/gtest.h>

#include <tuple>

#include "session_fixture.h"

namespace rekkan::test {
namespace {

struct SettingsWindow : SessionFixture {
    static constexpr int kQty = 2;  ///< row of the S.NUM field QTY
};

TEST_F(SettingsWindow, OpensWithTheStoredValues) {
    std::tie(settings.Chk_Msg_Insert, settings.Cmb_PackSign, settings.Cmb_DefChar, settings.Str_DefChar,
             settings.Cmb_RecCrNext, settings.Cmb_FontSize, settings.Opt_LayoutFC) =
        std::make_tuple(false, 1, 2, "FF", 1, 12, 0x0000FF);
    const RecEtcController c(settings, messages, &session);
    const RecEtcValues& v = c.Values();
    // The font size " 12" is item 3 of 9 ... 15.
    EXPECT_EQ(std::tie(v.ask, v.packSign, v.zoneSign, v.fillValue, v.cursorMove, v.fontIndex),
              std::make_tuple(std::array<bool, 4>{true, false, true, true}, 1, 0, "FF", 1, 3));
    EXPECT_EQ(std::make_tuple(c.RememberedColours(), c.FillValueEnabled(), c.TailValueEnabled()),
              std::make_tuple(std::make_pair(settings.Opt_LayoutBC, 0x0000FF), true, false));
}

TEST_F(SettingsWindow, UserValueEntriesFollowTheirLists) {
    RecEtcController c(settings, messages, nullptr);
    const struct {
        int fill, tail;
        bool fillOn, tailOn;
    } cases[] = {{0, 0, false, false}, {1, 1, false, true}, {2, 0, true, false}, {2, 1, true, true}};
    for (const auto& k : cases) {
        c.Values().fillMode = k.fill;
        c.Values().tailMode = k.tail;
        EXPECT_EQ(std::make_pair(c.FillValueEnabled(), c.TailValueEnabled()), std::make_pair(k.fillOn, k.tailOn))
            << k.fill << k.tail;
    }
    // Dark blue, grey.
    EXPECT_EQ(std::make_pair(RecEtcController::LabelColour(true), RecEtcController::LabelColour(false)),
              std::make_pair(0x800000, 0x808080));
}

TEST_F(SettingsWindow, StoresOnlyAfterYesAndKeepsTheHexDigitsOfTheEntries) {
    RecEtcController c(settings, messages, nullptr);
    RecEtcValues& v = c.Values();
    v.ask = {false, false, false, false};
    v.byteOrder = 1;
    v.tailMode = 0;  // the tail is off, its text is stored all the same
    v.tailValue = " 0d 0f ";
    v.fillValue = sj("ｆ");  // a half-width katakana is no digit
    v.fontIndex = 6;
    v.background = 0x00FF00;
    messages.Script(Answer::No);
    EXPECT_FALSE(c.Store());
    EXPECT_EQ(std::tie(settings.Chk_Msg_Update, settings.Cmb_ByteOrder), std::make_tuple(true, 0));
    EXPECT_EQ(Said(0), "動作環境の定義を更新します。\r\n\r\nよろしいですか？");

    EXPECT_TRUE(c.Store());
    EXPECT_FALSE(settings.Chk_Msg_Update || settings.Chk_Msg_Insert || settings.Chk_Msg_Append ||
                 settings.Chk_Msg_Delete);
    EXPECT_EQ(std::tie(settings.Cmb_ByteOrder, settings.Cmb_BtmChar, settings.Str_BtmChar, settings.Str_DefChar,
                       settings.Cmb_FontSize, settings.Opt_LayoutBC),
              std::make_tuple(1, 0, "0D0F", "", 15, 0x00FF00));
    EXPECT_EQ(std::make_pair(c.FontSizeChanged(), c.RememberedColours().first), std::make_pair(true, 0x00FF00));
}

TEST_F(SettingsWindow, AStoredFontSizeNotInTheListIsKept) {
    settings.Cmb_FontSize = 20;
    RecEtcController c(settings, messages, nullptr);
    EXPECT_EQ(c.Values().fontIndex, -1);
    ASSERT_TRUE(c.Store());
    EXPECT_EQ(std::make_pair(settings.Cmb_FontSize, c.FontSizeChanged()), std::make_pair(20, false));
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
    EXPECT_EQ(std::make_tuple(session.RowError(kQty), session.CellText(kQty), session.CellText(kName).substr(0, 3),
                              session.CellText(kAmount)),
              std::make_tuple(false, "-123", "NEW", "1"));
}

}  // namespace
}  // namespace rekkan::test

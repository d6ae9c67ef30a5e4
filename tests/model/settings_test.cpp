#include "model/settings.h"

#include <gtest/gtest.h>

#include "support/test_support.h"
#include "util/encoding.h"

namespace rekkan {
namespace {

Settings Defaults() {
    Settings s;
    SetDefaults(s, "/opt/rekkan", 8);
    return s;
}

TEST(SettingsFile, DefaultsAndTheirText) {
    // The defaults of a folder "/opt/rekkan" and a character width of 8; read-only keys
    // (FPS_Fmt...) are never written.
    const std::string text = FormatSettings(Defaults());
    test::ExpectGolden("model/default_settings.ini", text);
    Settings empty = Defaults();
    ParseSettings("", empty);
    EXPECT_EQ(FormatSettings(empty), text);
}

TEST(SettingsFile, KeysAnyCaseFirstMatchAndBadValues) {
    Settings s = Defaults();
    int bad = 0;
    ParseSettings(test::ReadBytes(test::DataDir() / "model" / "odd_settings.ini"), s, &bad);
    EXPECT_EQ(s.Cmb_Lang, 1) << "later lines apply over earlier ones";
    EXPECT_FALSE(s.RecEtcFmt);
    EXPECT_TRUE(s.Chk_Msg_Update);
    EXPECT_EQ(s.Cmb_FontSize, 9) << "a bad integer skips its line";
    EXPECT_EQ(s.Cmb_Indent, 4) << "and the lines after it still apply";
    EXPECT_EQ(s.ReColWidths[3], 77);
    EXPECT_EQ(s.FPS_kvel, (WindowPlace{10, 20, 300, 400}));
    EXPECT_EQ(s.FPS_Tfm, WindowPlace{});
    EXPECT_EQ(s.Path_EditFile, sj("/データ/顧客.dat"));
    EXPECT_EQ(bad, 2);
    const std::string text = FormatSettings(s);
    EXPECT_NE(text.find("EGW_BKO=240\r\nGP_CellScale=3\r\nGPB_Keep= exactly \r\n"), std::string::npos);
}

TEST(SettingsFile, OptionOverridesAndWindowPlaces) {
    Settings s = Defaults();
    EXPECT_TRUE(SetSettingByKey(s, "Cmb_Int", "1"));
    EXPECT_EQ(s.Sizes().intSize, 4);
    EXPECT_FALSE(SetSettingByKey(s, "Cmb_Int", "one"));
    EXPECT_FALSE(SetSettingByKey(s, "NoSuchKey", "1"));
    EXPECT_TRUE(SetSettingByKey(s, "Csv_Chk_Title", "0"));
    EXPECT_FALSE(s.Csv_Chk_Title);
    EXPECT_TRUE(SetSettingByKey(s, "csv_chk_title", "1"));
    EXPECT_TRUE(s.Csv_Chk_Title);
    EXPECT_TRUE(SetSettingByKey(s, "Csv_Chk_Title", "false"));
    EXPECT_FALSE(s.Csv_Chk_Title);
    EXPECT_FALSE(SetSettingByKey(s, "Csv_Chk_Title", "yes")) << "a mistyped flag is refused";
    EXPECT_TRUE(SetSettingByKey(s, "Cmb_EditLine", "3"));
    EXPECT_EQ(s.EditableLineCount(), 5000);
    EXPECT_FALSE(UsePlace(WindowPlace{}, 1920, 1080));
    EXPECT_FALSE(UsePlace(WindowPlace{0, 10, 100, 100}, 1920, 1080));
    EXPECT_FALSE(UsePlace(WindowPlace{1200, 10, 100, 100}, 1920, 1080));
    EXPECT_TRUE(UsePlace(WindowPlace{1, 1, 100, 100}, 1920, 1080));
}

}  // namespace
}  // namespace rekkan

#include "model/settings.h"

#include <gtest/gtest.h>

#include <tuple>

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
    EXPECT_EQ(std::make_tuple(s.Cmb_FontSize, s.Cmb_Indent), std::make_tuple(9, 4))
        << "a bad integer skips its line, and the lines after it still apply";
    EXPECT_EQ(
        std::make_tuple(s.RecEtcFmt, s.Chk_Msg_Update, s.ReColWidths[3], s.FPS_kvel, s.FPS_Tfm, s.Path_EditFile, bad),
        std::make_tuple(false, true, 77, WindowPlace{10, 20, 300, 400}, WindowPlace{}, sj("/データ/顧客.dat"), 2));
    const std::string text = FormatSettings(s);
    EXPECT_NE(text.find("EGW_BKO=240\r\nGP_CellScale=3\r\nGPB_Keep= exactly \r\n"), std::string::npos);
}

TEST(SettingsFile, OptionOverridesAndWindowPlaces) {
    Settings s = Defaults();
    EXPECT_TRUE(SetSettingByKey(s, "Cmb_Int", "1") && s.Sizes().intSize == 4);
    EXPECT_FALSE(SetSettingByKey(s, "Cmb_Int", "one") || SetSettingByKey(s, "NoSuchKey", "1"));
    // A flag takes 0/1 or false/true and a key in any case; a mistyped flag is refused.
    for (const auto& [key, value, flag] :
         {std::tuple{"Csv_Chk_Title", "0", false}, {"csv_chk_title", "1", true}, {"Csv_Chk_Title", "false", false}}) {
        EXPECT_TRUE(SetSettingByKey(s, key, value)) << value;
        EXPECT_EQ(s.Csv_Chk_Title, flag) << value;
    }
    EXPECT_FALSE(SetSettingByKey(s, "Csv_Chk_Title", "yes"));
    EXPECT_TRUE(SetSettingByKey(s, "Cmb_EditLine", "3") && s.EditableLineCount() == 5000);
    EXPECT_FALSE(UsePlace(WindowPlace{}, 1920, 1080) || UsePlace(WindowPlace{0, 10, 100, 100}, 1920, 1080) ||
                 UsePlace(WindowPlace{1200, 10, 100, 100}, 1920, 1080));
    EXPECT_TRUE(UsePlace(WindowPlace{1, 1, 100, 100}, 1920, 1080));
}

}  // namespace
}  // namespace rekkan

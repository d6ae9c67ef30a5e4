#include "tools/help_texts.h"

#include <gtest/gtest.h>

#include "support/test_support.h"
#include "tools/help_html.h"
#include "util/encoding.h"
#include "util/text.h"

namespace rekkan {
namespace {

TEST(HelpTexts, MenuItemsInOrderWithTheirDocuments) {
    const auto& items = HelpItems();
    ASSERT_EQ(items.size(), 12u);
    EXPECT_EQ(items[0].caption, sj(" 1. Rekkan について"));
    EXPECT_EQ(items[1].caption, sj(" 2. Rekkan 始めに "));
    EXPECT_EQ(items[8].caption, sj(" 9. Rekkan 項目型の表記法の定義について "));
    EXPECT_EQ(items[11].caption, sj("13. 作者のホームページ"));
    const std::string documents[] = {"Doc_Rekkan_Begin.Txt",  "Doc_Rekkan_FirstStep.Txt", "Doc_Rekkan_Guide1.Txt",
                                     "Doc_Rekkan_Guide2.Txt", "Doc_Rekkan_Guide3.Txt",    "Doc_Rekkan_StructRule.Txt",
                                     "Doc_Rekkan_History.Txt"};
    std::vector<std::string> named;
    for (const HelpItem& item : items) {
        if (item.action == HelpAction::Document)
            named.push_back(item.document);
        else
            EXPECT_TRUE(item.document.empty()) << item.caption;
    }
    EXPECT_EQ(named, std::vector<std::string>(std::begin(documents), std::end(documents)));
    EXPECT_EQ(items[6].action, HelpAction::StructImport);
    EXPECT_EQ(items[9].action, HelpAction::CarryOver);
}

// The about frame, the generated help texts (naming the files they are given) and a help page
// with markup bytes in its title, captions and texts, byte for byte.
TEST(HelpTexts, AboutGeneratedTextsAndHtmlPageAsWritten) {
    test::ExpectGolden("tools/about.txt", Cp932ToUtf8(AboutText()));
    test::ExpectGolden("tools/struct_import_help.txt", Cp932ToUtf8(StructImportText()));
    test::ExpectGolden("tools/type_notation_help.txt", Cp932ToUtf8(TypeNotationText("kvelType.def")));
    test::ExpectGolden("tools/carry_over_help.txt",
                       Cp932ToUtf8(CarryOverText("/opt/r/kvelOpt2.Dat", "/opt/r/kvelType.def")));
    test::ExpectGolden(
        "tools/help_page.html",
        Cp932ToUtf8(HelpHtmlPage("R&D <Help>", 2, {{"A & B", "x < y > z\r\nif (a && b)"}, {sj("ガイド"), ""}})));
    EXPECT_EQ(BrowserFailedMessage(), sj("ブラウザの起動を失敗しました。"));
}

TEST(HelpHtml, EscapesOnlyTheThreeMarkupBytesOfShiftJisText) {
    EXPECT_EQ(EscapeHtml(sj("表<ソ>&\"'")), sj("表&lt;ソ&gt;&amp;\"'"));
    EXPECT_EQ(HelpHtmlPath("/opt/rekkan/rekkan"), "/opt/rekkan/rekkan_Help.Html");
    EXPECT_EQ(HelpHtmlPath("/opt/re.d/Rekkan.exe"), "/opt/re.d/Rekkan_Help.Html");
}

}  // namespace
}  // namespace rekkan

#include "tools/help_texts.h"

#include <gtest/gtest.h>

#include "tools/help_html.h"
#include "util/encoding.h"
#include "util/text.h"

namespace rekkan {
namespace {

std::string FirstLine(const std::string& text) { return text.substr(0, text.find("\r\n")); }

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

TEST(HelpTexts, AboutTextIsAFrameNamingProgramAndVersion) {
    std::string frame;
    for (int i = 0; i < 37; ++i) frame += "□";
    const std::string expected =
        sj(frame + "\r\n□\r\n□  Rekkan  Ver 2.05\r\n□    ファイルレイアウトによるバイナリファイル編集ソフト\r\n" +
           frame + "\r\n");
    EXPECT_EQ(AboutText(), expected);
}

TEST(HelpTexts, GeneratedTextsBeginWithTheirFixedLinesAndNameTheirFiles) {
    EXPECT_EQ(FirstLine(StructImportText()), sj("1. 構造体の取り込みについて"));
    for (const char* fact : {"morvane.clp", "\"struct\"", "\" As \"", "\" PIC \"", "\" PICTURE \"", "1000"})
        EXPECT_NE(StructImportText().find(fact), std::string::npos) << fact;
    EXPECT_EQ(FirstLine(TypeNotationText("kvelType.def")), sj("項目型の表記法の定義について"));
    EXPECT_NE(TypeNotationText("kvelType.def").find("kvelType.def"), std::string::npos);
    EXPECT_NE(TypeNotationText("kvelType.def").find("< xxx >"), std::string::npos);
    const std::string carry = CarryOverText("/opt/r/kvelOpt2.Dat", "/opt/r/kvelType.def");
    EXPECT_EQ(FirstLine(carry), sj("Rekkan 改版時の定義内容の引継ぎについて"));
    EXPECT_NE(carry.find(sj("(1) Rekkan 動作環境")), std::string::npos);
    EXPECT_NE(carry.find(sj("(2) 項目型の表記法の定義")), std::string::npos);
    EXPECT_NE(carry.find("PATH = /opt/r/kvelOpt2.Dat\r\n"), std::string::npos);
    EXPECT_NE(carry.find("PATH = /opt/r/kvelType.def\r\n"), std::string::npos);
    EXPECT_EQ(BrowserFailedMessage(), sj("ブラウザの起動を失敗しました。"));
}

TEST(HelpHtml, PageFrameLinksAndEscapedTexts) {
    const std::string page = HelpHtmlPage("R&D <Help>", 2, {{"A & B", "x < y > z\r\nif (a && b)"}, {sj("ガイド"), ""}});
    const auto lines = SplitLines(page);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "<HTML></HEAD><TITLE>R&amp;D &lt;Help&gt;</TITLE></HEAD>");
    EXPECT_EQ(lines[1], "<META http-equiv=Content-Type content=text/html; charset=Shift_JIS>");
    EXPECT_EQ(lines.back(), "</HTML>");
    for (const std::string& piece :
         {std::string("  function LinkJump(Tag) {location.href = Tag}\r\n"),
          std::string("LinkJump('#Page_2')\" BGCOLOR=#5F5F5F Text=Black Link=White VLink=White ALink=LightSkyBlue>"),
          std::string("<TABLE border=1 CELLSPACING=0 CELLPADDING=8>\r\n"), std::string("<A NAME=\"Page_0\">"),
          std::string("<A href=\"#Page_1\">A &amp; B</A><BR>\r\n"), "<A href=\"#Page_2\">" + sj("ガイド") + "</A><BR>",
          std::string("<A NAME=\"Page_2\"></A>"), sj("<A href=\"#Page_0\">戻る</A>"),
          std::string("<Pre>x &lt; y &gt; z\r\nif (a &amp;&amp; b)</Pre>"),
          std::string("</TABLE>\r\n</BODY>\r\n</HTML>\r\n")})
        EXPECT_NE(page.find(piece), std::string::npos) << piece;
    EXPECT_EQ(page.find("Page_3"), std::string::npos);
}

TEST(HelpHtml, EscapesOnlyTheThreeMarkupBytesOfShiftJisText) {
    EXPECT_EQ(EscapeHtml(sj("表<ソ>&\"'")), sj("表&lt;ソ&gt;&amp;\"'"));
    EXPECT_EQ(HelpHtmlPath("/opt/rekkan/rekkan"), "/opt/rekkan/rekkan_Help.Html");
    EXPECT_EQ(HelpHtmlPath("/opt/re.d/Rekkan.exe"), "/opt/re.d/Rekkan_Help.Html");
}

}  // namespace
}  // namespace rekkan

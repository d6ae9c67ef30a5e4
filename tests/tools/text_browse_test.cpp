#include "tools/text_browse.h"

#include <gtest/gtest.h>

#include "util/encoding.h"

namespace rekkan {
namespace {

TEST(TextBrowse, NumbersEveryLineInFiveDigitsJoinedWithCrLf) {
    const struct {
        std::string text, expected;
    } cases[] = {
        {"", ""},
        {"a", "00001 a"},
        {"a\r\nb\r\n", "00001 a\r\n00002 b"},
        {"a\n\nb", "00001 a\r\n00002 \r\n00003 b"},
        {"a\rb\r\n\r\n", "00001 a\r\n00002 b\r\n00003 "},
        {sj("  漢字\\"), sj("00001   漢字\\")},
    };
    for (const auto& c : cases) EXPECT_EQ(NumberLines(c.text), c.expected) << c.text;
}

TEST(TextBrowse, LinesFromHundredThousandKeepTheLastFiveDigits) {
    std::string text;
    for (int i = 0; i < 123456; ++i) text += "x\n";
    const std::string numbered = NumberLines(text);
    EXPECT_NE(numbered.find("\r\n99999 x\r\n00000 x\r\n00001 x\r\n"), std::string::npos);
    EXPECT_EQ(numbered.substr(numbered.size() - 9), "\r\n23456 x");
}

TEST(TextBrowse, CaptionsAndMessages) {
    EXPECT_EQ(BrowseTextCaption(sj("ガイド")), sj("Browse ガイド"));
    EXPECT_EQ(BrowseFileCaption(sj("★出力しました。 "), "/tmp/a.csv"), sj("Browse ★出力しました。  [ /tmp/a.csv ]"));
    EXPECT_EQ(MissingFileMessage("/x/Doc.Txt"), sj("ファイルがありません。\r\n\r\n     File = /x/Doc.Txt"));
    EXPECT_EQ(UnregisteredMenuMessage("Help"), sj("Browse サブメニューが登録されていません。\r\n\r\n  → Help"));
}

TEST(TextBrowse, DocumentListEntryIsTheCaptionBeforeItsAccelerator) {
    const struct {
        std::string caption, entry;
    } cases[] = {
        {sj(" 1. Rekkan について"), sj("1. Rekkan について")},
        {sj("終了(&X)"), sj("終了(")},
        {"  Print &all  ", "Print"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(DocumentListEntry(c.caption), c.entry) << c.caption;
}

TEST(TextBrowse, WidthButtonCyclesThroughThreeWidths) {
    WidthCycle cycle(700);
    EXPECT_EQ(cycle.Next(1000, 300, 250), 800);
    EXPECT_EQ(cycle.Next(1000, 300, 250), 250 * WidthCycle::kListWidthMultiple);
    EXPECT_EQ(cycle.Next(1000, 300, 250), 700);
    EXPECT_EQ(cycle.Next(600, 100, 250), 400);
}

}  // namespace
}  // namespace rekkan

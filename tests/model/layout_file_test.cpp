#include "model/layout_file.h"

#include <gtest/gtest.h>

#include <tuple>

#include "model/row_builder.h"
#include "support/row_summary.h"
#include "support/test_support.h"
#include "util/encoding.h"
#include "util/scripted_messages.h"
#include "util/text.h"

namespace rekkan {
namespace {

LayoutDocument Sample() {
    LayoutDocument d;
    d.RdfCmt = sj(" 顧客マスタ ");
    d.PreFix = "CM-";
    d.items = MakeRows({{.name = sj("顧客レコード"), .type = kGroup},
                        {.level = 2, .name = "CUST-NO", .var = "CUST_NO", .type = kSNum, .bytes = 7, .decimals = 2},
                        {.level = 2, .name = sj("  氏名  "), .bytes = 10, .repeat = 3, .remarks = sj("備考")},
                        {.level = 2, .name = "ALT", .bytes = 30, .redefines = sj("氏名")}});
    d.keyLines = {"K1\tx"};
    d.memoLines = {sj("メモ一行目"), "line two"};
    return d;
}

TEST(LayoutFileFormat, FileIsByteExact) { test::ExpectGolden("model/sample_layout.kvl", FormatLayoutFile(Sample())); }

TEST(LayoutFileFormat, WriteThenReadGivesEveryFieldBack) {
    const LayoutDocument original = Sample();
    LayoutDocument back;
    ScriptedMessages msgs;
    const auto r = ReadLayoutText(back, FormatLayoutFile(original), msgs);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.notice.empty() && msgs.Log().empty());
    ASSERT_EQ(back.Count(), original.Count());
    for (int i = 0; i < back.Count(); ++i) {
        TRspec want = original.items[i];
        want.KOM = Trim(want.KOM);
        want.VNM = Trim(want.VNM);
        EXPECT_EQ(back.items[i], want) << "row " << i;
    }
    EXPECT_EQ(std::tie(back.RdfCmt, back.PreFix, back.keyLines, back.memoLines, back.headerLine),
              std::make_tuple(Trim(original.RdfCmt), "CM-", original.keyLines, original.memoLines, "kvel#32.lay"));
}

TEST(LayoutFileReader, ClassifiesOddLines) {
    LayoutDocument d;
    ScriptedMessages msgs;
    // Lower-case keys, LF and CR line ends, a doubled marker, a broken and a blank line, an
    // indented memo and a key marker inside an item line.
    const std::string text = test::ReadBytes(test::DataDir() / "model" / "odd_lines.kvl");
    ASSERT_TRUE(ReadLayoutText(d, text, msgs).ok);
    ASSERT_EQ(d.Count(), 2);
    // A repeat below 1 becomes 1 (the size is not normalised by the reader); a KOM holding the
    // marker is cut there; a group's BYT becomes 0.
    EXPECT_EQ(std::tie(d.items[0].RPT, d.items[0].BYT, d.items[1].KOM, d.items[1].BYT), std::make_tuple(1, 0, "B", 0));
    EXPECT_EQ(std::tie(d.memoLines, d.keyLines),
              std::make_tuple(std::vector<std::string>{"indented memo"}, std::vector<std::string>{"inside%!#"}));
}

TEST(LayoutFileReader, BadNumberFailsAndKeepsRowsReadBefore) {
    LayoutDocument d;
    ScriptedMessages msgs;
    const std::string text = "kvel#32.lay\r\n" + ItemLine(MakeRow({.name = "A", .bytes = 4}), 0) +
                             "\r\n%!#SEQ=2%!#%!#LVL=x%!#KOM=B%!#TYP=1%!#RPT=1%!#BYT=1%!#SYO=0%!#\r\n";
    EXPECT_FALSE(ReadLayoutText(d, text, msgs, "/tmp/a.kvl").ok);
    EXPECT_EQ(d.Count(), 1);
    ASSERT_EQ(msgs.Texts().size(), 1u);
    EXPECT_EQ(
        msgs.Texts()[0],
        sj("<< エラー >>\r\rこのファイルは MORVANE のファイルレイアウトではありません。\r\r     PATH = /tmp/a.kvl"));
    EXPECT_FALSE(ReadLayoutText(d, "not a layout", msgs).ok || ReadLayoutText(d, "kvel", msgs).ok);
}

TEST(LayoutFileReader, UnknownTypesAndLevelsAreConvertedWithANotice) {
    LayoutDocument d;
    ScriptedMessages msgs;
    // Row 2 of type 40, row 3 of type -2 at level 99.
    const auto r = ReadLayoutText(d, test::ReadBytes(test::DataDir() / "model" / "unknown_types.kvl"), msgs);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(std::tie(d.items[1].TYP, d.items[1].TYP2, d.items[2].TYP, d.items[2].LVL),
              std::make_tuple(kString, kString, kString, 15));
    ASSERT_EQ(msgs.Log().size(), 1u);
    EXPECT_EQ(msgs.Texts()[0].find(sj("変換された行番号")), std::string::npos) << "the box shows no list";
    EXPECT_NE(r.notice.find(sj("「 # String 」に変換されて読み込まれました。")), std::string::npos);
    EXPECT_NE(r.notice.find("\r\r2" + sj("：謎") + ", 3" + sj("：") + "N"), std::string::npos);
}

TEST(LayoutFileReader, TooManyLinesAreDroppedWithANotice) {
    LayoutDocument d;
    d.editableLineCount = 2;
    ScriptedMessages msgs;
    std::string text = "kvel#32.lay\r\n";
    for (int i = 0; i < 2; ++i) text += ItemLine(MakeRow({.name = "r"}), i) + "\r\n";
    text += "\r\n";  // a blank line after a full table already sets the flag
    const auto r = ReadLayoutText(d, text, msgs);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(std::make_tuple(d.Count(), r.notice.rfind(sj("<< 注意 >>"), 0), msgs.Texts().back()),
              std::make_tuple(2, 0u, r.notice));
    EXPECT_NE(r.notice.find("2" + sj(" 行目以降は読み込まれていません。")), std::string::npos);
}

/// legacy_types.lay: comment "Cmt1", prefix "P-", rows G (group), 金額 (legacy type 21, 5.1 digits,
/// twice), I (legacy type 3) and a key record.
TEST(LegacyLayoutReader, ConvertsTypesAndReadsKeys) {
    const std::filesystem::path file = test::DataDir() / "model" / "legacy_types.lay";
    LayoutDocument d;
    ScriptedMessages msgs;
    ASSERT_TRUE(ReadLayoutFile(d, file.string(), true, msgs).ok);
    EXPECT_TRUE(d.legacy);
    // Legacy 21 is S.COMP-3 and 3 is U.Int; an integer row takes its size from the settings.
    EXPECT_EQ(test::RowsSummary(d.items), "1 0 1 0 0 G|g\n2 6 2 5 1 金額|amt\n2 18 1 2 0 I|i\n");
    EXPECT_EQ(std::tie(d.RdfCmt, d.PreFix, d.keyLines), std::make_tuple("Cmt1", "P-", std::vector<std::string>{"K1"}));
    ASSERT_FALSE(msgs.Texts().empty());
    EXPECT_NE(msgs.Texts()[0].find(sj("これは MORVANE 16 Bit 版のファイルレイアウトです。")), std::string::npos);
    // A record cut short fails, keeping the rows read before it.
    LayoutDocument cut;
    EXPECT_FALSE(
        ReadLayoutText(cut, test::ReadBytes(file).substr(0, 11 + 2 * 255 + 94) + std::string(50, '\0'), msgs).ok);
    EXPECT_EQ(cut.Count(), 1);
}

}  // namespace
}  // namespace rekkan

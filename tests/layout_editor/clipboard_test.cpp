#include <tuple>

#include "editor_fixture.h"
#include "model/layout_file.h"
#include "util/text.h"

namespace rekkan::test {
namespace {

using Clipboard = EditorFixture;

TEST_F(Clipboard, WritesMagicAndOneItemLinePerRangeRow) {
    std::vector<TRspec> rows = NumberedRows(6);
    rows[2].BKO = sj("備考");
    SetRows(rows);
    MarkRange(2, 3);
    messages.Script(Answer::Ok);
    ASSERT_TRUE(model.Execute(EditorCommand::ClipboardWrite));
    EXPECT_EQ(messages.Log()[0].text,
              sj("選択された内容をクリップボードに書き込みます。\r\n\r\nよろしいですか？\r\n\r\n"));
    ExpectGolden("layout_editor/clipboard_written.txt", Cp932ToUtf8(clipboard.Text().value_or("")));
    EXPECT_EQ(doc.items, rows) << "the layout does not change";
    EXPECT_FALSE(doc.modified || !model.History().Empty());
}

TEST_F(Clipboard, WithoutRangeWritesTheLastRangeOrTheFirstRow) {
    SetRows(NumberedRows(6));
    for (bool earlierRange : {false, true}) {
        if (earlierRange) MarkRange(3, 5, false), model.ClearRange();
        messages.Script(Answer::Ok);
        ASSERT_TRUE(model.WriteClipboard());
        const auto lines = SplitLines(clipboard.Text().value_or(""));
        ASSERT_EQ(lines.size(), earlierRange ? 4u : 2u);
        EXPECT_NE(lines[1].find(earlierRange ? "KOM=R3" : "KOM=ROOT"), std::string::npos);
        EXPECT_NE(lines.back().find(earlierRange ? "KOM=R5" : "KOM=ROOT"), std::string::npos);
    }
}

TEST_F(Clipboard, WriteAndClearAskFirstAndCancelLeavesClipboardAlone) {
    SetRows(NumberedRows(3));
    clipboard.SetText("kvel#32.lay\r\n");
    messages.Script(Answer::Cancel);
    messages.Script(Answer::Cancel);
    EXPECT_FALSE(model.WriteClipboard() || model.ClearClipboard());
    EXPECT_EQ(clipboard.Text().value_or(""), "kvel#32.lay\r\n");
    messages.Script(Answer::Ok);
    EXPECT_TRUE(model.ClearClipboard());
    EXPECT_FALSE(clipboard.Text().has_value());
    EXPECT_EQ(messages.Log()[1].text, sj("クリップボードをクリアーします。\r\n\r\nよろしいですか？\r\n\r\n"));
}

TEST_F(Clipboard, RefusalsAndTheirMessages) {
    struct Case {
        std::optional<std::string> clip;
        int editable;
        std::string message;
    };
    const std::string item = "%!#SEQ=1%!#%!#LVL=2%!#KOM=A%!#VNM=B%!#RED=%!#TYP=1%!#RPT=1%!#BYT=2%!#SYO=0%!#BKO=%!#\r\n";
    const Case cases[] = {
        {std::nullopt, 2000, sj("クリップボードにデータがありません。")},
        {std::string(), 2000, sj("クリップボードにデータがありません。")},
        {"morvane.lay\r\n" + item, 2000, sj("クリップボードのデータは MORVANE のものではありません。")},
        {"  kvel#32.lay  \r\n" + item + item, 5, sj("行数が多すぎるため追加できません。")},
    };
    for (const Case& c : cases) {
        doc.editableLineCount = c.editable;
        SetRows(NumberedRows(4));
        messages.Clear();
        c.clip ? clipboard.SetText(*c.clip) : clipboard.Clear();
        EXPECT_FALSE(model.PasteClipboard());
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(doc.Count(), 4);
    }
}

TEST_F(Clipboard, BlankLineCountsInQuestionButInsertsOnlyItemRows) {
    SetRows(NumberedRows(5));
    clipboard.SetText(ReadBytes(DataDir() / "layout_editor" / "clipboard_three_rows.txt"));
    model.SetCursor(2, 3);
    messages.Script(Answer::Ok);
    ASSERT_TRUE(model.Execute(EditorCommand::ClipboardRead));
    EXPECT_EQ(
        messages.Log()[0].text,
        sj("【 複写 】\r\n\r\n   クリップボードの内容をカーソル行に挿入して複写します。\r\n\r\n       3  ←  【 顧客 (CUST) 】  合計 4 行\r\n\r\nよろしいですか？\r\n\r\n"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"ROOT", "R1", sj("顧客"), "B", "C", "R2", "R3", "R4"}));
    EXPECT_EQ(std::tie(doc.items[2].SYO, doc.items[3].RPT, doc.items[4].RED), std::make_tuple(2, 2, std::string("B")));
    EXPECT_TRUE(doc.modified);
    ASSERT_TRUE(model.Undo());
    EXPECT_EQ(Names(), (std::vector<std::string>{"ROOT", "R1", "R2", "R3", "R4"}))
        << "undo removes the three rows only";
}

TEST_F(Clipboard, CancelAndOutOfRangeRows) {
    SetRows(NumberedRows(3));
    // Level 0, type 40 and repeat 0 on the first line, a type that is no number on the second.
    clipboard.SetText(ReadBytes(DataDir() / "layout_editor" / "clipboard_out_of_range.txt"));
    messages.Script(Answer::Cancel);
    EXPECT_FALSE(model.PasteClipboard());
    EXPECT_EQ(doc.Count(), 3);

    model.SetCursor(50, 3);  // below the last item: the rows are appended
    messages.Script(Answer::Ok);
    ASSERT_TRUE(model.PasteClipboard());
    ASSERT_EQ(doc.Count(), 4) << "a line whose numbers cannot be read is skipped";
    const TRspec& z = doc.items[3];
    EXPECT_EQ(std::tie(z.KOM, z.TYP, z.LVL, z.RPT), std::make_tuple(std::string("Z"), kString, 1, 1))
        << "a type, level and repeat out of range are brought inside";
}

TEST_F(Clipboard, WriteThenPasteCopiesRowsExactly) {
    std::vector<TRspec> rows = NumberedRows(5);
    rows[3] = MakeRow({.level = 2, .name = "GRP", .type = kGroup});
    rows.push_back(
        MakeRow({.level = 3, .name = "N", .type = kSNum, .bytes = 5, .decimals = 2, .repeat = 3, .remarks = "note"}));
    SetRows(rows);
    WriteThenPaste(*this, 3, 5, 6);
    ASSERT_EQ(doc.Count(), 9);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(doc.items[6 + i], rows[3 + i]) << i;
}

TEST_F(Clipboard, ReadAndClearNeedLayoutTextAndNoWideRange) {
    SetRows(NumberedRows(5));
    EXPECT_FALSE(model.IsEnabled(EditorCommand::ClipboardRead));
    clipboard.SetText("plain text");
    EXPECT_FALSE(model.IsEnabled(EditorCommand::ClipboardClear));
    clipboard.SetText(" kvel#32.lay\r\n");
    EXPECT_FALSE(model.ClipboardHoldsLayout()) << "the magic must stand in the first 11 characters";
    clipboard.SetText("kvel#32.lay\r\n");
    EXPECT_TRUE(model.IsEnabled(EditorCommand::ClipboardRead) && model.IsEnabled(EditorCommand::ClipboardClear));
    ASSERT_TRUE(model.BeginMarking(1));
    EXPECT_TRUE(model.IsEnabled(EditorCommand::ClipboardRead)) << "a range of one row";
    model.MarkTo(2);
    EXPECT_FALSE(model.IsEnabled(EditorCommand::ClipboardRead) || model.IsEnabled(EditorCommand::ClipboardClear));
    EXPECT_TRUE(model.IsEnabled(EditorCommand::ClipboardWrite));
}

}  // namespace
}  // namespace rekkan::test

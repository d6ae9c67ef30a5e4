#include <tuple>

#include "editor_fixture.h"

namespace rekkan::test {
namespace {

using RowOperations = EditorFixture;

std::vector<std::string> Numbered(std::initializer_list<int> numbers) {
    std::vector<std::string> names;
    for (int n : numbers) names.push_back(n == 0 ? "ROOT" : "R" + std::to_string(n));
    return names;
}

// The kind of step each operation records is checked with undo (UndoKinds).
TEST_F(RowOperations, WithoutRangeDeleteAndCopyTakeTheCursorRowWithoutQuestion) {
    SetRows(NumberedRows(5));
    model.SetCursor(2, 3);
    ASSERT_TRUE(model.Delete());
    EXPECT_EQ(Names(), Numbered({0, 1, 3, 4}));
    EXPECT_EQ(std::make_pair(doc.modified, model.ShownGeometry().recordLength), std::make_pair(true, 1 + 3 + 4));
    model.SetCursor(3, 3);
    ASSERT_TRUE(model.Copy());
    EXPECT_EQ(Names(), Numbered({0, 1, 3, 4, 4}));
    EXPECT_EQ(doc.items[3], doc.items[4]);
    EXPECT_EQ(std::make_pair(model.History().Count(), model.History().Newest().count), std::make_pair(2, 1));
    EXPECT_TRUE(messages.Log().empty());
}

TEST_F(RowOperations, DeleteAndCopyBelowLastItemDoNothing) {
    for (bool del : {true, false}) {
        SetRows(NumberedRows(3));
        model.SetCursor(del ? 3 : 7, 3);
        EXPECT_FALSE(del ? model.Delete() : model.Copy()) << del;
        EXPECT_EQ(std::make_tuple(doc.Count(), model.History().Empty(), doc.modified), std::make_tuple(3, true, false));
    }
}

TEST_F(RowOperations, RangeDeleteAsksWithRowNumbersAndDeletesOnOk) {
    SetRows(NumberedRows(10));
    MarkRange(2, 6, false);  // still being marked: delete works on it as well
    messages.Script(Answer::Ok);
    ASSERT_TRUE(model.Delete());
    ASSERT_EQ(messages.Log().size(), 1u);
    const auto& asked = messages.Log()[0];
    EXPECT_EQ(
        std::tie(asked.kind, asked.caption, asked.text),
        std::make_tuple(ScriptedMessages::Entry::Kind::OkCancel, sj("確認"),
                        sj("【 削除 】\r\n\r\n    選択範囲の行を削除します。\r\n\r\n    行番号 ： 3 ～ 7\r\n\r\n")));
    EXPECT_EQ(Names(), Numbered({0, 1, 7, 8, 9}));
    EXPECT_EQ(std::make_pair(model.Range().Active(), model.History().Newest().count), std::make_pair(false, 5));
}

TEST_F(RowOperations, RangeDeleteIsDrawnOnRedWhileAsked) {
    SetRows(NumberedRows(6));
    MarkRange(1, 3);
    struct Spy : LayoutEditorObserver {
        LayoutEditorModel* model = nullptr;
        std::vector<RowMark> marks;
        void Refresh() override {
            if (marks.empty()) marks = {model->MarkOf(0), model->MarkOf(1), model->MarkOf(3), model->MarkOf(4)};
        }
    } spy;
    spy.model = &model;
    model.SetObserver(&spy);
    messages.Script(Answer::Cancel);
    EXPECT_FALSE(model.Delete());
    model.SetObserver(nullptr);
    EXPECT_EQ(spy.marks,
              (std::vector<RowMark>{RowMark::None, RowMark::DeleteQuestion, RowMark::DeleteQuestion, RowMark::None}));
    EXPECT_EQ(model.MarkOf(1), RowMark::Confirmed) << "cancel keeps the range";
    EXPECT_EQ(std::make_pair(doc.Count(), model.History().Empty()), std::make_pair(6, true));
}

TEST_F(RowOperations, RangeDeleteScrollsToFirstDeletedRowWhenItLeftTheWindow) {
    SetRows(NumberedRows(40));
    model.SetGridWindow(0, 20);
    struct Case {
        int from, to, cursor;
    };
    for (const Case& c : {Case{30, 35, 5}, Case{3, 4, 31}}) {
        MarkRange(c.from, c.to);
        model.SetCursor(c.cursor, 3);
        messages.Script(Answer::Ok);
        ASSERT_TRUE(model.Delete());
        EXPECT_EQ(std::make_pair(model.TopRow(), model.CursorRow()), std::make_pair(c.from, c.from));
    }
}

/// The copies go before the cursor row, before the range when the cursor is inside it, and
/// after the last item when the cursor is below it; the range then designates the copies.
TEST_F(RowOperations, RangeCopyInsertsCopiesAtTheCursor) {
    struct Case {
        int from, to, cursor;
        std::string question;
        std::vector<std::string> names;
        int copiesAt;
    };
    const Case cases[] = {
        {1, 2, 6, "2 ～ 3    →   7", Numbered({0, 1, 2, 3, 4, 5, 1, 2, 6, 7}), 6},
        {2, 4, 3, "3 ～ 5    →   3", Numbered({0, 1, 2, 3, 4, 2, 3, 4, 5, 6, 7}), 2},
        {1, 2, 8, "2 ～ 3    →   9", Numbered({0, 1, 2, 3, 4, 5, 6, 7, 1, 2}), 8},
    };
    for (const Case& c : cases) {
        SetRows(NumberedRows(8));
        model.ClearRange();
        messages.Clear();
        MarkRange(c.from, c.to);
        model.SetCursor(c.cursor, 3);
        messages.Script(Answer::Ok);
        ASSERT_TRUE(model.Copy());
        EXPECT_EQ(messages.Log()[0].text,
                  sj("【 複写 】\r\n\r\n   選択範囲の行をカーソル行に挿入して複写します。\r\n\r\n   行番号 ： ") +
                      sj(c.question) + "\r\n\r\n");
        EXPECT_EQ(Names(), c.names) << c.cursor;
        const int count = c.to - c.from + 1;
        EXPECT_EQ(std::make_tuple(model.Range().start, model.Range().end, model.Range().state),
                  std::make_tuple(c.copiesAt, c.copiesAt + count - 1, RangeState::Confirmed));
        EXPECT_EQ(std::make_pair(model.History().Newest().row, model.History().Newest().count),
                  std::make_pair(c.copiesAt, count));
    }
}

TEST_F(RowOperations, CopyCancelledOrBeyondAFullTableChangesNothing) {
    doc.editableLineCount = 7;
    SetRows(NumberedRows(6));
    MarkRange(1, 3);
    messages.Script(Answer::Cancel);
    EXPECT_FALSE(model.Copy());
    messages.Script(Answer::Ok);
    EXPECT_FALSE(model.Copy());
    EXPECT_EQ(LastMessage(), sj("選択の行数が多すぎるため追加できません。"));
    doc.editableLineCount = 6;
    model.ClearRange();
    model.SetCursor(1, 3);
    EXPECT_FALSE(model.Copy());
    EXPECT_EQ(LastMessage(), sj("これ以上、行の追加はできません。"));
    EXPECT_EQ(std::make_tuple(doc.Count(), model.History().Empty(), doc.modified), std::make_tuple(6, true, false));
}

}  // namespace
}  // namespace rekkan::test

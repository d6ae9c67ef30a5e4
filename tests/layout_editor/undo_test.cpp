#include <functional>
#include <tuple>

#include "editor_fixture.h"
#include "model/layout_file.h"

namespace rekkan::test {
namespace {

using Undo = EditorFixture;

TEST(UndoHistory, SavesRowsOnlyForDeleteAndEditorKinds) {
    LayoutDocument doc;
    doc.items = NumberedRows(6);
    doc.modified = true;
    for (StepKind kind : {StepKind::Delete, StepKind::RangeDelete, StepKind::Copy, StepKind::RangeCopy, StepKind::Paste,
                          StepKind::CellContent, StepKind::EditorText}) {
        const THistCtl step = MakeStep(kind, 2, 3, doc);
        const bool saves = kind == StepKind::Delete || kind == StepKind::RangeDelete || kind == StepKind::EditorText;
        std::vector<std::string> saved;
        for (const TRspec& h : step.saved) saved.push_back(h.KOM);
        EXPECT_EQ(saved, (saves ? std::vector<std::string>{"R2", "R3", "R4"} : std::vector<std::string>{}))
            << static_cast<int>(kind);
        EXPECT_EQ(step.item.KOM, "R2");
        EXPECT_TRUE(step.modified);
    }
    EXPECT_EQ(MakeStep(StepKind::Delete, 4, 3, doc).saved.size(), 2u) << "as far as the table reaches";
}

/// The caption of every kind (9 is none), of a cell change in each column (2 is none), and of a
/// name cut at 20 bytes, never inside a double-byte character (byte 20 of the last is a lead byte).
TEST(UndoCaption, EveryKindAndEveryCellColumnAndNameCutAtACharacterBoundary) {
    THistCtl step;
    step.item =
        MakeRow({.level = 2, .name = sj("顧客番号顧客番号顧客番号"), .type = kSComp3, .bytes = 7, .decimals = 2});
    step.item.VNM = "CUSTOMER-NUMBER-OF-THE-ACCOUNT";
    std::tie(step.item.RPT, step.item.RED, step.item.BKO) = std::make_tuple(3, "OTHER", sj("備考"));
    std::string out;
    const auto add = [&](int kind, int column) {
        step.kind = static_cast<StepKind>(kind);
        step.column = column;
        out += std::to_string(kind) + "/" + std::to_string(column) + " " + Cp932ToUtf8(StepCaption(step)) + "\n";
    };
    for (int kind : {0, 1, 2, 3, 4, 6, 9}) add(kind, 0);
    for (int column = 2; column <= 10; ++column) add(5, column);
    step.item.KOM = "A" + step.item.KOM;
    add(5, 3);
    ExpectGolden("layout_editor/undo_captions.txt", out);
}

/// One operation per step kind: apply it, check it changed the table, undo, compare.
struct UndoCase {
    const char* name;
    StepKind kind;
    std::function<void(EditorFixture&)> apply;
};

class UndoKinds : public EditorFixture, public ::testing::WithParamInterface<UndoCase> {};

TEST_P(UndoKinds, UndoGivesBackTableAndModifiedFlag) {
    std::vector<TRspec> rows = NumberedRows(10);
    rows[4].BKO = "remark";
    for (bool modifiedBefore : {false, true}) {
        SetRows(rows);
        doc.modified = modifiedBefore;
        model.ClearHistory();
        const std::vector<TRspec> before = doc.items;
        GetParam().apply(*this);
        ASSERT_NE(doc.items, before) << "the operation changed nothing";
        ASSERT_EQ(model.History().Newest().kind, GetParam().kind);
        ASSERT_TRUE(model.Execute(EditorCommand::Undo));
        EXPECT_EQ(doc.items, before);
        EXPECT_EQ(std::make_pair(doc.modified, model.Range().Active()), std::make_pair(modifiedBefore, false));
        EXPECT_GE(model.CursorRow(), 0);
    }
}

/// Deletes or copies the confirmed range `from` to `to` (copies go to `cursor`).
void RangeThen(EditorFixture& f, int from, int to, bool del, int cursor = 0) {
    f.MarkRange(from, to);
    f.model.SetCursor(cursor, 3);
    f.messages.Script(Answer::Ok);
    ASSERT_TRUE(del ? f.model.Delete() : f.model.Copy());
}

/// Puts the cursor on item row `row` and runs `operation`, which must succeed.
void AtRow(EditorFixture& f, int row, bool (LayoutEditorModel::*operation)()) {
    f.model.SetCursor(row, 3);
    ASSERT_TRUE((f.model.*operation)());
}

void EditAsText(EditorFixture& f, std::size_t keep) {
    f.model.RecordStep(StepKind::EditorText, 0, f.doc.Count());
    f.doc.items.resize(keep);
    if (keep > 1) f.doc.items[1].KOM = "EDITED";
    f.doc.modified = true;
}

const UndoCase kUndoCases[] = {
    {"Delete", StepKind::Delete, [](auto& f) { AtRow(f, 4, &LayoutEditorModel::Delete); }},
    {"RangeDelete", StepKind::RangeDelete, [](auto& f) { RangeThen(f, 2, 6, true); }},
    {"DeleteLastRows", StepKind::RangeDelete, [](auto& f) { RangeThen(f, 7, 9, true); }},
    {"Copy", StepKind::Copy, [](auto& f) { AtRow(f, 5, &LayoutEditorModel::Copy); }},
    {"RangeCopy", StepKind::RangeCopy, [](auto& f) { RangeThen(f, 1, 3, false, 8); }},
    {"Paste", StepKind::Paste, [](auto& f) { WriteThenPaste(f, 2, 3, 6); }},
    {"CellCommitInPlace", StepKind::CellContent,
     [](EditorFixture& f) {
         f.model.SetOptions({.cellEdit = 0});
         RowTexts cells = f.model.CellsOf(4);
         cells.remarks = "changed";
         ASSERT_TRUE(f.model.CommitRow(4, cells));
     }},
    {"LevelButton", StepKind::CellContent, [](auto& f) { AtRow(f, 3, &LayoutEditorModel::LevelUp); }},
    {"TypeChoice", StepKind::CellContent,
     [](EditorFixture& f) {
         f.model.SetCursor(2, 6);
         ASSERT_TRUE(f.model.ChooseType(f.model.Types().IndexOf(kSComp3)));
     }},
    {"EditorText", StepKind::EditorText, [](auto& f) { EditAsText(f, 3); }},
    {"EditorTextEmptied", StepKind::EditorText, [](auto& f) { EditAsText(f, 0); }},
};

INSTANTIATE_TEST_SUITE_P(EveryKind, UndoKinds, ::testing::ValuesIn(kUndoCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Undo, CellCommitInPlaceRecordsOneStepPerChangedField) {
    model.SetOptions({.cellEdit = 0});
    SetRows(NumberedRows(4));
    const TRspec original = doc.items[2];
    RowTexts cells = model.CellsOf(2);
    cells.name = "03 NEWNAME";
    cells.varName = " NEW_VAR";
    cells.digits = " 9";
    ASSERT_TRUE(model.CommitRow(2, cells));
    ASSERT_EQ(model.History().Count(), 3);
    const UndoHistory& h = model.History();
    EXPECT_EQ((std::vector<int>{h.At(0).column, h.At(1).column, h.At(2).column}), (std::vector<int>{3, 4, 8}));
    ASSERT_TRUE(model.Undo());
    EXPECT_EQ(std::tie(doc.items[2].BYT, doc.items[2].VNM), std::make_tuple(original.BYT, std::string("NEW_VAR")))
        << "one field at a time";
    EXPECT_EQ(model.CursorColumn(), 8);
    ASSERT_TRUE(model.Undo() && model.Undo());
    EXPECT_EQ(doc.items[2], original);
}

TEST_F(Undo, CommitWithCellEditorRecordsNoStepButCellEditorDoes) {
    SetRows(NumberedRows(4));  // default: cells are edited in a box (Cmb_CellEdit 1)
    RowTexts cells = model.CellsOf(2);
    cells.remarks = "x";
    model.CellEditorStored(2, 10);
    ASSERT_TRUE(model.CommitRow(2, cells));
    ASSERT_EQ(model.History().Count(), 1);
    EXPECT_EQ(StepCaption(model.History().Newest()), sj("セル内容 備考 - "));
    ASSERT_TRUE(model.Undo());
    EXPECT_EQ(std::make_pair(doc.items[2].BKO, doc.modified), std::make_pair(std::string(), false));
}

TEST_F(Undo, RangeDeleteGivesRowsBackInPlaceAndMarksThem) {
    SetRows(NumberedRows(12));
    RangeThen(*this, 2, 6, true);
    model.SetGridWindow(9, 3);
    ASSERT_TRUE(model.Undo());
    EXPECT_EQ(std::make_tuple(doc.Count(), model.CursorRow(), model.TopRow()), std::make_tuple(12, 2, 1))
        << "the row before it becomes the first visible row";
    for (int r = 0; r < 12; ++r) EXPECT_EQ(model.MarkOf(r), r >= 2 && r <= 6 ? RowMark::Restored : RowMark::None) << r;
    model.MousePressed();
    EXPECT_EQ(model.MarkOf(3), RowMark::None);
}

TEST_F(Undo, MenuTextCountsStepsAndUndoGoesBack64StepsAndNoFurther) {
    SetRows(NumberedRows(3));
    EXPECT_EQ(model.UndoMenuText(), sj("元に戻す"));
    EXPECT_FALSE(model.IsEnabled(EditorCommand::Undo));
    model.SetCursor(1, 3);
    for (int i = 0; i < 69; ++i) ASSERT_TRUE(model.Copy());
    ASSERT_TRUE(model.Delete());
    EXPECT_EQ(doc.Count(), 71);
    EXPECT_EQ(model.UndoMenuText(), sj("元に戻す  #64  【削除】"));
    EXPECT_TRUE(model.IsEnabled(EditorCommand::Undo));
    int undone = 0;
    while (model.Execute(EditorCommand::Undo)) ++undone;
    EXPECT_EQ(std::make_tuple(undone, doc.Count(), model.UndoMenuText()), std::make_tuple(64, 9, sj("元に戻す")));
}

}  // namespace
}  // namespace rekkan::test

#include <tuple>

#include "editor_fixture.h"

namespace rekkan::test {
namespace {

using ViewMode = EditorFixture;

/// REC: A X(4) redefined by group B (B1 X(2), B2 X(2)); C X(6) redefined by group D (D1 X(6)).
std::vector<TRspec> TwoRedefinitions() { return LayoutRows("model/views/two.kvl"); }

TEST_F(ViewMode, TheViewIsShownBesideTheLayoutWhichComesBackUnchanged) {
    for (bool modified : {false, true}) {
        model.SetOptions({.viewFormat = 1, .tagLength = 5});
        std::vector<TRspec> rows = TwoRedefinitions();
        rows[3].BKO = "keep";
        rows[2].TYP2 = kJ;
        SetRows(rows);
        doc.modified = modified;
        doc.RdfCmt = "  comment  ";
        model.SetGridWindow(3, 10);
        model.SetCursor(4, 5);
        ASSERT_EQ(model.RecordLengthText(), "Rec.Len : 10 Byte");

        ASSERT_TRUE(model.Execute(EditorCommand::EnterView));
        ASSERT_NE(model.View(), nullptr);
        EXPECT_EQ(std::make_tuple(model.Mode(), model.ModeText(), &model.Shown(), model.Shown().Count()),
                  std::make_tuple(EditMode::Redefinition, ViewModeText(1), &model.View()->doc, 10));
        EXPECT_NE(model.CellsOf(1).name.find(sj("再-A")), std::string::npos) << "the grid shows the view's rows";
        EXPECT_EQ(model.LineCountText(), " 10 Line");
        EXPECT_EQ(model.RecordLengthText(), "Rec.Len : 20 Byte") << "the gathered record with its tags";
        EXPECT_EQ(model.PositionOf(0) + "|" + model.PositionOf(5), "|3") << "no position on the root; B2 sits at 3";
        EXPECT_EQ(model.TopRow(), 0);
        EXPECT_EQ(doc.items, rows) << "showing the view leaves the layout alone";
        EXPECT_EQ(std::tie(doc.RdfCmt, doc.modified), std::make_tuple(std::string("  comment  "), modified));

        ASSERT_TRUE(model.Execute(EditorCommand::LeaveView));
        EXPECT_EQ(std::make_tuple(model.Mode(), model.View() == nullptr, &model.Shown(), doc.modified),
                  std::make_tuple(EditMode::Ordinary, true, &doc, modified));
        EXPECT_EQ(doc.items, rows);
        EXPECT_EQ(model.RecordLengthText() + "|" + model.PositionOf(5), "Rec.Len : 10 Byte|5");
        EXPECT_EQ(std::make_pair(model.TopRow(), model.CursorRow()), std::make_pair(3, 4));
    }
}

TEST_F(ViewMode, EditingIsShutWhileTheViewIsShown) {
    SetRows(TwoRedefinitions());
    model.SetCursor(1, 3);
    ASSERT_TRUE(model.Copy());
    ASSERT_TRUE(model.EnterView());
    const std::vector<TRspec> layout = doc.items;
    const std::vector<TRspec> view = model.Shown().items;
    for (EditorCommand c :
         {EditorCommand::ConfirmRange, EditorCommand::ClearRange, EditorCommand::Copy, EditorCommand::Delete,
          EditorCommand::ClipboardWrite, EditorCommand::ClipboardRead, EditorCommand::ClipboardClear,
          EditorCommand::JoinPrefix, EditorCommand::CutPrefix, EditorCommand::ExchangeNames, EditorCommand::Undo,
          EditorCommand::LevelDown, EditorCommand::LevelUp, EditorCommand::EnterView}) {
        EXPECT_FALSE(model.IsEnabled(c)) << static_cast<int>(c);
        EXPECT_FALSE(model.Execute(c)) << static_cast<int>(c);
    }
    EXPECT_FALSE(model.Delete() || model.Undo() || model.JoinPrefix() || model.ExchangeNames() ||
                 model.BeginMarking(1) || model.CommitRow(1, RowTexts{.name = "01 X"}) || model.ChooseType(1));
    doc.modified = false;
    model.MarkModified();  // a key typed into a read-only cell box
    EXPECT_FALSE(doc.modified);
    EXPECT_EQ(model.Shown().items, view);
    EXPECT_EQ(doc.items, layout);
    EXPECT_TRUE(messages.Log().empty());
    EXPECT_TRUE(model.IsEnabled(EditorCommand::LeaveView));
}

TEST_F(ViewMode, ReloadLeavesTheViewTellingTheUserWhenModified) {
    SetRows(TwoRedefinitions());
    ASSERT_TRUE(model.EnterView());
    EXPECT_TRUE(model.LeaveViewForReload());
    EXPECT_TRUE(messages.Log().empty()) << "an unmodified layout leaves silently";
    doc.modified = true;
    ASSERT_TRUE(model.EnterView());
    EXPECT_TRUE(model.LeaveViewForReload());
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{sj("【再定義の表示】 から 【レイアウトの編集】 に戻します。")});
    EXPECT_EQ(model.Mode(), EditMode::Ordinary);
    EXPECT_FALSE(model.LeaveViewForReload());
}

TEST_F(ViewMode, ImportHooksLeaveTheViewAndForgetUndo) {
    SetRows(TwoRedefinitions());
    model.SetCursor(1, 3);
    ASSERT_TRUE(model.Copy());
    ASSERT_TRUE(model.EnterView());
    EditorHooks& hooks = model;
    hooks.SetImporting(true);
    EXPECT_TRUE(model.Importing());
    hooks.LeaveRedefinitionView();
    EXPECT_EQ(model.Mode(), EditMode::Ordinary);
    hooks.ResetUndoHistory();
    EXPECT_TRUE(model.History().Empty());
    MarkRange(1, 2);
    doc.items = NumberedRows(3);
    hooks.LayoutReplaced();
    EXPECT_FALSE(model.Range().Active());
    EXPECT_EQ(model.ShownGeometry().recordLength, 1 + 2) << "the new table is measured";
}

TEST_F(ViewMode, RebuildFollowsNewSettingsAndStillRestores) {
    model.SetOptions({.viewFormat = 0, .tagLength = 0});
    SetRows(TwoRedefinitions());
    const std::vector<TRspec> before = doc.items;
    ASSERT_TRUE(model.EnterView());
    ASSERT_EQ(model.Shown().Count(), 8);
    model.SetOptions({.viewFormat = 1, .tagLength = 3});
    ASSERT_TRUE(model.RebuildView());
    EXPECT_EQ(std::make_tuple(model.Shown().Count(), model.Shown().items[2].BYT, model.ModeText()),
              std::make_tuple(10, 3, ViewModeText(1)));
    ASSERT_TRUE(model.LeaveView());
    EXPECT_EQ(doc.items, before);
}

}  // namespace
}  // namespace rekkan::test

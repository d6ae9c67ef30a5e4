#include <tuple>

#include "editor_fixture.h"

namespace rekkan::test {
namespace {

using RedefinitionView = EditorFixture;

/// LVL, KOM, VNM, TYP, RdfKind and RdfPos of a row.
using ViewRow = std::tuple<int, std::string, std::string, int, int, int>;

std::vector<ViewRow> Summary(const std::vector<TRspec>& rows) {
    std::vector<ViewRow> out;
    for (const TRspec& r : rows) out.emplace_back(r.LVL, r.KOM, r.VNM, r.TYP, r.RdfKind, r.RdfPos);
    return out;
}

/// REC: A X(4) redefined by group B (B1 X(2), B2 X(2)); C X(6) redefined by group D (D1 X(6)).
std::vector<TRspec> TwoRedefinitions() {
    return {Row(1, "REC", kGroup),     Row(2, "A", kX, 4),        Row(2, "B", kGroup, 0, 1, "A"),
            Row(3, "B1", kX, 2),       Row(3, "B2", kX, 2),       Row(2, "C", kX, 6, 1, {}, "C-VAR"),
            Row(2, "D", kGroup, 0, 1, "C-VAR"), Row(3, "D1", kX, 6)};
}

void SetView(LayoutEditorModel& model, int format, int tagLength) {
    EditorOptions o = model.Options();
    o.viewFormat = format;
    o.tagLength = tagLength;
    model.SetOptions(o);
}

TEST_F(RedefinitionView, LayoutWithoutRedefinitionsGivesRootOnly) {
    for (int count : {4, 0}) {
        SetRows(count > 0 ? NumberedRows(count) : std::vector<TRspec>{});
        const std::vector<TRspec> before = doc.items;
        doc.RdfCmt = " cust ";
        doc.modified = count == 0;
        ASSERT_TRUE(model.Execute(EditorCommand::EnterView));
        EXPECT_EQ(model.Mode(), EditMode::Redefinition);
        const std::string first = count > 0 ? "ROOT" : "";
        EXPECT_EQ(Summary(doc.items), (std::vector<ViewRow>{{1, sj("再定義項目-") + first, "RED-" + first, kGroup, 1, 1}}));
        EXPECT_EQ(doc.RdfCmt, sj("再定義項目 cust"));
        EXPECT_EQ(model.PositionOf(0), "") << "the root shows no position";
        ASSERT_TRUE(model.LeaveView());
        EXPECT_EQ(Stripped(doc.items), Stripped(before));
        EXPECT_EQ(doc.RdfCmt, " cust ");
        EXPECT_EQ(doc.modified, count == 0);
    }
}

TEST_F(RedefinitionView, FormatZeroGathersEachRedefinitionUnderItsHead) {
    SetView(model, 0, 5);
    SetRows(TwoRedefinitions());
    ASSERT_EQ(doc.displayedRecordLength, 10);
    ASSERT_TRUE(model.EnterView());
    EXPECT_EQ(Summary(doc.items),
              (std::vector<ViewRow>{{1, sj("再定義項目-REC"), "RED-REC", kGroup, 1, 1}, {2, sj("再-A"), "R-A", kGroup, 0, 1},
                                    {3, "B", "B", kGroup, 0, 1}, {4, "B1", "B1", kX, 0, 1}, {4, "B2", "B2", kX, 0, 3},
                                    {2, sj("再-C"), "R-C-VAR", kGroup, 0, 5}, {3, "D", "D", kGroup, 0, 5},
                                    {4, "D1", "D1", kX, 0, 5}}));
    EXPECT_EQ(std::tie(doc.items[1].RdfBase, doc.items[5].RdfBase), std::make_tuple(1, 5));
    EXPECT_TRUE(doc.items[2].RED.empty());
    EXPECT_EQ(model.View().Table().headCount, 0);
    EXPECT_EQ(doc.displayedRecordLength, 4 + 6) << "the gathered record";
    EXPECT_EQ(doc.ordinaryRecordLength, 10) << "the ordinary length stays";
    EXPECT_EQ(model.PositionOf(4), "3");
}

TEST_F(RedefinitionView, EmbeddedTagsFollowEachHeadInFormatsOneToFour) {
    for (int format = 0; format < kViewFormatCount; ++format) {
        SetView(model, format, 5);
        SetRows(TwoRedefinitions());
        ASSERT_TRUE(model.EnterView());
        const bool tags = format >= 1 && format <= 4;
        ASSERT_EQ(doc.Count(), tags ? 10 : 8) << format;
        EXPECT_EQ(doc.items[1].RdfKind, format == 0 ? 0 : 2) << format;
        EXPECT_EQ(model.View().Table().headCount, format == 0 ? 0 : 2) << format;
        EXPECT_EQ(model.View().ModeText(), sj("≪ 再定義項目 ≫") + ViewFormatName(format));
        if (tags) {
            EXPECT_EQ(Summary(doc.items)[2], ViewRow(3, sj("再定義元-A"), "REDEFINES-A", kX, 3, 0));
            EXPECT_EQ(doc.items[2].BYT, 5);
            EXPECT_EQ(doc.items[7].VNM, "REDEFINES-C-VAR");
            EXPECT_EQ(doc.displayedRecordLength, 10 + 2 * 5);
        }
        ASSERT_TRUE(model.LeaveView());
    }
    SetView(model, 2, 0);
    SetRows(TwoRedefinitions());
    ASSERT_TRUE(model.EnterView());
    EXPECT_EQ(doc.Count(), 8) << "a tag length of 0 embeds nothing";
    EXPECT_EQ(ViewFormatName(0), sj(" 形式１：単純な寄せ集めで(従来の方法)"));
}

TEST_F(RedefinitionView, NestedRedefinitionGetsItsOwnHead) {
    SetView(model, 0, 0);
    SetRows({Row(1, "REC", kGroup), Row(2, "A", kX, 10), Row(2, "B", kGroup, 0, 1, "A"), Row(3, "B1", kX, 4),
             Row(3, "B2", kGroup, 0, 1, "B1"), Row(4, "B21", kX, 2), Row(4, "B22", kX, 2), Row(3, "B3", kX, 6),
             Row(2, "Z", kX, 1)});
    ASSERT_TRUE(model.EnterView());
    EXPECT_EQ(Summary(doc.items),
              (std::vector<ViewRow>{{1, sj("再定義項目-REC"), "RED-REC", kGroup, 1, 1}, {2, sj("再-A"), "R-A", kGroup, 0, 1},
                                    {3, "B", "B", kGroup, 0, 1}, {4, "B1", "B1", kX, 0, 1}, {4, "B3", "B3", kX, 0, 5},
                                    {2, sj("再-B1"), "R-B1", kGroup, 0, 1}, {3, "B2", "B2", kGroup, 0, 1},
                                    {4, "B21", "B21", kX, 0, 1}, {4, "B22", "B22", kX, 0, 3}}));
}

TEST_F(RedefinitionView, LevelsAreRenumberedFromThreeAcrossJumps) {
    SetView(model, 0, 0);
    SetRows({Row(1, "REC", kGroup), Row(3, "A", kX, 10), Row(3, "B", kGroup, 0, 1, "A"), Row(5, "C", kGroup),
             Row(7, "D", kX, 2), Row(5, "E", kX, 2), Row(4, "F", kX, 2), Row(7, "G", kX, 1)});
    ASSERT_TRUE(model.EnterView());
    std::vector<int> levels;
    for (const TRspec& r : doc.items) levels.push_back(r.LVL);
    EXPECT_EQ(levels, (std::vector<int>{1, 2, 3, 4, 5, 4, 4, 5}));
}

TEST_F(RedefinitionView, UnresolvedRedefinitionNamesHeadAfterRed) {
    SetView(model, 0, 0);
    SetRows({Row(1, "REC", kGroup), Row(2, "A", kX, 3), Row(2, "B", kX, 3, 1, "NOWHERE")});
    ASSERT_TRUE(model.EnterView());
    EXPECT_EQ(std::tie(doc.items[1].KOM, doc.items[1].VNM, doc.items[1].RdfBase),
              std::make_tuple(sj("再-"), std::string("R-NOWHERE"), 0));
    EXPECT_EQ(model.PositionOf(1), "");
}

TEST_F(RedefinitionView, LeavingGivesBackExactlyTheTableThatEntered) {
    for (bool modified : {false, true}) {
        std::vector<TRspec> rows = TwoRedefinitions();
        rows[3].BKO = "keep";
        rows[2].TYP2 = kJ;
        SetRows(rows);
        const std::vector<TRspec> before = doc.items;
        doc.modified = modified;
        doc.RdfCmt = "  comment  ";
        doc.PreFix = "P-";
        model.SetGridWindow(3, 10);
        model.SetCursor(4, 5);
        ASSERT_TRUE(model.EnterView());
        EXPECT_EQ(model.TopRow(), 0);
        ASSERT_TRUE(model.Execute(EditorCommand::LeaveView));
        EXPECT_EQ(model.Mode(), EditMode::Ordinary);
        EXPECT_EQ(Stripped(doc.items), Stripped(before));
        EXPECT_EQ(doc.modified, modified);
        EXPECT_EQ(std::tie(doc.RdfCmt, doc.PreFix), std::make_tuple(std::string("  comment  "), std::string("P-")));
        EXPECT_EQ(doc.displayedRecordLength, 10);
        EXPECT_EQ(std::make_pair(model.TopRow(), model.CursorRow()), std::make_pair(3, 4));
    }
}

TEST_F(RedefinitionView, EditingIsShutWhileTheViewIsShown) {
    SetRows(TwoRedefinitions());
    model.SetCursor(1, 3);
    ASSERT_TRUE(model.Copy());
    ASSERT_TRUE(model.EnterView());
    const std::vector<TRspec> view = doc.items;
    for (EditorCommand c : {EditorCommand::ConfirmRange, EditorCommand::ClearRange, EditorCommand::Copy,
                            EditorCommand::Delete, EditorCommand::ClipboardWrite, EditorCommand::ClipboardRead,
                            EditorCommand::ClipboardClear, EditorCommand::JoinPrefix, EditorCommand::CutPrefix,
                            EditorCommand::ExchangeNames, EditorCommand::Undo, EditorCommand::LevelDown,
                            EditorCommand::LevelUp, EditorCommand::EnterView}) {
        EXPECT_FALSE(model.IsEnabled(c)) << static_cast<int>(c);
        EXPECT_FALSE(model.Execute(c)) << static_cast<int>(c);
    }
    EXPECT_FALSE(model.Delete());
    EXPECT_FALSE(model.Undo());
    EXPECT_FALSE(model.BeginMarking(1));
    EXPECT_FALSE(model.CommitRow(1, RowTexts{"01 X", "", "", "", "", "", "", ""}));
    EXPECT_FALSE(model.ChooseType(1));
    EXPECT_EQ(doc.items, view);
    EXPECT_TRUE(messages.Log().empty());
    EXPECT_TRUE(model.IsEnabled(EditorCommand::LeaveView));
}

TEST_F(RedefinitionView, ReloadLeavesTheViewTellingTheUserWhenModified) {
    SetRows(TwoRedefinitions());
    ASSERT_TRUE(model.EnterView());
    EXPECT_TRUE(model.LeaveViewForReload());
    EXPECT_TRUE(messages.Log().empty()) << "an unmodified layout leaves silently";
    doc.modified = true;
    ASSERT_TRUE(model.EnterView());
    EXPECT_TRUE(model.LeaveViewForReload());
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{sj("【再定義の表示】 から 【レイアウトの編集】 に戻します。")});
    EXPECT_EQ(model.Mode(), EditMode::Ordinary);
    EXPECT_FALSE(model.LeaveViewForReload());
}

TEST_F(RedefinitionView, ImportHooksLeaveTheViewAndForgetUndo) {
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
    EXPECT_EQ(doc.displayedRecordLength, 1 + 2) << "the new table is measured";
}

TEST_F(RedefinitionView, RebuildFollowsNewSettingsAndStillRestores) {
    SetView(model, 0, 0);
    SetRows(TwoRedefinitions());
    const std::vector<TRspec> before = Stripped(doc.items);
    ASSERT_TRUE(model.EnterView());
    ASSERT_EQ(doc.Count(), 8);
    SetView(model, 1, 3);
    ASSERT_TRUE(model.RebuildView());
    EXPECT_EQ(doc.Count(), 10);
    EXPECT_EQ(doc.items[2].BYT, 3);
    ASSERT_TRUE(model.LeaveView());
    EXPECT_EQ(Stripped(doc.items), before);
}

TEST(RedefinitionViewDocument, CopyShowsTheViewAndLeavesTheLayoutAlone) {
    LayoutDocument doc;
    doc.items = TwoRedefinitions();
    doc.RdfCmt = "cust";
    const std::vector<TRspec> before = doc.items;
    const RedefinitionViewDocument view = MakeViewDocument(doc, 1, 4);
    EXPECT_EQ(doc.items, before);
    ASSERT_EQ(view.doc.Count(), 10);
    EXPECT_EQ(view.doc.RdfCmt, sj("再定義項目 cust"));
    EXPECT_EQ(view.doc.displayedRecordLength, 10 + 2 * 4);
    EXPECT_EQ(view.positions, (std::vector<std::string>{"", "1", "", "1", "1", "3", "5", "", "5", "5"}));
}

}  // namespace
}  // namespace rekkan::test

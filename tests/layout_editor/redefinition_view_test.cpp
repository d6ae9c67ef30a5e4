#include "editor_fixture.h"

namespace rekkan::test {
namespace {

using RedefinitionView = EditorFixture;

struct ViewRow {
    int lvl;
    std::string kom;
    std::string vnm;
    int typ;
    int rdfKind;
    int rdfPos;
};

std::vector<ViewRow> Summary(const std::vector<TRspec>& rows) {
    std::vector<ViewRow> out;
    for (const TRspec& r : rows) out.push_back({r.LVL, r.KOM, r.VNM, r.TYP, r.RdfKind, r.RdfPos});
    return out;
}

void Expect(const std::vector<TRspec>& rows, const std::vector<ViewRow>& expected) {
    const auto got = Summary(rows);
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        const ViewRow& g = got[i];
        const ViewRow& e = expected[i];
        EXPECT_EQ(g.lvl, e.lvl) << "row " << i;
        EXPECT_EQ(g.kom, e.kom) << "row " << i;
        EXPECT_EQ(g.vnm, e.vnm) << "row " << i;
        EXPECT_EQ(g.typ, e.typ) << "row " << i;
        EXPECT_EQ(g.rdfKind, e.rdfKind) << "row " << i;
        EXPECT_EQ(g.rdfPos, e.rdfPos) << "row " << i;
    }
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
    SetRows(NumberedRows(4));
    doc.RdfCmt = " cust ";
    ASSERT_TRUE(model.Execute(EditorCommand::EnterView));
    EXPECT_EQ(model.Mode(), EditMode::Redefinition);
    Expect(doc.items, {{1, sj("再定義項目-ROOT"), "RED-ROOT", kGroup, 1, 1}});
    EXPECT_EQ(doc.RdfCmt, sj("再定義項目 cust"));
    EXPECT_EQ(model.PositionOf(0), "") << "the root shows no position";
}

TEST_F(RedefinitionView, FormatZeroGathersEachRedefinitionUnderItsHead) {
    SetView(model, 0, 5);
    SetRows(TwoRedefinitions());
    ASSERT_EQ(doc.displayedRecordLength, 10);
    ASSERT_TRUE(model.EnterView());
    Expect(doc.items, {
                          {1, sj("再定義項目-REC"), "RED-REC", kGroup, 1, 1},
                          {2, sj("再-A"), "R-A", kGroup, 0, 1},
                          {3, "B", "B", kGroup, 0, 1},
                          {4, "B1", "B1", kX, 0, 1},
                          {4, "B2", "B2", kX, 0, 3},
                          {2, sj("再-C"), "R-C-VAR", kGroup, 0, 5},
                          {3, "D", "D", kGroup, 0, 5},
                          {4, "D1", "D1", kX, 0, 5},
                      });
    EXPECT_EQ(doc.items[1].RdfBase, 1);
    EXPECT_EQ(doc.items[5].RdfBase, 5);
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
            const TRspec& tag = doc.items[2];
            EXPECT_EQ(tag.LVL, 3);
            EXPECT_EQ(tag.TYP, kX);
            EXPECT_EQ(tag.BYT, 5);
            EXPECT_EQ(tag.KOM, sj("再定義元-A"));
            EXPECT_EQ(tag.VNM, "REDEFINES-A");
            EXPECT_EQ(tag.RdfKind, 3);
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
    Expect(doc.items, {
                          {1, sj("再定義項目-REC"), "RED-REC", kGroup, 1, 1},
                          {2, sj("再-A"), "R-A", kGroup, 0, 1},
                          {3, "B", "B", kGroup, 0, 1},
                          {4, "B1", "B1", kX, 0, 1},
                          {4, "B3", "B3", kX, 0, 5},
                          {2, sj("再-B1"), "R-B1", kGroup, 0, 1},
                          {3, "B2", "B2", kGroup, 0, 1},
                          {4, "B21", "B21", kX, 0, 1},
                          {4, "B22", "B22", kX, 0, 3},
                      });
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
    EXPECT_EQ(doc.items[1].KOM, sj("再-"));
    EXPECT_EQ(doc.items[1].VNM, "R-NOWHERE");
    EXPECT_EQ(doc.items[1].RdfBase, 0);
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
        EXPECT_EQ(doc.RdfCmt, "  comment  ");
        EXPECT_EQ(doc.PreFix, "P-");
        EXPECT_EQ(doc.displayedRecordLength, 10);
        EXPECT_EQ(model.TopRow(), 3);
        EXPECT_EQ(model.CursorRow(), 4);
    }
}

TEST_F(RedefinitionView, EmptyLayoutRoundTripKeepsCommentAndFlag) {
    SetRows({});
    doc.RdfCmt = "empty";
    doc.modified = true;
    ASSERT_TRUE(model.EnterView());
    Expect(doc.items, {{1, sj("再定義項目-"), "RED-", kGroup, 1, 1}});
    ASSERT_TRUE(model.LeaveView());
    EXPECT_TRUE(doc.items.empty());
    EXPECT_EQ(doc.RdfCmt, "empty");
    EXPECT_TRUE(doc.modified);
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
    const std::vector<TRspec> before = Stripped(doc.items);
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
    doc.items = before;
    hooks.LayoutReplaced();
    EXPECT_EQ(doc.displayedRecordLength, 10);
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

#include <tuple>

#include "editor_fixture.h"

namespace rekkan::test {
namespace {

using RowCommit = EditorFixture;
using EditorWindow = EditorFixture;

RowTexts NameOnly(std::string name) { return RowTexts{.name = std::move(name)}; }

std::vector<std::string> CellTexts(const RowTexts& t) {
    return {t.name, t.varName, t.redefines, t.type, t.repeat, t.digits, t.decimals, t.remarks};
}

/// REC (group) followed by level-2 rows of the given names, types and sizes.
std::vector<TRspec> Rec(std::initializer_list<std::tuple<const char*, int, int>> rows) {
    std::vector<TRspec> out{MakeRow({.name = "REC", .type = kGroup})};
    for (const auto& [name, type, bytes] : rows)
        out.push_back(MakeRow({.level = 2, .name = name, .type = type, .bytes = bytes}));
    return out;
}

TEST(RowCells, ShowRowAsTheGridDoesAndReadLevelAndNumbersFromTheFront) {
    TRspec r = MakeRow({.level = 3, .name = "AMOUNT", .var = "AMT", .type = kSNum, .bytes = 7, .decimals = 2});
    r.RPT = 4;
    r.BKO = "note";
    EXPECT_EQ(CellTexts(FormatRowCells(r, 3)),
              (std::vector<std::string>{"      03 AMOUNT", " AMT", " ", "  S.NUM", " 4", " 7", " 2", "note"}));
    // The type's column rules hide digits and decimals the type has none of, whatever the row holds.
    const TRspec g = MakeRow({.name = "G", .type = kGroup, .bytes = 5, .decimals = 1});
    EXPECT_EQ(CellTexts(FormatRowCells(g, 2)), (std::vector<std::string>{"01 G", " G", " ", " Group", "", "", "", ""}));
    const RowTexts s = FormatRowCells(MakeRow({.name = "S", .type = kSInt, .bytes = 2, .decimals = 3}), 2);
    EXPECT_EQ(s.digits + "|" + s.decimals, " 2|");
    EXPECT_EQ(SeqCellText(11), "   12");
    // A position that cannot be derived is blank; the redefinition view's are checked with the view.
    EXPECT_EQ(
        PositionCellText(r, GeometryRow{.Pos = 17}, false) + "|" + PositionCellText(r, GeometryRow{.Pos = -1}, false),
        "17|");
    struct Case {
        std::string cell;
        std::optional<int> level;
        std::string name;
    };
    for (const Case& c : {Case{"  02 CUSTOMER ", 2, "CUSTOMER"}, Case{"CUSTOMER", std::nullopt, "CUSTOMER"},
                          Case{"123ABC", 12, "3ABC"}, Case{"7", 7, ""}, Case{"", std::nullopt, ""}}) {
        const LevelAndName got = SplitLevelAndName(c.cell);
        EXPECT_EQ(std::tie(got.level, got.name), std::tie(c.level, c.name)) << c.cell;
    }
    EXPECT_EQ((std::vector<int>{LeadingNumber(" 12abc"), LeadingNumber("x12"), LeadingNumber(""),
                                LeadingNumber("99999999999999999999")}),
              (std::vector<int>{12, 0, 0, 999'999'999}));
}

TEST_F(RowCommit, TypedOrTypeChosenBelowLastItemAppendsLikeTheRowAbove) {
    SetRows(Rec({{"A", kSComp3, 5}}));
    ASSERT_TRUE(model.CommitRow(6, RowTexts{.name = "02 CUSTOMER", .digits = "4"}));
    ASSERT_EQ(doc.Count(), 3);
    const TRspec& added = doc.items[2];
    EXPECT_EQ(std::tie(added.LVL, added.KOM, added.TYP, added.BYT),
              std::make_tuple(2, std::string("CUSTOMER"), kSComp3, 4));
    EXPECT_EQ(std::make_tuple(model.CursorRow(), doc.modified, model.ShownGeometry().recordLength),
              std::make_tuple(2, true, 6));

    doc.items[2].LVL = 3;
    model.SetCursor(4, 6);
    ASSERT_TRUE(model.ChooseType(model.Types().IndexOf(kX)));
    ASSERT_EQ(doc.Count(), 4);
    EXPECT_EQ(std::tie(doc.items[3].LVL, doc.items[3].TYP, doc.items[3].BYT), std::make_tuple(3, kX, 1));
    EXPECT_EQ(model.CursorRow(), 3);
    EXPECT_TRUE(model.History().Empty()) << "an appended row records no step";
}

TEST_F(RowCommit, LevelComesFromTheNameOrTheRowAboveAndStaysInOneToFifteen) {
    ASSERT_TRUE(model.CommitRow(0, NameOnly("RECORD")));
    EXPECT_EQ(std::tie(doc.items[0].TYP, doc.items[0].LVL), std::make_tuple(kGroup, 1)) << "the first row is a group";
    ASSERT_TRUE(model.CommitRow(1, NameOnly("03 FIELD")) && model.CommitRow(2, NameOnly("NEXT")));
    EXPECT_EQ(doc.items[2].LVL, 3) << "no digits: the level of the row above";
    EXPECT_FALSE(model.CommitRow(3, RowTexts{})) << "an empty row past the end appends nothing";
    EXPECT_EQ(doc.Count(), 3);
    ASSERT_TRUE(model.CommitRow(1, NameOnly("00 ZERO")) && model.CommitRow(2, NameOnly("42 DEEP")));
    EXPECT_EQ(std::make_pair(doc.items[1].LVL, doc.items[2].LVL), std::make_pair(1, 15));
}

TEST_F(RowCommit, ValuesAreNormalisedByTypeAndATooLongRecordLeavesANoticeUntilFixed) {
    SetRows(Rec({{"X", kX, 3}, {"I", kSLong, 4}, {"N", kSNum, 3}}));
    RowTexts x = model.CellsOf(1), i = model.CellsOf(2), n = model.CellsOf(3);
    x.digits = n.digits = "";
    x.repeat = "3 times";
    i.digits = " 9";
    n.decimals = "2";
    ASSERT_TRUE(model.CommitRow(1, x));
    model.CommitRow(2, i);
    ASSERT_TRUE(model.CommitRow(3, n));
    EXPECT_EQ(std::tie(doc.items[1].BYT, doc.items[1].RPT), std::make_tuple(1, 3));
    EXPECT_EQ(doc.items[2].BYT, 4) << "a fixed-size type keeps its size";
    EXPECT_EQ(std::tie(doc.items[3].BYT, doc.items[3].SYO), std::make_tuple(0, 2));

    x.digits = "999993";  // with I (4 bytes) and N (2 decimals) the longest record there is
    x.repeat = "2";
    ASSERT_TRUE(model.CommitRow(1, x));
    EXPECT_EQ(model.Notice(), RecordTooLongMessage());
    x.repeat = "1";
    ASSERT_TRUE(model.CommitRow(1, x));
    EXPECT_EQ(model.Notice(), "");
    EXPECT_EQ(model.ShownGeometry().recordLength, 999999);
}

TEST_F(RowCommit, CellHandlersRestWhileALayoutIsReadOrImported) {
    SetRows(NumberedRows(3));
    model.SetCursor(1, 3);
    for (bool reading : {true, false}) {
        reading ? model.SetReading(true) : model.SetImporting(true);
        EXPECT_FALSE(model.CommitRow(1, NameOnly("05 CHANGED")) || model.LevelUp() ||
                     model.ChooseType(model.Types().IndexOf(kJ)))
            << reading;
        model.SetReading(false);
        model.SetImporting(false);
    }
    EXPECT_EQ(doc.items[1].KOM, "R1");
    EXPECT_FALSE(doc.modified);
    EXPECT_TRUE(model.CommitRow(1, NameOnly("05 CHANGED")));
}

TEST_F(RowCommit, UnchangedRowAndAppendToAFullTableChangeNothing) {
    doc.editableLineCount = 3;
    SetRows(NumberedRows(3));
    EXPECT_FALSE(model.CommitRow(1, model.CellsOf(1)));
    EXPECT_FALSE(doc.modified);
    EXPECT_TRUE(messages.Log().empty());
    EXPECT_FALSE(model.CommitRow(3, NameOnly("MORE")));
    EXPECT_EQ(LastMessage(), sj("これ以上、行の追加はできません。"));
    EXPECT_EQ(doc.Count(), 3);
}

TEST_F(RowCommit, CellsTakeInputAsTheTypeAllows) {
    SetRows(Rec({{"I", kSInt, 2}, {"N", kSNum, 3}}));
    const struct {
        int row, column;
        bool takes;
    } cases[] = {{1, 8, false}, {1, 9, false},                 // no digits in an S.Int row
                 {2, 8, true},  {2, 9, true},  {0, 8, false},  // a group has no digits
                 {2, 0, false}, {2, 1, false}, {2, 2, false}, {2, 6, false}, {2, 3, true}, {9, 8, true}};  // a new row
    for (const auto& c : cases) EXPECT_EQ(model.CellTakesInput(c.row, c.column), c.takes) << c.row << "," << c.column;
    EXPECT_EQ(model.MaxLinesText(), "Max.Lines[ 2,000 ]");
    ASSERT_TRUE(model.EnterView());
    EXPECT_FALSE(model.CellTakesInput(2, 3));
}

TEST_F(RowCommit, LevelButtonsAndDeeperLevelsMakeTheRowAboveAGroupAndBackRestoresIt) {
    SetRows(Rec({{"A", kX, 4}, {"B", kX, 2}}));
    ASSERT_TRUE(model.CommitRow(2, NameOnly("03 B")));
    EXPECT_EQ(std::tie(doc.items[1].TYP, doc.items[1].TYP2), std::make_tuple(kGroup, kX));
    ASSERT_TRUE(model.CommitRow(2, NameOnly("02 B")));
    EXPECT_EQ(doc.items[1].TYP, kX);

    model.SetCursor(2, 3);
    ASSERT_TRUE(model.Execute(EditorCommand::LevelUp));
    EXPECT_EQ(std::tie(doc.items[2].LVL, doc.items[1].TYP), std::make_tuple(3, kGroup));
    EXPECT_EQ(StepCaption(model.History().Newest()), sj("セル内容 項目名 - B"));
    ASSERT_TRUE(model.LevelDown());
    EXPECT_EQ(doc.items[1].TYP, kX);
    model.SetCursor(0, 3);
    EXPECT_FALSE(model.LevelDown()) << "level 1 is the lowest";
    doc.items[0].LVL = 15;
    EXPECT_FALSE(model.LevelUp()) << "16 is never reached";
    model.SetCursor(3, 3);
    EXPECT_FALSE(model.IsEnabled(EditorCommand::LevelUp)) << "only on item rows";
}

TEST_F(RowCommit, TypeChoiceSkipsTheSeparatorKeepsTheOldTypeAndFollowsThePriority) {
    SetRows(Rec({{"L", kSLong, 4}}));
    model.SetCursor(1, 6);
    int separator = -1;
    for (int i = 0; i < model.Types().Size(); ++i) {
        if (model.Types().TextAt(i) == "--- < VB,Etc >-----") separator = i;
    }
    ASSERT_GE(separator, 0);
    EXPECT_FALSE(model.ChooseType(separator));
    EXPECT_FALSE(doc.modified);
    ASSERT_TRUE(model.ChooseType(model.Types().IndexOf(kSShort)));
    EXPECT_EQ(std::tie(doc.items[1].TYP, doc.items[1].TYP2, doc.items[1].BYT),
              std::make_tuple(kSShort, kSLong, doc.sizes.shortSize));
    EXPECT_EQ(StepCaption(model.History().Newest()), sj("セル内容 型 -  S.Long"));
    EXPECT_TRUE(doc.modified);

    EXPECT_EQ(model.TypeColumnHeader(), sj(" 型 <COBOL 優先>"));
    model.ChangePriority(LangPriority::Vb);
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{sj("型名リストの並び順を     \r\n\r\n < VB > 優先に変更しました。")});
    EXPECT_EQ(model.Types().CodeAt(1), kString);
    EXPECT_EQ(model.TypeColumnHeader(), sj(" 型 <VB 優先>"));
}

TEST_F(EditorWindow, TitleInformationBarAndCloseLeavingTheViewAskingOnlyWhenModified) {
    SetRows(NumberedRows(3));
    EXPECT_EQ(model.WindowTitle(), "Morvane for Rekkan");
    doc.path = "C:\\data\\cust.kvl";
    EXPECT_EQ(model.WindowTitle(), "Morvane for Rekkan  [ C:\\data\\cust.kvl ]");
    EXPECT_EQ(model.LineCountText() + "|" + model.RecordLengthText(), " 3 Line|Rec.Len : 3 Byte");

    EXPECT_EQ(model.AskBeforeClose(), Answer::No);
    EXPECT_TRUE(messages.Log().empty());
    model.MarkModified();  // typing into a cell in place counts before the row is committed
    ASSERT_TRUE(model.EnterView());
    messages.Script(Answer::Cancel);
    EXPECT_EQ(model.AskBeforeClose(), Answer::Cancel);
    EXPECT_EQ(model.Mode(), EditMode::Ordinary);
    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{sj("【再定義の表示】 から 【レイアウトの編集】 に戻します。"),
                                        sj("レイアウトの内容が変更されています。\r\n\r\n保存しますか？")}));
    EXPECT_EQ(messages.Log()[1].kind, ScriptedMessages::Entry::Kind::YesNoCancel);
}

TEST(TypeListOrderView, InverseMapAndCodesOutsideTheList) {
    for (LangPriority p : {LangPriority::Cobol, LangPriority::C, LangPriority::Vb}) {
        TypeList list(p);
        ASSERT_EQ(list.Size(), 39);
        for (int code = 0; code < kTypeCount; ++code) EXPECT_EQ(list.CodeAt(list.IndexOf(code)), code);
        EXPECT_EQ(list.CodeAt(0), kGroup);
    }
    // The labels are checked with the grid's cells and the undo captions.
    TypeList cobol(LangPriority::Cobol);
    EXPECT_EQ(cobol.IndexOf(99), -1);
    EXPECT_TRUE(cobol.IsSeparator(99));
}

}  // namespace
}  // namespace rekkan::test

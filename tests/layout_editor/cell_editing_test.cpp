#include <tuple>

#include "editor_fixture.h"

namespace rekkan::test {
namespace {

using RowCommit = EditorFixture;
using LevelButtons = EditorFixture;
using TypeChoice = EditorFixture;
using EditorWindow = EditorFixture;

RowTexts NameOnly(std::string name) {
    RowTexts t;
    t.name = std::move(name);
    return t;
}

std::vector<std::string> CellTexts(const RowTexts& t) {
    return {t.name, t.varName, t.redefines, t.type, t.repeat, t.digits, t.decimals, t.remarks};
}

TEST(RowCells, ShowRowAsTheGridDoes) {
    const TRspec r = MakeRow({.level = 3,
                              .name = "AMOUNT",
                              .var = "AMT",
                              .type = kSNum,
                              .bytes = 7,
                              .decimals = 2,
                              .repeat = 4,
                              .remarks = "note"});
    EXPECT_EQ(CellTexts(FormatRowCells(r, 3)),
              (std::vector<std::string>{"      03 AMOUNT", " AMT", " ", "  S.NUM", " 4", " 7", " 2", "note"}));
    // The type's column rules hide digits and decimals the type has none of, whatever the row holds.
    const TRspec g = MakeRow({.name = "G", .type = kGroup, .bytes = 5, .decimals = 1});
    EXPECT_EQ(CellTexts(FormatRowCells(g, 2)), (std::vector<std::string>{"01 G", " G", " ", " Group", "", "", "", ""}));
    const TRspec s = MakeRow({.name = "S", .type = kSInt, .bytes = 2, .decimals = 3});
    EXPECT_EQ(FormatRowCells(s, 2).digits, " 2");
    EXPECT_EQ(FormatRowCells(s, 2).decimals, "");
    EXPECT_EQ(SeqCellText(11), "   12");
    EXPECT_EQ(PositionCellText(r, GeometryRow{.Pos = 17}, false), "17");
    // A position that cannot be derived is blank; the redefinition view's are checked with the view.
    EXPECT_EQ(PositionCellText(r, GeometryRow{.Pos = -1}, false), "");
}

TEST(RowCells, LevelDigitsAndNumbersAreReadFromTheFront) {
    struct Case {
        std::string cell;
        std::optional<int> level;
        std::string name;
    };
    for (const Case& c : {Case{"  02 CUSTOMER ", 2, "CUSTOMER"}, Case{"CUSTOMER", std::nullopt, "CUSTOMER"},
                          Case{"123ABC", 12, "3ABC"}, Case{"7", 7, ""}, Case{"", std::nullopt, ""}}) {
        const LevelAndName got = SplitLevelAndName(c.cell);
        EXPECT_EQ(got.level, c.level) << c.cell;
        EXPECT_EQ(got.name, c.name) << c.cell;
    }
    EXPECT_EQ(LeadingNumber(" 12abc"), 12);
    EXPECT_EQ(LeadingNumber("x12"), 0);
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("99999999999999999999"), 999'999'999);
}

TEST_F(RowCommit, TypedOrTypeChosenBelowLastItemAppendsLikeTheRowAbove) {
    SetRows(MakeRows({{.name = "REC", .type = kGroup}, {.level = 2, .name = "A", .type = kSComp3, .bytes = 5}}));
    RowTexts cells = NameOnly("02 CUSTOMER");
    cells.digits = "4";
    ASSERT_TRUE(model.CommitRow(6, cells));
    ASSERT_EQ(doc.Count(), 3);
    const TRspec& added = doc.items[2];
    EXPECT_EQ(std::tie(added.LVL, added.KOM, added.TYP, added.BYT),
              std::make_tuple(2, std::string("CUSTOMER"), kSComp3, 4));
    EXPECT_EQ(model.CursorRow(), 2);
    EXPECT_TRUE(doc.modified);
    EXPECT_EQ(model.ShownGeometry().recordLength, 3 + 3);

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
    ASSERT_TRUE(model.CommitRow(1, NameOnly("03 FIELD")));
    ASSERT_TRUE(model.CommitRow(2, NameOnly("NEXT")));
    EXPECT_EQ(doc.items[2].LVL, 3) << "no digits: the level of the row above";
    EXPECT_FALSE(model.CommitRow(3, RowTexts{})) << "an empty row past the end appends nothing";
    EXPECT_EQ(doc.Count(), 3);
    ASSERT_TRUE(model.CommitRow(1, NameOnly("00 ZERO")));
    EXPECT_EQ(doc.items[1].LVL, 1);
    ASSERT_TRUE(model.CommitRow(2, NameOnly("42 DEEP")));
    EXPECT_EQ(doc.items[2].LVL, 15);
}

TEST_F(RowCommit, ValuesAreNormalisedByType) {
    SetRows(MakeRows({{.name = "REC", .type = kGroup},
                      {.level = 2, .name = "X", .bytes = 3},
                      {.level = 2, .name = "I", .type = kSLong, .bytes = 4},
                      {.level = 2, .name = "N", .type = kSNum, .bytes = 3}}));
    RowTexts x = model.CellsOf(1);
    x.digits = "";
    x.repeat = "3 times";
    ASSERT_TRUE(model.CommitRow(1, x));
    EXPECT_EQ(std::tie(doc.items[1].BYT, doc.items[1].RPT), std::make_tuple(1, 3));
    RowTexts i = model.CellsOf(2);
    i.digits = " 9";
    model.CommitRow(2, i);
    EXPECT_EQ(doc.items[2].BYT, 4) << "a fixed-size type keeps its size";
    RowTexts n = model.CellsOf(3);
    n.digits = "";
    n.decimals = "2";
    ASSERT_TRUE(model.CommitRow(3, n));
    EXPECT_EQ(std::tie(doc.items[3].BYT, doc.items[3].SYO), std::make_tuple(0, 2));
}

TEST_F(RowCommit, TooLongRecordLeavesNoticeUntilFixed) {
    SetRows(MakeRows({{.name = "REC", .type = kGroup}, {.level = 2, .name = "A", .bytes = 10}}));
    RowTexts cells = model.CellsOf(1);
    cells.digits = "999999";
    cells.repeat = "2";
    ASSERT_TRUE(model.CommitRow(1, cells));
    EXPECT_EQ(model.Notice(), RecordTooLongMessage());
    cells.repeat = "1";
    ASSERT_TRUE(model.CommitRow(1, cells));
    EXPECT_EQ(model.Notice(), "");
    EXPECT_EQ(model.ShownGeometry().recordLength, 999999);
}

TEST_F(RowCommit, CellHandlersRestWhileALayoutIsReadOrImported) {
    SetRows(NumberedRows(3));
    model.SetCursor(1, 3);
    for (bool reading : {true, false}) {
        reading ? model.SetReading(true) : model.SetImporting(true);
        EXPECT_FALSE(model.CommitRow(1, NameOnly("05 CHANGED"))) << reading;
        EXPECT_FALSE(model.LevelUp()) << reading;
        EXPECT_FALSE(model.ChooseType(model.Types().IndexOf(kJ))) << reading;
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

TEST_F(RowCommit, DeeperLevelMakesRowAboveAGroupAndBackRestoresIt) {
    SetRows(MakeRows({{.name = "REC", .type = kGroup},
                      {.level = 2, .name = "A", .bytes = 4},
                      {.level = 2, .name = "B", .bytes = 2}}));
    ASSERT_TRUE(model.CommitRow(2, NameOnly("03 B")));
    EXPECT_EQ(std::tie(doc.items[1].TYP, doc.items[1].TYP2), std::make_tuple(kGroup, kX));
    ASSERT_TRUE(model.CommitRow(2, NameOnly("02 B")));
    EXPECT_EQ(doc.items[1].TYP, kX);
}

TEST_F(RowCommit, CellsTakeInputAsTheTypeAllows) {
    SetRows(MakeRows({{.name = "REC", .type = kGroup},
                      {.level = 2, .name = "I", .type = kSInt, .bytes = 2},
                      {.level = 2, .name = "N", .type = kSNum, .bytes = 3}}));
    EXPECT_FALSE(model.CellTakesInput(1, 8)) << "no digit in the BYT cell of an S.Int row";
    EXPECT_FALSE(model.CellTakesInput(1, 9));
    EXPECT_TRUE(model.CellTakesInput(2, 8)) << "S.NUM digits are entered";
    EXPECT_TRUE(model.CellTakesInput(2, 9));
    EXPECT_FALSE(model.CellTakesInput(0, 8)) << "a group has no digits";
    for (int column : {0, 1, 2, 6}) EXPECT_FALSE(model.CellTakesInput(2, column)) << column;
    EXPECT_TRUE(model.CellTakesInput(2, 3));
    EXPECT_TRUE(model.CellTakesInput(9, 8)) << "a new row past the end";
    EXPECT_EQ(model.MaxLinesText(), "Max.Lines[ 2,000 ]");
    ASSERT_TRUE(model.EnterView());
    EXPECT_FALSE(model.CellTakesInput(2, 3));
}

TEST_F(LevelButtons, RaiseAndLowerWithinOneToFifteen) {
    SetRows(MakeRows({{.name = "REC", .type = kGroup},
                      {.level = 2, .name = "A", .bytes = 4},
                      {.level = 2, .name = "B", .bytes = 2}}));
    model.SetCursor(2, 3);
    ASSERT_TRUE(model.Execute(EditorCommand::LevelUp));
    EXPECT_EQ(doc.items[2].LVL, 3);
    EXPECT_EQ(doc.items[1].TYP, kGroup);
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

TEST_F(TypeChoice, SeparatorDoesNothingAndTypeIsSavedInTyp2) {
    SetRows(MakeRows({{.name = "REC", .type = kGroup}, {.level = 2, .name = "L", .type = kSLong, .bytes = 4}}));
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
}

TEST_F(TypeChoice, PriorityChangeReordersListAndTellsTheUser) {
    SetRows(MakeRows({{.name = "REC", .type = kGroup}}));
    EXPECT_EQ(model.TypeColumnHeader(), sj(" 型 <COBOL 優先>"));
    model.ChangePriority(LangPriority::Vb);
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{sj("型名リストの並び順を     \r\n\r\n < VB > 優先に変更しました。")});
    EXPECT_EQ(model.Types().CodeAt(1), kString);
    EXPECT_EQ(model.TypeColumnHeader(), sj(" 型 <VB 優先>"));
}

TEST_F(EditorWindow, TitleAndInformationBar) {
    SetRows(NumberedRows(3));
    EXPECT_EQ(model.WindowTitle(), "Morvane for Rekkan");
    doc.path = "C:\\data\\cust.kvl";
    EXPECT_EQ(model.WindowTitle(), "Morvane for Rekkan  [ C:\\data\\cust.kvl ]");
    EXPECT_EQ(model.LineCountText(), " 3 Line");
    EXPECT_EQ(model.RecordLengthText(), "Rec.Len : 3 Byte");
}

TEST_F(EditorWindow, CloseLeavesViewAndAsksOnlyWhenModified) {
    SetRows(NumberedRows(3));
    EXPECT_EQ(model.AskBeforeClose(), Answer::No);
    EXPECT_TRUE(messages.Log().empty());
    doc.modified = true;
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

#include "layout_editor/type_notation_controller.h"
#include "tool_fixture.h"

#include <tuple>
#include "tools/help_texts.h"

namespace rekkan::test {
namespace {

class TypeNotationTest : public ToolFixture {
public:
    TypeNotationController tfm{controller, messages, tools};
};

TEST(TypeNotationCell, LabelBeforeTheBracketNotationInsideEmptyPartsStandard) {
    struct Case {
        const char* cell;
        const char* label;     // null: the standard label of X
        const char* notation;  // null: the standard notation of X
    };
    const Case cases[] = {
        {"", nullptr, nullptr},
        {"   ", nullptr, nullptr},
        {"text without bracket", nullptr, nullptr},
        {" 文字 <moji>", "文字", "moji"},
        {"#  文字 <moji>", "#  文字", "moji"},
        {" 文字 <moji", "文字", nullptr},
        {" <moji>", nullptr, "moji"},
        {" 文字 <  >", "文字", nullptr},
        {"a<b>c>", "a", "b"},
    };
    const TypeInfo& x = TypeInfoOf(kX);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cell);
        const TypeNotationEntry entry = ParseTypeNotationCell(kX, sj(c.cell));
        EXPECT_EQ(entry.label, c.label ? sj(c.label) : x.standardLabel);
        EXPECT_EQ(entry.notation, c.notation ? sj(c.notation) : x.defaultNotation);
    }
}

TEST_F(TypeNotationTest, TableShowsStandardDescriptionAndCurrentColumns) {
    EXPECT_EQ((std::vector<std::string>{tfm.Cell(0, 3), tfm.Cell(1, 0), tfm.Cell(37, 0), tfm.Cell(1, 1), tfm.Cell(2, 1),
                                        tfm.Cell(2, 2), tfm.Cell(2, 3)}),
              (std::vector<std::string>{sj(" 編集・描画での表記法"), "    1", "   37", " # Group <group>", " #  X <x>",
                                        " " + TypeInfoOf(kX).description, " #  X <x>"}));
    const PrintTable table = tfm.TableToPrint(8, 20);
    EXPECT_EQ(
        std::make_tuple(table.RowCount(), table.columnWidths, table.title),
        std::make_tuple(kTypeNotationRows, std::vector<int>{48, 192, 160, 240}, sj("＜ 項目型の表記法の定義 ＞")));
}

TEST_F(TypeNotationTest, UpdateAppliesWritesTheFileAndTheEditorFollows) {
    tfm.SetEdited(2, sj(" 文字 <moji>"));
    tfm.SetEdited(4, "");  // U.NUM back to its standard values
    controller.Types().SetLabel(kUNum, "#OLD");
    EXPECT_FALSE(tfm.Update());  // No
    EXPECT_EQ(std::make_tuple(controller.Types().Label(kX), std::filesystem::exists(ToFsPath(tfm.DefinitionsPath()))),
              std::make_tuple(TypeInfoOf(kX).standardLabel, false));

    messages.Clear();
    messages.Script(Answer::Yes);
    ASSERT_TRUE(tfm.Update());
    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{sj("項目型の表記法の更新を行います。\r\n\r\nよろしいですか？"),
                                        sj("項目型の表記法を更新しました。")}));
    EXPECT_EQ(std::make_tuple(controller.Types().Label(kX), controller.Types().Label(kUNum), Model().TypeLabel()(kX)),
              std::make_tuple(sj("文字"), TypeInfoOf(kUNum).standardLabel, sj("文字")));
    TypeNotation expected;
    expected.SetLabel(kX, sj("文字"));
    expected.SetNotation(kX, "moji");
    EXPECT_EQ(std::make_tuple(Bytes(tfm.DefinitionsPath()), tfm.DefinitionsPath()),
              std::make_tuple(expected.Format(), dir.File("kvelType.def")));
}

TEST_F(TypeNotationTest, ResetShowsStandardValuesButStoresNothingAndAShowDropsEdits) {
    controller.Types().SetLabel(kX, sj("文字"));
    tfm.Refill();
    EXPECT_EQ(tfm.Cell(2, 3), sj(" 文字 <x>"));
    EXPECT_FALSE(tfm.Reset());  // No
    EXPECT_EQ(tfm.Cell(2, 3), sj(" 文字 <x>"));
    messages.Script(Answer::Yes);
    ASSERT_TRUE(tfm.Reset());
    for (int row = 1; row < kTypeNotationRows; ++row) EXPECT_EQ(tfm.Cell(row, 3), tfm.Cell(row, 1));
    EXPECT_EQ(controller.Types().Label(kX), sj("文字"));
    tfm.Refill();  // "終了" and shown again
    EXPECT_EQ(tfm.Cell(2, 3), sj(" 文字 <x>"));
}

TEST_F(TypeNotationTest, AboutShowsTheTypeNameHelp) {
    tfm.About();
    ASSERT_EQ(tools.shownTexts.size(), 1u);
    EXPECT_TRUE(tools.shownTexts[0] == TypeNotationText(kTypeNotationFileName) && !tools.captions[0].empty());
}

}  // namespace
}  // namespace rekkan::test

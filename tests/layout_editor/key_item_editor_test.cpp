#include "layout_editor/key_item_editor.h"

#include <tuple>

#include "controller_fixture.h"
#include "model/key_items.h"
#include "util/text.h"

namespace rekkan::test {
namespace {

/// REC (group of 8 bytes) holding CODE X(5) at 1, ALT overlaying CODE, QTY 9(3) at 6.
class KeyItemEditorTest : public ControllerFixture {
protected:
    KeyItemEditorTest() {
        Doc().items = MakeRows({{.name = "REC", .type = kGroup},
                                {.level = 2, .name = "CODE", .bytes = 5},
                                {.level = 2, .name = "ALT", .type = kUNum, .bytes = 5, .redefines = "CODE"},
                                {.level = 2, .name = "QTY", .type = kUNum, .bytes = 3}});
        Doc().keyLines.clear();
        controller.Keys().Clear();
        Doc().modified = false;
        keys.Activate();
    }
    /// Each key line as "H1" (header) or "name<dup>(order)@position".
    std::string Shape() {
        std::string out;
        for (const std::string& line : keys.KeyLines()) {
            const KeyLine k = ParseKeyLine(line, controller.Types());
            out += k.IsHeader() ? "H" + std::to_string(k.keyNumber) + " "
                                : k.itemName + "<" + k.duplicates + ">(" + k.order + ")@" + k.position + " ";
        }
        return out;
    }
    const std::string dup = sj("不"), asc = sj("昇順");
    KeyItemEditor keys{controller, messages};
};

TEST_F(KeyItemEditorTest, SelectionListOffersEveryItemOutsideRedefinitions) {
    const auto& lines = keys.SelectionLines();
    ASSERT_EQ(lines.size(), 3u);  // ALT is a redefinition member
    EXPECT_EQ(std::make_pair(lines[1].row, lines[2].row), std::make_pair(1, 3));
    const int width = controller.Types().WidestDisplayLabel();
    EXPECT_EQ(lines[0].text, "   1. [000001 : 000008]  " +
                                 PadRight(' ', Trim(controller.Types().DisplayLabel(kGroup)), width) + " 01 REC");
    EXPECT_EQ(
        std::make_tuple(lines[2].text.substr(0, 25), lines[2].text.substr(lines[2].text.size() - 8), keys.NameColumn()),
        std::make_tuple("   4. [000006 : 000003]  ", "  02 QTY", 24 + width));
}

TEST_F(KeyItemEditorTest, DropsBuildTheKeyListAndMarkTheLayoutModified) {
    // The first item into an empty list brings its header.
    EXPECT_EQ(keys.AddItems({1}, -1), 1);
    EXPECT_EQ(std::make_tuple(Shape(), Doc().modified, Doc().keyLines),
              std::make_tuple("H1 CODE<" + dup + ">(" + asc + ")@000001 ", true, keys.KeyLines()));
    // Several lines go in list order after the target, each after the one added before.
    keys.SetDuplicatesChoice(sj(" 可"));
    keys.SetOrderChoice(sj(" 降順"));
    EXPECT_EQ(keys.AddItems({2, 0}, 0), 2);
    EXPECT_EQ(Shape(), "H1 REC<" + sj("可") + ">(" + sj("降順") + ")@000001 QTY<" + sj("可") + ">(" + sj("降順") +
                           ")@000006 CODE<" + dup + ">(" + asc + ")@000001 ");
    // Palette entries set an attribute of an item line and leave a header alone.
    EXPECT_TRUE(keys.SetAttribute(3, KeyAttribute::Order, sj(" 降順")) &&
                keys.SetAttribute(1, KeyAttribute::Duplicates, sj(" 不")));
    EXPECT_FALSE(keys.SetAttribute(0, KeyAttribute::Duplicates, sj(" 可")));
    EXPECT_EQ(std::make_tuple(keys.VisibleKeyLine(0), keys.VisibleKeyLine(3).find('\t')),
              std::make_tuple("   Key #1", std::string::npos));
    EXPECT_NE(keys.VisibleKeyLine(3).find(sj("<不> (降順) CODE")), std::string::npos);
    // A second key after line 2: headers are numbered from the top.
    EXPECT_EQ(keys.AddKey(2), 3);
    EXPECT_EQ(Shape().substr(Shape().find("H2")), "H2 CODE<" + dup + ">(" + sj("降順") + ")@000001 ");

    const PrintTable t = keys.KeyPrintTable({10, 20, 30, 40, 50, 60, 70});
    ASSERT_EQ(t.RowCount(), 6);
    EXPECT_EQ(t.title, sj("＜ キーリスト ＞"));
    // The sequence starts again under each header.
    EXPECT_EQ((std::vector<std::string_view>{t.Cell(2, 0), t.Cell(3, 0), t.Cell(3, 1), t.Cell(4, 0), t.Cell(5, 0),
                                             t.Cell(5, 6)}),
              (std::vector<std::string_view>{"    (1)", "    (2)", " 6", " Key #2", "    (1)", " CODE"}));
}

TEST_F(KeyItemEditorTest, RemovingAndMovingKeepAHeaderOnTop) {
    (void)keys.AddItems({1, 2}, -1);
    (void)keys.AddKey(-1);
    (void)keys.AddItems({0}, -1);
    ASSERT_EQ(Shape(), "H1 CODE<" + dup + ">(" + asc + ")@000001 QTY<" + dup + ">(" + asc + ")@000006 H2 REC<" + dup +
                           ">(" + asc + ")@000001 ");
    // Line 1 cannot go above the first header, nor the header below its item.
    EXPECT_EQ(std::make_pair(keys.MoveUp(1), keys.MoveDown(0)), std::make_pair(1, 0));
    EXPECT_EQ(keys.MoveDown(2), 3);  // QTY goes under key 2
    EXPECT_EQ(Shape().rfind("H1 CODE<" + dup + ">(" + asc + ")@000001 H2 ", 0), 0u);
    EXPECT_EQ(keys.MoveUp(3), 2);
    // Deleting the only header above items puts a new one on top, numbered 1.
    EXPECT_EQ(keys.Remove(0), 0);
    EXPECT_EQ(std::make_tuple(Shape().substr(0, 3), keys.KeyLines().size()), std::make_tuple("H1 ", 5u));
    EXPECT_EQ(keys.Remove(4), 3);  // the last line: the selection moves to the new last line
    Doc().modified = false;
    EXPECT_EQ(keys.MoveUp(0), 0);  // refused moves change nothing
    EXPECT_FALSE(Doc().modified);
}

TEST_F(KeyItemEditorTest, ActivationRenamesAfterTheLayoutAndTheViewRefusesNewKeys) {
    (void)keys.AddItems({1, 2}, -1);
    Doc().items[1].KOM = "CUSTOMER-CODE";
    Doc().items[3].BYT = 4;  // QTY no longer matches its key line
    keys.Activate();
    EXPECT_EQ(Shape(), "H1 CUSTOMER-CODE<" + dup + ">(" + asc + ")@000001 " + UnmatchedKeyName() + "<" + dup + ">(" +
                           asc + ")@000006 ");
    Doc().items[3].BYT = 3;
    keys.Activate();
    EXPECT_EQ(ParseKeyLine(keys.KeyLines()[2], controller.Types()).itemName, "QTY");

    ASSERT_TRUE(Model().EnterView());
    const auto before = keys.KeyLines();
    messages.Clear();
    EXPECT_EQ(keys.AddItems({0}, 1), 1);
    EXPECT_EQ(std::make_tuple(keys.KeyLines(), messages.Log().size()), std::make_tuple(before, 1u));
}

}  // namespace
}  // namespace rekkan::test

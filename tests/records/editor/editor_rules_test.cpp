#include <gtest/gtest.h>

#include "records/editor/cell_undo.h"
#include "records/editor/dropped_file_kind.h"
#include "records/editor/editor_enabling.h"
#include "records/editor/info_captions.h"
#include "records/editor/number_box.h"
#include "support/test_support.h"
#include "util/encoding.h"
#include "util/file_util.h"

namespace rekkan {
namespace {

TEST(NumberBox, DigitsSaturateAndTheBasePositionStaysInsideTheFile) {
    EXPECT_EQ(SaturatingDigits(" 1,234 "), 1234);
    EXPECT_EQ(SaturatingDigits("99999999999999999999"), INT64_MAX);  // 20 digits
    EXPECT_EQ(RecNoOfText(" 0 "), 1);
    EXPECT_EQ(RecNoOfText(""), 1);
    EXPECT_EQ(NumberBoxText(1234567), " 1,234,567");
    const struct {
        const char* text;
        BaseStep step;
        std::int64_t fileSize, expected;
        bool clamped;
    } cases[] = {
        {"5", BaseStep::PlusByte, 100, 6, false},
        {"5", BaseStep::MinusByte, 100, 4, false},
        {"1", BaseStep::MinusByte, 100, 1, false},
        {"5", BaseStep::PlusRecord, 100, 15, false},
        {"5", BaseStep::MinusRecord, 100, 1, false},
        {"101", BaseStep::None, 100, 100, true},
        {"99999999999999999999", BaseStep::PlusRecord, 100, 100, true},
        {"3", BaseStep::None, 0, 1, true},  // an empty file keeps the first byte
    };
    for (const auto& c : cases) {
        const BasePositionChoice choice = ChooseBasePosition(c.text, c.step, 10, c.fileSize);
        EXPECT_EQ(choice.oneBased, c.expected) << c.text;
        EXPECT_EQ(choice.clamped, c.clamped) << c.text;
    }
}

TEST(CellUndo, KeepsSixtyFourAndCutsTheCaptionAtTwentyCharacters) {
    CellUndoList undo;
    EXPECT_EQ(Cp932ToUtf8(undo.Caption()), "元に戻す");
    undo.Push({3, "", 0, false});
    EXPECT_EQ(Cp932ToUtf8(undo.Caption()), "元に戻す   #1   【？】");
    undo.Push({4, sj("あいうえおかきくけこabcdefghijXYZ"), 0, true});
    EXPECT_EQ(Cp932ToUtf8(undo.Caption()), "元に戻す   #2   【あいうえおかきくけこabcdefghij】");
    for (int i = 0; i < 70; ++i) undo.Push({i, "x", 0, false});
    EXPECT_EQ(undo.Count(), CellUndoList::kCapacity);
}

TEST(InfoCaptions, CompactAndFullFormsNameTheCodecSettings) {
    Settings s;
    s.Cmb_ByteOrder = s.Cmb_PackSign = s.Cmb_DefChar = 1;
    EXPECT_EQ(Cp932ToUtf8(InfoCaptionsOf(s, true).codec), "[ Order→M ] [ Zone→EBC ] [ Pack→ASC ]");
    EXPECT_EQ(Cp932ToUtf8(InfoCaptionsOf(s, true).fill), "[ Def→空白 ] [ Btm→無 ]");
    s.Cmb_DefChar = 2;
    s.Cmb_BtmChar = 1;
    s.Str_DefChar = "FF";
    s.Str_BtmChar = "0D0A";
    EXPECT_EQ(Cp932ToUtf8(InfoCaptionsOf(s, false).codec), "[ Byte.Order→Motorola ] [ Zone→EBCDIC ] [ Pack→ASCII ]");
    EXPECT_EQ(Cp932ToUtf8(InfoCaptionsOf(s, false).fill), "[ Str.Def→FF ] [ Rec.Btm→有 0D0A ]");
}

TEST(Enabling, RecordsEnableEverythingAnEmptyFileOnlyInsertAndBrowse) {
    EnablingFacts f{true, true, true, true, true, 3, false, 1};
    EditorEnabling e = EnablingOf(f);
    EXPECT_TRUE(e.navigation && e.update && e.insert && e.append && e.remove && e.browse && e.gridEditable);
    f.recordCount = 0;
    e = EnablingOf(f);
    EXPECT_TRUE(e.insert && e.browse && e.gridEditable && e.openCloseEditFile && e.clearEditFile);
    EXPECT_FALSE(e.navigation || e.update || e.append || e.remove);
    f.fileOpen = f.editFileExists = f.editFileSet = false;
    e = EnablingOf(f);
    EXPECT_FALSE(e.insert || e.browse || e.gridEditable || e.openCloseEditFile || e.clearEditFile);
    EXPECT_TRUE(e.chooseEditFile && e.layoutCommands);
}

TEST(DroppedFile, ClassifiedFromTheTrimmedFirstThousandBytes) {
    test::TempDir dir;
    const struct {
        const char* name;
        std::string bytes;
        EditorDropKind kind;
    } cases[] = {
        {"g.LGP", "  \r\nLayout#Group=Layout#Group\r\n", EditorDropKind::LayoutGroup},
        {"a.kvl", "kvel#32.lay\r\n", EditorDropKind::Layout},
        {"b.lay", std::string("morvane.lay\0\0", 13), EditorDropKind::Layout},
        {"d.dat", "ABC Layout#Group", EditorDropKind::DataFile},
        {"late.dat", std::string(1000, ' ') + "Layout#Group", EditorDropKind::DataFile},
    };
    for (const auto& c : cases) {
        test::WriteBytes(ToFsPath(dir.File(c.name)), c.bytes);
        EXPECT_EQ(ClassifyDroppedFile(dir.File(c.name)), c.kind) << c.name;
    }
    EXPECT_EQ(ClassifyDroppedFile(dir.File("none.dat")), EditorDropKind::Unreadable);
    EXPECT_EQ(ClassifyDroppedFile(FromFsPath(dir.Path())), EditorDropKind::Unreadable);  // a folder
}

}  // namespace
}  // namespace rekkan

#include <limits>

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

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

TEST(NumberBox, DigitsSaturateAndRecNoStartsAtOne) {
    EXPECT_EQ(SaturatingDigits(" 1,234 "), 1234);
    EXPECT_EQ(SaturatingDigits("9223372036854775807"), kMax);
    EXPECT_EQ(SaturatingDigits("99999999999999999999"), kMax);  // 20 digits
    EXPECT_EQ(SaturatingDigits("abc"), 0);
    EXPECT_EQ(RecNoOfText(""), 1);
    EXPECT_EQ(RecNoOfText(" 0 "), 1);
    EXPECT_EQ(RecNoOfText("1,000"), 1000);
    EXPECT_EQ(NumberBoxText(1234567), " 1,234,567");
}

TEST(NumberBox, BasePositionMovesByByteOrRecordAndStaysInsideTheFile) {
    struct Case {
        const char* text;
        BaseStep step;
        std::int64_t fileSize;
        std::int64_t expected;
        bool clamped;
    };
    const Case cases[] = {
        {"5", BaseStep::None, 100, 5, false},
        {"5", BaseStep::PlusByte, 100, 6, false},
        {"5", BaseStep::MinusByte, 100, 4, false},
        {"1", BaseStep::MinusByte, 100, 1, false},
        {"5", BaseStep::PlusRecord, 100, 15, false},
        {"5", BaseStep::MinusRecord, 100, 1, false},
        {"", BaseStep::None, 100, 1, false},
        {"101", BaseStep::None, 100, 100, true},
        {"95", BaseStep::PlusRecord, 100, 100, true},
        {"99999999999999999999", BaseStep::PlusRecord, 100, 100, true},
        {"3", BaseStep::None, 0, 1, true},  // an empty file keeps the first byte
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " step " + std::to_string(static_cast<int>(c.step)));
        const BasePositionChoice choice = ChooseBasePosition(c.text, c.step, 10, c.fileSize);
        EXPECT_EQ(choice.oneBased, c.expected);
        EXPECT_EQ(choice.clamped, c.clamped);
    }
}

TEST(CellUndo, KeepsSixtyFourAndCutsTheCaptionOnACharacterEdge) {
    CellUndoList undo;
    EXPECT_EQ(Cp932ToUtf8(undo.Caption()), "元に戻す");
    undo.Push({3, "", 0, false});
    EXPECT_EQ(Cp932ToUtf8(undo.Caption()), "元に戻す   #1   【？】");
    undo.Push({4, sj("あいうえおかきくけこabcdefghijXYZ"), 0, true});
    EXPECT_EQ(Cp932ToUtf8(undo.Caption()), "元に戻す   #2   【あいうえおかきくけこabcdefghij】");
    for (int i = 0; i < 70; ++i) undo.Push({i, "x", 0, false});
    EXPECT_EQ(undo.Count(), CellUndoList::kCapacity);
    CellUndoEntry e;
    ASSERT_TRUE(undo.Pop(e));
    EXPECT_EQ(e.row, 69);
}

TEST(InfoCaptions, CompactAndFullFormsNameTheCodecSettings) {
    Settings s;
    s.Cmb_ByteOrder = 1;
    s.Cmb_PackSign = 1;
    s.Cmb_DefChar = 1;
    InfoCaptions c = InfoCaptionsOf(s, true);
    EXPECT_EQ(Cp932ToUtf8(c.codec), "[ Order→M ] [ Zone→EBC ] [ Pack→ASC ]");
    EXPECT_EQ(Cp932ToUtf8(c.fill), "[ Def→空白 ] [ Btm→無 ]");
    s.Cmb_DefChar = 2;
    s.Str_DefChar = "FF";
    s.Cmb_BtmChar = 1;
    s.Str_BtmChar = "0D0A";
    c = InfoCaptionsOf(s, false);
    EXPECT_EQ(Cp932ToUtf8(c.codec), "[ Byte.Order→Motorola ] [ Zone→EBCDIC ] [ Pack→ASCII ]");
    EXPECT_EQ(Cp932ToUtf8(c.fill), "[ Str.Def→FF ] [ Rec.Btm→有 0D0A ]");
}

TEST(Enabling, RecordsEnableEverythingAnEmptyFileOnlyInsertAndBrowse) {
    EnablingFacts f{.entryShown = true,
                    .layoutLoaded = true,
                    .editFileSet = true,
                    .editFileExists = true,
                    .fileOpen = true,
                    .recordCount = 3,
                    .undoEntries = false,
                    .groupCount = 1};
    EditorEnabling e = EnablingOf(f);
    EXPECT_TRUE(e.navigation && e.update && e.insert && e.append && e.remove && e.browse && e.gridEditable);
    EXPECT_TRUE(e.openCloseEditFile && e.clearEditFile && e.layoutCommands);
    f.recordCount = 0;
    e = EnablingOf(f);
    EXPECT_TRUE(e.insert && e.browse && e.gridEditable);
    EXPECT_FALSE(e.navigation || e.update || e.append || e.remove);
    f.fileOpen = false;
    e = EnablingOf(f);
    EXPECT_FALSE(e.insert || e.browse || e.gridEditable || e.navigation);
    f.editFileExists = false;
    f.editFileSet = false;
    e = EnablingOf(f);
    EXPECT_FALSE(e.openCloseEditFile || e.clearEditFile);
    EXPECT_TRUE(e.chooseEditFile);
    f.layoutLoaded = false;
    EXPECT_FALSE(EnablingOf(f).layoutCommands);
}

TEST(DroppedFile, ClassifiedFromTheTrimmedStartOfTheFile) {
    test::TempDir dir;
    struct Case {
        const char* name;
        std::string bytes;
        DroppedFileKind kind;
    };
    const Case cases[] = {
        {"g.LGP", "  \r\nLayout#Group=Layout#Group\r\n", DroppedFileKind::LayoutGroup},
        {"a.kvl", "kvel#32.lay\r\n", DroppedFileKind::Layout},
        {"b.lay", std::string("morvane.lay") + std::string(2, '\0'), DroppedFileKind::Layout},
        {"d.dat", "ABC Layout#Group", DroppedFileKind::DataFile},
        {"late.dat", std::string(1000, ' ') + "Layout#Group",
         DroppedFileKind::DataFile},  // beyond the first 1000 bytes
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::WriteBytes(ToFsPath(dir.File(c.name)), c.bytes);
        EXPECT_EQ(ClassifyDroppedFile(dir.File(c.name)), c.kind);
    }
    EXPECT_EQ(ClassifyDroppedFile(dir.File("none.dat")), DroppedFileKind::Unreadable);
    EXPECT_EQ(ClassifyDroppedFile(FromFsPath(dir.Path())), DroppedFileKind::Unreadable);  // a folder
}

}  // namespace
}  // namespace rekkan

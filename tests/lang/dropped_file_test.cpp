#include "lang/dropped_file.h"

#include <gtest/gtest.h>

#include <string>

#include "util/encoding.h"

namespace rekkan {
namespace {

TEST(DroppedFile, GuessesTheLanguageFromTheFirstThousandBytes) {
    EXPECT_EQ(GuessDroppedFile("  kvel#32.lay\r\n"), DroppedFileKind::Layout);
    EXPECT_EQ(GuessDroppedFile("morvane.lay...."), DroppedFileKind::Layout);
    EXPECT_EQ(GuessDroppedFile("01 A.\n 05 B PIC X.\n"), DroppedFileKind::Cobol);
    EXPECT_EQ(GuessDroppedFile("05 B Picture X. struct"), DroppedFileKind::Cobol);
    EXPECT_EQ(GuessDroppedFile("typedef STRUCT {"), DroppedFileKind::C);
    EXPECT_EQ(GuessDroppedFile("Type T\n  A As Long\nEnd Type"), DroppedFileKind::Vb);
    EXPECT_EQ(GuessDroppedFile("hello"), DroppedFileKind::Unknown);
    EXPECT_EQ(GuessDroppedFile(sj("ゴTRUCT")),
              DroppedFileKind::Unknown);  // ゴ is 0x83 0x53, an 'S' to a byte-wise search
    EXPECT_EQ(GuessDroppedFile(std::string(1000, 'x') + " pic "), DroppedFileKind::Unknown);
}

}  // namespace
}  // namespace rekkan

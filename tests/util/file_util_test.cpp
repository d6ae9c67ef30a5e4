#include "util/file_util.h"

#include <gtest/gtest.h>

#include "support/test_support.h"
#include "util/double_click.h"
#include "util/encoding.h"
#include "util/program_folder.h"

namespace rekkan {
namespace {

TEST(FileReplacing, KeepsTheOldContentWhenTheWriteFails) {
    test::TempDir dir;
    const std::string path = dir.File("layout.kvl");
    ASSERT_TRUE(WriteFileReplacing(path, "old"));
    SetWriteFailureHook([](std::size_t) { return false; });
    EXPECT_FALSE(WriteFileReplacing(path, "new content"));
    SetWriteFailureHook({});
    EXPECT_EQ(test::ReadBytes(std::string_view(path)), "old");
    // Nothing is left beside it.
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Path())) ++files;
    EXPECT_EQ(files, 1);
    ASSERT_TRUE(WriteFileReplacing(path, "new"));
    EXPECT_EQ(test::ReadBytes(std::string_view(path)), "new");
}

TEST(FileReplacing, JapaneseFileNamesUseUtf8OnDisk) {
    test::TempDir dir;
    const std::string path = dir.File(sj("顧客.kvl"));
    ASSERT_TRUE(WriteFileReplacing(path, "x"));
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "顧客.kvl"));
    EXPECT_TRUE(FileExists(path));
    EXPECT_TRUE(RenameFile(path, dir.File("b.kvl")));
    EXPECT_FALSE(FileExists(path));
    EXPECT_TRUE(DeleteFileIfExists(dir.File("b.kvl")));
    EXPECT_TRUE(DeleteFileIfExists(dir.File("never-there")));
    std::string bytes;
    EXPECT_FALSE(ReadWholeFile(dir.File("never-there"), bytes));
}

TEST(DoubleClick, SameCellWithinTheIntervalOnly) {
    TIsDClick d(500);
    EXPECT_FALSE(d.IsDoubleClick(1, 2, 1000));
    EXPECT_TRUE(d.IsDoubleClick(1, 2, 1499));
    EXPECT_FALSE(d.IsDoubleClick(1, 2, 1999)) << "exactly the interval is too late";
    EXPECT_FALSE(d.IsDoubleClick(2, 2, 2000)) << "another cell";
    EXPECT_FALSE(d.IsDoubleClick(2, 3, 2100));
    EXPECT_TRUE(d.IsDoubleClick(2, 3, 2200));
    EXPECT_FALSE(d.IsDoubleClick(2, 3, 100)) << "the clock passed midnight";
}

TEST(ProgramFolderChoice, FallsBackWhenTheFolderIsNotWritable) {
    test::TempDir dir;
    const auto chosen = ChooseProgramFolder(dir.Path(), dir.Path() / "user");
    EXPECT_EQ(chosen.path, dir.Path());
    EXPECT_FALSE(chosen.fellBack);
    const auto fallback = ChooseProgramFolder(dir.Path() / "missing", dir.Path() / "user");
    EXPECT_TRUE(fallback.fellBack);
    EXPECT_EQ(fallback.path, dir.Path() / "user");
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "user"));
    EXPECT_FALSE(fallback.notice.empty());
}

}  // namespace
}  // namespace rekkan

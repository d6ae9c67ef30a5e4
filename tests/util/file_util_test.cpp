#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "support/test_support.h"
#include "util/double_click.h"
#include "util/program_folder.h"

namespace rekkan {
namespace {

TEST(TestSupport, AFileThatCannotBeWrittenFailsTheTest) {
    const test::TempDir dir;
    EXPECT_NONFATAL_FAILURE(test::WriteBytes(dir.Path() / "missing-folder" / "golden.txt", "x"), "could not write");
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

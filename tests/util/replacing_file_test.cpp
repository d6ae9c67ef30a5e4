// Replacing a file: the order of the calls that make it safe, a crash at any point, a failure
// at any step, and the temporary's name.

#include "util/replacing_file.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/file_system_doubles.h"
#include "support/test_support.h"
#include "util/encoding.h"
#include "util/file_util.h"

namespace rekkan {
namespace {

using test::ReadBytes;

TEST(ReplacingFile, WritesFlushesClosesRenamesThenFlushesTheFolder) {
    test::TempDir dir;
    const auto target = dir.Path() / "layout.kvl";
    test::WriteBytes(target, "old");
    test::RecordingFileSystem fs;
    ReplacingFile file(fs);
    ASSERT_TRUE(file.Open(target));
    const std::string temp = file.TemporaryPath().filename().string();
    ASSERT_TRUE(file.Write("new "));
    ASSERT_TRUE(file.Write("content"));
    ASSERT_TRUE(file.Commit());
    const std::vector<std::string> expected = {"create " + temp,
                                               "write " + temp,
                                               "write " + temp,
                                               "sync " + temp,
                                               "close " + temp,
                                               "rename " + temp + " > layout.kvl",
                                               "sync-folder " + dir.Path().filename().string()};
    EXPECT_EQ(fs.log, expected);
    EXPECT_EQ(std::make_tuple(ReadBytes(target), test::FileNames(dir.Path())),
              std::make_tuple("new content", std::vector<std::string>{"layout.kvl"}));
}

// A long output starts the write-back of each 8 MiB written, so the final flush waits little.
TEST(ReplacingFile, StartsWriteBackAsTheBytesGrow) {
    test::TempDir dir;
    test::RecordingFileSystem fs;
    ReplacingFile file(fs);
    ASSERT_TRUE(file.Open(dir.Path() / "out.csv"));
    const std::string temp = file.TemporaryPath().filename().string();
    const std::string mib(1 << 20, 'x');
    for (int i = 0; i < 17; ++i) ASSERT_TRUE(file.Write(mib));
    ASSERT_TRUE(file.Commit());
    std::vector<std::string> writeBacks;
    for (const std::string& line : fs.log)
        if (line.rfind("write-back", 0) == 0) writeBacks.push_back(line);
    EXPECT_EQ(writeBacks, (std::vector<std::string>{"write-back " + temp + " 0+8388608",
                                                    "write-back " + temp + " 8388608+8388608"}));
    EXPECT_EQ(std::filesystem::file_size(dir.Path() / "out.csv"), 17u << 20);
}

// The machine stops at each call in turn; what is on the disk afterwards is the old file or
// the new one, and the new one when it stops after the write reported success.
TEST(ReplacingFile, ACrashAtAnyPointLeavesTheOldOrTheNewFileWhole) {
    const std::filesystem::path target = "/d/layout.kvl";
    const std::string old = "old content", fresh = "the new content";
    int points = 0;
    for (;; ++points) {
        SCOPED_TRACE(points);
        test::CrashingFileSystem fs;
        fs.Put(target, old);
        fs.CrashAt(points);
        const bool ok = WriteFileReplacing(target, fresh, fs);
        const std::optional<std::string> after = fs.AfterCrash(target);
        ASSERT_TRUE(after.has_value());
        EXPECT_TRUE(*after == old || *after == fresh) << *after;
        if (!fs.Crashed()) {  // a crash after the write reported success keeps the new file
            EXPECT_EQ(std::make_tuple(ok, *after, fs.FileCount()), std::make_tuple(true, fresh, 1u));
            break;
        }
    }
    EXPECT_EQ(points, 6);  // create, write, sync, close, rename, sync-folder
}

TEST(ReplacingFile, AFailedStepKeepsTheTargetAndLeavesNothingBeside) {
    using Step = ReplacingFile::Step;
    const std::pair<const char*, Step> cases[] = {{"create", Step::Create}, {"write", Step::Write},
                                                  {"sync", Step::Sync},     {"close", Step::Close},
                                                  {"rename", Step::Rename}, {"sync-folder", Step::None}};
    for (const auto& [call, step] : cases) {
        SCOPED_TRACE(call);
        test::TempDir dir;
        const auto target = dir.Path() / "group.LGP";
        test::WriteBytes(target, "old");
        test::RecordingFileSystem fs;
        fs.FailAt(call);
        ReplacingFile file(fs);
        const bool ok = file.Open(target) && file.Write("new") && file.Commit();
        // The new file is in place even if the folder cannot be flushed.
        EXPECT_EQ(std::make_tuple(file.FailedStep(), ok, ReadBytes(target), test::FileNames(dir.Path())),
                  std::make_tuple(step, step == Step::None, step == Step::None ? "new" : "old",
                                  std::vector<std::string>{"group.LGP"}));
        EXPECT_FALSE(file.Write("more") || file.Commit());
    }
}

TEST(ReplacingFile, TemporaryIsAFreshNameBesideTheTargetAndGoesUncommitted) {
    test::TempDir dir;
    const auto target = dir.Path() / "out.csv";
    test::WriteBytes(target, "old");
    {
        test::RecordingFileSystem fs;
        fs.FailAt("create", 0, EEXIST);  // the first name drawn is taken: another is tried
        ReplacingFile first(fs), second;
        ASSERT_TRUE(first.Open(target));
        ASSERT_TRUE(second.Open(target, {.tag = ".KvelWork", .mode = {}}));
        EXPECT_EQ(fs.Count("create"), 2);
        EXPECT_NE(first.TemporaryPath(), second.TemporaryPath());
        EXPECT_EQ(std::make_pair(first.TemporaryPath().string().rfind(target.string() + ".rekkan-new.", 0),
                                 second.TemporaryPath().string().rfind(target.string() + ".KvelWork.", 0)),
                  std::make_pair(std::size_t{0}, std::size_t{0}));
        ASSERT_TRUE(first.Write("first") && second.Write("second"));
        EXPECT_EQ(test::FileNames(dir.Path()).size(), 3u);
    }
    EXPECT_EQ(std::make_tuple(test::FileNames(dir.Path()), ReadBytes(target)),
              std::make_tuple(std::vector<std::string>{"out.csv"}, "old"));
}

TEST(ReplacingFile, LinkStaysAndTheFileItLeadsToIsReplaced) {
    test::TempDir dir;
    std::filesystem::create_directory(dir.Path() / "real");
    test::WriteBytes(dir.Path() / "real" / "s.Dat", "old");
    std::filesystem::create_symlink(dir.Path() / "real" / "s.Dat", dir.Path() / "link.Dat");
    ASSERT_TRUE(WriteFileReplacing(dir.File("link.Dat"), "new"));
    EXPECT_EQ(std::make_tuple(std::filesystem::is_symlink(dir.Path() / "link.Dat"),
                              ReadBytes(dir.Path() / "real" / "s.Dat"), test::FileNames(dir.Path() / "real")),
              std::make_tuple(true, "new", std::vector<std::string>{"s.Dat"}));
}

TEST(ReplacingFile, JapaneseFileNamesUseUtf8OnDisk) {
    test::TempDir dir;
    const std::string path = dir.File(sj("顧客.kvl"));
    ASSERT_TRUE(WriteFileReplacing(path, "x"));
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "顧客.kvl") && FileExists(path));
    std::string bytes;
    EXPECT_FALSE(ReadWholeFile(dir.File("never-there"), bytes));
}

}  // namespace
}  // namespace rekkan

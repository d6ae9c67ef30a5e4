// The record file engine: geometry, reads, updates, appends, inserts and deletes, and what
// becomes of the data file when any step of an insert or delete fails.

#include <fcntl.h>
#include <unistd.h>
#include <algorithm>
#include <tuple>

#include <gtest/gtest.h>

#include "records/block_reader.h"
#include "records/file_engine.h"
#include "support/file_system_doubles.h"
#include "support/test_support.h"
#include "util/encoding.h"
#include "util/file_util.h"
#include "util/scripted_messages.h"

namespace rekkan {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

std::string Digits(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s.push_back(static_cast<char>('0' + i % 10));
    return s;
}

/// The recording file system; with `torn`, every write stops after half its bytes, as on a full disk.
struct TearingFileSystem : test::RecordingFileSystem {
    bool torn = false;
    bool Write(int fd, std::string_view bytes, std::int64_t offset) override {
        if (!torn) return RecordingFileSystem::Write(fd, bytes, offset);
        (void)RecordingFileSystem::Write(fd, bytes.substr(0, bytes.size() / 2), offset);
        errno = ENOSPC;
        return false;
    }
};

/// An engine on a data file in a fresh folder.
struct Fixture {
    TempDir dir;
    std::string path;
    ScriptedMessages messages;
    TearingFileSystem fs;
    TFileInf file{&messages, fs};
    int statusRefreshes = 0;
    int fieldRefreshes = 0;

    Fixture(const std::string& bytes, std::int64_t base, int length, OpenMode mode = OpenMode::ReadWrite,
            const std::string& name = "data.dat")
        : path(dir.File(name)) {
        WriteBytes(ToFsPath(path), bytes);
        file.SetCallbacks({[this] { ++statusRefreshes; }, [this] { ++fieldRefreshes; }});
        file.SetCodecOptions(CodecOptions{});
        EXPECT_TRUE(file.OpenDataFile(path, base, length, mode));
    }
    void SetTail(const std::string& hex) {
        CodecOptions o;
        o.recordTail = !hex.empty();
        o.tailHex = hex;
        file.SetCodecOptions(o);
    }
    [[nodiscard]] std::string Data() const { return ReadBytes(ToFsPath(path)); }
    /// Whether anything but the data file is in its folder.
    [[nodiscard]] bool WorkFileLeft() const { return test::FileNames(dir.Path()).size() != 1; }
};

TEST(FileEngine, GeometryReadsAndNavigation) {
    Fixture f(Digits(25), 0, 10);
    EXPECT_EQ(std::make_tuple(f.file.RecordCount(), f.file.FileSize()), std::make_tuple(3, 25));
    ASSERT_TRUE(f.file.ReadRecord(2, Refresh::Fields));
    EXPECT_EQ(f.file.RecordBuffer(), std::string("01234") + std::string(5, '\0'));  // short last record
    EXPECT_EQ(std::tie(f.fieldRefreshes, f.statusRefreshes), std::make_tuple(1, 0));
    EXPECT_FALSE(f.file.ReadRecord(3, Refresh::All) || f.file.ReadRecord(-1, Refresh::All));
    EXPECT_EQ(std::make_tuple(f.statusRefreshes, f.file.CurrentIndex()), std::make_tuple(2, 2));
    EXPECT_FALSE(f.file.Next());
    ASSERT_TRUE(f.file.Prior());
    EXPECT_EQ(std::make_tuple(f.file.CurrentIndex(), f.file.CurrentOffset()), std::make_tuple(1, 10));
    ASSERT_TRUE(f.file.First());
    EXPECT_FALSE(f.file.Prior());
    EXPECT_EQ(f.file.CurrentIndex(), 0);
    ASSERT_TRUE(f.file.Last());
    EXPECT_EQ(f.file.CurrentIndex(), 2);
    EXPECT_TRUE(f.messages.Log().empty());
}

TEST(FileEngine, HeaderOnlyFileOrZeroRecordLengthHasNoRecords) {
    // Header equal to the base position, header shorter than it, no record length; the block
    // reader agrees.
    for (const auto& [bytes, base, length] :
         {std::tuple{"HEAD", 4, 4}, std::tuple{"HE", 4, 4}, std::tuple{"abc", 0, 0}}) {
        Fixture f(bytes, base, length);
        EXPECT_EQ(f.file.RecordCount(), 0) << bytes;
        EXPECT_FALSE(f.file.ReadRecord(0, Refresh::All)) << bytes;
        BlockReader reader;
        std::string_view record;
        std::int64_t index = 0;
        EXPECT_FALSE(reader.Open(f.path, base, length) && reader.Next(record, index)) << bytes;
    }
}

TEST(FileEngine, MissingFileFailsSilentlyUnopenableFileShowsMessage) {
    TempDir dir;
    ScriptedMessages messages;
    TFileInf missing(&messages);
    EXPECT_FALSE(missing.OpenDataFile(dir.File("none.dat"), 0, 10) || BlockReader().Open(dir.File("none.dat"), 0, 10));
    EXPECT_FALSE(missing.Exists() || missing.IsOpen() || !messages.Log().empty());

    WriteBytes(dir.Path() / "locked.dat", "x");
    test::RecordingFileSystem fs;
    fs.FailAt("open", 0, EACCES);
    TFileInf locked(&messages, fs);
    EXPECT_FALSE(locked.OpenDataFile(dir.File("locked.dat"), 0, 10));
    EXPECT_EQ(std::make_tuple(locked.Exists(), locked.IsOpen()), std::make_tuple(true, false));
    ASSERT_EQ(messages.Log().size(), 1u);
    EXPECT_EQ(std::tie(messages.Log()[0].text, messages.Log()[0].caption),
              std::make_tuple(
                  sj("編集中のファイルのオープンに失敗しました。\r\n\r\n編集中のファイルにアクセスできませんでした。"),
                  sj("確認")));
}

// Update and append write exactly one record length: a short buffer padded with 0x00, a long
// one cut, an offset past the end lowered to the file size, the record tail applied.
TEST(FileEngine, UpdateAndAppendWriteOneRecordLength) {
    Fixture f(Digits(25), 0, 10);
    f.file.RecordBuffer() = "ABCDEFGHIJ";
    ASSERT_TRUE(f.file.UpdateRecord(1));
    EXPECT_EQ(f.Data(), Digits(10) + "ABCDEFGHIJ01234");
    EXPECT_EQ(std::make_tuple(f.file.CurrentIndex(), f.file.RecordBuffer()),
              std::make_tuple(1, "ABCDEFGHIJ"));  // read again
    f.file.RecordBuffer() = "AB";
    ASSERT_TRUE(f.file.UpdateRecord(0));
    const std::string ab = "AB" + std::string(8, '\0');
    EXPECT_EQ(f.Data(), ab + "ABCDEFGHIJ01234");

    f.file.RecordBuffer() = "KLMNOPQRST";
    ASSERT_TRUE(f.file.AppendRecord());  // after the partial last record, at the file size
    EXPECT_EQ(f.Data(), ab + "ABCDEFGHIJ01234KLMNOPQRST");
    EXPECT_EQ(std::make_tuple(f.file.FileSize(), f.file.RecordCount(), f.file.CurrentIndex()),
              std::make_tuple(35, 4, 3));
    f.file.RecordBuffer() = std::string(15, 'Z');
    ASSERT_TRUE(f.file.UpdateRecord(3));  // the partial last record grows to a whole one
    EXPECT_EQ(f.Data(), ab + "ABCDEFGHIJ01234KLMNO" + std::string(10, 'Z'));
    EXPECT_EQ(f.file.RecordCount(), 4);

    f.SetTail("0D0A");
    f.file.RecordBuffer() = "ABCDEFGHIJ";
    ASSERT_TRUE(f.file.UpdateRecord(0));
    EXPECT_EQ(f.Data().substr(0, 20), "ABCDEFGH\r\nABCDEFGHIJ");
}

// A write the disk refuses, whole or after part of the record (an append is cut back), leaves
// the file as it was and is said once.
TEST(FileEngine, AFailedUpdateOrAppendShowsAMessageAndKeepsTheFile) {
    for (const bool append : {false, true}) {
        Fixture f(Digits(20), 0, 10);
        if (append)
            f.fs.torn = true;
        else
            f.fs.FailAt("write", 0, ENOSPC);
        f.file.RecordBuffer() = "ABCDEFGHIJ";
        EXPECT_FALSE(append ? f.file.AppendRecord() : f.file.UpdateRecord(0));
        EXPECT_EQ(f.file.LastError(), ENOSPC);
        EXPECT_EQ(f.Data(), Digits(20)) << append;
        EXPECT_EQ(f.messages.Texts(), std::vector<std::string>{sj("レコードの更新中にエラーが発生しました。\r\n\r\n"
                                                                  "編集中のファイルにアクセスできませんでした。")});
    }
}

TEST(FileEngine, ReadOnlyStateRefusesWrites) {
    Fixture f(Digits(20), 0, 10, OpenMode::ReadOnly);
    EXPECT_TRUE(f.file.ReadRecord(1, Refresh::None));
    f.file.RecordBuffer() = "ABCDEFGHIJ";
    EXPECT_FALSE(f.file.UpdateRecord(0) || f.file.InsertRecord(0) || f.file.DeleteRecord(0));
    EXPECT_EQ(std::make_tuple(f.Data(), f.messages.Log().size(), f.WorkFileLeft()),
              std::make_tuple(Digits(20), 3u, false));
}

TEST(FileEngine, InsertWritesCopiesBeforeTheIndexInOnePass) {
    struct Case {
        std::string bytes;
        int base;
        std::int64_t index, count;
        const char* tail;
        std::string data;  // the file afterwards
        std::int64_t at;   // the current index afterwards
    };
    const std::string r = "ABCDEFGHIJ";
    const Case cases[] = {
        {"HEAD" + Digits(20), 4, 0, 1, "", "HEAD" + r + Digits(20), 0},
        {Digits(20), 0, 1, 3, "", Digits(10) + r + r + r + Digits(10), 1},
        {"", 0, 0, 1, "", r, 0},
        // Indexes out of range are clamped; the record tail is applied.
        {Digits(20), 0, 99, 1, "FF", Digits(20) + "ABCDEFGHI\xFF", 2},
        {Digits(20), 0, -5, 1, "FF", "ABCDEFGHI\xFF" + Digits(20), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bytes.size() << " " << c.index << " " << c.count);
        Fixture f(c.bytes, c.base, 10);
        f.SetTail(c.tail);
        f.file.RecordBuffer() = r;
        ASSERT_TRUE(f.file.InsertRecord(c.index, c.count));
        EXPECT_EQ(f.Data(), c.data);
        EXPECT_EQ(
            std::make_tuple(f.file.RecordCount(), f.file.CurrentIndex(), f.WorkFileLeft(), f.messages.Log().size()),
            std::make_tuple(static_cast<std::int64_t>(c.data.size()) / 10, c.at, false, 0u));
    }
}

TEST(FileEngine, DeleteRemovesRecordAndReadsNeighbour) {
    Fixture f("HD" + Digits(10) + "ABCDEFGHIJ" + "KLMNOPQRST", 2, 10);
    ASSERT_TRUE(f.file.DeleteRecord(1));
    EXPECT_EQ(std::make_tuple(f.Data(), f.file.CurrentIndex(), f.file.RecordBuffer()),
              std::make_tuple("HD" + Digits(10) + "KLMNOPQRST", 1, "KLMNOPQRST"));
    ASSERT_TRUE(f.file.DeleteRecord(1));  // the last record: the new last one is read
    EXPECT_EQ(std::make_tuple(f.Data(), f.file.CurrentIndex(), f.file.RecordBuffer()),
              std::make_tuple("HD" + Digits(10), 0, Digits(10)));
    ASSERT_TRUE(f.file.DeleteRecord(0));  // the only record: the header stays
    EXPECT_EQ(std::make_tuple(f.Data(), f.file.RecordCount()), std::make_tuple("HD", 0));
    EXPECT_FALSE(f.file.ReadRecord(0, Refresh::All) || f.file.DeleteRecord(0) || f.WorkFileLeft());
}

TEST(FileEngine, DeleteManyAndPartialLastRecordWithoutTail) {
    Fixture f(Digits(10) + "ABCDEFGHIJ" + "KLMNOPQRST" + "xyz", 0, 10);
    f.SetTail("FF");  // delete never applies the record tail
    EXPECT_EQ(f.file.RecordCount(), 4);
    ASSERT_TRUE(f.file.DeleteRecord(1, 2));
    EXPECT_EQ(f.Data(), Digits(10) + "xyz");
    ASSERT_TRUE(f.file.DeleteRecord(1, 100));  // more than remain: up to the end
    EXPECT_EQ(f.Data(), Digits(10));
    EXPECT_FALSE(f.file.DeleteRecord(5) || f.file.DeleteRecord(-1) || f.file.DeleteRecord(0, 0));
    EXPECT_EQ(f.Data(), Digits(10));
}

TEST(FileEngine, RebuildKeepsPermissionsUnderAJapaneseName) {
    Fixture f(Digits(20), 0, 10, OpenMode::ReadWrite, sj("データ.dat"));
    std::filesystem::permissions(ToFsPath(f.path), std::filesystem::perms(0640));
    ASSERT_TRUE(f.file.DeleteRecord(0));
    EXPECT_EQ(f.Data(), Digits(10));
    EXPECT_FALSE(f.WorkFileLeft());
    EXPECT_EQ(std::filesystem::status(ToFsPath(f.path)).permissions() & std::filesystem::perms::all,
              std::filesystem::perms(0640));
}

TEST(FileEngine, CreateEmptyFileTruncates) {
    TempDir dir;
    const std::string path = dir.File("e.dat");
    WriteBytes(ToFsPath(path), "something");
    ASSERT_TRUE(TFileInf::CreateEmptyFile(path));
    EXPECT_EQ(ReadBytes(ToFsPath(path)), "");
    const std::string fresh = dir.File("new.dat");
    EXPECT_TRUE(TFileInf::CreateEmptyFile(fresh) && FileExists(fresh));
    EXPECT_FALSE(TFileInf::CreateEmptyFile(dir.File("missing/x.dat")));
}

TEST(FileEngine, CloseAndSavedCopy) {
    Fixture f(Digits(30), 0, 10);
    ASSERT_TRUE(f.file.ReadRecord(2, Refresh::None));
    f.file.RecordBuffer()[0] = 'X';
    TFileInf saved;
    f.file.CopyStateTo(saved);
    f.file.CloseDataFile();
    EXPECT_EQ(std::make_tuple(f.file.IsOpen(), f.file.CurrentIndex()), std::make_tuple(false, 0));
    EXPECT_EQ(std::make_tuple(saved.IsOpen(), saved.CurrentIndex(), saved.RecordBuffer()),
              std::make_tuple(true, 2, "X123456789"));
    EXPECT_FALSE(saved.ReadRecord(0, Refresh::None));  // a saved copy holds no file

    TFileInf back;
    EXPECT_EQ(back.RestoreFrom(saved), TFileInf::RestoreOutcome::Restored);
    EXPECT_EQ(std::make_tuple(back.CurrentIndex(), back.RecordBuffer()), std::make_tuple(2, "X123456789"))
        << "the unwritten edit survives";
    EXPECT_EQ(f.Data(), Digits(30));

    WriteBytes(ToFsPath(f.path), Digits(10));  // the file shrank meanwhile
    TFileInf shrunk;
    EXPECT_EQ(shrunk.RestoreFrom(saved), TFileInf::RestoreOutcome::RecordMissing);
    std::filesystem::remove(ToFsPath(f.path));
    TFileInf gone;
    EXPECT_EQ(gone.RestoreFrom(saved), TFileInf::RestoreOutcome::OpenFailed);
}

// ---- Failures in the middle of insert and delete -------------------------------------------

TEST(FileEngine, FailedRebuildStepLeavesDataFileAsItWas) {
    // The first call of each kind fails: creating the work file, reading the data file,
    // flushing and closing the work file, the rename, reopening the data file.
    const char* work = "ワークファイルの作成ができませんでした。";
    const std::pair<const char*, const char*> steps[] = {{"create", work},
                                                         {"read", work},
                                                         {"sync", work},
                                                         {"close", work},
                                                         {"rename", "ワークファイルにアクセスできませんでした。"},
                                                         {"open", "編集中のファイルにアクセスできませんでした。"}};
    for (bool insert : {true, false}) {
        for (const auto& [step, message] : steps) {
            SCOPED_TRACE(testing::Message() << insert << " " << step);
            const std::string original = "HD" + Digits(25);
            Fixture f(original, 2, 10);
            ASSERT_TRUE(f.file.ReadRecord(1, Refresh::None));
            f.file.RecordBuffer() = "ABCDEFGHIJ";
            f.fs.FailAt(step);
            const bool ok = insert ? f.file.InsertRecord(1) : f.file.DeleteRecord(1);
            EXPECT_FALSE(ok);
            EXPECT_FALSE(f.WorkFileLeft());
            const std::string heading =
                insert ? "レコードの挿入中にエラーが発生しました。" : "レコードの削除中にエラーが発生しました。";
            EXPECT_EQ(f.messages.Texts(), std::vector<std::string>{sj(heading + "\r\n\r\n" + message)});
            if (std::string(step) == "open") {
                // The new file is in place; only reopening it failed, and the state says so.
                EXPECT_TRUE(f.Data() != original && !f.file.IsOpen());
                continue;
            }
            EXPECT_EQ(f.Data(), original);
            // The state is still open on the unchanged file and works.
            EXPECT_EQ(std::make_tuple(f.file.IsOpen(), f.file.RecordCount()), std::make_tuple(true, 3));
            ASSERT_TRUE(f.file.ReadRecord(2, Refresh::None));
            EXPECT_EQ(f.file.RecordBuffer(), std::string("01234") + std::string(5, '\0'));
        }
    }
}

// A full disk at every write of an insert and of a delete, one at a time.
TEST(FileEngine, DiskFullAtAnyWriteKeepsDataFile) {
    int exercised = 0;
    for (bool insert : {true, false}) {
        for (int failAt = 0; failAt < 3; ++failAt) {
            const std::string original = "HD" + Digits(25);
            Fixture f(original, 2, 10);
            f.file.RecordBuffer() = "ABCDEFGHIJ";
            f.fs.FailAt("write", failAt, ENOSPC);
            const bool ok = insert ? f.file.InsertRecord(1) : f.file.DeleteRecord(1);
            if (f.fs.Count("write") <= failAt) continue;  // this operation has fewer writes
            ++exercised;
            EXPECT_FALSE(ok) << insert << failAt;
            EXPECT_EQ(std::make_tuple(f.Data(), f.WorkFileLeft(), f.messages.Log().size()),
                      std::make_tuple(original, false, 1u))
                << insert << failAt;
        }
    }
    EXPECT_EQ(exercised, 5);  // three writes of an insert, two of a delete
}

// The work file is a fresh name beside the data file: neither a data file whose own name
// ends in ".KvelWork" nor the work file of another run on a file of the same stem is touched.
TEST(FileEngine, WorkFileNeverTakesTheNameOfAnExistingFile) {
    Fixture own(Digits(30), 0, 10, OpenMode::ReadWrite, "d.KvelWork");
    ASSERT_TRUE(own.file.DeleteRecord(0));
    EXPECT_EQ(std::make_tuple(own.Data(), own.WorkFileLeft()), std::make_tuple(Digits(20), false));
    const auto created = std::find_if(own.fs.log.begin(), own.fs.log.end(),
                                      [](const std::string& call) { return call.rfind("create ", 0) == 0; });
    ASSERT_NE(created, own.fs.log.end());
    EXPECT_EQ(created->rfind("create d.KvelWork.KvelWork.", 0), 0u) << *created;

    Fixture pair(Digits(30), 0, 10, OpenMode::ReadWrite, "pair.dat");
    const auto other = pair.dir.Path() / "pair.KvelWork";  // the work of a run on pair.bak
    WriteBytes(other, "other run");
    ASSERT_TRUE(pair.file.InsertRecord(0));
    EXPECT_EQ(pair.Data().size(), 40u);
    EXPECT_EQ(ReadBytes(other), "other run");
}

TEST(CopyBuffer, HalvesUntilAllocationSucceeds) {
    std::vector<std::size_t> tried;
    std::size_t limit = 1'000'000;
    const BufferAllocator upToLimit = [&](std::size_t size) {
        tried.push_back(size);
        return size <= limit ? std::make_unique<char[]>(size) : nullptr;
    };
    const CopyBuffer buffer = AllocateCopyBuffer(kCopyBufferBytes, upToLimit);
    EXPECT_EQ(buffer.size, 655'360u);
    EXPECT_EQ(tried, (std::vector<std::size_t>{20'971'520, 10'485'760, 5'242'880, 2'621'440, 1'310'720, 655'360}));
    tried.clear();
    limit = 2;
    EXPECT_EQ(AllocateCopyBuffer(5, upToLimit).size, 2u);
    EXPECT_EQ(tried, (std::vector<std::size_t>{5, 3, 2}));
    limit = 0;
    EXPECT_EQ(AllocateCopyBuffer(5, upToLimit).size, 0u);
}

TEST(CopyBuffer, SmallBufferStillCopiesEverything) {
    std::string original;
    for (int i = 0; i < 1000; ++i) original += static_cast<char>('a' + i % 26);
    Fixture f(original, 3, 7);
    f.file.RecordBuffer() = "1234567";
    f.file.SetCopyBufferBytes(5);
    ASSERT_TRUE(f.file.InsertRecord(4, 3));
    ASSERT_TRUE(f.file.DeleteRecord(2, 2));
    // Inserted three records before record 4 (offset 31), then removed records 2 and 3.
    const std::string expected = original.substr(0, 17) + "123456712345671234567" + original.substr(31);
    EXPECT_EQ(f.Data(), expected);
}

// Files beyond 2 GiB (sparse, so they take no disk space): geometry, reads and updates at
// offsets above 32 bits.
TEST(FileEngine, FilesBeyondTwoGigabytes) {
    TempDir dir;
    const std::string path = dir.File("big.dat");
    const std::int64_t size = 5'368'709'005;  // 5 GiB and a bit: the last record holds 5 bytes
    {
        const int fd = ::open(ToFsPath(path).c_str(), O_CREAT | O_WRONLY, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, size), 0);
        ASSERT_EQ(::pwrite(fd, "LAST!", 5, size - 5), 5);
        ::close(fd);
    }
    TFileInf file;
    ASSERT_TRUE(file.OpenDataFile(path, 0, 1000));
    EXPECT_EQ(std::make_tuple(file.FileSize(), file.RecordCount()), std::make_tuple(size, (size + 999) / 1000));
    ASSERT_TRUE(file.Last());
    EXPECT_EQ(std::make_tuple(file.RecordBuffer().substr(0, 5), file.CurrentOffset()),
              std::make_tuple("LAST!", (file.RecordCount() - 1) * 1000));
    const std::int64_t index = (std::int64_t{3} << 30) / 1000;
    file.RecordBuffer() = std::string(1000, 'Q');
    ASSERT_TRUE(file.UpdateRecord(index));
    ASSERT_TRUE(file.ReadRecord(index, Refresh::None));
    EXPECT_EQ(std::make_tuple(file.RecordBuffer(), file.FileSize()), std::make_tuple(std::string(1000, 'Q'), size));

    BlockReader reader;
    ASSERT_TRUE(reader.Open(path, 0, 1000));
    EXPECT_EQ(reader.RecordCount(), file.RecordCount());
    reader.Seek(index);
    std::string_view record;
    std::int64_t at = 0;
    ASSERT_TRUE(reader.Next(record, at));
    EXPECT_EQ(record, std::string(1000, 'Q'));
    reader.Seek(reader.RecordCount() - 1);
    ASSERT_TRUE(reader.Next(record, at));
    EXPECT_EQ(record, "LAST!" + std::string(995, '\0'));
    EXPECT_FALSE(reader.Next(record, at));
}

}  // namespace
}  // namespace rekkan

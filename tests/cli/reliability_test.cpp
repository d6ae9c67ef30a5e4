#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "cli/cli_run.h"
#include "cli/command.h"
#include "records/file_engine.h"
#include "support/file_system_doubles.h"
#include "support/test_support.h"
#include "util/interrupt_cleanup.h"
#include "util/scripted_messages.h"

// What becomes of a data file when runs collide, writes fail half-way or the run is
// interrupted: every exit code matches what happened to the file, and a run that fails leaves
// the file exactly as it was. Grouped by failure kind.

namespace rekkan::cli {
namespace {

struct Reliability : OrderFiles {
    /// Whether anything but the layout and the data file is in the folder (a work file).
    [[nodiscard]] bool StrayFile() const { return Files() != std::vector<std::string>{"order.dat", "order.kvl"}; }
};

/// Runs `body` in a child process; its exit status (or the signal that ended it, negated).
template <typename Body>
int InChild(Body body) {
    const pid_t child = fork();
    if (child == 0) _exit(body());
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child) return -1000;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

const std::vector<std::vector<std::string>> kChanges = {
    {"set", "2", "NAME=fig"}, {"insert", "1"}, {"append"}, {"delete", "1"}, {"append", "--count", "3"}};

// ---- Two writers ------------------------------------------------------------------------------

TEST_F(Reliability, ASecondWriterFailsAtOnceAndChangesNothing) {
    const std::string before = Data();
    TFileInf window;  // another run or a window in the middle of a change holds the lock
    ASSERT_TRUE(window.OpenDataFile(data, 4, 19, OpenMode::ReadWrite));
    ASSERT_EQ(window.Lock(), TFileInf::LockOutcome::Locked);
    for (const auto& change : kChanges) {
        const CliRun r = Cli(Args(change));
        EXPECT_EQ(r.code, kExitFailure) << change[0];
        EXPECT_NE(r.err.find("in use"), std::string::npos) << r.err;
    }
    EXPECT_EQ(Data(), before);
    EXPECT_FALSE(StrayFile());

    // The window's own change waits for no one while it holds the lock, and others' locks stop it.
    window.Unlock();
    ScriptedMessages messages;
    TFileInf other(&messages);
    ASSERT_TRUE(other.OpenDataFile(data, 4, 19, OpenMode::ReadWrite));
    ASSERT_EQ(other.Lock(), TFileInf::LockOutcome::Locked);
    ASSERT_TRUE(window.ReadRecord(0, Refresh::None));
    EXPECT_FALSE(window.UpdateRecord(0));
    EXPECT_FALSE(window.DeleteRecord(0));
    EXPECT_EQ(Data(), before);
}

TEST_F(Reliability, ALockRefusedByAnotherWriterStopsTheChangeOneTheSystemLacksDoesNot) {
    for (const auto& [error, changes] : {std::pair{EWOULDBLOCK, false}, {ENOLCK, true}, {EIO, false}}) {
        test::RecordingFileSystem fs;
        ScriptedMessages messages;
        TFileInf file(&messages, fs);
        ASSERT_TRUE(file.OpenDataFile(data, 4, 19, OpenMode::ReadWrite));
        const std::string before = Data();
        fs.FailAt("lock", 0, error);
        EXPECT_EQ(file.AppendRecord(), changes) << error;
        EXPECT_EQ(Data().size(), before.size() + (changes ? 19 : 0)) << error;
        EXPECT_EQ(messages.Log().size(), changes ? 0u : 1u) << error;
        test::WriteBytes(std::filesystem::path(data), before);
    }
}

TEST_F(Reliability, AWindowOnAFileAnotherRunReplacedDoesNotWriteIntoTheOldOne) {
    ScriptedMessages messages;
    TFileInf window(&messages);
    ASSERT_TRUE(window.OpenDataFile(data, 4, 19, OpenMode::ReadWrite));
    ASSERT_EQ(Cli(Args({"delete", "1"})).code, kExitOk);  // a new file under the same name
    const std::string afterDelete = Data();
    ASSERT_TRUE(window.ReadRecord(0, Refresh::None));
    EXPECT_FALSE(window.UpdateRecord(0));  // would land in the file the delete replaced
    EXPECT_EQ(Data(), afterDelete);
    ASSERT_EQ(messages.Log().size(), 1u);
}

TEST_F(Reliability, TwoWritersAtOnceEndAsTheirExitCodesSay) {
    // A file large enough for the runs to overlap, and what each order of the two gives.
    std::string bytes = "HEAD";
    const std::string three = Data().substr(4);
    for (int i = 0; i < 40000; ++i) bytes += three.substr(19 * (i % 3), 19);
    const auto result = [&](const std::vector<std::vector<std::string>>& runs) {
        test::WriteBytes(std::filesystem::path(data), bytes);
        for (const auto& run : runs) EXPECT_EQ(Cli(Args(run)).code, kExitOk);
        return Data();
    };
    const std::vector<std::string> first{"delete", "1"};
    const std::vector<std::string> second{"set", "3", "NAME=zz"};
    const std::string onlyFirst = result({first});
    const std::string onlySecond = result({second});
    const std::string both[] = {result({first, second}), result({second, first})};
    int collided = 0;
    for (int trial = 0; trial < 12; ++trial) {
        test::WriteBytes(std::filesystem::path(data), bytes);
        const pid_t a = fork();
        if (a == 0) _exit(Cli(Args(first)).code);
        const pid_t b = fork();
        if (b == 0) _exit(Cli(Args(second)).code);
        int sa = 0;
        int sb = 0;
        ASSERT_EQ(waitpid(a, &sa, 0), a);
        ASSERT_EQ(waitpid(b, &sb, 0), b);
        const bool okA = WIFEXITED(sa) && WEXITSTATUS(sa) == 0;
        const bool okB = WIFEXITED(sb) && WEXITSTATUS(sb) == 0;
        const std::string now = Data();
        const std::string& expected =
            okA ? (okB ? (now == both[0] ? both[0] : both[1]) : onlyFirst) : (okB ? onlySecond : bytes);
        EXPECT_EQ(now, expected) << trial << okA << okB;
        collided += (okA && okB) ? 0 : 1;
        EXPECT_FALSE(StrayFile());
    }
    RecordProperty("collisions", collided);
}

// ---- Writes that fail half-way ------------------------------------------------------------------

TEST_F(Reliability, AChangeStoppedByAFileSizeLimitLeavesTheFileAsItWas) {
    const std::string whole = Data();
    struct Case {
        std::vector<std::string> change;
        const char* tail;  // bytes after the whole records: a partial last record
        int room;          // bytes the file may grow
    };
    const Case cases[] = {
        {{"append", "--count", "10"}, "", 25},  // one record, then a torn one
        {{"set", "4", "NAME=fig", "--allow-partial"}, "pl", 10},
        {{"insert", "2", "--count", "3"}, "pl", 40},
    };
    for (const Case& c : cases) {
        test::WriteBytes(std::filesystem::path(data), whole + c.tail);
        const std::string before = Data();
        const std::vector<std::string> args = Args(c.change);
        const int status = InChild([&] {
            signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{before.size() + c.room, before.size() + c.room};
            setrlimit(RLIMIT_FSIZE, &limit);
            const CliRun r = Cli(args);
            return r.code == kExitFailure && r.err.find("failed") != std::string::npos ? 0 : 1;
        });
        EXPECT_EQ(status, 0) << c.change[0];
        EXPECT_EQ(Data(), before) << c.change[0];
        EXPECT_FALSE(StrayFile()) << c.change[0];
    }
}

// ---- Interrupts ---------------------------------------------------------------------------------

TEST_F(Reliability, AnInterruptUndoesTheChangeAndRemovesTheWorkFile) {
    // The signal arrives in the middle of the run's writes.
    struct InterruptedWrite : test::RecordingFileSystem {
        int signalNumber = SIGINT;
        int writesLeft = 1;
        bool Write(int fd, std::string_view bytes, std::int64_t offset) override {
            const bool ok = RecordingFileSystem::Write(fd, bytes, offset);
            if (--writesLeft == 0) raise(signalNumber);
            return ok;
        }
    };
    const std::string before = Data();
    for (const int signalNumber : {SIGINT, SIGTERM}) {
        for (const bool insert : {false, true}) {
            const int status = InChild([&] {
                InstallInterruptCleanup();
                InterruptedWrite fs;
                fs.signalNumber = signalNumber;
                TFileInf file(nullptr, fs);
                if (!file.OpenDataFile(data, 4, 19, OpenMode::ReadWrite)) return 1;
                file.UndoGrowthOnInterrupt();
                fs.writesLeft = 2;  // the second record of an append, the second piece of a work file
                for (int k = 0; k < 3; ++k) {
                    if (insert ? !file.InsertRecord(1, 5) : !file.AppendRecord()) return 2;
                }
                return 3;
            });
            EXPECT_EQ(status, -signalNumber) << insert;
            EXPECT_EQ(Data(), before) << insert;
            EXPECT_FALSE(StrayFile()) << insert;
        }
    }
}

}  // namespace
}  // namespace rekkan::cli

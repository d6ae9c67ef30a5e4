#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "cli/cli_run.h"

// The built program as a user starts it: the locale it inherits and the signals it gets.

namespace rekkan::cli {
namespace {

/// The built rekkan-cli.
std::string Program() { return REKKAN_CLI_PROGRAM; }

/// Starts the program with `args` under the locale `locale`; its output and messages are dropped.
pid_t Start(const std::vector<std::string>& args, const char* locale) {
    const std::string program = Program();
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        setenv("LC_ALL", locale, 1);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    return child;
}

/// The exit code of `child`, or the signal that ended it, negated.
int Wait(pid_t child) {
    int status = 0;
    if (waitpid(child, &status, 0) != child) return -1000;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

using BuiltProgram = OrderFiles;

TEST_F(BuiltProgram, ArgumentsFollowTheLocalesCharacterSet) {
    // "あ" typed in a UTF-8 terminal, and its CP932 bytes given in the C locale, store the same.
    const struct {
        const char* locale;
        const char* typed;
    } cases[] = {{"C.UTF-8", "KANJI=\xE3\x81\x82"}, {"C", "KANJI=\x82\xA0"}, {"POSIX", "KANJI=\x82\xA0"}};
    for (const auto& c : cases) {
        test::WriteBytes(std::filesystem::path(data), test::ReadBytes(test::DataDir() / "records" / "order.dat"));
        EXPECT_EQ(Wait(Start(Args({"set", "2", c.typed}), c.locale)), kExitOk) << c.locale;
        EXPECT_EQ(Record(2).substr(13, 2), "\x82\xA0") << c.locale;
    }
    // UTF-8 bytes in the C locale are no Shift-JIS text: refused, nothing written.
    const std::string before = Data();
    EXPECT_EQ(Wait(Start(Args({"set", "2", "KANJI=\xE3\x81\x82"}), "C")), kExitFailure);
    EXPECT_EQ(Data(), before);
}

TEST_F(BuiltProgram, AnInterruptedChangeLeavesTheOldOrTheNewFileAndNoTemporary) {
    // Big enough for the change to be caught in the middle: the signal goes when the work file
    // appears (delete) or the file has grown (append), or not at all when the run ends first.
    std::string bytes = "HEAD";
    const std::string three = Data().substr(4);
    for (int i = 0; i < 1'000'000; ++i) bytes += three.substr(19 * (i % 3), 19);
    const std::string afterDelete = bytes.substr(0, 4) + bytes.substr(4 + 19);
    const std::int64_t appended = static_cast<std::int64_t>(bytes.size()) + 19 * 500'000;
    for (const bool append : {false, true}) {
        test::WriteBytes(std::filesystem::path(data), bytes);
        const pid_t child = Start(Args(append ? std::vector<std::string>{"append", "--count", "500000"}
                                              : std::vector<std::string>{"delete", "1"}),
                                  "C");
        const auto running = [child] {
            siginfo_t info{};
            return waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == 0;
        };
        bool interrupted = false;
        while (!interrupted && running()) {
            std::error_code error;
            const bool midway = append ? std::filesystem::file_size(data, error) > bytes.size() : Files().size() > 2;
            if (midway) interrupted = kill(child, SIGINT) == 0;
        }
        const int status = Wait(child);
        const std::string now = Data();
        // A run the signal ended may have made its change just before: old or new, never a mix.
        const bool changed = append ? static_cast<std::int64_t>(now.size()) == appended : now == afterDelete;
        EXPECT_TRUE(status == kExitOk || status == -SIGINT) << status;
        EXPECT_TRUE(changed || (status != kExitOk && now == bytes)) << append << " size " << now.size();
        EXPECT_EQ(Files(), (std::vector<std::string>{"order.dat", "order.kvl"})) << append;
        RecordProperty(append ? "append_interrupted" : "delete_interrupted", interrupted);
    }
}

}  // namespace
}  // namespace rekkan::cli

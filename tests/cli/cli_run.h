#pragma once

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/command.h"
#include "support/test_support.h"

namespace rekkan::cli {

/// What one run of the command line gave: exit code, stdout and stderr bytes.
struct CliRun {
    int code;
    std::string out;
    std::string err;
};

/// Runs rekkan-cli with `args` (the program name left out) in this process.
inline CliRun Cli(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = RunCli(args, out, err);
    return {code, out.str(), err.str()};
}

/// Copies of the order layout (19-byte records after a 4-byte header, so --base 5; NAME X(6),
/// QTY S.NUM 3, AMT-G OCCURS 2 of AMOUNT S.COMP-3 3, KANJI J 2, CNT U.BINARY 4) and its data file
/// (three records: apple, pear, plum) in a temporary folder.
struct OrderFiles : ::testing::Test {
    test::TempDir dir;
    std::string layout = dir.File("order.kvl");
    std::string data = dir.File("order.dat");

    void SetUp() override {
        std::filesystem::copy_file(test::DataDir() / "records" / "order.kvl", layout);
        std::filesystem::copy_file(test::DataDir() / "records" / "order.dat", data);
    }
    [[nodiscard]] std::string Data() const { return test::ReadBytes(std::filesystem::path(data)); }
    [[nodiscard]] std::string Record(int recNo) const { return Data().substr(4 + 19 * (recNo - 1), 19); }
    /// `command layout data tail... --base 5`.
    [[nodiscard]] std::vector<std::string> Args(std::vector<std::string> tail) const {
        std::vector<std::string> args{tail.front(), layout, data};
        args.insert(args.end(), tail.begin() + 1, tail.end());
        args.insert(args.end(), {"--base", "5"});
        return args;
    }
    /// Names of the files in the folder, sorted: a run must leave no temporary behind.
    [[nodiscard]] std::vector<std::string> Files() const { return test::FileNames(dir.Path()); }
};

}  // namespace rekkan::cli

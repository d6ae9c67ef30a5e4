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

/// Copies of the order layout (19-byte records after a 4-byte header) and its data file (three
/// records: apple, pear, plum) in a temporary folder.
struct OrderFiles : ::testing::Test {
    test::TempDir dir;
    std::string layout = dir.File("order.kvl");
    std::string data = dir.File("order.dat");

    void SetUp() override {
        std::filesystem::copy_file(test::DataDir() / "records" / "order.kvl", layout);
        std::filesystem::copy_file(test::DataDir() / "records" / "order.dat", data);
    }
};

}  // namespace rekkan::cli

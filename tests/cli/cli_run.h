#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/command.h"

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

}  // namespace rekkan::cli

#include <iostream>
#include <string>
#include <vector>

#include "cli/command.h"
#include "util/interrupt_cleanup.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    rekkan::InstallInterruptCleanup();
    std::vector<std::string> args(argv + 1, argv + argc);
    return rekkan::cli::RunCli(args, std::cout, std::cerr);
}

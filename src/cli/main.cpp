#include <langinfo.h>

#include <clocale>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "cli/command.h"
#include "util/interrupt_cleanup.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    rekkan::InstallInterruptCleanup();
    std::vector<std::string> args(argv + 1, argv + argc);
    // Messages follow the terminal's character set; standard output stays as the options say.
    std::setlocale(LC_CTYPE, "");
    const bool utf8Locale = std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
    std::setlocale(LC_CTYPE, "C");  // byte classification stays that of the C locale
    return rekkan::cli::RunCli(args, std::cout, std::cerr, utf8Locale, &std::cin);
}

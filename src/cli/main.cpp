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
    // Messages and arguments follow the terminal's character set: a UTF-8 locale means UTF-8,
    // any other (the C locale) the bytes as they are. Standard output stays as the options say.
    std::setlocale(LC_CTYPE, "");
    const bool utf8Locale = std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
    std::setlocale(LC_CTYPE, "C");  // byte classification stays that of the C locale
    return rekkan::cli::RunCli(args, std::cout, std::cerr, utf8Locale, &std::cin, !utf8Locale);
}

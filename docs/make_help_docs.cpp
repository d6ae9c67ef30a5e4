// Writes the help documents into the program's folder as the window reads them: Shift-JIS
// (CP932) text with CR LF line ends. The documents are kept in this folder in UTF-8 so they
// can be read and reviewed as text; a character CP932 cannot hold stops the build with the
// line that holds it.
//
//   make_help_docs OUTPUT_FOLDER DOCUMENT...
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "util/encoding.h"
#include "util/file_util.h"
#include "util/replacing_file.h"

namespace {

/// The CP932 form of `utf8` with CR LF line ends, or false naming the first line that will not
/// convert.
bool ToHelpText(const std::string& utf8, const std::string& name, std::string& out) {
    out.clear();
    std::size_t start = 0;
    int lineNo = 0;
    while (start < utf8.size()) {
        std::size_t end = utf8.find('\n', start);
        if (end == std::string::npos) end = utf8.size();
        std::string line = utf8.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        ++lineNo;
        std::string cp932;
        if (!rekkan::Utf8ToCp932(line, cp932)) {
            std::cerr << name << ":" << lineNo << ": a character Shift-JIS cannot hold: " << line << "\n";
            return false;
        }
        out += cp932;
        out += "\r\n";
        start = end + 1;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: make_help_docs OUTPUT_FOLDER DOCUMENT...\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    for (int i = 2; i < argc; ++i) {
        const std::filesystem::path source = argv[i];
        std::ifstream in(source, std::ios::binary);
        if (!in) {
            std::cerr << source.string() << ": cannot be read\n";
            return 2;
        }
        const std::string utf8((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::string text;
        if (!ToHelpText(utf8, source.filename().string(), text)) return 2;
        if (!rekkan::WriteFileReplacing(folder / source.filename(), text)) {
            std::cerr << (folder / source.filename()).string() << ": cannot be written\n";
            return 2;
        }
    }
    return 0;
}

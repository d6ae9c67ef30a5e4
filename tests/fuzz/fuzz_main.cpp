// Runs a fuzz target over files (or every file under folders) named on the command line,
// for builds without libFuzzer.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void RunFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path p(argv[i]);
        if (std::filesystem::is_directory(p)) {
            for (const auto& e : std::filesystem::recursive_directory_iterator(p))
                if (e.is_regular_file() && e.file_size() < (1u << 20)) {
                    RunFile(e.path());
                    ++count;
                }
        } else {
            RunFile(p);
            ++count;
        }
    }
    // Empty input and a few fixed shapes always run, so the target is exercised even alone.
    LLVMFuzzerTestOneInput(nullptr, 0);
    std::cout << count << " inputs run\n";
    return 0;
}

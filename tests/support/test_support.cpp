#include "support/test_support.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <fstream>

#include "util/file_util.h"

namespace rekkan::test {

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("rekkan-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string TempDir::File(std::string_view name) const { return FromFsPath(path_) + "/" + std::string(name); }

std::filesystem::path DataDir() {
    if (const char* env = std::getenv("REKKAN_TEST_DATA")) return env;
    return REKKAN_TEST_DATA_DIR;
}

void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) ADD_FAILURE() << "could not write " << path;
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return {};
    return bytes;
}

std::string ReadBytes(std::string_view cp932Path) { return ReadBytes(ToFsPath(cp932Path)); }

std::vector<std::string> FileNames(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void ExpectGolden(const std::filesystem::path& golden, std::string_view actual) {
    const std::filesystem::path path = golden.is_absolute() ? golden : DataDir() / golden;
    if (const char* update = std::getenv("REKKAN_UPDATE_GOLDEN"); update && std::string_view(update) == "1") {
        WriteBytes(path, actual);
        return;
    }
    EXPECT_EQ(ReadBytes(path), actual) << path;
}

}  // namespace rekkan::test

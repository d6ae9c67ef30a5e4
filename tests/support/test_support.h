#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace rekkan::test {

/// A fresh temporary folder, removed with everything in it when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    [[nodiscard]] const std::filesystem::path& Path() const { return path_; }
    /// Path of `name` inside the folder, as the CP932 text the model uses.
    [[nodiscard]] std::string File(std::string_view name) const;

private:
    std::filesystem::path path_;
};

/// Folder of the checked-in test data (tests/data).
[[nodiscard]] std::filesystem::path DataDir();

/// Writes bytes to a file (test set-up); a file it cannot write fails the running test.
void WriteBytes(const std::filesystem::path& path, std::string_view bytes);
/// Reads a whole file (test checks); empty when missing.
[[nodiscard]] std::string ReadBytes(const std::filesystem::path& path);
[[nodiscard]] std::string ReadBytes(std::string_view cp932Path);

/// Names of the files in a folder, sorted.
[[nodiscard]] std::vector<std::string> FileNames(const std::filesystem::path& folder);

/// Compares `actual` with a golden file (a path relative to the test data folder, or absolute);
/// REKKAN_UPDATE_GOLDEN=1 rewrites the file instead (read the change before committing).
void ExpectGolden(const std::filesystem::path& golden, std::string_view actual);

}  // namespace rekkan::test

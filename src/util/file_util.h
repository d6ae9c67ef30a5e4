#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace rekkan {

/// File-system path for a path held as CP932 text in the model.
[[nodiscard]] std::filesystem::path ToFsPath(std::string_view cp932Path);
/// CP932 text of a file-system path (for showing and storing it in the model).
[[nodiscard]] std::string FromFsPath(const std::filesystem::path& path);

[[nodiscard]] bool FileExists(std::string_view cp932Path);
/// Deletes the file when it exists; true when it is gone afterwards.
bool DeleteFileIfExists(std::string_view cp932Path);
/// Renames a file; replaces the target when it exists.
[[nodiscard]] bool RenameFile(std::string_view oldCp932Path, std::string_view newCp932Path);

/// Reads a whole file into `bytes`; false when it cannot be opened or read.
[[nodiscard]] bool ReadWholeFile(std::string_view cp932Path, std::string& bytes);
[[nodiscard]] bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes);
[[nodiscard]] inline bool ReadWholeFile(const std::string& cp932Path, std::string& bytes) {
    return ReadWholeFile(std::string_view(cp932Path), bytes);
}
[[nodiscard]] inline bool ReadWholeFile(const char* cp932Path, std::string& bytes) {
    return ReadWholeFile(std::string_view(cp932Path), bytes);
}

}  // namespace rekkan

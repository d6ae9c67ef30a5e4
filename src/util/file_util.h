#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace rekkan {

/// File-system path for a path held as CP932 text in the model.
[[nodiscard]] std::filesystem::path ToFsPath(std::string_view cp932Path);
/// CP932 text of a file-system path (for showing and storing it in the model).
[[nodiscard]] std::string FromFsPath(const std::filesystem::path& path);

/// `cp932Path` made absolute against the current folder ("." and ".." steps resolved);
/// empty and absolute paths come back as they are.
[[nodiscard]] std::string AbsolutePathOf(std::string_view cp932Path);

/// Whether a regular file is at the path (a symbolic link followed).
[[nodiscard]] bool FileExists(std::string_view cp932Path);
/// Reads a whole file into `bytes`; false when it cannot be opened or read, or is a folder.
[[nodiscard]] bool ReadWholeFile(std::string_view cp932Path, std::string& bytes);
[[nodiscard]] bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes);
[[nodiscard]] inline bool ReadWholeFile(const std::string& cp932Path, std::string& bytes) {
    return ReadWholeFile(std::string_view(cp932Path), bytes);
}
[[nodiscard]] inline bool ReadWholeFile(const char* cp932Path, std::string& bytes) {
    return ReadWholeFile(std::string_view(cp932Path), bytes);
}
/// Reads at most `maxBytes` from the start of a file (fewer when it is shorter); false when it
/// cannot be opened or read, or is a folder.
[[nodiscard]] bool ReadFileStart(std::string_view cp932Path, std::size_t maxBytes, std::string& bytes);

}  // namespace rekkan

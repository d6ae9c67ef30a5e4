#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
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

/// Hook the tests use to make writes fail (a full disk): called with the bytes about to be
/// written, returns false to make that write fail. Empty in normal use.
using WriteFailureHook = std::function<bool(std::size_t bytes)>;
void SetWriteFailureHook(WriteFailureHook hook);
/// Writes `size` bytes to an open descriptor, retrying short writes; honours the hook.
[[nodiscard]] bool WriteAll(int fd, const char* data, std::size_t size);
/// fsync of the folder holding `path`, so a rename into it survives a crash.
bool SyncParentFolder(const std::filesystem::path& path);

/// Replaces the file at `path` with `bytes` so that a crash or a full disk never loses the
/// previous content: the bytes go to a file beside it, are flushed, then renamed over it.
[[nodiscard]] bool WriteFileReplacing(const std::filesystem::path& path, std::string_view bytes);
[[nodiscard]] bool WriteFileReplacing(std::string_view cp932Path, std::string_view bytes);
[[nodiscard]] inline bool WriteFileReplacing(const std::string& cp932Path, std::string_view bytes) {
    return WriteFileReplacing(std::string_view(cp932Path), bytes);
}
[[nodiscard]] inline bool WriteFileReplacing(const char* cp932Path, std::string_view bytes) {
    return WriteFileReplacing(std::string_view(cp932Path), bytes);
}

}  // namespace rekkan

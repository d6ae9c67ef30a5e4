#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "util/file_system.h"

namespace rekkan {

/// A new content for a file that replaces the old one only once it is complete and on the disk:
/// the bytes go to a temporary beside the target (a fresh name, created exclusively, so no
/// existing file is ever touched), which is flushed, closed and renamed over the target, and
/// the folder is flushed. A crash or a full disk leaves the old file or the new one, never a
/// part. A target reached through a symbolic link is replaced where it lies, so the link stays.
/// Not committed, the temporary is removed when the object goes (or the run is interrupted).
class ReplacingFile {
public:
    /// The step that failed, for the message a caller shows.
    enum class Step { None, Create, Write, Sync, Close, Rename };

    struct Options {
        /// Put between the target's name and the random part of the temporary's name.
        std::string_view tag = ".rekkan-new";
        /// Permission bits of the new file exactly; without them the usual ones (umask applied).
        std::optional<unsigned> mode;
    };

    explicit ReplacingFile(FileSystem& fs = RealFileSystem()) : fs_(fs) {}
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    /// Creates the temporary beside `target`; false when it cannot be created.
    [[nodiscard]] bool Open(const std::filesystem::path& target, const Options& options);
    [[nodiscard]] bool Open(const std::filesystem::path& target) { return Open(target, Options{}); }
    /// Appends bytes to the temporary; after a failure every later call fails too. Each few
    /// megabytes written start their write-back, so that Commit's flush does not wait for all.
    [[nodiscard]] bool Write(std::string_view bytes);
    /// Flushes and closes the temporary and renames it over the target; false (and the target
    /// as it was) when any of that fails.
    [[nodiscard]] bool Commit();
    /// Drops the temporary; the target stays as it was.
    void Discard();

    /// The step that failed first (None while everything worked).
    [[nodiscard]] Step FailedStep() const { return failed_; }
    /// The temporary's path (empty before Open).
    [[nodiscard]] const std::filesystem::path& TemporaryPath() const { return temporary_; }

private:
    bool Fail(Step step);

    FileSystem& fs_;
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    int fd_ = -1;
    Step failed_ = Step::None;
    std::int64_t written_ = 0;      ///< bytes written to the temporary
    std::int64_t writtenBack_ = 0;  ///< bytes whose write-back was started
};

/// Bytes written in pieces to a stream (standard output) or to a file that they replace only
/// once every one of them was written and flushed.
class ByteOutput {
public:
    /// To a stream.
    explicit ByteOutput(std::ostream& stream) : stream_(&stream) {}
    /// To the file at `path`, through a `ReplacingFile`.
    explicit ByteOutput(std::filesystem::path path, FileSystem& fs = RealFileSystem())
        : path_(std::move(path)), file_(fs) {}

    /// Opens the file (nothing to do for a stream); false when it cannot be created.
    [[nodiscard]] bool Begin();
    [[nodiscard]] bool Write(std::string_view bytes);
    /// Flushes the stream, or puts the file in place; false when any write failed.
    [[nodiscard]] bool Finish();

private:
    std::ostream* stream_ = nullptr;
    std::filesystem::path path_;
    ReplacingFile file_;
};

/// Replaces the file at `path` with `bytes` through a `ReplacingFile`.
[[nodiscard]] bool WriteFileReplacing(const std::filesystem::path& path, std::string_view bytes,
                                      FileSystem& fs = RealFileSystem());
/// The same for a path held as CP932 text.
[[nodiscard]] bool WriteFileReplacing(std::string_view cp932Path, std::string_view bytes,
                                      FileSystem& fs = RealFileSystem());
[[nodiscard]] inline bool WriteFileReplacing(const std::string& cp932Path, std::string_view bytes,
                                             FileSystem& fs = RealFileSystem()) {
    return WriteFileReplacing(std::string_view(cp932Path), bytes, fs);
}
[[nodiscard]] inline bool WriteFileReplacing(const char* cp932Path, std::string_view bytes,
                                             FileSystem& fs = RealFileSystem()) {
    return WriteFileReplacing(std::string_view(cp932Path), bytes, fs);
}

}  // namespace rekkan

#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

namespace rekkan {

/// What `FileSystem::Stat` tells about an open file.
struct FileStatus {
    std::int64_t size = 0;
    unsigned mode = 0;  ///< permission bits (07777)
    bool folder = false;
    std::uint64_t device = 0;  ///< with `inode`: which file it is, whatever its names
    std::uint64_t inode = 0;
};

/// The file-system calls of everything that reads, writes or replaces files on disk. The real
/// one is the default; tests put one in its place to record the calls or make one of them fail.
/// Descriptors are those of open(2); failures leave errno set.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    /// open(2): a descriptor, or -1.
    [[nodiscard]] virtual int Open(const std::filesystem::path& path, int flags, unsigned mode) = 0;
    /// Reads up to `size` bytes at `offset`, retrying short reads: the count read (less only
    /// at the end of the file), -1 on error.
    [[nodiscard]] virtual long long Read(int fd, char* data, std::size_t size, std::int64_t offset) = 0;
    /// Writes every byte at `offset`, or at the descriptor's position when `offset` is negative.
    [[nodiscard]] virtual bool Write(int fd, std::string_view bytes, std::int64_t offset) = 0;
    /// fsync(2): the file's bytes reach the disk.
    [[nodiscard]] virtual bool Sync(int fd) = 0;
    /// Starts writing `length` bytes at `offset` back to the disk without waiting
    /// (sync_file_range(2)), so that a later Sync has little left to do. Only a hint: nothing
    /// by default, and no failure to report.
    virtual void StartWriteBack(int fd, std::int64_t offset, std::int64_t length) {
        static_cast<void>(fd);
        static_cast<void>(offset);
        static_cast<void>(length);
    }
    /// close(2); the descriptor is gone even when it fails.
    virtual bool Close(int fd) = 0;
    /// Size, permission bits and kind of an open file.
    [[nodiscard]] virtual bool Stat(int fd, FileStatus& status) = 0;
    /// The same for the file at a path (a symbolic link followed).
    [[nodiscard]] virtual bool StatPath(const std::filesystem::path& path, FileStatus& status) = 0;
    /// ftruncate(2): cuts (or extends) an open file to `size` bytes.
    [[nodiscard]] virtual bool Truncate(int fd, std::int64_t size) = 0;
    /// flock(2) exclusive, without waiting: false (EWOULDBLOCK) while another holds the lock.
    [[nodiscard]] virtual bool Lock(int fd) = 0;
    /// Releases the lock `Lock` took (closing the descriptor releases it too).
    virtual bool Unlock(int fd) = 0;
    /// fchmod(2): sets the permission bits exactly (no umask).
    virtual bool SetMode(int fd, unsigned mode) = 0;
    /// rename(2): replaces `to` in one step.
    [[nodiscard]] virtual bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    /// Removes a file (not a folder).
    virtual bool Remove(const std::filesystem::path& path) = 0;
    /// fsync(2) of a folder, so the names changed in it (a rename) reach the disk.
    virtual bool SyncFolder(const std::filesystem::path& folder) = 0;
    /// The file a symbolic link leads to (followed to its end); any other path unchanged.
    [[nodiscard]] virtual std::filesystem::path FollowLink(const std::filesystem::path& path) = 0;
};

/// The operating system's file system.
[[nodiscard]] FileSystem& RealFileSystem();

/// A write at the descriptor's position (the `offset` of `FileSystem::Write`).
inline constexpr std::int64_t kAtPosition = -1;

}  // namespace rekkan

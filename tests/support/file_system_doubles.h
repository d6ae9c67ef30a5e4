#pragma once

#include <cerrno>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "util/file_system.h"

namespace rekkan::test {

/// The real file system with every call logged as "<call> <file name>" (a rename as
/// "rename <from> > <to>") and one call that can be made to fail. Calls: open, create (an open
/// that makes a new file and fails on an existing one), read, write, sync, close, stat, chmod,
/// rename, remove, sync-folder, stat-path, truncate, lock, unlock, and write-back (logged as
/// "write-back <file name> <offset>+<length>").
class RecordingFileSystem : public FileSystem {
public:
    std::vector<std::string> log;

    /// Makes call number `occurrence` (0-based, counted from now) named `call` fail with `error`.
    void FailAt(std::string call, int occurrence = 0, int error = EIO);
    /// How many calls named `call` were made since the last FailAt (or the start).
    [[nodiscard]] int Count(const std::string& call) const;

    int Open(const std::filesystem::path& path, int flags, unsigned mode) override;
    long long Read(int fd, char* data, std::size_t size, std::int64_t offset) override {
        return Allowed("read", NameOf(fd)) ? real_.Read(fd, data, size, offset) : -1;
    }
    bool Write(int fd, std::string_view bytes, std::int64_t offset) override {
        return Allowed("write", NameOf(fd)) && real_.Write(fd, bytes, offset);
    }
    bool Sync(int fd) override { return Allowed("sync", NameOf(fd)) && real_.Sync(fd); }
    void StartWriteBack(int fd, std::int64_t offset, std::int64_t length) override;
    bool Close(int fd) override;
    bool Stat(int fd, FileStatus& status) override { return Allowed("stat", NameOf(fd)) && real_.Stat(fd, status); }
    bool StatPath(const std::filesystem::path& path, FileStatus& status) override {
        return Allowed("stat-path", path.filename().string()) && real_.StatPath(path, status);
    }
    bool Truncate(int fd, std::int64_t size) override {
        return Allowed("truncate", NameOf(fd)) && real_.Truncate(fd, size);
    }
    bool Lock(int fd) override { return Allowed("lock", NameOf(fd)) && real_.Lock(fd); }
    bool Unlock(int fd) override { return Allowed("unlock", NameOf(fd)) && real_.Unlock(fd); }
    bool SetMode(int fd, unsigned mode) override { return Allowed("chmod", NameOf(fd)) && real_.SetMode(fd, mode); }
    bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        return Allowed("rename", from.filename().string() + " > " + to.filename().string()) && real_.Rename(from, to);
    }
    bool Remove(const std::filesystem::path& path) override {
        return Allowed("remove", path.filename().string()) && real_.Remove(path);
    }
    bool SyncFolder(const std::filesystem::path& folder) override {
        return Allowed("sync-folder", folder.filename().string()) && real_.SyncFolder(folder);
    }
    std::filesystem::path FollowLink(const std::filesystem::path& path) override { return real_.FollowLink(path); }

private:
    /// Logs the call; false when it is the one to fail (errno set).
    bool Allowed(const std::string& call, const std::string& name);
    std::string NameOf(int fd) const;

    FileSystem& real_ = RealFileSystem();
    std::map<int, std::string> names_;
    std::map<std::string, int> counts_;
    std::string failCall_;
    int failAt_ = -1;
    int failError_ = 0;
};

/// Files in memory (one folder) that know what has reached the disk: a crash keeps only the
/// bytes flushed with Sync, under the names flushed with SyncFolder. Enough for writing a
/// file: reading, Stat and SetMode fail.
class CrashingFileSystem : public FileSystem {
public:
    /// A file that is already on the disk.
    void Put(const std::filesystem::path& path, std::string bytes);
    /// The machine stops at call number `calls` (0-based) from now: it and every later call fail.
    void CrashAt(int calls);
    [[nodiscard]] bool Crashed() const { return crashed_; }
    /// What `path` holds after the crash; nullopt when there is no such file.
    [[nodiscard]] std::optional<std::string> AfterCrash(const std::filesystem::path& path) const;
    /// How many files the folder holds now.
    [[nodiscard]] std::size_t FileCount() const { return names_.size(); }

    int Open(const std::filesystem::path& path, int flags, unsigned mode) override;
    long long Read(int, char*, std::size_t, std::int64_t) override { return -1; }
    bool Write(int fd, std::string_view bytes, std::int64_t offset) override;
    bool Sync(int fd) override;
    bool Close(int fd) override;
    bool Stat(int, FileStatus&) override { return false; }
    bool StatPath(const std::filesystem::path&, FileStatus&) override { return false; }
    bool Truncate(int, std::int64_t) override { return false; }
    bool Lock(int) override { return false; }
    bool Unlock(int) override { return false; }
    bool SetMode(int, unsigned) override { return false; }
    bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
    bool Remove(const std::filesystem::path& path) override;
    bool SyncFolder(const std::filesystem::path& folder) override;
    std::filesystem::path FollowLink(const std::filesystem::path& path) override { return path; }

private:
    struct Node {
        std::string data;    // as the program sees it
        std::string synced;  // as it is on the disk
    };
    struct OpenFile {
        std::shared_ptr<Node> node;
        std::int64_t position = 0;
    };
    /// False once the machine has stopped (errno set).
    bool Alive();

    std::map<std::filesystem::path, std::shared_ptr<Node>> names_, syncedNames_;
    std::map<int, OpenFile> open_;
    int nextFd_ = 3;
    int crashAt_ = -1;
    bool crashed_ = false;
};

}  // namespace rekkan::test

#include "support/file_system_doubles.h"

#include <fcntl.h>

#include <cerrno>

namespace rekkan::test {

// ---- RecordingFileSystem ---------------------------------------------------------------------

void RecordingFileSystem::FailAt(std::string call, int occurrence, int error) {
    failCall_ = std::move(call);
    failAt_ = occurrence;
    failError_ = error;
    counts_.clear();
}

int RecordingFileSystem::Count(const std::string& call) const {
    const auto it = counts_.find(call);
    return it == counts_.end() ? 0 : it->second;
}

bool RecordingFileSystem::Allowed(const std::string& call, const std::string& name) {
    log.push_back(call + " " + name);
    if (call != failCall_ || counts_[call]++ != failAt_) return true;
    errno = failError_;
    return false;
}

std::string RecordingFileSystem::NameOf(int fd) const {
    const auto it = names_.find(fd);
    return it == names_.end() ? "?" : it->second;
}

int RecordingFileSystem::Open(const std::filesystem::path& path, int flags, unsigned mode) {
    const bool createsNew = (flags & O_CREAT) && (flags & O_EXCL);
    if (!Allowed(createsNew ? "create" : "open", path.filename().string())) return -1;
    const int fd = RealFileSystem().Open(path, flags, mode);
    if (fd >= 0) names_[fd] = path.filename().string();
    return fd;
}

void RecordingFileSystem::StartWriteBack(int fd, std::int64_t offset, std::int64_t length) {
    log.push_back("write-back " + NameOf(fd) + " " + std::to_string(offset) + "+" + std::to_string(length));
    RealFileSystem().StartWriteBack(fd, offset, length);
}

bool RecordingFileSystem::Close(int fd) {
    const bool allowed = Allowed("close", NameOf(fd));
    names_.erase(fd);
    return RealFileSystem().Close(fd) && allowed;
}

// ---- CrashingFileSystem ----------------------------------------------------------------------

void CrashingFileSystem::Put(const std::filesystem::path& path, std::string bytes) {
    auto node = std::make_shared<Node>();
    node->data = node->synced = std::move(bytes);
    names_[path] = syncedNames_[path] = node;
}

void CrashingFileSystem::CrashAt(int calls) { crashAt_ = calls; }

std::optional<std::string> CrashingFileSystem::AfterCrash(const std::filesystem::path& path) const {
    const auto it = syncedNames_.find(path);
    if (it == syncedNames_.end()) return std::nullopt;
    return it->second->synced;
}

bool CrashingFileSystem::Alive() {
    if (!crashed_ && crashAt_ >= 0 && crashAt_-- == 0) crashed_ = true;
    if (crashed_) errno = EIO;
    return !crashed_;
}

int CrashingFileSystem::Open(const std::filesystem::path& path, int flags, unsigned) {
    if (!Alive()) return -1;
    auto it = names_.find(path);
    if (it != names_.end() && (flags & O_CREAT) && (flags & O_EXCL)) {
        errno = EEXIST;
        return -1;
    }
    if (it == names_.end()) {
        if (!(flags & O_CREAT)) {
            errno = ENOENT;
            return -1;
        }
        it = names_.emplace(path, std::make_shared<Node>()).first;
    }
    if (flags & O_TRUNC) it->second->data.clear();
    open_[nextFd_] = OpenFile{it->second, 0};
    return nextFd_++;
}

bool CrashingFileSystem::Write(int fd, std::string_view bytes, std::int64_t offset) {
    if (!Alive() || !open_.count(fd)) return false;
    OpenFile& file = open_[fd];
    const std::size_t at = static_cast<std::size_t>(offset < 0 ? file.position : offset);
    std::string& data = file.node->data;
    if (data.size() < at + bytes.size()) data.resize(at + bytes.size(), '\0');
    data.replace(at, bytes.size(), bytes);
    if (offset < 0) file.position += static_cast<std::int64_t>(bytes.size());
    return true;
}

bool CrashingFileSystem::Sync(int fd) {
    if (!Alive() || !open_.count(fd)) return false;
    open_[fd].node->synced = open_[fd].node->data;
    return true;
}

bool CrashingFileSystem::Close(int fd) {
    const bool alive = Alive();
    open_.erase(fd);
    return alive;
}

bool CrashingFileSystem::Rename(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (!Alive()) return false;
    const auto it = names_.find(from);
    if (it == names_.end()) {
        errno = ENOENT;
        return false;
    }
    names_[to] = it->second;
    names_.erase(from);
    return true;
}

bool CrashingFileSystem::Remove(const std::filesystem::path& path) {
    if (!Alive()) return false;
    return names_.erase(path) > 0;
}

bool CrashingFileSystem::SyncFolder(const std::filesystem::path&) {
    if (!Alive()) return false;
    syncedNames_ = names_;
    return true;
}

}  // namespace rekkan::test

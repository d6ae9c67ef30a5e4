#include "util/file_system.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace rekkan {
namespace {

FileStatus StatusOf(const struct stat& st) {
    FileStatus status;
    status.size = static_cast<std::int64_t>(st.st_size);
    status.mode = st.st_mode & 07777;
    status.folder = S_ISDIR(st.st_mode);
    status.device = static_cast<std::uint64_t>(st.st_dev);
    status.inode = static_cast<std::uint64_t>(st.st_ino);
    return status;
}

class PosixFileSystem final : public FileSystem {
public:
    int Open(const std::filesystem::path& path, int flags, unsigned mode) override {
        int fd = -1;
        do {
            fd = ::open(path.c_str(), flags, static_cast<mode_t>(mode));
        } while (fd < 0 && errno == EINTR);
        return fd;
    }

    long long Read(int fd, char* data, std::size_t size, std::int64_t offset) override {
        std::size_t got = 0;
        while (got < size) {
            const ssize_t r =
                ::pread(fd, data + got, size - got, static_cast<off_t>(offset + static_cast<std::int64_t>(got)));
            if (r < 0) {
                if (errno == EINTR) continue;
                return -1;
            }
            if (r == 0) break;
            got += static_cast<std::size_t>(r);
        }
        return static_cast<long long>(got);
    }

    bool Write(int fd, std::string_view bytes, std::int64_t offset) override {
        const char* data = bytes.data();
        std::size_t left = bytes.size();
        while (left > 0) {
            const ssize_t n =
                offset < 0 ? ::write(fd, data, left) : ::pwrite(fd, data, left, static_cast<off_t>(offset));
            if (n < 0) {
                if (errno == EINTR) continue;
                return false;
            }
            data += n;
            left -= static_cast<std::size_t>(n);
            if (offset >= 0) offset += n;
        }
        return true;
    }

    bool Sync(int fd) override { return ::fsync(fd) == 0; }
    void StartWriteBack(int fd, std::int64_t offset, std::int64_t length) override {
#ifdef SYNC_FILE_RANGE_WRITE
        static_cast<void>(
            ::sync_file_range(fd, static_cast<off_t>(offset), static_cast<off_t>(length), SYNC_FILE_RANGE_WRITE));
#else
        FileSystem::StartWriteBack(fd, offset, length);
#endif
    }

    bool Close(int fd) override { return ::close(fd) == 0; }

    bool Stat(int fd, FileStatus& status) override {
        struct stat st {};
        if (::fstat(fd, &st) != 0) return false;
        status = StatusOf(st);
        return true;
    }

    bool StatPath(const std::filesystem::path& path, FileStatus& status) override {
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0) return false;
        status = StatusOf(st);
        return true;
    }

    bool Truncate(int fd, std::int64_t size) override {
        int r = 0;
        do {
            r = ::ftruncate(fd, static_cast<off_t>(size));
        } while (r != 0 && errno == EINTR);
        return r == 0;
    }

    bool Lock(int fd) override {
        int r = 0;
        do {
            r = ::flock(fd, LOCK_EX | LOCK_NB);
        } while (r != 0 && errno == EINTR);
        return r == 0;
    }

    bool Unlock(int fd) override { return ::flock(fd, LOCK_UN) == 0; }

    bool SetMode(int fd, unsigned mode) override { return ::fchmod(fd, static_cast<mode_t>(mode)) == 0; }

    bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        return ::rename(from.c_str(), to.c_str()) == 0;
    }

    bool Remove(const std::filesystem::path& path) override { return ::unlink(path.c_str()) == 0; }

    bool SyncFolder(const std::filesystem::path& folder) override {
        const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return false;
        const bool ok = ::fsync(fd) == 0;
        ::close(fd);
        return ok;
    }

    std::filesystem::path FollowLink(const std::filesystem::path& path) override {
        std::error_code ec;
        if (!std::filesystem::is_symlink(path, ec)) return path;
        std::filesystem::path target = std::filesystem::canonical(path, ec);
        return ec ? path : target;
    }
};

}  // namespace

FileSystem& RealFileSystem() {
    static PosixFileSystem system;
    return system;
}

}  // namespace rekkan

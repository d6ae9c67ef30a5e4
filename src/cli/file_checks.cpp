#include "cli/file_checks.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <limits>

#include "util/file_util.h"

namespace rekkan::cli {
namespace {

/// Device and inode of the file at a path (a link followed); false when there is none.
bool Identity(const std::string& cp932Path, dev_t& device, ino_t& inode) {
    struct stat st {};
    if (::stat(ToFsPath(cp932Path).c_str(), &st) != 0) return false;
    device = st.st_dev;
    inode = st.st_ino;
    return true;
}

}  // namespace

std::string SystemReason(int error) {
    std::string reason = std::strerror(error);
    if (!reason.empty()) reason[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(reason[0])));
    return reason;
}

bool InputReadable(const Context& ctx, const std::string& cp932Path) {
    const int fd = ::open(ToFsPath(cp932Path).c_str(), O_RDONLY | O_CLOEXEC);
    int error = fd < 0 ? errno : 0;
    if (fd >= 0) {
        struct stat st {};
        if (::fstat(fd, &st) != 0)
            error = errno;
        else if (S_ISDIR(st.st_mode))
            error = EISDIR;
        ::close(fd);
    }
    if (error == 0) return true;
    ctx.Error("cannot read " + cp932Path + ": " + SystemReason(error));
    return false;
}

bool OutputIsNoInput(const Context& ctx) {
    if (!ctx.Has("-o") || ctx.Value("-o") == "-") return true;
    dev_t outDevice{};
    ino_t outInode{};
    if (!Identity(ctx.Value("-o"), outDevice, outInode)) return true;  // a new file
    std::vector<std::string> inputs(
        ctx.args.begin(), ctx.args.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(ctx.args.size(), 2)));
    if (ctx.Has("--settings")) inputs.push_back(ctx.Value("--settings"));
    for (const std::string& input : inputs) {
        dev_t device{};
        ino_t inode{};
        if (Identity(input, device, inode) && device == outDevice && inode == outInode) {
            ctx.Error("-o " + ctx.Value("-o") + " is the input file " + input + "; it would be replaced (refused)");
            return false;
        }
    }
    return true;
}

bool RoomFor(const Context& ctx, const std::string& cp932Path, std::int64_t bytes) {
    std::filesystem::path folder = ToFsPath(cp932Path).parent_path();
    if (folder.empty()) folder = ".";
    struct statvfs fs {};
    if (::statvfs(folder.c_str(), &fs) != 0) return true;  // unknown: the writes will tell
    const unsigned long long free = static_cast<unsigned long long>(fs.f_bavail) * fs.f_frsize;
    if (bytes < 0 || static_cast<unsigned long long>(bytes) <= free) return true;
    ctx.Error("not enough room on the file system of " + cp932Path + ": " + std::to_string(bytes) + " bytes needed, " +
              std::to_string(free) + " free; nothing changed");
    return false;
}

std::int64_t BytesOf(std::int64_t count, std::int64_t length) {
    if (length > 0 && count > std::numeric_limits<std::int64_t>::max() / length)
        return std::numeric_limits<std::int64_t>::max();
    return count * length;
}

}  // namespace rekkan::cli

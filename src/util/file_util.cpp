#include "util/file_util.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <system_error>

#include "util/encoding.h"

namespace rekkan {
namespace {

WriteFailureHook& Hook() {
    static WriteFailureHook hook;
    return hook;
}

}  // namespace

std::filesystem::path ToFsPath(std::string_view cp932Path) {
    return std::filesystem::path(Cp932ToUtf8(cp932Path));
}

std::string FromFsPath(const std::filesystem::path& path) {
    std::string out;
    (void)Utf8ToCp932(path.string(), out);
    return out;
}

bool FileExists(std::string_view cp932Path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(ToFsPath(cp932Path), ec);
}

bool DeleteFileIfExists(std::string_view cp932Path) {
    std::error_code ec;
    std::filesystem::remove(ToFsPath(cp932Path), ec);
    return !std::filesystem::exists(ToFsPath(cp932Path), ec);
}

bool RenameFile(std::string_view oldCp932Path, std::string_view newCp932Path) {
    std::error_code ec;
    std::filesystem::rename(ToFsPath(oldCp932Path), ToFsPath(newCp932Path), ec);
    return !ec;
}

bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    in.seekg(0, std::ios::end);
    const auto size = in.tellg();
    if (size < 0) return false;
    in.seekg(0, std::ios::beg);
    bytes.resize(static_cast<std::size_t>(size));
    if (size > 0 && !in.read(bytes.data(), size)) return false;
    return true;
}

bool ReadWholeFile(std::string_view cp932Path, std::string& bytes) {
    return ReadWholeFile(ToFsPath(cp932Path), bytes);
}

void SetWriteFailureHook(WriteFailureHook hook) { Hook() = std::move(hook); }

bool WriteAll(int fd, const char* data, std::size_t size) {
    if (Hook() && !Hook()(size)) {
        errno = ENOSPC;
        return false;
    }
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool SyncParentFolder(const std::filesystem::path& path) {
    std::filesystem::path folder = path.parent_path();
    if (folder.empty()) folder = ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

bool WriteFileReplacing(const std::filesystem::path& path, std::string_view bytes) {
    std::filesystem::path aside = path;
    aside += ".rekkan-new";
    const int fd = ::open(aside.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    bool ok = WriteAll(fd, bytes.data(), bytes.size());
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) {
        std::error_code ec;
        std::filesystem::rename(aside, path, ec);
        ok = !ec;
    }
    if (!ok) {
        std::error_code ignored;
        std::filesystem::remove(aside, ignored);
        return false;
    }
    SyncParentFolder(path);
    return true;
}

bool WriteFileReplacing(std::string_view cp932Path, std::string_view bytes) {
    return WriteFileReplacing(ToFsPath(cp932Path), bytes);
}

}  // namespace rekkan

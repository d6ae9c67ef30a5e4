#include "records/record_sample.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "util/file_util.h"

namespace rekkan {

std::int64_t DefaultSampleSize(std::int64_t fileSize, std::int64_t recordCount) {
    return fileSize < kLargeFileBytes ? recordCount : std::min(recordCount, kLargeFileSample);
}

std::int64_t SpreadIndex(std::int64_t k, std::int64_t n, std::int64_t count) {
    if (n >= count) return k;
    if (n <= 1) return 0;
    // k * (count - 1) / (n - 1) without overflow for any file of records.
    const std::int64_t span = count - 1;
    const std::int64_t steps = n - 1;
    return (k / steps) * span + (k % steps) * (span / steps) + (k % steps) * (span % steps) / steps;
}

DataFileBytes::~DataFileBytes() {
    if (fd_ >= 0) ::close(fd_);
}

bool DataFileBytes::Open(const std::string& cp932Path) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = ::open(ToFsPath(cp932Path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) return false;
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        return false;
    }
    size_ = static_cast<std::int64_t>(st.st_size);
    return true;
}

bool DataFileBytes::ReadAt(std::int64_t offset, std::size_t n, char* out) const {
    std::memset(out, 0, n);
    std::int64_t from = offset;
    std::int64_t to = offset + static_cast<std::int64_t>(n);
    from = std::max<std::int64_t>(from, 0);
    to = std::min(to, size_);
    while (from < to) {
        const ssize_t got = ::pread(fd_, out + (from - offset), static_cast<std::size_t>(to - from), from);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        from += got;
    }
    return true;
}

bool ForEachSpreadWindow(const DataFileBytes& file, std::int64_t start, int length, std::size_t window, std::int64_t n,
                         std::int64_t count, const std::function<void(const std::uint8_t*, std::int64_t)>& visit,
                         std::int64_t first, std::int64_t last) {
    constexpr std::int64_t kBlockBytes = 4 << 20;
    n = std::min(n, count);
    last = std::min(last, n);
    std::vector<char> block;
    const auto at = [&](std::int64_t k) { return start + SpreadIndex(k, n, count) * length; };
    for (std::int64_t k = std::max<std::int64_t>(first, 0); k < last;) {
        const std::int64_t from = at(k);
        std::int64_t m = k + 1;
        while (m < last && at(m) + static_cast<std::int64_t>(window) - from <= kBlockBytes) ++m;
        const auto bytes = static_cast<std::size_t>(at(m - 1) - from) + window;
        if (block.size() < bytes) block.resize(bytes);
        if (!file.ReadAt(from, bytes, block.data())) return false;
        for (; k < m; ++k)
            visit(reinterpret_cast<const std::uint8_t*>(block.data()) + (at(k) - from), SpreadIndex(k, n, count));
    }
    return true;
}

}  // namespace rekkan

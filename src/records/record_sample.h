#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace rekkan {

// Which records a whole-file check looks at, and how they are read.

/// Files of this size and more are sampled by default.
inline constexpr std::int64_t kLargeFileBytes = 1'000'000'000;
/// Records sampled by default from a large file.
inline constexpr std::int64_t kLargeFileSample = 100'000;

/// Records a check looks at when no sample size is given: every record of a file under 1 GB,
/// else 100,000.
[[nodiscard]] std::int64_t DefaultSampleSize(std::int64_t fileSize, std::int64_t recordCount);

/// 0-based index of the k-th (0-based) of `n` records spread evenly over `count` records; the
/// first and the last record are always among them. Every record when `n` >= `count`.
[[nodiscard]] std::int64_t SpreadIndex(std::int64_t k, std::int64_t n, std::int64_t count);

/// Reads bytes anywhere in a data file, read-only; bytes past its end read as 0x00.
class DataFileBytes {
public:
    DataFileBytes() = default;
    ~DataFileBytes();
    DataFileBytes(const DataFileBytes&) = delete;
    DataFileBytes& operator=(const DataFileBytes&) = delete;

    /// False when the file cannot be opened (or is a folder).
    [[nodiscard]] bool Open(const std::string& cp932Path);
    [[nodiscard]] std::int64_t Size() const { return size_; }
    /// Fills `n` bytes at `out` from `offset` on (may be negative or past the end: zeros there);
    /// false on a read error.
    [[nodiscard]] bool ReadAt(std::int64_t offset, std::size_t n, char* out) const;

private:
    int fd_ = -1;
    std::int64_t size_ = 0;
};

/// Calls `visit(window, index)` for `n` records spread over `count` records (SpreadIndex): the
/// window holds the `window` bytes from `start + index * length` on (zeros outside the file).
/// Reads large blocks when the windows lie close together. False on a read error. With `first`
/// and `last` only the records `first` to `last` - 1 of the `n` are visited.
[[nodiscard]] bool ForEachSpreadWindow(const DataFileBytes& file, std::int64_t start, int length, std::size_t window,
                                       std::int64_t n, std::int64_t count,
                                       const std::function<void(const std::uint8_t*, std::int64_t)>& visit,
                                       std::int64_t first = 0, std::int64_t last = INT64_MAX);

}  // namespace rekkan

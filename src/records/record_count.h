#pragma once

#include <cstdint>

namespace rekkan {

/// Records in a data file of `fileSize` bytes: the bytes after the header (the base position)
/// in records of `recordLength`, a partial last record counting as one. 0 when there is no
/// byte after the header or no record length.
[[nodiscard]] constexpr std::int64_t RecordCountOf(std::int64_t fileSize, std::int64_t basePosition, int recordLength) {
    const std::int64_t data = fileSize - basePosition;
    if (recordLength < 1 || data <= 0) return 0;
    return (data + recordLength - 1) / recordLength;
}

}  // namespace rekkan

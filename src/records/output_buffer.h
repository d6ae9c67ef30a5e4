#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace rekkan {

/// Bytes written into one growing buffer: `used` of `bytes` hold output, the rest is room.
struct OutputBuffer {
    std::string bytes;
    std::size_t used = 0;
    std::int64_t lines = 0;  ///< lines the output holds, for the caller's count

    /// A pointer to at least `n` bytes of room after the output (grows the buffer when needed).
    [[nodiscard]] char* Room(std::size_t n) {
        if (bytes.size() - used < n) bytes.resize(std::max(2 * bytes.size(), used + n));
        return bytes.data() + used;
    }
    /// Marks the output as ending at `end` (a pointer into the room).
    void EndAt(const char* end) { used = static_cast<std::size_t>(end - bytes.data()); }
    [[nodiscard]] std::string_view View() const { return std::string_view(bytes.data(), used); }
};

}  // namespace rekkan

#pragma once

#include <string>
#include <string_view>

namespace rekkan {

/// True for a Shift-JIS lead byte (0x81-0x9F, 0xE0-0xFC).
[[nodiscard]] constexpr bool IsLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

/// True for a byte that may follow a lead byte (0x40-0xFC).
[[nodiscard]] constexpr bool IsTrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFC; }

/// Map of the same length as `text`: '0' single-byte, '1' lead byte, '2' trail byte.
[[nodiscard]] std::string ByteTypeMap(std::string_view text);

/// Length of the longest prefix of `text` not longer than `maxBytes` that does not cut a
/// double-byte character in two.
[[nodiscard]] std::size_t CharSafeLength(std::string_view text, std::size_t maxBytes);

}  // namespace rekkan

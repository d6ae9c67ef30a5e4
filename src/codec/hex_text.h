#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace rekkan {

/// Two upper-case hexadecimal digits per byte, no separators.
[[nodiscard]] std::string BytesToHex(const std::uint8_t* bytes, std::size_t count);
[[nodiscard]] std::string BytesToHex(std::string_view bytes);
/// Appends the hexadecimal text of `bytes` to `out`.
void AppendHex(std::string& out, const std::uint8_t* bytes, std::size_t count);

/// Fills `count` bytes from hexadecimal text: only 0-9, A-F and a-f are kept, a short text
/// is padded with '0' on the right, digits beyond 2 x count are ignored; first digit of each
/// pair is the high nibble.
void HexToBytes(std::string_view text, std::uint8_t* bytes, std::size_t count);

/// Value of one hexadecimal digit, or -1.
[[nodiscard]] constexpr int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace rekkan

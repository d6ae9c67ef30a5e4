#include "codec/hex_text.h"

namespace rekkan {

namespace {
constexpr char kHexDigits[] = "0123456789ABCDEF";
}

void AppendHex(std::string& out, const std::uint8_t* bytes, std::size_t count) {
    const std::size_t start = out.size();
    out.resize(start + 2 * count);
    char* p = out.data() + start;
    for (std::size_t i = 0; i < count; ++i) {
        *p++ = kHexDigits[bytes[i] >> 4];
        *p++ = kHexDigits[bytes[i] & 0x0F];
    }
}

std::string BytesToHex(const std::uint8_t* bytes, std::size_t count) {
    std::string out;
    AppendHex(out, bytes, count);
    return out;
}

std::string BytesToHex(std::string_view bytes) {
    return BytesToHex(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

void HexToBytes(std::string_view text, std::uint8_t* bytes, std::size_t count) {
    std::size_t nibble = 0;
    const std::size_t wanted = 2 * count;
    for (std::size_t i = 0; i < count; ++i) bytes[i] = 0;
    for (char c : text) {
        if (nibble >= wanted) break;
        const int d = HexDigitValue(c);
        if (d < 0) continue;
        if (nibble % 2 == 0) {
            bytes[nibble / 2] = static_cast<std::uint8_t>(d << 4);
        } else {
            bytes[nibble / 2] = static_cast<std::uint8_t>(bytes[nibble / 2] | d);
        }
        ++nibble;
    }
}

}  // namespace rekkan

#include <cstring>

#include "codec/raw_writers.h"
#include "codec/value_codecs.h"

namespace rekkan {

bool DecodeCharacter(const std::uint8_t* p, int n, std::string& out) {
    const void* nul = n > 0 ? std::memchr(p, 0, static_cast<std::size_t>(n)) : nullptr;
    const int textLength = nul ? static_cast<int>(static_cast<const std::uint8_t*>(nul) - p) : n;
    out.append(reinterpret_cast<const char*>(p), static_cast<std::size_t>(textLength));
    // Control bytes count as damage anywhere in the field, also after the terminating 0x00.
    return !HasControlByte(p, n);
}

void EncodeCharacter(std::string_view text, std::uint8_t* p, int n) {
    const std::size_t count = text.size() < static_cast<std::size_t>(n) ? text.size() : static_cast<std::size_t>(n);
    if (count > 0) std::memcpy(p, text.data(), count);
}

}  // namespace rekkan

#include <cstring>

#include "codec/raw_writers.h"
#include "codec/value_codecs.h"

namespace rekkan {

bool DecodeCharacter(const std::uint8_t* p, int n, std::string& out) {
    out.append(reinterpret_cast<const char*>(p), CharacterTextLength(p, n));
    // Control bytes count as damage anywhere in the field, also after the terminating 0x00.
    return !HasControlByte(p, n);
}

void EncodeCharacter(std::string_view text, std::uint8_t* p, int n) {
    const std::size_t count = text.size() < static_cast<std::size_t>(n) ? text.size() : static_cast<std::size_t>(n);
    if (count > 0) std::memcpy(p, text.data(), count);
}

}  // namespace rekkan

#include "codec/raw_writers.h"

#include <cstring>

namespace rekkan {
namespace {

constexpr std::uint64_t kOnes = 0x0101010101010101ULL;

}  // namespace

char* WriteCInteger(const std::uint8_t* p, int n, bool isSigned, ByteOrder order, char* out) {
    const int bytes = n == 2 ? 2 : 4;
    std::uint8_t b[4] = {0, 0, 0, 0};
    for (int i = 0; i < bytes && i < n; ++i) b[i] = p[i];
    std::uint32_t v = 0;
    if (order == ByteOrder::Intel) {
        for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[i];
    } else {
        for (int i = 0; i < bytes; ++i) v = (v << 8) | b[i];
    }
    if (bytes == 2) {
        const auto v16 = static_cast<std::uint16_t>(v);
        return isSigned ? WriteSigned(static_cast<std::int16_t>(v16), out) : WriteUnsigned(v16, out);
    }
    return isSigned ? WriteSigned(static_cast<std::int32_t>(v), out) : WriteUnsigned(v, out);
}

bool HasControlByte(const std::uint8_t* p, int n) {
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t w;
        std::memcpy(&w, p + i, 8);
        // Some byte below 0x20 (a blank-padded text has none): look closer, 0x00 is allowed.
        if (((w - 0x20 * kOnes) & ~w & (0x80 * kOnes)) == 0) continue;
        for (int k = i; k < i + 8; ++k)
            if (p[k] >= 0x01 && p[k] <= 0x1F) return true;
    }
    for (; i < n; ++i)
        if (p[i] >= 0x01 && p[i] <= 0x1F) return true;
    return false;
}

}  // namespace rekkan

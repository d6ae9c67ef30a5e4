#include "codec/value_codecs.h"

namespace rekkan {

void DecodeBits(const std::uint8_t* p, int n, std::string& out) {
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(n > 0 ? n : 0) * 8);
    char* q = out.data() + start;
    for (int i = 0; i < n; ++i) {
        for (int bit = 7; bit >= 0; --bit) *q++ = ((p[i] >> bit) & 1) ? '1' : '0';
    }
}

void EncodeBits(std::string_view text, std::uint8_t* p, int n) {
    if (n <= 0) return;
    for (int i = 0; i < n; ++i) p[i] = 0;
    const std::size_t capacity = static_cast<std::size_t>(n) * 8;
    std::size_t bit = 0;
    for (char c : text) {
        if (bit >= capacity) break;
        if (c != '0' && c != '1') continue;
        if (c == '1') p[bit / 8] = static_cast<std::uint8_t>(p[bit / 8] | (0x80 >> (bit % 8)));
        ++bit;
    }
}

}  // namespace rekkan

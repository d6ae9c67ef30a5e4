#include "codec/codec_detail.h"
#include "codec/raw_writers.h"
#include "codec/value_codecs.h"

namespace rekkan {

bool DecodePacked(const std::uint8_t* p, int n, SignNibbles pack, std::string& out) {
    return codec_detail::AppendWritten(out, PackedTextBound(n), [&](char* at) { return WritePacked(p, n, pack, at); });
}

void EncodePacked(std::string_view text, std::uint8_t* p, int n, SignNibbles pack, Signedness sign) {
    if (n <= 0) return;
    const int digitCount = 2 * n - 1;
    std::uint8_t stackDigits[128];
    std::string heapDigits;
    std::uint8_t* digits = stackDigits;
    if (digitCount > 128) {
        heapDigits.resize(static_cast<std::size_t>(digitCount));
        digits = reinterpret_cast<std::uint8_t*>(heapDigits.data());
    }
    const bool negative = codec_detail::RightAlignDigits(text, digits, digitCount);
    std::uint8_t signNibble = pack.unsignedNibble;
    if (sign == Signedness::Signed) signNibble = negative ? pack.negative : pack.positive;
    for (int i = 0; i < n; ++i) {
        const std::uint8_t high = digits[2 * i];
        const std::uint8_t low = i < n - 1 ? digits[2 * i + 1] : signNibble;
        p[i] = static_cast<std::uint8_t>((high << 4) | low);
    }
}

}  // namespace rekkan

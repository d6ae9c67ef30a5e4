#include "codec/codec_detail.h"
#include "codec/raw_writers.h"
#include "codec/value_codecs.h"

namespace rekkan {

bool DecodeZoned(const std::uint8_t* p, int n, SignNibbles zone, std::string& out) {
    return codec_detail::AppendWritten(out, ZonedTextBound(n), [&](char* at) { return WriteZoned(p, n, zone, at); });
}

void EncodeZoned(std::string_view text, std::uint8_t* p, int n, SignNibbles zone, Signedness sign) {
    if (n <= 0) return;
    std::uint8_t stackDigits[64];
    std::string heapDigits;
    std::uint8_t* digits = stackDigits;
    if (n > 64) {
        heapDigits.resize(static_cast<std::size_t>(n));
        digits = reinterpret_cast<std::uint8_t*>(heapDigits.data());
    }
    const bool negative = codec_detail::RightAlignDigits(text, digits, n);
    for (int i = 0; i < n; ++i) {
        std::uint8_t zoneNibble = zone.unsignedNibble;
        if (i == n - 1 && sign == Signedness::Signed) zoneNibble = negative ? zone.negative : zone.positive;
        p[i] = static_cast<std::uint8_t>((zoneNibble << 4) | digits[i]);
    }
}

}  // namespace rekkan

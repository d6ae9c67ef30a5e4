#include "codec/codec_detail.h"
#include "codec/value_codecs.h"

namespace rekkan {

bool DecodeZoned(const std::uint8_t* p, int n, SignNibbles zone, std::string& out) {
    if (n <= 0) return true;
    // Digits are collected in the output itself, then the leading zeros are cut away, so a
    // value of any length keeps every digit.
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(n) + 1);
    char* digits = out.data() + start + 1;
    bool negative = false;
    for (int i = 0; i < n; ++i) {
        const std::uint8_t zoneNibble = p[i] >> 4;
        const std::uint8_t digit = p[i] & 0x0F;
        const bool lastByte = i == n - 1;
        const bool zoneFits = zoneNibble == zone.unsignedNibble ||
                              (lastByte && (zoneNibble == zone.positive || zoneNibble == zone.negative));
        if (digit > 9 || !zoneFits) {
            out.resize(start);
            return false;
        }
        if (lastByte) negative = zoneNibble == zone.negative;
        digits[i] = static_cast<char>('0' + digit);
    }
    codec_detail::FinishDigitText(out, start, negative);
    return true;
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

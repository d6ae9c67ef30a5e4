#include "codec/codec_detail.h"

namespace rekkan::codec_detail {

bool DecodeZoned(const std::uint8_t* p, int n, SignNibbles zone, std::string& out) {
    out.clear();
    if (n <= 0) return false;
    // Digits are collected in the output itself, then the leading zeros are cut away, so a
    // value of any length keeps every digit.
    out.resize(static_cast<std::size_t>(n) + 1);
    char* digits = out.data() + 1;
    bool negative = false;
    for (int i = 0; i < n; ++i) {
        const std::uint8_t zoneNibble = p[i] >> 4;
        const std::uint8_t digit = p[i] & 0x0F;
        if (digit > 9) return true;
        if (i < n - 1) {
            if (zoneNibble != zone.unsignedNibble) return true;
        } else {
            if (zoneNibble != zone.unsignedNibble && zoneNibble != zone.positive && zoneNibble != zone.negative) {
                return true;
            }
            negative = zoneNibble == zone.negative;
        }
        digits[i] = static_cast<char>('0' + digit);
    }
    FinishDigitText(out, negative);
    return false;
}

void EncodeZoned(std::string_view text, std::uint8_t* p, int n, SignNibbles zone, bool isSigned) {
    if (n <= 0) return;
    std::uint8_t stackDigits[64];
    std::string heapDigits;
    std::uint8_t* digits = stackDigits;
    if (n > 64) {
        heapDigits.resize(static_cast<std::size_t>(n));
        digits = reinterpret_cast<std::uint8_t*>(heapDigits.data());
    }
    const bool negative = RightAlignDigits(text, digits, n);
    for (int i = 0; i < n; ++i) {
        std::uint8_t zoneNibble = zone.unsignedNibble;
        if (i == n - 1 && isSigned) zoneNibble = negative ? zone.negative : zone.positive;
        p[i] = static_cast<std::uint8_t>((zoneNibble << 4) | digits[i]);
    }
}

}  // namespace rekkan::codec_detail

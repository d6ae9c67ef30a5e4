#include "codec/codec_detail.h"

namespace rekkan::codec_detail {

bool DecodePacked(const std::uint8_t* p, int n, SignNibbles pack, std::string& out) {
    out.clear();
    if (n <= 0) return false;
    const int digitCount = 2 * n - 1;
    out.resize(static_cast<std::size_t>(digitCount) + 1);
    char* digits = out.data() + 1;
    for (int i = 0; i < n; ++i) {
        const std::uint8_t high = p[i] >> 4;
        const std::uint8_t low = p[i] & 0x0F;
        if (high > 9) return true;
        digits[2 * i] = static_cast<char>('0' + high);
        if (i < n - 1) {
            if (low > 9) return true;
            digits[2 * i + 1] = static_cast<char>('0' + low);
        }
    }
    const std::uint8_t sign = p[n - 1] & 0x0F;
    if (sign != pack.unsignedNibble && sign != pack.positive && sign != pack.negative) return true;
    FinishDigitText(out, sign == pack.negative);
    return false;
}

void EncodePacked(std::string_view text, std::uint8_t* p, int n, SignNibbles pack, bool isSigned) {
    if (n <= 0) return;
    const int digitCount = 2 * n - 1;
    std::uint8_t stackDigits[128];
    std::string heapDigits;
    std::uint8_t* digits = stackDigits;
    if (digitCount > 128) {
        heapDigits.resize(static_cast<std::size_t>(digitCount));
        digits = reinterpret_cast<std::uint8_t*>(heapDigits.data());
    }
    const bool negative = RightAlignDigits(text, digits, digitCount);
    std::uint8_t signNibble = pack.unsignedNibble;
    if (isSigned) signNibble = negative ? pack.negative : pack.positive;
    for (int i = 0; i < n; ++i) {
        const std::uint8_t high = digits[2 * i];
        const std::uint8_t low = i < n - 1 ? digits[2 * i + 1] : signNibble;
        p[i] = static_cast<std::uint8_t>((high << 4) | low);
    }
}

}  // namespace rekkan::codec_detail

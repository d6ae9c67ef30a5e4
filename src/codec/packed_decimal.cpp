#include "codec/codec_detail.h"
#include "codec/value_codecs.h"

namespace rekkan {

bool DecodePacked(const std::uint8_t* p, int n, SignNibbles pack, std::string& out) {
    if (n <= 0) return true;
    const std::uint8_t sign = p[n - 1] & 0x0F;
    if (sign != pack.unsignedNibble && sign != pack.positive && sign != pack.negative) return false;
    const std::size_t start = out.size();
    const int digitCount = 2 * n - 1;
    out.resize(start + static_cast<std::size_t>(digitCount) + 1);
    char* digits = out.data() + start + 1;
    for (int i = 0; i < digitCount; ++i) {
        const std::uint8_t digit = i % 2 == 0 ? p[i / 2] >> 4 : p[i / 2] & 0x0F;
        if (digit > 9) {
            out.resize(start);
            return false;
        }
        digits[i] = static_cast<char>('0' + digit);
    }
    codec_detail::FinishDigitText(out, start, sign == pack.negative);
    return true;
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

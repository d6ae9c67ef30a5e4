#include <charconv>

#include "codec/codec_detail.h"
#include "util/text.h"

namespace rekkan::codec_detail {

bool RightAlignDigits(std::string_view text, std::uint8_t* digits, int n) {
    bool negative = false;
    int filled = 0;
    for (std::size_t i = text.size(); i-- > 0;) {
        const char c = text[i];
        if (c == '-') {
            negative = true;
        } else if (c >= '0' && c <= '9' && filled < n) {
            digits[n - 1 - filled] = static_cast<std::uint8_t>(c - '0');
            ++filled;
        }
    }
    for (int i = 0; i < n - filled; ++i) digits[i] = 0;
    return negative;
}

bool ReadSignedDigits(std::string_view text, bool& negative, std::uint64_t& magnitude) {
    negative = false;
    magnitude = 0;
    bool overflow = false;
    for (char c : text) {
        if (c == '-') {
            negative = true;
        } else if (c >= '0' && c <= '9') {
            const std::uint64_t d = static_cast<std::uint64_t>(c - '0');
            if (magnitude > (UINT64_MAX - d) / 10) {
                overflow = true;
            } else {
                magnitude = magnitude * 10 + d;
            }
        }
    }
    if (overflow) return false;
    const std::uint64_t limit = negative ? (std::uint64_t{1} << 63) : static_cast<std::uint64_t>(INT64_MAX);
    return magnitude <= limit;
}

void AppendInt(std::string& out, std::int64_t value) {
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, r.ptr);
}

void AppendUInt(std::string& out, std::uint64_t value) {
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, r.ptr);
}

std::string WithoutBlanks(std::string_view text) { return Trim(RemoveAll(text, " ")); }

void StoreLittleEndian(std::uint64_t value, int valueBytes, std::uint8_t* p, int n) {
    for (int i = 0; i < valueBytes && i < n; ++i) p[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void StoreBigEndian(std::uint64_t value, int valueBytes, std::uint8_t* p, int n) {
    for (int i = 0; i < valueBytes && i < n; ++i) {
        p[i] = static_cast<std::uint8_t>(value >> (8 * (valueBytes - 1 - i)));
    }
}

void FinishDigitText(std::string& out, std::size_t start, bool negative) {
    // out[start] is the spare byte, the digits follow it; the spare byte or the last leading
    // zero before the first kept digit takes the sign.
    const std::size_t end = out.size();
    std::size_t first = start + 1;
    while (first + 1 < end && out[first] == '0') ++first;
    if (negative) {
        out[first - 1] = '-';
        out.erase(start, first - 1 - start);
    } else {
        out.erase(start, first - start);
    }
}

}  // namespace rekkan::codec_detail

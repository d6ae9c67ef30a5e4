#include "codec/codec_detail.h"
#include "codec/raw_writers.h"
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
    char buf[kIntegerTextBound];
    out.append(buf, WriteSigned(value, buf));
}

void AppendUInt(std::string& out, std::uint64_t value) {
    char buf[kIntegerTextBound];
    out.append(buf, WriteUnsigned(value, buf));
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

}  // namespace rekkan::codec_detail

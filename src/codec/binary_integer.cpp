#include "codec/codec_detail.h"
#include "codec/raw_writers.h"
#include "codec/value_codecs.h"

namespace rekkan {

using codec_detail::ReadSignedDigits;
using codec_detail::StoreBigEndian;
using codec_detail::StoreLittleEndian;

namespace {

/// The value an integer encoder stores: sign and digits read as a 64-bit integer (0 when
/// they cannot be), a magnitude of `limit` or more replaced by its remainder modulo
/// limit - 1, then multiplied by the sign for signed types.
std::uint64_t ReducedValue(std::string_view text, std::uint64_t limit, Signedness sign) {
    bool negative = false;
    std::uint64_t magnitude = 0;
    if (!ReadSignedDigits(text, negative, magnitude)) return 0;
    if (magnitude >= limit) magnitude %= (limit - 1);
    if (sign == Signedness::Signed && negative) return 0 - magnitude;  // two's complement of the low bytes
    return magnitude;
}

}  // namespace

void DecodeCobolBinary(const std::uint8_t* p, int n, Signedness sign, std::string& out) {
    static_cast<void>(codec_detail::AppendWritten(
        out, kIntegerTextBound, [&](char* at) { return WriteCobolBinary(p, n, sign == Signedness::Signed, at); }));
}

void EncodeCobolBinary(std::string_view text, std::uint8_t* p, int n, Signedness sign) {
    switch (n) {
    case 2: StoreBigEndian(ReducedValue(text, 65536, sign), 2, p, n); break;
    case 4: StoreBigEndian(ReducedValue(text, std::uint64_t{1} << 32, sign), 4, p, n); break;
    case 8: {
        bool negative = false;
        std::uint64_t magnitude = 0;
        if (!ReadSignedDigits(text, negative, magnitude)) magnitude = 0;
        StoreBigEndian(negative ? 0 - magnitude : magnitude, 8, p, n);
        break;
    }
    default: break;
    }
}

void DecodeOneByte(const std::uint8_t* p, int n, Signedness sign, std::string& out) {
    static_cast<void>(codec_detail::AppendWritten(
        out, kIntegerTextBound, [&](char* at) { return WriteOneByte(p, n, sign == Signedness::Signed, at); }));
}

void EncodeOneByte(std::string_view text, std::uint8_t* p, int n, Signedness sign) {
    if (n > 0) p[0] = static_cast<std::uint8_t>(ReducedValue(text, 256, sign));
}

void DecodeCInteger(const std::uint8_t* p, int n, Signedness sign, ByteOrder order, std::string& out) {
    static_cast<void>(codec_detail::AppendWritten(
        out, kIntegerTextBound, [&](char* at) { return WriteCInteger(p, n, sign == Signedness::Signed, order, at); }));
}

void EncodeCInteger(std::string_view text, std::uint8_t* p, int n, Signedness sign, ByteOrder order) {
    const int bytes = n == 2 ? 2 : 4;
    const std::uint64_t limit = bytes == 2 ? 65536 : (std::uint64_t{1} << 32);
    const std::uint64_t v = ReducedValue(text, limit, sign);
    if (order == ByteOrder::Intel)
        StoreLittleEndian(v, bytes, p, n);
    else
        StoreBigEndian(v, bytes, p, n);
}

}  // namespace rekkan

#include "codec/codec_detail.h"
#include "codec/value_codecs.h"

namespace rekkan {

using codec_detail::AppendInt;
using codec_detail::AppendUInt;
using codec_detail::ReadSignedDigits;
using codec_detail::StoreBigEndian;
using codec_detail::StoreLittleEndian;

namespace {

std::uint64_t LoadBigEndian(const std::uint8_t* p, int bytes) {
    std::uint64_t v = 0;
    for (int i = 0; i < bytes; ++i) v = (v << 8) | p[i];
    return v;
}

/// Loads a value of `valueBytes` from a field of `n` bytes; bytes the field lacks count 0.
std::uint64_t LoadOrdered(const std::uint8_t* p, int n, int valueBytes, ByteOrder order) {
    std::uint8_t b[4] = {0, 0, 0, 0};
    for (int i = 0; i < valueBytes && i < n; ++i) b[i] = p[i];
    std::uint64_t v = 0;
    if (order == ByteOrder::Intel) {
        for (int i = valueBytes - 1; i >= 0; --i) v = (v << 8) | b[i];
    } else {
        for (int i = 0; i < valueBytes; ++i) v = (v << 8) | b[i];
    }
    return v;
}

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
    switch (n) {
    case 2: {
        const auto v = static_cast<std::uint16_t>(LoadBigEndian(p, 2));
        if (sign == Signedness::Signed)
            AppendInt(out, static_cast<std::int16_t>(v));
        else
            AppendUInt(out, v);
        break;
    }
    case 4: {
        const auto v = static_cast<std::uint32_t>(LoadBigEndian(p, 4));
        if (sign == Signedness::Signed)
            AppendInt(out, static_cast<std::int32_t>(v));
        else
            AppendUInt(out, v);
        break;
    }
    case 8: AppendInt(out, static_cast<std::int64_t>(LoadBigEndian(p, 8))); break;
    default: break;
    }
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
    const std::uint8_t b = n > 0 ? p[0] : 0;
    if (sign == Signedness::Signed)
        AppendInt(out, static_cast<std::int8_t>(b));
    else
        AppendUInt(out, b);
}

void EncodeOneByte(std::string_view text, std::uint8_t* p, int n, Signedness sign) {
    if (n > 0) p[0] = static_cast<std::uint8_t>(ReducedValue(text, 256, sign));
}

void DecodeCInteger(const std::uint8_t* p, int n, Signedness sign, ByteOrder order, std::string& out) {
    if (n == 2) {
        const auto v = static_cast<std::uint16_t>(LoadOrdered(p, n, 2, order));
        if (sign == Signedness::Signed)
            AppendInt(out, static_cast<std::int16_t>(v));
        else
            AppendUInt(out, v);
    } else {
        const auto v = static_cast<std::uint32_t>(LoadOrdered(p, n, 4, order));
        if (sign == Signedness::Signed)
            AppendInt(out, static_cast<std::int32_t>(v));
        else
            AppendUInt(out, v);
    }
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

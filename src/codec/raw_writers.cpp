#include "codec/raw_writers.h"

#include <bit>
#include <cstring>

namespace rekkan {
namespace {

constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
constexpr std::uint64_t kHighNibbles = 0xF0F0F0F0F0F0F0F0ULL;
constexpr std::uint64_t kLowNibbles = 0x0F0F0F0F0F0F0F0FULL;

std::uint64_t Load8(const std::uint8_t* p) {
    std::uint64_t w;
    std::memcpy(&w, p, 8);
    return w;
}

/// True when every low nibble of the word is a digit 0-9.
bool DigitNibbles(std::uint64_t lowNibbles) { return ((lowNibbles + 6 * kOnes) & kHighNibbles) == 0; }

/// Index (in memory order) of the first nonzero byte of a nonzero word.
int FirstNonzeroByte(std::uint64_t w) {
    if constexpr (std::endian::native == std::endian::little) return std::countr_zero(w) / 8;
    return std::countl_zero(w) / 8;
}

/// "00" to "99".
constexpr char kPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

constexpr std::uint64_t kPowers[] = {1ULL,
                                     10ULL,
                                     100ULL,
                                     1000ULL,
                                     10000ULL,
                                     100000ULL,
                                     1000000ULL,
                                     10000000ULL,
                                     100000000ULL,
                                     1000000000ULL,
                                     10000000000ULL,
                                     100000000000ULL,
                                     1000000000000ULL,
                                     10000000000000ULL,
                                     100000000000000ULL,
                                     1000000000000000ULL,
                                     10000000000000000ULL,
                                     100000000000000000ULL,
                                     1000000000000000000ULL,
                                     10000000000000000000ULL};

/// Decimal digits of `v` (1 for 0), from its bit width without a loop.
int DigitCount(std::uint64_t v) {
    const int estimate = (std::bit_width(v | 1) * 1233) >> 12;  // log10 of the highest bit, rounded down
    return estimate + (v >= kPowers[estimate] || estimate == 0 ? 1 : 0);
}

std::uint64_t BigEndianValue(const std::uint8_t* p, int bytes) {
    std::uint64_t v = 0;
    for (int i = 0; i < bytes; ++i) v = (v << 8) | p[i];
    return v;
}

char* WriteDigitsOf(const std::uint8_t* p, int from, int to, char* out) {
    // Zone nibbles become '3' and the digits stay: eight bytes at a time.
    int i = from;
    for (; i + 8 <= to; i += 8, out += 8) {
        const std::uint64_t w = (Load8(p + i) & kLowNibbles) | (0x30 * kOnes);
        std::memcpy(out, &w, 8);
    }
    for (; i < to; ++i) *out++ = static_cast<char>('0' + (p[i] & 0x0F));
    return out;
}

}  // namespace

bool ZonedValid(const std::uint8_t* p, int n, SignNibbles zone) {
    if (n <= 0) return true;
    const std::uint8_t last = p[n - 1];
    const std::uint8_t lastZone = last >> 4;
    if ((last & 0x0F) > 9 ||
        (lastZone != zone.unsignedNibble && lastZone != zone.positive && lastZone != zone.negative))
        return false;
    const std::uint64_t zoneWord = kOnes * static_cast<std::uint64_t>(zone.unsignedNibble << 4);
    const int body = n - 1;
    int i = 0;
    for (; i + 8 <= body; i += 8) {
        const std::uint64_t w = Load8(p + i);
        if ((w & kHighNibbles) != zoneWord || !DigitNibbles(w & kLowNibbles)) return false;
    }
    for (; i < body; ++i)
        if ((p[i] >> 4) != zone.unsignedNibble || (p[i] & 0x0F) > 9) return false;
    return true;
}

char* WriteZoned(const std::uint8_t* p, int n, SignNibbles zone, char* out) {
    if (n <= 0) return out;
    if (!ZonedValid(p, n, zone)) return nullptr;
    // The first digit that is not 0; the last digit is always kept.
    int first = 0;
    while (first + 8 <= n - 1) {
        const std::uint64_t digits = Load8(p + first) & kLowNibbles;
        if (digits != 0) {
            first += FirstNonzeroByte(digits);
            break;
        }
        first += 8;
    }
    while (first < n - 1 && (p[first] & 0x0F) == 0) ++first;
    if ((p[n - 1] >> 4) == zone.negative) *out++ = '-';
    return WriteDigitsOf(p, first, n, out);
}

bool PackedValid(const std::uint8_t* p, int n, SignNibbles pack) {
    if (n <= 0) return true;
    const std::uint8_t sign = p[n - 1] & 0x0F;
    if (sign != pack.unsignedNibble && sign != pack.positive && sign != pack.negative) return false;
    if ((p[n - 1] >> 4) > 9) return false;
    const int body = n - 1;
    int i = 0;
    for (; i + 8 <= body; i += 8) {
        const std::uint64_t w = Load8(p + i);
        if (!DigitNibbles(w & kLowNibbles) || !DigitNibbles((w >> 4) & kLowNibbles)) return false;
    }
    for (; i < body; ++i)
        if ((p[i] >> 4) > 9 || (p[i] & 0x0F) > 9) return false;
    return true;
}

char* WritePacked(const std::uint8_t* p, int n, SignNibbles pack, char* out) {
    if (n <= 0) return out;
    if (!PackedValid(p, n, pack)) return nullptr;
    if ((p[n - 1] & 0x0F) == pack.negative) *out++ = '-';
    int first = 0;
    while (first < n - 1 && p[first] == 0) ++first;
    if (first < n - 1) {
        // The first byte holding a digit other than 0 may start with a 0 nibble.
        if ((p[first] >> 4) != 0) *out++ = static_cast<char>('0' + (p[first] >> 4));
        *out++ = static_cast<char>('0' + (p[first] & 0x0F));
        for (int i = first + 1; i < n - 1; ++i) {
            out[0] = static_cast<char>('0' + (p[i] >> 4));
            out[1] = static_cast<char>('0' + (p[i] & 0x0F));
            out += 2;
        }
    }
    *out++ = static_cast<char>('0' + (p[n - 1] >> 4));
    return out;
}

char* WriteUnsigned(std::uint64_t value, char* out) {
    char* const end = out + DigitCount(value);
    char* q = end;
    while (value >= 100) {
        q -= 2;
        std::memcpy(q, kPairs + 2 * (value % 100), 2);
        value /= 100;
    }
    if (value >= 10) {
        std::memcpy(q - 2, kPairs + 2 * value, 2);
    } else {
        q[-1] = static_cast<char>('0' + value);
    }
    return end;
}

char* WriteSigned(std::int64_t value, char* out) {
    if (value >= 0) return WriteUnsigned(static_cast<std::uint64_t>(value), out);
    *out++ = '-';
    return WriteUnsigned(0 - static_cast<std::uint64_t>(value), out);
}

char* WriteCobolBinary(const std::uint8_t* p, int n, bool isSigned, char* out) {
    switch (n) {
    case 2: {
        const auto v = static_cast<std::uint16_t>(BigEndianValue(p, 2));
        return isSigned ? WriteSigned(static_cast<std::int16_t>(v), out) : WriteUnsigned(v, out);
    }
    case 4: {
        const auto v = static_cast<std::uint32_t>(BigEndianValue(p, 4));
        return isSigned ? WriteSigned(static_cast<std::int32_t>(v), out) : WriteUnsigned(v, out);
    }
    case 8: return WriteSigned(static_cast<std::int64_t>(BigEndianValue(p, 8)), out);
    default: return out;
    }
}

char* WriteOneByte(const std::uint8_t* p, int n, bool isSigned, char* out) {
    const std::uint8_t b = n > 0 ? p[0] : 0;
    return isSigned ? WriteSigned(static_cast<std::int8_t>(b), out) : WriteUnsigned(b, out);
}

char* WriteCInteger(const std::uint8_t* p, int n, bool isSigned, ByteOrder order, char* out) {
    const int bytes = n == 2 ? 2 : 4;
    std::uint8_t b[4] = {0, 0, 0, 0};
    for (int i = 0; i < bytes && i < n; ++i) b[i] = p[i];
    std::uint32_t v = 0;
    if (order == ByteOrder::Intel) {
        for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[i];
    } else {
        for (int i = 0; i < bytes; ++i) v = (v << 8) | b[i];
    }
    if (bytes == 2) {
        const auto v16 = static_cast<std::uint16_t>(v);
        return isSigned ? WriteSigned(static_cast<std::int16_t>(v16), out) : WriteUnsigned(v16, out);
    }
    return isSigned ? WriteSigned(static_cast<std::int32_t>(v), out) : WriteUnsigned(v, out);
}

bool HasControlByte(const std::uint8_t* p, int n) {
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        const std::uint64_t w = Load8(p + i);
        // Some byte below 0x20 (a blank-padded text has none): look closer, 0x00 is allowed.
        if (((w - 0x20 * kOnes) & ~w & (0x80 * kOnes)) == 0) continue;
        for (int k = i; k < i + 8; ++k)
            if (p[k] >= 0x01 && p[k] <= 0x1F) return true;
    }
    for (; i < n; ++i)
        if (p[i] >= 0x01 && p[i] <= 0x1F) return true;
    return false;
}

}  // namespace rekkan

#pragma once

// The display text of the numeric kinds written straight into a caller's buffer: the one place
// where each of these rules lives. The std::string decoders of value_codecs.h wrap them, and
// the decode plan of the record outputs calls them directly (they are inline so that its loop
// over the fields of a record runs without calls).
//
// A writer gets `out` with the room the kind asks for (below; a few bytes more than the text,
// which it may scribble on) and returns the end of the text, or nullptr when the bytes are not
// a valid value (nothing is then to be kept).

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "codec/codec_options.h"

namespace rekkan {

/// Bytes a writer may scribble on after its text.
inline constexpr std::size_t kWriterSlack = 8;
/// Room WriteZoned needs for `n` bytes: a sign and n digits, and the slack.
[[nodiscard]] constexpr std::size_t ZonedTextBound(int n) {
    return n > 0 ? static_cast<std::size_t>(n) + 1 + kWriterSlack : 0;
}
/// Room WritePacked needs for `n` bytes: a sign and 2n - 1 digits, and the slack.
[[nodiscard]] constexpr std::size_t PackedTextBound(int n) {
    return n > 0 ? 2 * static_cast<std::size_t>(n) + kWriterSlack : 0;
}
/// Room the integer writers need: a sign and 20 digits at most.
inline constexpr std::size_t kIntegerTextBound = 21;

namespace raw_detail {

inline constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
inline constexpr std::uint64_t kHighNibbles = 0xF0F0F0F0F0F0F0F0ULL;
inline constexpr std::uint64_t kLowNibbles = 0x0F0F0F0F0F0F0F0FULL;
/// The seven bytes of a loaded word that come first in memory.
inline constexpr std::uint64_t kFirstSeven =
    std::endian::native == std::endian::little ? 0x00FFFFFFFFFFFFFFULL : 0xFFFFFFFFFFFFFF00ULL;

inline std::uint64_t Load8(const std::uint8_t* p) {
    std::uint64_t w;
    std::memcpy(&w, p, 8);
    return w;
}
/// True when every low nibble of the word is a digit 0-9.
inline bool DigitNibbles(std::uint64_t lowNibbles) { return ((lowNibbles + 6 * kOnes) & kHighNibbles) == 0; }
/// Index (in memory order) of the first nonzero byte of a nonzero word.
inline int FirstNonzeroByte(std::uint64_t w) {
    if constexpr (std::endian::native == std::endian::little) return std::countr_zero(w) / 8;
    return std::countl_zero(w) / 8;
}
/// The word of the bytes at `p` as digit characters: zone nibbles become '3'.
inline std::uint64_t DigitChars(std::uint64_t w) { return (w & kLowNibbles) | (0x30 * kOnes); }

/// "00" to "99".
inline constexpr char kPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

inline constexpr std::uint64_t kPowers[] = {1ULL,
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
inline int DigitCount(std::uint64_t v) {
    const int estimate = (std::bit_width(v | 1) * 1233) >> 12;  // log10 of the highest bit, rounded down
    return estimate + (v >= kPowers[estimate] || estimate == 0 ? 1 : 0);
}

/// True when the zones of the body bytes in `w` (those of `mask`) are `zoneWord` and every
/// low nibble of `w` is a digit.
inline bool ZonedWordFits(std::uint64_t w, std::uint64_t zoneWord, std::uint64_t mask) {
    return (((w & kHighNibbles) ^ zoneWord) & mask) == 0 && DigitNibbles(w & kLowNibbles);
}

}  // namespace raw_detail

/// True when the `n` bytes are a zoned decimal: every digit 0-9, every zone the unsigned one,
/// the last zone also the positive or negative one.
[[nodiscard]] inline bool ZonedValid(const std::uint8_t* p, int n, SignNibbles zone) {
    using namespace raw_detail;
    if (n <= 0) return true;
    const std::uint8_t last = p[n - 1];
    const std::uint8_t lastZone = last >> 4;
    if ((last & 0x0F) > 9 ||
        (lastZone != zone.unsignedNibble && lastZone != zone.positive && lastZone != zone.negative))
        return false;
    if (n < 8) {
        for (int i = 0; i < n - 1; ++i)
            if ((p[i] >> 4) != zone.unsignedNibble || (p[i] & 0x0F) > 9) return false;
        return true;
    }
    // Whole words of the body, then the word that ends with the sign byte (overlapping).
    const std::uint64_t zoneWord = kOnes * static_cast<std::uint64_t>(zone.unsignedNibble << 4);
    for (int i = 0; i + 8 < n; i += 8)
        if (!ZonedWordFits(Load8(p + i), zoneWord, ~std::uint64_t{0})) return false;
    return ZonedWordFits(Load8(p + n - 8), zoneWord, kFirstSeven);
}

/// Zoned decimal text: leading zeros dropped (one digit stays), "-" in front when the last
/// zone is the negative one.
[[nodiscard]] inline char* WriteZoned(const std::uint8_t* p, int n, SignNibbles zone, char* out) {
    using namespace raw_detail;
    if (n <= 0) return out;
    if (!ZonedValid(p, n, zone)) return nullptr;
    if ((p[n - 1] >> 4) == zone.negative) *out++ = '-';
    if (n < 8) {
        int first = 0;
        while (first < n - 1 && (p[first] & 0x0F) == 0) ++first;
        for (int i = first; i < n; ++i) *out++ = static_cast<char>('0' + (p[i] & 0x0F));
        return out;
    }
    // The first digit that is not 0 (the last digit is always kept).
    int first = 0;
    for (;; first += 8) {
        if (first + 8 >= n) {
            const std::uint64_t digits = Load8(p + n - 8) & kLowNibbles & kFirstSeven;
            first = digits != 0 ? n - 8 + FirstNonzeroByte(digits) : n - 1;
            break;
        }
        const std::uint64_t digits = Load8(p + first) & kLowNibbles;
        if (digits != 0) {
            first += FirstNonzeroByte(digits);
            break;
        }
    }
    const int count = n - first;
    if (count < 8) {
        // The last eight bytes moved so that the wanted digits come first; the rest is slack.
        std::uint64_t w = DigitChars(Load8(p + n - 8));
        if constexpr (std::endian::native == std::endian::little)
            w >>= 8 * (8 - count);
        else
            w <<= 8 * (8 - count);
        std::memcpy(out, &w, 8);
        return out + count;
    }
    for (int i = first; i + 8 < n; i += 8, out += 8) {
        const std::uint64_t w = DigitChars(Load8(p + i));
        std::memcpy(out, &w, 8);
    }
    // The last word ends with the field (it may cover digits already written).
    const int rest = (count - 1) % 8 + 1;
    const std::uint64_t w = DigitChars(Load8(p + n - 8));
    std::memcpy(out + rest - 8, &w, 8);
    return out + rest;
}

/// True when the `n` bytes are a packed decimal: 2n - 1 digits 0-9 and a sign nibble of the form.
[[nodiscard]] inline bool PackedValid(const std::uint8_t* p, int n, SignNibbles pack) {
    if (n <= 0) return true;
    const std::uint8_t sign = p[n - 1] & 0x0F;
    if (sign != pack.unsignedNibble && sign != pack.positive && sign != pack.negative) return false;
    if ((p[n - 1] >> 4) > 9) return false;
    for (int i = 0; i < n - 1; ++i)
        if ((p[i] >> 4) > 9 || (p[i] & 0x0F) > 9) return false;
    return true;
}

/// Packed decimal text, shaped as the zoned one.
[[nodiscard]] inline char* WritePacked(const std::uint8_t* p, int n, SignNibbles pack, char* out) {
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

/// Decimal text of an integer, two digits at a time.
[[nodiscard]] inline char* WriteUnsigned(std::uint64_t value, char* out) {
    using namespace raw_detail;
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

[[nodiscard]] inline char* WriteSigned(std::int64_t value, char* out) {
    if (value >= 0) return WriteUnsigned(static_cast<std::uint64_t>(value), out);
    *out++ = '-';
    return WriteUnsigned(0 - static_cast<std::uint64_t>(value), out);
}

/// COBOL binary (big-endian) of 2, 4 or 8 bytes (8 always signed); other lengths write nothing.
[[nodiscard]] inline char* WriteCobolBinary(const std::uint8_t* p, int n, bool isSigned, char* out) {
    switch (n) {
    case 2: {
        const auto v = static_cast<std::uint16_t>((p[0] << 8) | p[1]);
        return isSigned ? WriteSigned(static_cast<std::int16_t>(v), out) : WriteUnsigned(v, out);
    }
    case 4: {
        std::uint32_t v;
        std::memcpy(&v, p, 4);
        if constexpr (std::endian::native == std::endian::little) v = __builtin_bswap32(v);
        return isSigned ? WriteSigned(static_cast<std::int32_t>(v), out) : WriteUnsigned(v, out);
    }
    case 8: {
        std::uint64_t v;
        std::memcpy(&v, p, 8);
        if constexpr (std::endian::native == std::endian::little) v = __builtin_bswap64(v);
        return WriteSigned(static_cast<std::int64_t>(v), out);
    }
    default: return out;
    }
}

/// One-byte integer (U.Char, BYTE, S.Char); a field of no bytes reads 0.
[[nodiscard]] inline char* WriteOneByte(const std::uint8_t* p, int n, bool isSigned, char* out) {
    const std::uint8_t b = n > 0 ? p[0] : 0;
    return isSigned ? WriteSigned(static_cast<std::int8_t>(b), out) : WriteUnsigned(b, out);
}

/// Bytes of a character field's text: those before the first 0x00, eight at a time.
[[nodiscard]] inline std::size_t CharacterTextLength(const std::uint8_t* p, int n) {
    using namespace raw_detail;
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        const std::uint64_t w = Load8(p + i);
        const std::uint64_t zero = (w - kOnes) & ~w & (0x80 * kOnes);
        if (zero != 0) return static_cast<std::size_t>(i + FirstNonzeroByte(zero));
    }
    while (i < n && p[i] != 0) ++i;
    return static_cast<std::size_t>(i);
}

/// C/VB integer: 16 bits when `n` is 2, else 32 (bytes the field lacks read as 0).
[[nodiscard]] char* WriteCInteger(const std::uint8_t* p, int n, bool isSigned, ByteOrder order, char* out);

/// True when any of the `n` bytes is a control byte 0x01 to 0x1F (a character field holding
/// one is damaged).
[[nodiscard]] bool HasControlByte(const std::uint8_t* p, int n);

}  // namespace rekkan

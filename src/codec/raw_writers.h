#pragma once

// The display text of the numeric kinds written straight into a caller's buffer: the one place
// where each of these rules lives. The std::string decoders of value_codecs.h wrap them, and
// the decode plan of the record outputs calls them directly.
//
// A writer gets `out` with room for the kind's bound (below) and returns the end of what it
// wrote, or nullptr when the bytes are not a valid value (nothing is then to be kept).

#include <cstddef>
#include <cstdint>

#include "codec/codec_options.h"

namespace rekkan {

/// Most bytes the text of a zoned decimal of `n` bytes takes: a sign and n digits.
[[nodiscard]] constexpr std::size_t ZonedTextBound(int n) { return n > 0 ? static_cast<std::size_t>(n) + 1 : 0; }
/// Most bytes the text of a packed decimal of `n` bytes takes: a sign and 2n - 1 digits.
[[nodiscard]] constexpr std::size_t PackedTextBound(int n) { return n > 0 ? 2 * static_cast<std::size_t>(n) : 0; }
/// Most bytes the text of a 64-bit integer takes.
inline constexpr std::size_t kIntegerTextBound = 20;

/// True when the `n` bytes are a zoned decimal: every digit 0-9, every zone the unsigned one,
/// the last zone also the positive or negative one.
[[nodiscard]] bool ZonedValid(const std::uint8_t* p, int n, SignNibbles zone);
/// Zoned decimal text: leading zeros dropped (one digit stays), "-" in front when the last
/// zone is the negative one.
[[nodiscard]] char* WriteZoned(const std::uint8_t* p, int n, SignNibbles zone, char* out);

/// True when the `n` bytes are a packed decimal: 2n - 1 digits 0-9 and a sign nibble of the form.
[[nodiscard]] bool PackedValid(const std::uint8_t* p, int n, SignNibbles pack);
/// Packed decimal text, shaped as the zoned one.
[[nodiscard]] char* WritePacked(const std::uint8_t* p, int n, SignNibbles pack, char* out);

/// Decimal text of an integer, two digits at a time.
[[nodiscard]] char* WriteUnsigned(std::uint64_t value, char* out);
[[nodiscard]] char* WriteSigned(std::int64_t value, char* out);

/// COBOL binary (big-endian) of 2, 4 or 8 bytes; other lengths write nothing.
[[nodiscard]] char* WriteCobolBinary(const std::uint8_t* p, int n, bool isSigned, char* out);
/// One-byte integer (U.Char, BYTE, S.Char); a field of no bytes reads 0.
[[nodiscard]] char* WriteOneByte(const std::uint8_t* p, int n, bool isSigned, char* out);
/// C/VB integer: 16 bits when `n` is 2, else 32 (bytes the field lacks read as 0).
[[nodiscard]] char* WriteCInteger(const std::uint8_t* p, int n, bool isSigned, ByteOrder order, char* out);

/// True when any of the `n` bytes is a control byte 0x01 to 0x1F (a character field holding
/// one is damaged).
[[nodiscard]] bool HasControlByte(const std::uint8_t* p, int n);

}  // namespace rekkan

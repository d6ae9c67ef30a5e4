#pragma once

// The conversion of each kind of field value, every parameter explicit. DecodeField and
// EncodeField pick one by the field's type code; a caller that knows the kinds of its fields
// ahead of time can call them directly.
//
// A decoder reads the `n` bytes at `p` and APPENDS the display text to `out`, so that many
// fields can be decoded into one buffer. Decoders that can meet invalid bytes return whether
// the bytes are valid; on invalid bytes a numeric decoder appends nothing, the character
// decoder still appends its text.
//
// An encoder writes `text` into the `n` bytes at `p`, which the caller has filled with the
// fill byte; it never fails (text it cannot use gives the kind's zero value).

#include <cstdint>
#include <string>
#include <string_view>

#include "codec/codec_options.h"

namespace rekkan {

/// Whether an integer kind is read and written with a sign (two's complement).
enum class Signedness { Unsigned, Signed };

/// Character (X, J, String, Variant): the bytes up to the first 0x00. Invalid when any of the
/// `n` bytes, also after the 0x00, is a control byte 0x01 to 0x1F.
[[nodiscard]] bool DecodeCharacter(const std::uint8_t* p, int n, std::string& out);
/// Copies at most `n` bytes of the text.
void EncodeCharacter(std::string_view text, std::uint8_t* p, int n);

/// Zoned decimal: zone nibble and digit per byte, the last zone holding the sign. Leading zeros
/// dropped, "-" in front of a negative value. Invalid on a digit above 9 or a foreign zone.
[[nodiscard]] bool DecodeZoned(const std::uint8_t* p, int n, SignNibbles zone, std::string& out);
/// The digits of the text right-aligned in `n` digits; a signed field takes the sign zone.
void EncodeZoned(std::string_view text, std::uint8_t* p, int n, SignNibbles zone, Signedness sign);

/// Packed decimal: 2n - 1 digits and a sign nibble. Invalid on a digit above 9 or a foreign
/// sign nibble.
[[nodiscard]] bool DecodePacked(const std::uint8_t* p, int n, SignNibbles pack, std::string& out);
void EncodePacked(std::string_view text, std::uint8_t* p, int n, SignNibbles pack, Signedness sign);

/// Bit string: eight "0"/"1" per byte, most significant bit first.
void DecodeBits(const std::uint8_t* p, int n, std::string& out);
void EncodeBits(std::string_view text, std::uint8_t* p, int n);

/// COBOL binary: big-endian; 2, 4 or 8 bytes (8 always signed); other lengths give nothing.
void DecodeCobolBinary(const std::uint8_t* p, int n, Signedness sign, std::string& out);
void EncodeCobolBinary(std::string_view text, std::uint8_t* p, int n, Signedness sign);

/// One-byte integers (U.Char, BYTE, S.Char).
void DecodeOneByte(const std::uint8_t* p, int n, Signedness sign, std::string& out);
void EncodeOneByte(std::string_view text, std::uint8_t* p, int n, Signedness sign);

/// C/VB integers: 16 bits when the field has 2 bytes, else 32, in the given byte order.
void DecodeCInteger(const std::uint8_t* p, int n, Signedness sign, ByteOrder order, std::string& out);
void EncodeCInteger(std::string_view text, std::uint8_t* p, int n, Signedness sign, ByteOrder order);

/// Little-endian IEEE single, 7 significant digits; invalid when it is not a number.
[[nodiscard]] bool DecodeFloat(const std::uint8_t* p, int n, std::string& out);
/// Little-endian IEEE double, 15 significant digits; invalid when it is not a number.
[[nodiscard]] bool DecodeDouble(const std::uint8_t* p, int n, std::string& out);
/// Little-endian 64-bit integer holding the value times 10000.
void DecodeCurrency(const std::uint8_t* p, int n, std::string& out);
void EncodeFloat(std::string_view text, std::uint8_t* p, int n);
void EncodeDouble(std::string_view text, std::uint8_t* p, int n);
void EncodeCurrency(std::string_view text, std::uint8_t* p, int n);

/// Little-endian double day count since 1899-12-30 shown as "YYYY/MM/DD"; invalid outside
/// the years 1 to 9999 and when it is no finite number.
[[nodiscard]] bool DecodeDate8(const std::uint8_t* p, int n, std::string& out);
void EncodeDate8(std::string_view text, std::uint8_t* p, int n);
/// Whether `EncodeDate8` takes `text` as a date ("YYYY/MM/DD", a time "hh:mm[:ss]" may follow;
/// blanks ignored) rather than storing 0 for it.
[[nodiscard]] bool IsDate8Text(std::string_view text);

}  // namespace rekkan

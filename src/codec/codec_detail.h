#pragma once

// The converters of each type family, used by the field conversions in field_codec.cpp.
// Decoders write the text into `out` (replacing it) and return the error flag; encoders
// write into the field's `n` bytes at `p`, which already hold the fill byte.

#include <cstdint>
#include <string>
#include <string_view>

#include "codec/codec_options.h"

namespace rekkan::codec_detail {

// Text helpers shared by the numeric encoders.

/// Right-aligns the digits 0-9 of `text` in `n` digit values (0-9) at `digits`: padded with
/// 0 on the left, surplus digits dropped on the left. Returns true when the text holds a '-'.
bool RightAlignDigits(std::string_view text, std::uint8_t* digits, int n);
/// The sign and the digits of `text` as one integer (every '+' and '-' removed, '-' noted;
/// only 0-9 kept). False when the digits do not fit a signed 64-bit value; no digits is 0.
bool ReadSignedDigits(std::string_view text, bool& negative, std::uint64_t& magnitude);
/// Makes the final text of a zoned or packed value: `out` holds one spare byte followed by
/// the digits; the leading zeros go (one digit at least stays) and the sign comes in front.
void FinishDigitText(std::string& out, bool negative);
/// Appends a decimal integer.
void AppendInt(std::string& out, std::int64_t value);
void AppendUInt(std::string& out, std::uint64_t value);
/// The text without any half-width blank, then trimmed.
std::string WithoutBlanks(std::string_view text);

bool DecodeCharacter(const std::uint8_t* p, int n, std::string& out);
void EncodeCharacter(std::string_view text, std::uint8_t* p, int n);

bool DecodeZoned(const std::uint8_t* p, int n, SignNibbles zone, std::string& out);
void EncodeZoned(std::string_view text, std::uint8_t* p, int n, SignNibbles zone, bool isSigned);

bool DecodePacked(const std::uint8_t* p, int n, SignNibbles pack, std::string& out);
void EncodePacked(std::string_view text, std::uint8_t* p, int n, SignNibbles pack, bool isSigned);

void DecodeBits(const std::uint8_t* p, int n, std::string& out);
void EncodeBits(std::string_view text, std::uint8_t* p, int n);

/// COBOL binary: big-endian; 2, 4 or 8 bytes (8 always signed); other lengths give nothing.
void DecodeCobolBinary(const std::uint8_t* p, int n, bool isSigned, std::string& out);
void EncodeCobolBinary(std::string_view text, std::uint8_t* p, int n, bool isSigned);

/// One-byte integers (U.Char, BYTE, S.Char).
void DecodeOneByte(const std::uint8_t* p, int n, bool isSigned, std::string& out);
void EncodeOneByte(std::string_view text, std::uint8_t* p, int n, bool isSigned);

/// C/VB integers: 16 bits when the field has 2 bytes, else 32, in the given byte order.
void DecodeCInteger(const std::uint8_t* p, int n, bool isSigned, ByteOrder order, std::string& out);
void EncodeCInteger(std::string_view text, std::uint8_t* p, int n, bool isSigned, ByteOrder order);

bool DecodeFloat(const std::uint8_t* p, int n, std::string& out);
bool DecodeDouble(const std::uint8_t* p, int n, std::string& out);
bool DecodeCurrency(const std::uint8_t* p, int n, std::string& out);
void EncodeFloat(std::string_view text, std::uint8_t* p, int n);
void EncodeDouble(std::string_view text, std::uint8_t* p, int n);
void EncodeCurrency(std::string_view text, std::uint8_t* p, int n);

/// General format of a floating value with `precision` significant digits (7 or 15).
void FormatGeneral(double value, int precision, std::string& out);
/// Reads a decimal floating number ("12.5", "-1e3", blanks around allowed); false when the
/// text is not one.
bool ParseDecimal(std::string_view text, double& value);

bool DecodeDate8(const std::uint8_t* p, int n, std::string& out);
void EncodeDate8(std::string_view text, std::uint8_t* p, int n);
/// Day count since 1899-12-30 of a date "YYYY/MM/DD" with an optional time; false when the
/// text is no valid date.
bool ParseDateTime(std::string_view text, double& days);

/// Stores `n` bytes of a value: the low bytes, least significant first (little-endian) or
/// most significant first, written only into the field's bytes.
void StoreLittleEndian(std::uint64_t value, int valueBytes, std::uint8_t* p, int n);
void StoreBigEndian(std::uint64_t value, int valueBytes, std::uint8_t* p, int n);

}  // namespace rekkan::codec_detail

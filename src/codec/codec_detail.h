#pragma once

// Text and byte helpers shared by the value conversions of value_codecs.h.

#include <cstdint>
#include <string>
#include <string_view>

namespace rekkan::codec_detail {

/// Right-aligns the digits 0-9 of `text` in `n` digit values (0-9) at `digits`: padded with
/// 0 on the left, surplus digits dropped on the left. Returns true when the text holds a '-'.
[[nodiscard]] bool RightAlignDigits(std::string_view text, std::uint8_t* digits, int n);
/// The sign and the digits of `text` as one integer (every '+' and '-' removed, '-' noted;
/// only 0-9 kept). False when the digits do not fit a signed 64-bit value; no digits is 0.
[[nodiscard]] bool ReadSignedDigits(std::string_view text, bool& negative, std::uint64_t& magnitude);
/// Appends what `write` puts at the end of `out` (at most `bound` bytes; it returns the end
/// of its text, or nullptr for invalid bytes, which append nothing). Returns the validity.
template <typename Write>
[[nodiscard]] bool AppendWritten(std::string& out, std::size_t bound, Write&& write) {
    const std::size_t start = out.size();
    out.resize(start + bound);
    char* const end = write(out.data() + start);
    out.resize(end ? static_cast<std::size_t>(end - out.data()) : start);
    return end != nullptr;
}
/// Appends a decimal integer.
void AppendInt(std::string& out, std::int64_t value);
void AppendUInt(std::string& out, std::uint64_t value);
/// The text without any half-width blank, then trimmed.
[[nodiscard]] std::string WithoutBlanks(std::string_view text);

/// Appends the general format of a number (not NaN) with `precision` significant digits (7 or
/// 15); infinities as "INF" and "-INF".
void FormatGeneral(double value, int precision, std::string& out);
/// Reads a decimal floating number ("12.5", "-1e3", blanks around allowed); false when the
/// text is not one.
[[nodiscard]] bool ParseDecimal(std::string_view text, double& value);

/// Day count since 1899-12-30 of a date "YYYY/MM/DD" with an optional time; false when the
/// text is no valid date.
[[nodiscard]] bool ParseDateTime(std::string_view text, double& days);

/// Stores `n` bytes of a value: the low bytes, least significant first (little-endian) or
/// most significant first, written only into the field's bytes.
void StoreLittleEndian(std::uint64_t value, int valueBytes, std::uint8_t* p, int n);
void StoreBigEndian(std::uint64_t value, int valueBytes, std::uint8_t* p, int n);

}  // namespace rekkan::codec_detail

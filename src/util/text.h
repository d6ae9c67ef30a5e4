#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rekkan {

/// The text without blanks (and tabs, CR, LF) at both ends.
[[nodiscard]] std::string Trim(std::string_view s);
[[nodiscard]] std::string TrimLeft(std::string_view s);
[[nodiscard]] std::string TrimRight(std::string_view s);

/// Trimmed text right-justified in `width` characters; a longer text loses its leftmost bytes.
[[nodiscard]] std::string PadLeft(char pad, std::string_view text, int width);
/// Trimmed text left-justified in `width` characters; a longer text loses its rightmost bytes.
[[nodiscard]] std::string PadRight(char pad, std::string_view text, int width);
/// `count` blanks; empty for a count below 1.
[[nodiscard]] std::string Blanks(int count);
/// "1234567" -> "1,234,567": a comma between every group of three, counted from the right.
[[nodiscard]] std::string GroupThousands(std::string_view digits);
/// A number grouped by thousands, sign kept ("-1,234").
[[nodiscard]] std::string GroupThousands(std::int64_t value);
/// Only the characters '0'-'9' of the text.
[[nodiscard]] std::string DigitsOnly(std::string_view s);
/// The text with every occurrence of `piece` removed.
[[nodiscard]] std::string RemoveAll(std::string_view s, std::string_view piece);
/// The text with every occurrence of `piece` replaced by as many `fill` bytes.
[[nodiscard]] std::string MaskAll(std::string_view s, std::string_view piece, char fill);
/// The text without any CR or LF byte.
[[nodiscard]] std::string RemoveLineEnds(std::string_view s);
/// 1-based position of `piece` in `text` at or after the 1-based `start`; 0 when absent.
[[nodiscard]] int FindFrom(int start, std::string_view piece, std::string_view text);
/// First blank-delimited word of the text from the 1-based `start`, trimmed.
[[nodiscard]] std::string FirstWord(std::string_view text, int start = 1);
/// The text cut into chunks of `width` bytes (never ending a chunk on a lead byte).
[[nodiscard]] std::string Fold(std::string_view text, int width, bool trimBoth);
/// Appends text + CR LF to `out`.
void WriteLine(std::string& out, std::string_view text);

/// Lines split at CR, LF or CR LF; a final line end gives no empty last line.
[[nodiscard]] std::vector<std::string> SplitLines(std::string_view text);
/// Strict decimal integer (optional '-' or '+', digits only, no blanks) into `out`.
[[nodiscard]] bool ParseInt(std::string_view s, int& out);
[[nodiscard]] bool ParseInt64(std::string_view s, std::int64_t& out);
}  // namespace rekkan

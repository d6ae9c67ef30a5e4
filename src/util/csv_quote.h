#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rekkan {

/// A CSV value: the text between double quotes, every double quote inside doubled.
[[nodiscard]] std::string CsvQuote(std::string_view text);
/// Appends CsvQuote(text) to `out` (no temporary).
void AppendCsvQuoted(std::string& out, std::string_view text);
/// Most bytes CsvQuote gives for a text of `size` bytes.
[[nodiscard]] constexpr std::size_t CsvQuotedBound(std::size_t size) { return 2 * size + 2; }
/// Writes CsvQuote(text) at `out`, which has room for CsvQuotedBound(text.size()) bytes;
/// returns the end.
[[nodiscard]] char* WriteCsvQuoted(std::string_view text, char* out);

}  // namespace rekkan

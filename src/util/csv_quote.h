#pragma once

#include <string>
#include <string_view>

namespace rekkan {

/// A CSV value: the text between double quotes, every double quote inside doubled.
[[nodiscard]] std::string CsvQuote(std::string_view text);
/// Appends CsvQuote(text) to `out` (no temporary).
void AppendCsvQuoted(std::string& out, std::string_view text);

}  // namespace rekkan

#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
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
/// returns the end. Inline: it runs for every text value of a range CSV.
[[nodiscard]] inline char* WriteCsvQuoted(std::string_view text, char* out) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    *out++ = '"';
    const char* p = text.data();
    std::size_t n = text.size();
    // Eight bytes at a time while they hold no double quote.
    for (; n >= 8; p += 8, n -= 8, out += 8) {
        std::uint64_t w;
        std::memcpy(&w, p, 8);
        const std::uint64_t x = w ^ (0x22 * kOnes);  // a zero byte where a quote was
        if (((x - kOnes) & ~x & (0x80 * kOnes)) != 0) break;
        std::memcpy(out, &w, 8);
    }
    // A double quote inside a value is doubled so that a CSV reader can split the line back.
    for (; n > 0; ++p, --n) {
        if (*p == '"') *out++ = '"';
        *out++ = *p;
    }
    *out++ = '"';
    return out;
}

}  // namespace rekkan

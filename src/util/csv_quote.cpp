#include "util/csv_quote.h"

#include <cstdint>
#include <cstring>

namespace rekkan {
namespace {

/// True when the text holds a double quote; eight bytes at a time, since this runs for every
/// value of a range CSV.
bool HasDoubleQuote(std::string_view text) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
    constexpr std::uint64_t kQuotes = 0x2222222222222222ULL;
    const char* p = text.data();
    std::size_t n = text.size();
    for (; n >= 8; p += 8, n -= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        const std::uint64_t x = word ^ kQuotes;  // a zero byte where a quote was
        if (((x - kOnes) & ~x & kHighs) != 0) return true;
    }
    for (; n > 0; ++p, --n)
        if (*p == '"') return true;
    return false;
}

}  // namespace

std::string CsvQuote(std::string_view text) {
    std::string out;
    AppendCsvQuoted(out, text);
    return out;
}

void AppendCsvQuoted(std::string& out, std::string_view text) {
    if (!HasDoubleQuote(text)) {
        const std::size_t at = out.size();
        out.resize(at + text.size() + 2);
        char* p = out.data() + at;
        p[0] = '"';
        if (!text.empty()) std::memcpy(p + 1, text.data(), text.size());
        p[text.size() + 1] = '"';
        return;
    }
    // A double quote inside a value is doubled so that a CSV reader can split the line back.
    out += '"';
    for (std::size_t quote; (quote = text.find('"')) != std::string_view::npos;) {
        out.append(text.substr(0, quote + 1));
        out += '"';
        text.remove_prefix(quote + 1);
    }
    out.append(text);
    out += '"';
}

}  // namespace rekkan
